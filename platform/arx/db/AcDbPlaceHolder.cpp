// A place holder writes only the common object data.
#include "AcDbPlaceHolder.h"

ACRX_DEFINE_DXF_MEMBERS(AcDbPlaceHolder, AcDbObject, L"ACDBPLACEHOLDER")
