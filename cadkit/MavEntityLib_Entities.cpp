// The entity factory's plain entities: lines, polylines, texts, points, circles, arcs,
// ellipses, splines, rays, construction lines and the hatch, all made on one create scheme.
#include "MavEntityLib.h"

#include "MavUtils.h"

#include "AcDb2dPolyline.h"
#include "AcDbArc.h"
#include "AcDbBlockTableRecord.h"
#include "AcDbCircle.h"
#include "AcDbEllipse.h"
#include "AcDbHatch.h"
#include "AcDbHostApplicationServices.h"
#include "AcDbLine.h"
#include "AcDbPoint.h"
#include "AcDbPolyline.h"
#include "AcDbRay.h"
#include "AcDbServices.h"
#include "AcDbSpline.h"
#include "AcDbText.h"
#include "AcDbXline.h"
#include "AcGeContext.h"
#include "aced.h"
#include "acut.h"

#include <cmath>
#include <new>

namespace {

// The source word of the factory's trace lines.
constexpr const wchar_t* kTraceSource = L"maventitylib";

// Below this a width factor is taken as not given.
constexpr double kMinWidthFactor = 0.001;

const AcGeVector3d kUnitNormal(0.0, 0.0, 1.0);

} // namespace

Acad::ErrorStatus MavEntityLib::outOfMemory(const wchar_t* text)
{
    acedAlert(text);
    return Acad::eOutOfMemory;
}

// A record that refuses the entity is reported with its own status, so that a caller building a
// block learns that the entity is missing; the refused entity belongs to no one and is freed.
Acad::ErrorStatus MavEntityLib::appendAndClose(AcDbEntity* pEnt, AcDbObjectId& newId)
{
    if (mBlockTableRecord == nullptr)
        return MavUtils::addToCurrentSpaceAndClose(pEnt, newId);
    AcDbObjectId id;
    const Acad::ErrorStatus es = mBlockTableRecord->appendAcDbEntity(id, pEnt);
    if (es != Acad::eOk) {
        if (pEnt != nullptr && !pEnt->isDatabaseResident())
            delete pEnt;
        return es;
    }
    newId = id;
    pEnt->close();
    return Acad::eOk;
}

Acad::ErrorStatus MavEntityLib::createLine(AcGePoint3d start, AcGePoint3d end, AcDbObjectId& newId)
{
    newId = createLine(start, end);
    return Acad::eOk;
}

Acad::ErrorStatus MavEntityLib::createPolyline(AcArray<AcGePoint3d>& points, bool closed, AcDbObjectId& newId)
{
    return createPolyline(points, newId, closed, false);
}

Acad::ErrorStatus MavEntityLib::createText(const AcGePoint3d& position, const wchar_t* text,
    const wchar_t* styleName, double height, double widthFactor, double rotation, AcDbObjectId& newId)
{
    AcDbObjectId styleId;
    const Acad::ErrorStatus es = getTextStyleId(styleName, styleId);
    if (es != Acad::eOk)
        return es;
    return createText(position, text, styleId, height, widthFactor, rotation, newId);
}

Acad::ErrorStatus MavEntityLib::createText(AcGePoint3d position, const wchar_t* text, AcDbObjectId style,
    double height, double widthFactor, double rotation, AcDbObjectId& newId)
{
    if (style.isNull())
        getTextStyleId(L"STANDARD", style);
    auto* pText = new (std::nothrow) AcDbText(position, text, style, height, rotation);
    if (pText == nullptr)
        return Acad::eOutOfMemory;
    if (std::fabs(widthFactor) >= kMinWidthFactor)
        pText->setWidthFactor(widthFactor);
    pText->setTextString(text);
    pText->setTextStyle(style);
    // The position is the middle centre of the text.
    pText->setHorizontalMode(AcDb::kTextCenter);
    pText->setVerticalMode(AcDb::kTextVertMid);
    pText->setAlignmentPoint(position);
    // The current space recomputes the position when the text closes there; a record built
    // by the caller may belong to no database yet.
    if (mBlockTableRecord != nullptr)
        pText->adjustAlignment(acdbHostApplicationServices()->workingDatabase());
    return appendAndClose(pText, newId);
}

Acad::ErrorStatus MavEntityLib::createEllipse(
    const AcGePoint3d& center, const AcGeVector3d& majorAxis, double radiusRatio, AcDbObjectId& newId)
{
    return createEllipse(center, kUnitNormal, majorAxis, radiusRatio, 0.0, 6.283185307179586, newId);
}

