// Run-time class of the text style table; its behaviour is the symbol-table base's.
#include "AcDbTextStyleTable.h"

ACRX_DEFINE_MEMBERS(AcDbTextStyleTable, AcDbSymbolTable)
