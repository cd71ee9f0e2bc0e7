// Run-time class of the viewport table; its behaviour is the symbol-table base's.
#include "AcDbViewportTable.h"

ACRX_DEFINE_MEMBERS(AcDbViewportTable, AcDbSymbolTable)