Acad::ErrorStatus MavEntityLib::createXline(const AcGePoint3d& basePoint, const AcGeVector3d& unitDir,
    AcDbObjectId& newId)
{
    auto* pXline = new (std::nothrow) AcDbXline();
    if (pXline == nullptr)
        return outOfMemory(L"无足够内存以创建一条交叉线!");
    pXline->setBasePoint(basePoint);
    pXline->setUnitDir(unitDir);
    return appendAndClose(pXline, newId);
}

AcDbObjectId MavEntityLib::createLine(AcGePoint3d start, AcGePoint3d end)
{
    AcDbObjectId newId;
    auto* pLine = new (std::nothrow) AcDbLine(start, end);
    if (pLine != nullptr)
        appendAndClose(pLine, newId);
    return newId;
}

AcDbObjectId MavEntityLib::createLine(AcGePoint3d start, AcGePoint3d end, int colorIndex)
{
    AcDbObjectId newId;
    if (start.isEqualTo(end, AcGeContext::gTol))
        return newId;
    auto* pLine = new (std::nothrow) AcDbLine(start, end);
    if (pLine == nullptr)
        return newId;
    pLine->setColorIndex(static_cast<Adesk::UInt16>(colorIndex), true);
    appendAndClose(pLine, newId);
    return newId;
}

Acad::ErrorStatus MavEntityLib::createLine(const double* start, const double* end, AcDbObjectId& newId)
{
    return createLine(
        AcGePoint3d(start[0], start[1], start[2]), AcGePoint3d(end[0], end[1], end[2]), newId);
}

Acad::ErrorStatus MavEntityLib::createPoint(AcGePoint3d position, AcDbObjectId& newId)
{
    auto* pPoint = new (std::nothrow) AcDbPoint(position);
    if (pPoint == nullptr)
        return outOfMemory(L"无足够内存以创建一个点!");
    return appendAndClose(pPoint, newId);
}

// Circles go to model space whatever space is current: the drawings that use them are drawn
// in model space only.
Acad::ErrorStatus MavEntityLib::createCircle(const AcGePoint3d& center, double radius, AcDbObjectId& newId)
{
    auto* pCircle = new (std::nothrow) AcDbCircle(center, kUnitNormal, radius);
    if (pCircle == nullptr)
        return outOfMemory(L"无足够的内存以创建一个圆!");
    if (mBlockTableRecord != nullptr)
        return appendAndClose(pCircle, newId);
    const Acad::ErrorStatus es = MavUtils::addToDatabase(pCircle, newId);
    if (es != Acad::eOk && !pCircle->isDatabaseResident())
        delete pCircle;
    return es;
}

Acad::ErrorStatus MavEntityLib::createArc(
    const AcGePoint3d& center, double radius, double startAngle, double endAngle, AcDbObjectId& newId)
{
    auto* pArc = new (std::nothrow) AcDbArc(center, radius, startAngle, endAngle);
    if (pArc == nullptr)
        return outOfMemory(L"无足够的内存以创建一条弧!");
    return appendAndClose(pArc, newId);
}

Acad::ErrorStatus MavEntityLib::createEllipse(const AcGePoint3d& center, const AcGeVector3d& unitNormal,
    const AcGeVector3d& majorAxis, double radiusRatio, double startAngle, double endAngle, AcDbObjectId& newId)
{
    auto* pEllipse
        = new (std::nothrow) AcDbEllipse(center, unitNormal, majorAxis, radiusRatio, startAngle, endAngle);
    if (pEllipse == nullptr)
        return outOfMemory(L"Not enough memory to create an ellipse!");
    return appendAndClose(pEllipse, newId);
}

Acad::ErrorStatus MavEntityLib::createSpline(
    const AcArray<AcGePoint3d>& fitPoints, int order, double fitTolerance, AcDbObjectId& newId)
{
    auto* pSpline = new (std::nothrow) AcDbSpline(fitPoints, order, fitTolerance);
    if (pSpline == nullptr)
        return outOfMemory(L"无足够的内存以创建一条样条线!");
    return appendAndClose(pSpline, newId);
}

