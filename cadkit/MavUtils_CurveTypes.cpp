// What kind of entity an id names before the curve editing works on it: the library's five curve
// kinds by exact class name, with copies of them that carry the geometry and nothing else, and
// tests for one host class each, derived classes included.
#include "MavUtils.h"

#include "MavHelpers.h"

#include "AcDb2dPolyline.h"
#include "AcDb3dPolyline.h"
#include "AcDbArc.h"
#include "AcDbBlockTableRecord.h"
#include "AcDbLine.h"
#include "AcDbPolyline.h"
#include "AcDbServices.h"
#include "AcDbSpline.h"
#include "AcDbText.h"
#include "AcRxClass.h"
#include "aced.h"

#include <cwchar>
#include <new>

namespace {

// The kinds in order: 1 lightweight polyline ... 5 arc.
constexpr const wchar_t* kKindNames[] = {L"AcDbPolyline", L"AcDb2dPolyline", L"AcDb3dPolyline", L"AcDbLine", L"AcDbArc"};

// Vertex positions are in the polyline's own plane: the copy takes that plane too.
AcDbCurve* copy2d(AcDb2dPolyline* pSource)
{
    AcGePoint3dArray positions;
    AcGeDoubleArray bulges;
    AcArray<int> indexes;
    MavUtils::scan2dPline(pSource, positions, bulges, indexes);
    auto* pCopy = new (std::nothrow) AcDb2dPolyline(pSource->polyType(), positions, pSource->elevation(),
        pSource->isClosed(), pSource->defaultStartWidth(), pSource->defaultEndWidth(), &bulges);
    if (pCopy != nullptr)
        pCopy->setNormal(pSource->normal());
    return pCopy;
}

AcDbCurve* copy3d(AcDb3dPolyline* pSource)
{
    AcGePoint3dArray positions;
    AcGeDoubleArray bulges;
    AcArray<int> indexes;
    MavUtils::scan3dPline(pSource, positions, bulges, indexes);
    return new (std::nothrow) AcDb3dPolyline(pSource->polyType(), positions, pSource->isClosed());
}

AcDbCurve* copyLine(const AcDbLine* pSource)
{
    return new (std::nothrow) AcDbLine(pSource->startPoint(), pSource->endPoint());
}

// The normal decides where the angles run: without it a mirrored arc would come back unmirrored.
AcDbCurve* copyArc(const AcDbArc* pSource)
{
    return new (std::nothrow) AcDbArc(
        pSource->center(), pSource->normal(), pSource->radius(), pSource->startAngle(), pSource->endAngle());
}

AcDbCurve* copyOfKind(const AcDbCurve* pSource, int kind)
{
    switch (kind) {
    case 1: return NewPolylineWithVerticesOf(AcDbPolyline::cast(pSource));
    case 2: return copy2d(AcDb2dPolyline::cast(pSource));
    case 3: return copy3d(AcDb3dPolyline::cast(pSource));
    case 4: return copyLine(AcDbLine::cast(pSource));
    case 5: return copyArc(AcDbArc::cast(pSource));
    default: return nullptr;
    }
}

// Opens the curve, and when it is a kind of the class hands out its (closed again) pointer.
template <class Host>
int isKindOfClass(const AcDbObjectId& id, const wchar_t* tag, Host*& pOut)
{
    AcDbCurve* pCurve = nullptr;
    if (MavUtils::openCurveWithID(id, AcDb::kForRead, pCurve) != Acad::eOk) {
        MavUtils::BDTAlert(tag);
        return 0;
    }
    int result = 0;
    if (pCurve->isKindOf(Host::desc())) {
        pOut = Host::cast(pCurve);
        result = 1;
    }
    pCurve->close();
    return result;
}

// The copy made for the drawing, or null after the alert that says why there is none.
AcDbCurve* copyForDrawing(const AcDbObjectId& id)
{
    int kind = 0;
    AcDbCurve* pCopy = nullptr;
    if (MavUtils::isMavCurveThenMakeACopy(id, kind, pCopy) == 0 || pCopy == nullptr) {
        delete pCopy;
        MavUtils::BDTAlert(L"isMavCurveThenMakeACopy");
        return nullptr;
    }
    return pCopy;
}

} // namespace

int MavUtils::isMavCurve(const AcDbCurve* pCurve, int& kind)
{
    const wchar_t* name = pCurve->isA()->name();
    for (int i = 0; i < 5; ++i) {
        if (std::wcscmp(name, kKindNames[i]) == 0) {
            kind = i + 1;
            return 1;
        }
    }
    return 0;
}

