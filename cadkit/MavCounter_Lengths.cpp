// How long curves are: database and geometry curves, a curve between its crossings with two
// others, the distance along a curve to a point, areas, the heights of a triangle, an arc's
// data in one call, and the walks along a circular arc in tenths of a degree.
#include "MavCounter.h"

#include "MavHelpers.h"
#include "MavUtils.h"

#include "AcDb2dPolyline.h"
#include "AcDbArc.h"
#include "AcDbCurve.h"
#include "AcDbEntity.h"
#include "AcDbLine.h"
#include "AcDbPolyline.h"
#include "AcGeCircArc3d.h"
#include "AcGeCurve2d.h"
#include "AcGeCurve3d.h"
#include "AcGeCurveCurveInt2d.h"
#include "AcGeCurveCurveInt3d.h"
#include "AcGePolyline2d.h"

#include <cmath>

namespace {

constexpr double kArcStep = kPi / 1800.0;

// The parameter of the first crossing of c with another curve, when there is one.
bool firstCrossingParam(const AcGeCurveCurveInt2d& intersector, double& param)
{
    if (intersector.numIntPoints() < 1)
        return false;
    double other = 0.0;
    intersector.getIntParams(0, param, other);
    return true;
}

bool firstCrossingParam(const AcGeCurveCurveInt3d& intersector, double& param)
{
    if (intersector.numIntPoints() < 1)
        return false;
    double other = 0.0;
    intersector.getIntParams(0, param, other);
    return true;
}

AcGeCurveCurveInt2d crossingsOf(const AcGeCurve2d& c, const AcGeCurve2d& other)
{
    return AcGeCurveCurveInt2d(c, other, AcGeContext::gTol);
}

AcGeCurveCurveInt3d crossingsOf(const AcGeCurve3d& c, const AcGeCurve3d& other)
{
    return AcGeCurveCurveInt3d(c, other, AcGeVector3d::kIdentity, AcGeContext::gTol);
}

template <class Curve>
Acad::ErrorStatus lengthBetweenCrossings(const Curve* pC, const Curve* pA, const Curve* pB, double& length)
{
    // 1. All three curves are needed.
    if (pC == nullptr || pA == nullptr || pB == nullptr)
        return Acad::eInvalidInput;
    // 2-3. The parameters of c where it first meets a and b; a miss counts from parameter 0.
    Acad::ErrorStatus es = Acad::eOk;
    double t1 = 0.0;
    double t2 = 0.0;
    if (!firstCrossingParam(crossingsOf(*pC, *pA), t1))
        es = Acad::eInvalidInput;
    if (!firstCrossingParam(crossingsOf(*pC, *pB), t2))
        es = Acad::eInvalidInput;
    // 4. The length between them, written in every case.
    length = pC->length(t1, t2, AcGeContext::gTol.equalPoint());
    return es;
}

// The length of a geometry curve between its start and end points; false without both.
template <class Curve, class Point>
bool boundedLength(const Curve* pCurve, double& length)
{
    Point start;
    Point end;
    if (!pCurve->hasStartPoint(start) || !pCurve->hasEndPoint(end))
        return false;
    length = pCurve->length(pCurve->paramOf(start, AcGeContext::gTol), pCurve->paramOf(end, AcGeContext::gTol),
        AcGeContext::gTol.equalPoint());
    return true;
}

// The distance at the end parameter of a curve of one class; a failing end parameter is
// alerted with the member's tag.
Acad::ErrorStatus lengthAtEnd(const AcDbCurve* pCurve, const wchar_t* tag, double& length)
{
    double endParam = 0.0;
    const Acad::ErrorStatus es = pCurve->getEndParam(endParam);
    if (es != Acad::eOk) {
        MavUtils::BDTAlert(tag);
        return es;
    }
    return pCurve->getDistAtParam(endParam, length);
}

// The frame of the by-id lengths of one class: an entity that does not open, or is of another
// class, is refused with 2 (alerted when a tag is given); otherwise `use` runs and 0 is returned.
template <class Curve, class Use>
Acad::ErrorStatus onOneClass(const AcDbObjectId& id, const wchar_t* openTag, const wchar_t* classTag, Use use)
{
    AcDbEntity* pEnt = nullptr;
    if (MavUtils::openEntWithID(id, AcDb::kForRead, pEnt) != Acad::eOk) {
        if (openTag != nullptr)
            MavUtils::BDTAlert(openTag);
        return Acad::eNotApplicable;
    }
    Curve* pCurve = Curve::cast(pEnt);
    if (pCurve != nullptr)
        use(pCurve);
    else
        MavUtils::BDTAlert(classTag);
    pEnt->close();
    return pCurve != nullptr ? Acad::eOk : Acad::eNotApplicable;
}

// The steps of the arc walks: from the start angle in tenths of a degree to the end angle.
int arcSteps(const AcGeCircArc3d& arc) { return static_cast<int>((arc.endAng() - arc.startAng()) / kArcStep); }

double lengthToAngle(const AcGeCircArc3d& arc, double angle)
{
    return arc.length(arc.startAng(), angle, AcGeContext::gTol.equalPoint());
}

} // namespace