Acad::ErrorStatus MavEntityLib::createRay(const AcGePoint3d& basePoint, const AcGeVector3d& unitDir,
    AcDbObjectId& newId)
{
    auto* pRay = new (std::nothrow) AcDbRay();
    if (pRay == nullptr)
        return outOfMemory(L"无足够内存以创建一条射线!");
    pRay->setBasePoint(basePoint);
    pRay->setUnitDir(unitDir);
    return appendAndClose(pRay, newId);
}

Acad::ErrorStatus MavEntityLib::createPolyline(
    AcArray<AcGePoint3d>& points, AcDbObjectId& newId, bool closed, bool plinegen)
{
    const int count = points.length();
    auto* pPline = new (std::nothrow) AcDbPolyline(static_cast<unsigned int>(count));
    if (pPline == nullptr)
        return outOfMemory(L"Not enough memory to create a 2dpolyline!");
    for (int i = 0; i < count; ++i)
        pPline->addVertexAt(static_cast<unsigned int>(i), MavUtils::fromAcGePoint3d(points[i]), 0.0, -1.0, -1.0);
    pPline->setClosed(closed);
    pPline->setPlinegen(plinegen);
    return appendAndClose(pPline, newId);
}

Acad::ErrorStatus MavEntityLib::create2DPolyline(AcArray<AcGePoint3d>& points, bool closed, AcDbObjectId& newId)
{
    auto* pPline = new (std::nothrow) AcDb2dPolyline(AcDb::k2dSimplePoly, points, 0.0, closed, 0.0, 0.0, nullptr);
    if (pPline == nullptr)
        return outOfMemory(L"Not enough memory to create a 2dpolyline!");
    return appendAndClose(pPline, newId);
}

// The boundary stays in the drawing as a visible polyline. The hatch is known by its boundary's
// points as well, so that it keeps its loop where the database takes no 2-D polyline as a
// loop source.
Acad::ErrorStatus MavEntityLib::createPlineHatch(CArray<AcGePoint3d, AcGePoint3d&>& points, wchar_t* patternName)
{
    // (1) The hatch; without one there is nothing to go on with.
    auto* pHatch = new (std::nothrow) AcDbHatch();
    if (pHatch == nullptr)
        return Acad::eOutOfMemory;
    // (2) Plane, pattern and associativity.
    pHatch->setNormal(kUnitNormal);
    pHatch->setElevation(0.0);
    pHatch->setPattern(AcDbHatch::kPreDefined, patternName);
    pHatch->setAssociative(true);
    // (3) No points, no hatch: the hatch made for them is freed.
    if (points.GetSize() == 0) {
        acutPrintf(L"The input points array is null\n");
        delete pHatch;
        return Acad::eOk;
    }
    // (4) The closed boundary, where the hatch goes.
    AcArray<AcGePoint3d> boundary;
    MavUtils::fromCArrayTo3dArray(points, boundary);
    AcDbObjectId boundaryId;
    create2DPolyline(boundary, true, boundaryId);
    // (5) One external loop of the boundary, then the pattern lines.
    AcDbObjectIdArray loopIds;
    loopIds.append(boundaryId);
    if (pHatch->appendLoop(AcDbHatch::kExternal, loopIds) != Acad::eOk) {
        AcGePoint2dArray vertices = MavUtils::fromAcGePoint3dArray(boundary);
        pHatch->appendLoop(AcDbHatch::kExternal, vertices, AcGeDoubleArray());
    }
    pHatch->evaluateHatch(false);
    // (6) The hatch where the factory puts its entities.
    AcDbObjectId hatchId;
    return appendAndClose(pHatch, hatchId);
}

Acad::ErrorStatus MavEntityLib::modifyLine(AcGePoint3d start, AcGePoint3d end, AcDbObjectId& lineId)
{
    AcDbLine* pLine = nullptr;
    Acad::ErrorStatus es = acdbOpenObject(pLine, lineId, AcDb::kForWrite);
    if (es != Acad::eOk) {
        acutPrintf(L"!%s@%d: %s:error in write line\n", kTraceSource, __LINE__, acadErrorStatusText(es));
        return es;
    }
    es = pLine->setStartPoint(start);
    if (es == Acad::eOk)
        es = pLine->setEndPoint(end);
    pLine->close();
    return es;
}

Acad::ErrorStatus MavEntityLib::getTextheight(const wchar_t* styleName, double& height)
{
    (void)styleName;
    (void)height;
    return Acad::eOk;
}
