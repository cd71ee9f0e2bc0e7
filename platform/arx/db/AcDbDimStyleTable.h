// The drawing's dimension style table: its records of class AcDbDimStyleTableRecord, found by name.
// DXF writes it as the "DIMSTYLE" table.
#pragma once

#include "AcDbDimStyleTableRecord.h"
#include "AcDbSymbolTable.h"
#include "AcDbSymbolTableIterator.h"

typedef AcDbTypedSymbolTableIterator<AcDbDimStyleTableRecord> AcDbDimStyleTableIterator;

class AcDbDimStyleTable : public AcDbSymbolTable {
public:
    ACRX_DECLARE_MEMBERS(AcDbDimStyleTable);
    ACDB_DECLARE_SYMBOL_TABLE_MEMBERS(AcDbDimStyleTableRecord, AcDbDimStyleTableIterator)

    Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;
    const ACHAR* dxfTableName() const override { return L"DIMSTYLE"; }
};
