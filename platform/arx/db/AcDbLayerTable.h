// The drawing's layer table: its records of class AcDbLayerTableRecord, found by name.
// DXF writes it as the "LAYER" table.
#pragma once

#include "AcDbLayerTableRecord.h"
#include "AcDbSymbolTable.h"
#include "AcDbSymbolTableIterator.h"

typedef AcDbTypedSymbolTableIterator<AcDbLayerTableRecord> AcDbLayerTableIterator;

class AcDbLayerTable : public AcDbSymbolTable {
public:
    ACRX_DECLARE_MEMBERS(AcDbLayerTable);
    ACDB_DECLARE_SYMBOL_TABLE_MEMBERS(AcDbLayerTableRecord, AcDbLayerTableIterator)

    const ACHAR* dxfTableName() const override { return L"LAYER"; }
};