Acad::ErrorStatus MavCounter::getCurveLength(const AcDbCurve* pCurve, double& length)
{
    double startParam = 0.0;
    double endParam = 0.0;
    double d0 = 0.0;
    double d1 = 0.0;
    pCurve->getStartParam(startParam);
    pCurve->getDistAtParam(startParam, d0);
    pCurve->getEndParam(endParam);
    const Acad::ErrorStatus es = pCurve->getDistAtParam(endParam, d1);
    length = std::fabs(d0 - d1);
    return es;
}

Acad::ErrorStatus MavCounter::getCurveLengthEx(AcDbObjectId id, double& length, int& count)
{
    return OnCurveOfId(id, L"getCurveLength", [&](AcDbCurve* pCurve) { getCurveLengthEx(pCurve, length, count); });
}

Acad::ErrorStatus MavCounter::getGeCurveLength(const AcGeCurve3d* pCurve, double& length)
{
    return boundedLength<AcGeCurve3d, AcGePoint3d>(pCurve, length) ? Acad::eOk : Acad::eInvalidInput;
}

Acad::ErrorStatus MavCounter::getGeCurveLengthBetweenTwoGeCurves(
    const AcGeCurve3d* pCurve, const AcGeCurve3d* pFirst, const AcGeCurve3d* pSecond, double& length)
{
    return lengthBetweenCrossings(pCurve, pFirst, pSecond, length);
}

Acad::ErrorStatus MavCounter::getGeCurveLengthBetweenTwoGeCurves(
    const AcGeCurve2d* pCurve, const AcGeCurve2d* pFirst, const AcGeCurve2d* pSecond, double& length)
{
    return lengthBetweenCrossings(pCurve, pFirst, pSecond, length);
}

Acad::ErrorStatus MavCounter::getGeCurveArea(const AcGeCurve2d* pCurve, double& area)
{
    if (pCurve == nullptr)
        return Acad::eInvalidInput;
    AcGePoint2d point;
    const double startParam = pCurve->hasStartPoint(point) ? pCurve->paramOf(point, AcGeContext::gTol) : 0.0;
    const double endParam = pCurve->hasEndPoint(point) ? pCurve->paramOf(point, AcGeContext::gTol) : 0.0;
    pCurve->area(startParam, endParam, area, AcGeContext::gTol);
    return Acad::eOk;
}

Acad::ErrorStatus MavCounter::getGeCurveArea(const AcGePolyline2d* pPolyline, double& area)
{
    if (pPolyline == nullptr)
        return Acad::eInvalidInput;
    AcDbPolyline polygon(static_cast<unsigned int>(pPolyline->numFitPoints()));
    for (int i = 0; i < pPolyline->numFitPoints(); ++i)
        polygon.addVertexAt(static_cast<unsigned int>(i), pPolyline->fitPointAt(i), 0.0, -1.0, -1.0);
    return polygon.getArea(area);
}

