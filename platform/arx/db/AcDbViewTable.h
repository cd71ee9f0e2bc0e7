// The drawing's named view table: its records of class AcDbViewTableRecord, found by name.
// DXF writes it as the "VIEW" table.
#pragma once

#include "AcDbSymbolTable.h"
#include "AcDbSymbolTableIterator.h"
#include "AcDbViewTableRecord.h"

typedef AcDbTypedSymbolTableIterator<AcDbViewTableRecord> AcDbViewTableIterator;

class AcDbViewTable : public AcDbSymbolTable {
public:
    ACRX_DECLARE_MEMBERS(AcDbViewTable);
    ACDB_DECLARE_SYMBOL_TABLE_MEMBERS(AcDbViewTableRecord, AcDbViewTableIterator)

    const ACHAR* dxfTableName() const override { return L"VIEW"; }
};
