// Run-time class of the layer table; its behaviour is the symbol-table base's.
#include "AcDbLayerTable.h"

ACRX_DEFINE_MEMBERS(AcDbLayerTable, AcDbSymbolTable)
