// The entity factory's look-up of a text style's name, reporting a failed open with the
// factory's trace line.
#include "MavEntityLib.h"

#include "AcDbObject.h"
#include "AcDbServices.h"
#include "AcDbTextStyleTableRecord.h"
#include "acut.h"

Acad::ErrorStatus MavEntityLib::getTextStyleName(CString& name, AcDbObjectId textStyleId)
{
    if (textStyleId.isNull())
        return Acad::eNullObjectId;
    AcDbObject* pObj = nullptr;
    const Acad::ErrorStatus es = acdbOpenAcDbObject(pObj, textStyleId, AcDb::kForRead, false);
    if (es != Acad::eOk) {
        acutPrintf(L"!%s@%d: %s", L"maventitylib", __LINE__, acadErrorStatusText(es));
        return es;
    }
    const AcDbTextStyleTableRecord* pStyle = AcDbTextStyleTableRecord::cast(pObj);
    if (pStyle == nullptr) {
        pObj->close();
        return Acad::eWrongObjectType;
    }
    name = pStyle->name().c_str();
    pObj->close();
    return Acad::eOk;
}