Acad::ErrorStatus MavCounter::getDistAtPoint(const AcDbObjectId& id, const AcGePoint3d& point, double& dist)
{
    AcDbCurve* pCurve = nullptr;
    Acad::ErrorStatus es = MavUtils::openCurveWithID(id, AcDb::kForRead, pCurve);
    if (es != Acad::eOk) {
        MavUtils::BDTAlert(L"getDistAtPoint");
        return es;
    }
    AcGePoint3d onCurve;
    pCurve->getClosestPointTo(point, onCurve, false);
    es = pCurve->getDistAtPoint(onCurve, dist);
    pCurve->close();
    return es;
}

Acad::ErrorStatus MavCounter::getPolylineLength(AcDbPolyline*, double&) { return Acad::eOk; }

int MavCounter::getHbaseOn3Points(const AcGePoint2d& p1, const AcGePoint2d& p2, const AcGePoint2d& p3, AcGePoint3d& heights)
{
    const double a = p1.distanceTo(p2);
    const double b = p2.distanceTo(p3);
    const double c = p3.distanceTo(p1);
    const double s = (a + b + c) / 2.0;
    // Rounding can make the product of a flat triangle slightly negative.
    const double twiceArea = 2.0 * std::sqrt(std::fmax(0.0, s * (s - a) * (s - b) * (s - c)));
    // A side of no length has no height onto it: 0 rather than 0/0.
    const auto heightOnto = [twiceArea](double side) { return side > 0.0 ? twiceArea / side : 0.0; };
    heights.set(heightOnto(b), heightOnto(c), heightOnto(a));
    return 1;
}

Acad::ErrorStatus MavCounter::getGeCurveLength(const AcGeCurve2d* pCurve, double& length)
{
    return boundedLength<AcGeCurve2d, AcGePoint2d>(pCurve, length) ? Acad::eOk : Acad::eInvalidInput;
}

Acad::ErrorStatus MavCounter::getGeCurveLength(const AcGePolyline2d* pPolyline, double& length)
{
    AcGeInterval interval;
    pPolyline->getInterval(interval);
    length = pPolyline->length(interval.lowerBound(), interval.upperBound(), AcGeContext::gTol.equalPoint());
    return Acad::eOk;
}

Acad::ErrorStatus MavCounter::getLineLength(AcDbLine* pLine, double& length)
{
    // A line's parameter is the distance from its start.
    return pLine->getEndParam(length);
}

Acad::ErrorStatus MavCounter::getLineLength(AcDbObjectId id, double& length)
{
    return onOneClass<AcDbLine>(id, nullptr, L"getLineLength", [&](AcDbLine* pLine) { getLineLength(pLine, length); });
}

Acad::ErrorStatus MavCounter::getArcLength(AcDbArc* pArc, double& length)
{
    return lengthAtEnd(pArc, L"getArcLength", length);
}

Acad::ErrorStatus MavCounter::getArcLength(AcDbObjectId id, double& length)
{
    return onOneClass<AcDbArc>(id, L"getArcLength", L"getArcLength", [&](AcDbArc* pArc) { getArcLength(pArc, length); });
}

Acad::ErrorStatus MavCounter::get2dPolylineLength(AcDb2dPolyline* pPolyline, double& length)
{
    return lengthAtEnd(pPolyline, L"get2dPolylineLength", length);
}

Acad::ErrorStatus MavCounter::get2dPolylineLength(AcDbObjectId id, double& length)
{
    if (id.isNull())
        return Acad::eInvalidInput;
    return onOneClass<AcDb2dPolyline>(id, L"get2dPolylineLength", L"get2dPolylineLength",
        [&](AcDb2dPolyline* pPolyline) { get2dPolylineLength(pPolyline, length); });
}

Acad::ErrorStatus MavCounter::getCurveLength(AcDbObjectId id, double& length)
{
    return OnCurveOfId(id, L"getCurveLength", [&](AcDbCurve* pCurve) { getCurveLength(pCurve, length); });
}

