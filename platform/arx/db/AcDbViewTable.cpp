// Run-time class of the named view table; its behaviour is the symbol-table base's.
#include "AcDbViewTable.h"

ACRX_DEFINE_MEMBERS(AcDbViewTable, AcDbSymbolTable)
