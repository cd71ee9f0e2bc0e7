// Run-time class of the user coordinate system table; its behaviour is the symbol-table base's.
#include "AcDbUCSTable.h"

ACRX_DEFINE_MEMBERS(AcDbUCSTable, AcDbSymbolTable)
