// The drawing's linetype table: its records of class AcDbLinetypeTableRecord, found by name.
// DXF writes it as the "LTYPE" table.
#pragma once

#include "AcDbLinetypeTableRecord.h"
#include "AcDbSymbolTable.h"
#include "AcDbSymbolTableIterator.h"

typedef AcDbTypedSymbolTableIterator<AcDbLinetypeTableRecord> AcDbLinetypeTableIterator;

class AcDbLinetypeTable : public AcDbSymbolTable {
public:
    ACRX_DECLARE_MEMBERS(AcDbLinetypeTable);
    ACDB_DECLARE_SYMBOL_TABLE_MEMBERS(AcDbLinetypeTableRecord, AcDbLinetypeTableIterator)

    const ACHAR* dxfTableName() const override { return L"LTYPE"; }
};
