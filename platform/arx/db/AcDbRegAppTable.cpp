// Run-time class of the registered application table; its behaviour is the symbol-table base's.
#include "AcDbRegAppTable.h"

ACRX_DEFINE_MEMBERS(AcDbRegAppTable, AcDbSymbolTable)
