// Run-time class of the block table; its behaviour is the symbol-table base's.
#include "AcDbBlockTable.h"

ACRX_DEFINE_MEMBERS(AcDbBlockTable, AcDbSymbolTable)
