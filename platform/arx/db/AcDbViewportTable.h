// The drawing's viewport table: its records of class AcDbViewportTableRecord, found by name.
// DXF writes it as the "VPORT" table.
#pragma once

#include "AcDbSymbolTable.h"
#include "AcDbSymbolTableIterator.h"
#include "AcDbViewportTableRecord.h"

typedef AcDbTypedSymbolTableIterator<AcDbViewportTableRecord> AcDbViewportTableIterator;

class AcDbViewportTable : public AcDbSymbolTable {
public:
    ACRX_DECLARE_MEMBERS(AcDbViewportTable);
    ACDB_DECLARE_SYMBOL_TABLE_MEMBERS(AcDbViewportTableRecord, AcDbViewportTableIterator)

    const ACHAR* dxfTableName() const override { return L"VPORT"; }
};
