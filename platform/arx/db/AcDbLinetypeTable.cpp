// Run-time class of the linetype table; its behaviour is the symbol-table base's.
#include "AcDbLinetypeTable.h"

ACRX_DEFINE_MEMBERS(AcDbLinetypeTable, AcDbSymbolTable)