Acad::ErrorStatus MavCounter::getCurveLengthEx(AcDbCurve* pCurve, double& length, int& count)
{
    // 1. The length between the distances at both ends.
    const Acad::ErrorStatus es = getCurveLength(pCurve, length);
    // 2. The vertex count where the class has a fixed one.
    if (IsClass(pCurve, L"AcDbPolyline"))
        count = static_cast<int>(AcDbPolyline::cast(pCurve)->numVerts());
    else if (IsClass(pCurve, L"AcDbLine") || IsClass(pCurve, L"AcDbArc"))
        count = 2;
    return es;
}

Acad::ErrorStatus MavCounter::getDistAtPointEx(const AcDbObjectId& id, const AcGePoint3d& point, double& dist)
{
    AcDbCurve* pCurve = nullptr;
    const Acad::ErrorStatus opened = MavUtils::openCurveWithID(id, AcDb::kForRead, pCurve);
    if (opened != Acad::eOk) {
        MavUtils::BDTAlert(L"getDistAtPoint");
        return opened;
    }
    // A point off the curve has no parameter; its distance is not 0.
    double param = 0.0;
    Acad::ErrorStatus es = pCurve->getParamAtPoint(point, param);
    if (es == Acad::eOk)
        es = pCurve->getDistAtParam(param, dist);
    pCurve->close();
    return es;
}

Acad::ErrorStatus MavCounter::getArcParams(AcDbObjectId id, AcGePoint3d& start, AcGePoint3d& end, AcGePoint3d&,
    double& startAzimuth, double& endAzimuth, double& length)
{
    // 1. The arc.
    AcDbEntity* pEnt = nullptr;
    const Acad::ErrorStatus opened = MavUtils::openEntWithID(id, AcDb::kForRead, pEnt);
    const AcDbArc* pArc = opened == Acad::eOk ? AcDbArc::cast(pEnt) : nullptr;
    if (pArc == nullptr) {
        MavUtils::BDTAlert(L"getArcLength");
        if (opened == Acad::eOk)
            pEnt->close();
        return Acad::eNotApplicable;
    }
    // 2-3. Its start and the direction there.
    double startParam = 0.0;
    Acad::ErrorStatus es = pArc->getStartParam(startParam);
    if (es != Acad::eOk) {
        pEnt->close();
        return es;
    }
    AzimuthAtParam(pArc, startParam, startAzimuth);
    // 4. Its end and the direction there.
    double endParam = 0.0;
    pArc->getEndParam(endParam);
    AzimuthAtParam(pArc, endParam, endAzimuth);
    // 5. Its length.
    pArc->getDistAtParam(endParam, length);
    // 6-7. Its end points.
    pArc->getStartPoint(start);
    es = pArc->getEndPoint(end);
    pEnt->close();
    return es;
}

int MavCounter::getArcParamByLength(AcGeCircArc3d& arc, double length, AcGePoint3d& point, double& angle)
{
    // 1-2. Longer than the arc: no point.
    if (lengthToAngle(arc, arc.endAng()) < length)
        return 0;
    // 3-4. The first step within one step of arc.
    const int steps = arcSteps(arc);
    for (int i = 0; i <= steps; ++i) {
        const double a = arc.startAng() + i * kArcStep;
        if (std::fabs(lengthToAngle(arc, a) - length) < kArcStep * arc.radius()) {
            angle = a;
            point = arc.evalPoint(a);
            return 1;
        }
    }
    // 5. Only a negative length finds no step.
    return 1;
}

int MavCounter::getArcLengthByPt(AcGeCircArc3d& arc, AcGePoint3d point, double& arcLength, double& lengthToPoint)
{
    // 1. A point off the arc.
    if (!arc.isOn(point, AcGeContext::gTol))
        return 0;
    // 2. The whole arc.
    arcLength = lengthToAngle(arc, arc.endAng());
    // 3-4. The first step whose point lies within one step of arc of the given one.
    const int steps = arcSteps(arc);
    for (int i = 0; i <= steps; ++i) {
        const double a = arc.startAng() + i * kArcStep;
        lengthToPoint = lengthToAngle(arc, a);
        if (arc.evalPoint(a).distanceTo(point) < kArcStep * arc.radius())
            return 1;
    }
    return 0;
}