int MavUtils::isMavCurve(const AcDbObjectId& id, int& kind, AcDbCurve*& pCurve)
{
    // 1. The curve, for read.
    AcDbCurve* pOpened = nullptr;
    if (openCurveWithID(id, AcDb::kForRead, pOpened) != Acad::eOk) {
        BDTAlert(L"isMavCurve");
        return 0;
    }
    // 2. Its pointer, which names the object once it is closed again.
    pCurve = pOpened;
    // 3. Its kind.
    const int result = isMavCurve(pOpened, kind);
    // 4. Closed again.
    pOpened->close();
    return result;
}

int MavUtils::isMavCurve(const AcDbObjectId& id)
{
    int kind = 0;
    AcDbCurve* pCurve = nullptr;
    return isMavCurve(id, kind, pCurve);
}

int MavUtils::isMavCurveThenMakeACopy(const AcDbObjectId& id, int& kind, AcDbCurve*& pCopy)
{
    AcDbCurve* pCurve = nullptr;
    if (openCurveWithID(id, AcDb::kForRead, pCurve) != Acad::eOk) {
        BDTAlert(L"isMavCurve");
        return 0;
    }
    int result = isMavCurve(pCurve, kind);
    if (result != 0) {
        pCopy = copyOfKind(pCurve, kind);
        if (pCopy != nullptr)
            result = 1;
    }
    pCurve->close();
    return result;
}

int MavUtils::isMavCurveThenMakeACopy(const AcDbObjectId& id, AcDbObjectId& newId)
{
    AcDbCurve* pCopy = copyForDrawing(id);
    if (pCopy == nullptr)
        return 0;
    AcDbObjectId added;
    if (addToCurrentSpaceAndClose(pCopy, added) != Acad::eOk)
        return 0;
    newId = added;
    updateDbEntity(newId);
    return 1;
}

int MavUtils::isMavCurveThenMakeACopy(AcDbBlockTableRecord* pRecord, const AcDbObjectId& id, AcDbObjectId& newId)
{
    AcDbCurve* pCopy = copyForDrawing(id);
    if (pCopy == nullptr)
        return 0;
    // The append closes the copy, or deletes it when the record did not take it.
    AcDbObjectId added;
    if (pRecord != nullptr)
        addToBlockTableRecordAndClose(added, pCopy, pRecord);
    else
        delete pCopy;
    if (added.isNull())
        return 0;
    newId = added;
    updateDbEntity(newId);
    return 1;
}

int MavUtils::isDBLine(const AcDbObjectId& id, AcDbLine*& pLine) { return isKindOfClass(id, L"isDBLine", pLine); }

int MavUtils::isDBPolyline(const AcDbObjectId& id, AcDbPolyline*& pPolyline)
{
    return isKindOfClass(id, L"isDBPolyline(openCurve)", pPolyline);
}

int MavUtils::isDBSpline(const AcDbObjectId& id, AcDbSpline*& pSpline)
{
    return isKindOfClass(id, L"isDBSpline(openCurve)", pSpline);
}

int MavUtils::isText(AcDbObjectId id, CString& text)
{
    AcDbObject* pObj = nullptr;
    if (acdbOpenAcDbObject(pObj, id, AcDb::kForRead, false) != Acad::eOk) {
        acedAlert(L"选则文本失败!");
        return 0;
    }
    if (const AcDbText* pText = AcDbText::cast(pObj)) {
        text = pText->textStringConst();
        pObj->close();
        return 1;
    }
    acedAlert(L"您所选的不是文本！");
    pObj->close();
    return 0;
}

int MavUtils::isPolyline(AcDbObjectId id, double& area)
{
    AcDbObject* pObj = nullptr;
    if (acdbOpenAcDbObject(pObj, id, AcDb::kForRead, false) != Acad::eOk) {
        acedAlert(L"选则多段线失败!");
        return 0;
    }
    if (pObj->isKindOf(AcDbPolyline::desc()) || pObj->isKindOf(AcDb2dPolyline::desc())
        || pObj->isKindOf(AcDb3dPolyline::desc())) {
        AcDbCurve::cast(pObj)->getArea(area);
        pObj->close();
        return 1;
    }
    acedAlert(L"您所选的不是多段线！");
    pObj->close();
    return 0;
}
