// Where two curves meet: segments given by coordinates or points, geometry-library curves, and
// drawing-database entities intersected in plan under the host's extension modes; division
// points between two boundaries along cross lines, and lengths between two crossings.
#include "MavCounter.h"

#include "MavGeDbCurve.h"
#include "MavHelpers.h"
#include "MavUtils.h"

#include "AcDbCurve.h"
#include "AcDbEntity.h"
#include "AcDbLine.h"
#include "AcGeCurve2d.h"
#include "AcGeCurve3d.h"
#include "AcGeCurveCurveInt2d.h"
#include "AcGeCurveCurveInt3d.h"
#include "AcGeLine2d.h"
#include "AcGeLine3d.h"
#include "AcGeLineSeg2d.h"
#include "AcGeLineSeg3d.h"
#include "AcGePoint2dArray.h"
#include "AcGePolyline2d.h"
#include "AcGePolyline3d.h"

#include <cmath>
#include <memory>

namespace {

constexpr double kParallel = 1e-20;
constexpr double kCrossLineLength = 100.0;

// The product that is not positive when v lies between the two ends.
double betweenProduct(double end1, double end2, double v) { return (end1 - v) * (end2 - v); }

// Collinear segments: how the shorter lies on the longer (segment 1 counts as the shorter on a tie).
int collinearRelation(const double s[4], const double l[4])
{
    const double ex1 = betweenProduct(l[0], l[2], s[0]);
    const double ey1 = betweenProduct(l[1], l[3], s[1]);
    const double ex2 = betweenProduct(l[0], l[2], s[2]);
    const double ey2 = betweenProduct(l[1], l[3], s[3]);
    if ((ex1 > 0.0 && ex2 > 0.0) || (ey1 > 0.0 && ey2 > 0.0))
        return -2;
    if (ex1 > 0.0 || ey1 > 0.0 || ex2 > 0.0 || ey2 > 0.0)
        return 2;
    return 3;
}

// The first point of a geometry intersector, when it found one.
template <class Intersector, class Point>
bool firstIntPoint(const Intersector& intersector, Point& point)
{
    if (intersector.numIntPoints() < 1)
        return false;
    point = intersector.intPoint(0);
    return true;
}

template <class Curve1, class Curve2, class Point>
Acad::ErrorStatus firstCrossing2d(const Curve1* pCurve1, const Curve2* pCurve2, Point& point)
{
    if (pCurve1 == nullptr || pCurve2 == nullptr)
        return Acad::eInvalidInput;
    const AcGeCurveCurveInt2d intersector(*pCurve1, *pCurve2, AcGeContext::gTol);
    return firstIntPoint(intersector, point) ? Acad::eOk : Acad::eInvalidInput;
}

template <class Curve1, class Curve2>
Acad::ErrorStatus firstCrossing3d(const Curve1* pCurve1, const Curve2* pCurve2, AcGePoint3d& point)
{
    if (pCurve1 == nullptr || pCurve2 == nullptr)
        return Acad::eInvalidInput;
    const AcGeCurveCurveInt3d intersector(*pCurve1, *pCurve2, AcGeVector3d::kIdentity, AcGeContext::gTol);
    return firstIntPoint(intersector, point) ? Acad::eOk : Acad::eInvalidInput;
}

// Two segments by their end points, each bounded or extended to its whole line as the mode says.
template <class Point, class Segment, class Line>
Acad::ErrorStatus crossingOfSegments(const Point& a1, const Point& a2, const Point& b1, const Point& b2, Point& point,
    AcDb::Intersect mode)
{
    const Segment segment1(a1, a2);
    const Segment segment2(b1, b2);
    const Line line1(a1, a2);
    const Line line2(b1, b2);
    bool found = false;
    Point crossing;
    switch (mode) {
    case AcDb::kOnBothOperands: found = segment1.intersectWith(segment2, crossing, AcGeContext::gTol); break;
    case AcDb::kExtendThis: found = line1.intersectWith(segment2, crossing, AcGeContext::gTol); break;
    case AcDb::kExtendArg: found = line2.intersectWith(segment1, crossing, AcGeContext::gTol); break;
    case AcDb::kExtendBoth: found = line1.intersectWith(line2, crossing, AcGeContext::gTol); break;
    default: return Acad::eOk;
    }
    if (!found)
        return Acad::eInvalidInput;
    point = crossing;
    return Acad::eOk;
}

// The point replaced by the nearest point of the entity when the entity is a curve.
void snapOnto(const AcDbEntity* pEnt, AcGePoint3d& point)
{
    if (const AcDbCurve* pCurve = AcDbCurve::cast(pEnt))
        point = ClosestPointOn(pCurve, point);
}

// Opens both ids as entities for read, each failure alerted with its own tag; the first is
// closed again when the second does not open.
Acad::ErrorStatus openEntityPair(const AcDbObjectId& id1, const AcDbObjectId& id2, const wchar_t* tag1,
    const wchar_t* tag2, AcDbEntity*& pEnt1, AcDbEntity*& pEnt2)
{
    Acad::ErrorStatus es = MavUtils::openEntWithID(id1, AcDb::kForRead, pEnt1);
    if (es != Acad::eOk) {
        MavUtils::BDTAlert(tag1);
        return es;
    }
    es = MavUtils::openEntWithID(id2, AcDb::kForRead, pEnt2);
    if (es != Acad::eOk) {
        MavUtils::BDTAlert(tag2);
        pEnt1->close();
    }
    return es;
}

// Opens both ids for read and lets the first meet the second in plan on both operands; `use`
// sees the two open entities and the points. Failures are alerted with the members' tags.
template <class Use>
Acad::ErrorStatus withPlanCrossingsOfIds(const AcDbObjectId& id1, const AcDbObjectId& id2, Use use)
{
    AcDbEntity* pEnt1 = nullptr;
    AcDbEntity* pEnt2 = nullptr;
    Acad::ErrorStatus es = openEntityPair(
        id1, id2, L"getIntersectPointopenEntWithID(id1", L"getIntersectPointopenEntWithID(id2", pEnt1, pEnt2);
    if (es != Acad::eOk)
        return es;
    AcGePoint3dArray points;
    es = IntersectInPlan(pEnt1, pEnt2, AcDb::kOnBothOperands, points);
    if (es != Acad::eOk)
        MavUtils::BDTAlert(L"getIntersectPointintersectWith(pEnt2");
    else
        use(pEnt1, pEnt2, points);
    pEnt2->close();
    pEnt1->close();
    return es;
}

// The first crossing of two ids, snapped onto the first curve and then onto the second.
Acad::ErrorStatus snappedCrossing(const AcDbObjectId& id1, const AcDbObjectId& id2, AcGePoint3d& point, bool& found)
{
    found = false;
    return withPlanCrossingsOfIds(
        id1, id2, [&](const AcDbEntity* pEnt1, const AcDbEntity* pEnt2, const AcGePoint3dArray& points) {
            if (points.isEmpty())
                return;
            point = points[0];
            snapOnto(pEnt1, point);
            snapOnto(pEnt2, point);
            found = true;
        });
}

// Both extended, in plan: the crossing nearest to the reference point, when there is one.
Acad::ErrorStatus nearestPlanCrossing(
    const AcGePoint3d& ref, const AcDbEntity* pThis, const AcDbEntity* pArg, AcGePoint3d& point, bool& found)
{
    found = false;
    AcGePoint3dArray points;
    const Acad::ErrorStatus es = IntersectInPlan(pThis, pArg, AcDb::kExtendBoth, points);
    if (es != Acad::eOk) {
        MavUtils::BDTAlert(L"getIntersectPoint");
        return es;
    }
    found = MavCounter::getNearestPoint(ref, points, point) == Acad::eOk;
    return Acad::eOk;
}

// The first crossing under the first mode that finds one: bounded, this extended, the argument
// extended, both extended. A failing intersection ends the search with its status.
Acad::ErrorStatus firstOfEscalatingModes(const AcDbEntity* pThis, const AcDbEntity* pArg, AcGePoint3d& point)
{
    for (const AcDb::Intersect mode : {AcDb::kOnBothOperands, AcDb::kExtendThis, AcDb::kExtendArg, AcDb::kExtendBoth}) {
        AcGePoint3dArray points;
        const Acad::ErrorStatus es = IntersectInPlan(pThis, pArg, mode, points);
        if (es != Acad::eOk)
            return es;
        if (!points.isEmpty()) {
            point = points[0];
            return Acad::eOk;
        }
    }
    return Acad::eOk;
}

// The length of a curve between two of its points, from the distances along it to each.
Acad::ErrorStatus lengthBetween(
    const AcDbObjectId& curve, const AcGePoint3d& p1, const AcGePoint3d& p2, double& length)
{
    double d1 = 0.0;
    double d2 = 0.0;
    Acad::ErrorStatus es = MavCounter::getDistAtPoint(curve, p1, d1);
    if (es == Acad::eOk)
        es = MavCounter::getDistAtPoint(curve, p2, d2);
    if (es != Acad::eOk)
        return es;
    length = std::fabs(d1 - d2);
    return Acad::eOk;
}

// Opens two ids as curves for read; what opened is closed again on a failure.
Acad::ErrorStatus openCurvePair(
    const AcDbObjectId& id1, const AcDbObjectId& id2, AcDbCurve*& pCurve1, AcDbCurve*& pCurve2)
{
    Acad::ErrorStatus es = MavUtils::openCurveWithID(id1, AcDb::kForRead, pCurve1);
    if (es != Acad::eOk)
        return es;
    es = MavUtils::openCurveWithID(id2, AcDb::kForRead, pCurve2);
    if (es != Acad::eOk)
        pCurve1->close();
    return es;
}

} // namespace

void MavCounter::relationOfTwoLines(double x1, double y1, double x2, double y2, double x3, double y3, double x4,
    double y4, int& code, double& x, double& y)
{
    const double a1 = y2 - y1;
    const double b1 = x1 - x2;
    const double c1 = x2 * y1 - x1 * y2;
    const double a2 = y4 - y3;
    const double b2 = x3 - x4;
    const double c2 = x4 * y3 - x3 * y4;
    const double d = a1 * b2 - a2 * b1;
    const double dx = b1 * c2 - b2 * c1;
    const double dy = a2 * c1 - a1 * c2;
    // 1. Not parallel: the crossing, inside both segments or not.
    if (std::fabs(d) >= kParallel) {
        x = dx / d;
        y = dy / d;
        const bool inside = betweenProduct(x1, x2, x) <= 0.0 && betweenProduct(y1, y2, y) <= 0.0
            && betweenProduct(x3, x4, x) <= 0.0 && betweenProduct(y3, y4, y) <= 0.0;
        code = inside ? 1 : 0;
        return;
    }
    // 2. Parallel on distinct lines.
    if (std::fabs(dx) >= kParallel || std::fabs(dy) >= kParallel) {
        code = -1;
        return;
    }
    // 3. Collinear: the shorter segment against the longer.
    const double segment1[4] = {x1, y1, x2, y2};
    const double segment2[4] = {x3, y3, x4, y4};
    const bool firstShorter = std::sqrt(a2 * a2 + b2 * b2) >= std::sqrt(a1 * a1 + b1 * b1);
    code = firstShorter ? collinearRelation(segment1, segment2) : collinearRelation(segment2, segment1);
}

Acad::ErrorStatus MavCounter::getIntersectPoint(const AcGeCurve2d* pCurve1, const AcGeCurve2d* pCurve2, AcGePoint2d& point)
{
    return firstCrossing2d(pCurve1, pCurve2, point);
}

Acad::ErrorStatus MavCounter::getIntersectPoint(const AcGeCurve2d* pCurve, const AcGeLineSeg2d* pLine, AcGePoint2d& point)
{
    return firstCrossing2d(pCurve, pLine, point);
}

Acad::ErrorStatus MavCounter::getIntersectPoint(
    const AcGePolyline2d* pPolyline, const AcGeLineSeg2d* pLine, AcGePoint2d& point)
{
    return firstCrossing2d(pPolyline, pLine, point);
}

Acad::ErrorStatus MavCounter::getIntersectPoint(const AcGeCurve3d* pCurve1, const AcGeCurve3d* pCurve2, AcGePoint3d& point)
{
    if (pCurve1 == nullptr || pCurve2 == nullptr)
        return Acad::eInvalidInput;
    // No crossing is not a failure here: the point stays as it was.
    firstCrossing3d(pCurve1, pCurve2, point);
    return Acad::eOk;
}

Acad::ErrorStatus MavCounter::getIntersectPoint(
    const AcDbObjectId& id, const AcDbEntity* pEnt, AcDb::Intersect mode, AcArray<AcGePoint3d>& points)
{
    AcDbCurve* pCurve = nullptr;
    Acad::ErrorStatus es = MavUtils::openCurveWithID(id, AcDb::kForRead, pCurve);
    if (es != Acad::eOk) {
        MavUtils::errorReport(es);
        return es;
    }
    es = getIntersectPoint(pCurve, pEnt, mode, points);
    pCurve->close();
    return es;
}

Acad::ErrorStatus MavCounter::getIntersectPoint(
    AcDbEntity* pEnt, const AcDbObjectId& id, AcDb::Intersect mode, AcArray<AcGePoint3d>& points)
{
    if (pEnt == nullptr)
        return Acad::eInvalidInput;
    AcDbCurve* pCurve = nullptr;
    Acad::ErrorStatus es = MavUtils::openCurveWithID(id, AcDb::kForRead, pCurve);
    if (es != Acad::eOk) {
        MavUtils::BDTAlert(L"getIntersectPointopenEntWithID(id)");
        return es;
    }
    es = IntersectInPlan(pEnt, pCurve, mode, points);
    if (es != Acad::eOk)
        MavUtils::BDTAlert(L"getIntersectPointintersectWith(pCurve)");
    pCurve->close();
    return es;
}

Acad::ErrorStatus MavCounter::getIntersectPoint(const AcGePoint3d&, const AcGePoint3d&, const AcGeCurve2d*, AcGePoint3d&)
{
    return Acad::eOk;
}

Acad::ErrorStatus MavCounter::getIntersectPoint(const AcDbObjectId&, const AcGeCurve2d*, AcGePoint3d&)
{
    return Acad::eOk;
}

Acad::ErrorStatus MavCounter::getIntersectPointForcibly(const AcDbObjectId& id1, const AcDbObjectId& id2, AcGePoint3d& point)
{
    // 1. Both ids are needed.
    if (id1.isNull() || id2.isNull()) {
        MavUtils::BDTAlert(L"getIntersectPoint nId1.isNull() || nId2.isNull()!");
        return Acad::eInvalidInput;
    }
    // 2. Both curves open.
    AcDbCurve* pCurve1 = nullptr;
    AcDbCurve* pCurve2 = nullptr;
    const Acad::ErrorStatus opened = openCurvePair(id1, id2, pCurve1, pCurve2);
    if (opened != Acad::eOk) {
        MavUtils::errorReport(opened);
        return opened;
    }
    // 3. Wider and wider extension until a point turns up.
    const Acad::ErrorStatus es = getIntersectPointForcibly(pCurve1, pCurve2, point);
    // 4. Closed again.
    pCurve2->close();
    pCurve1->close();
    return es;
}

Acad::ErrorStatus MavCounter::getIntersectPointForciblyEx(
    const AcDbObjectId& id1, const AcDbObjectId& id2, AcGePoint3d& point)
{
    AcDbCurve* pCurve1 = nullptr;
    AcDbCurve* pCurve2 = nullptr;
    Acad::ErrorStatus es = openCurvePair(id1, id2, pCurve1, pCurve2);
    if (es != Acad::eOk)
        return es;
    MavGeDbCurve converter;
    AcGeCurve3d* pGe1 = nullptr;
    AcGeCurve3d* pGe2 = nullptr;
    es = converter.convertDbCurveToGeCurve(pCurve1, pGe1);
    if (es == Acad::eOk)
        es = converter.convertDbCurveToGeCurve(pCurve2, pGe2);
    const std::unique_ptr<AcGeCurve3d> ge1(pGe1);
    const std::unique_ptr<AcGeCurve3d> ge2(pGe2);
    if (es == Acad::eOk && ge1 != nullptr && ge2 != nullptr)
        firstCrossing3d(ge1.get(), ge2.get(), point);
    pCurve2->close();
    pCurve1->close();
    return es;
}

Acad::ErrorStatus MavCounter::getBisecrixPointsAtLine(AcGePoint3d p1, AcGePoint3d p2, int n, AcArray<AcGePoint3d>& points)
{
    if (p1.isEqualTo(p2))
        return Acad::eInvalidInput;
    const double part = p1.distanceTo(p2) / n;
    const AcGeVector3d unit = (p2 - p1).normal();
    for (int i = 1; i < n; ++i)
        points.append(p1 + unit * (part * i));
    return Acad::eOk;
}

Acad::ErrorStatus MavCounter::getBisecrixPointsAtLine(AcDbLine* pLine, int n, AcArray<AcGePoint3d>& points)
{
    if (pLine == nullptr)
        return Acad::eInvalidInput;
    double endParam = 0.0;
    Acad::ErrorStatus es = pLine->getEndParam(endParam);
    if (es != Acad::eOk)
        return es;
    for (int i = 1; i < n; ++i) {
        AcGePoint3d point;
        es = pLine->getPointAtParam(i * endParam / n, point);
        if (es == Acad::eOk)
            points.append(point);
    }
    return es;
}

Acad::ErrorStatus MavCounter::getIntersectLineBisectrixPoints(
    AcGePoint3d base, double angle, AcDbEntity* pEnt1, AcDbEntity* pEnt2, int n, AcArray<AcGePoint3d>& points)
{
    if (pEnt1 == nullptr || pEnt2 == nullptr)
        return Acad::eInvalidInput;
    // 1. The cross line from the base point along the angle.
    AcGePoint3d far;
    get3dPoint(base, kCrossLineLength, angle, far);
    const AcDbLine crossLine(base, far);
    // 2. Its crossings with both boundaries, the nearest to the base point.
    AcGePoint3d p1;
    AcGePoint3d p2;
    bool found1 = false;
    bool found2 = false;
    Acad::ErrorStatus es = nearestPlanCrossing(base, &crossLine, pEnt1, p1, found1);
    if (es == Acad::eOk)
        es = nearestPlanCrossing(base, &crossLine, pEnt2, p2, found2);
    if (es != Acad::eOk)
        return es;
    // A boundary that the cross line never meets gives no gap to divide.
    if (!found1 || !found2)
        return Acad::eInvalidInput;
    // 3. The division points of the gap; equal crossings give none.
    getBisecrixPointsAtLine(p1, p2, n, points);
    return Acad::eOk;
}

Acad::ErrorStatus MavCounter::getIntersectLineLength(AcDbObjectId id1, AcDbObjectId id2, double& length)
{
    AcGePoint3d p1;
    AcGePoint3d p2;
    int count = 0;
    Acad::ErrorStatus es = withPlanCrossingsOfIds(
        id1, id2, [&](const AcDbEntity*, const AcDbEntity*, const AcGePoint3dArray& crossings) {
            count = crossings.length();
            if (count >= 2) {
                p1 = crossings[0];
                p2 = crossings[1];
            }
        });
    if (es != Acad::eOk) {
        MavUtils::BDTAlert(L"getIntersectLineLength");
        return es;
    }
    // Fewer than two crossings leave nothing to measure between.
    if (count < 2)
        return Acad::eInvalidInput;
    return lengthBetween(id2, p1, p2, length);
}

Acad::ErrorStatus MavCounter::getIntersectPoint(AcDbEntity* pEnt1, AcDbEntity* pEnt2, AcGePoint3d& point)
{
    if (pEnt1 == nullptr || pEnt2 == nullptr)
        return Acad::eInvalidInput;
    AcGePoint3dArray points;
    const Acad::ErrorStatus es = IntersectInPlan(pEnt1, pEnt2, AcDb::kExtendBoth, points);
    if (es != Acad::eOk) {
        MavUtils::BDTAlert(L"getIntersectPoint");
        return es;
    }
    if (!points.isEmpty())
        point = points[0];
    return es;
}

Acad::ErrorStatus MavCounter::getIntersectPoint(AcDbObjectId id1, AcDbObjectId id2, AcGePoint3d& point)
{
    bool found = false;
    return snappedCrossing(id1, id2, point, found);
}

Acad::ErrorStatus MavCounter::getIntersectPoint(AcDbObjectId id1, AcDbObjectId id2, AcGePoint3d& p1, AcGePoint3d& p2)
{
    return withPlanCrossingsOfIds(id1, id2, [&](const AcDbEntity*, const AcDbEntity*, const AcGePoint3dArray& points) {
        if (points.length() < 2)
            return;
        p1 = points[0];
        p2 = points[1];
    });
}

Acad::ErrorStatus MavCounter::getIntersectPoint(
    const AcDbObjectId& id1, const AcDbObjectId& id2, AcDb::Intersect mode, AcGePoint3d& point)
{
    AcDbEntity* pEnt1 = nullptr;
    AcDbEntity* pEnt2 = nullptr;
    Acad::ErrorStatus es
        = openEntityPair(id1, id2, L"getIntersectPointopenEntWithID(id1)", L"getIntersectPoint", pEnt1, pEnt2);
    if (es != Acad::eOk)
        return es;
    // In space, not in plan.
    AcGePoint3dArray points;
    es = pEnt1->intersectWith(pEnt2, mode, points, 0, 0);
    if (es != Acad::eOk)
        MavUtils::BDTAlert(L"getIntersectPointintersectWith(pEnt2");
    else if (!points.isEmpty())
        point = points[0];
    pEnt2->close();
    pEnt1->close();
    return es;
}

Acad::ErrorStatus MavCounter::getIntersectPoint(
    const AcDbEntity* pEnt1, const AcDbEntity* pEnt2, AcDb::Intersect mode, AcArray<AcGePoint3d>& points)
{
    if (pEnt1 == nullptr || pEnt2 == nullptr)
        return Acad::eInvalidInput;
    const Acad::ErrorStatus es = IntersectInPlan(pEnt1, pEnt2, mode, points);
    if (es != Acad::eOk)
        MavUtils::BDTAlert(L"getIntersectPointintersectWith(nThis)");
    return es;
}

Acad::ErrorStatus MavCounter::getIntersectPoint(
    AcDbEntity* pEnt, const AcDbObjectId& id, AcDb::Intersect mode, AcGePoint3d& point)
{
    if (pEnt == nullptr)
        return Acad::eInvalidInput;
    AcDbCurve* pCurve = nullptr;
    Acad::ErrorStatus es = MavUtils::openCurveWithID(id, AcDb::kForRead, pCurve);
    if (es != Acad::eOk) {
        MavUtils::BDTAlert(L"getIntersectPointopenEntWithID(id)");
        return es;
    }
    AcGePoint3dArray points;
    es = IntersectInPlan(pEnt, pCurve, mode, points);
    if (es != Acad::eOk) {
        MavUtils::BDTAlert(L"getIntersectPointintersectWith(pCurve)");
    } else if (points.isEmpty()) {
        es = Acad::eInvalidInput;
    } else {
        point = points[0];
        pCurve->getClosestPointTo(point, point, false);
    }
    pCurve->close();
    return es;
}

Acad::ErrorStatus MavCounter::getIntersectPoint(AcDbEntity* pEnt, AcDbObjectId id, AcGePoint3d& point)
{
    if (pEnt == nullptr)
        return Acad::eInvalidInput;
    AcDbEntity* pOther = nullptr;
    Acad::ErrorStatus es = MavUtils::openEntWithID(id, AcDb::kForRead, pOther);
    if (es != Acad::eOk) {
        MavUtils::BDTAlert(L"getIntersectPointopenEntWithID(id,AcDb::kForRead,pEnt)");
        return es;
    }
    es = getIntersectPoint(pEnt, pOther, point);
    pOther->close();
    return es;
}

Acad::ErrorStatus MavCounter::getIntersectPoint(AcGePoint3d ref, AcDbEntity* pEnt, AcDbObjectId id, AcGePoint3d& point)
{
    if (pEnt == nullptr)
        return Acad::eInvalidInput;
    AcDbEntity* pOther = nullptr;
    Acad::ErrorStatus es = MavUtils::openEntWithID(id, AcDb::kForRead, pOther);
    if (es != Acad::eOk) {
        MavUtils::BDTAlert(L"getIntersectPointopenEntWithID(id,AcDb::kForRead,pEnt)");
        return es;
    }
    bool found = false;
    es = nearestPlanCrossing(ref, pEnt, pOther, point, found);
    pOther->close();
    return es;
}

Acad::ErrorStatus MavCounter::getIntersectPoint(AcGePoint3d ref, AcDbEntity* pEnt1, AcDbEntity* pEnt2, AcGePoint3d& point)
{
    if (pEnt1 == nullptr || pEnt2 == nullptr)
        return Acad::eInvalidInput;
    bool found = false;
    return nearestPlanCrossing(ref, pEnt1, pEnt2, point, found);
}

Acad::ErrorStatus MavCounter::getIntersectPoint(
    const AcGePoint3d& p1, const AcGePoint3d& p2, const AcDbObjectId& id, AcGePoint3d& point)
{
    if (id.isNull()) {
        MavUtils::BDTAlert(L"getIntersectPoint id.isNull()");
        return Acad::eInvalidInput;
    }
    AcDbCurve* pCurve = nullptr;
    Acad::ErrorStatus es = MavUtils::openCurveWithID(id, AcDb::kForRead, pCurve);
    if (es != Acad::eOk) {
        MavUtils::errorReport(es);
        return es;
    }
    // The line through the two points is the one extended first.
    const AcDbLine line(p1, p2);
    es = firstOfEscalatingModes(&line, pCurve, point);
    pCurve->close();
    return es;
}

Acad::ErrorStatus MavCounter::getIntersectPointForcibly(
    const AcDbCurve* pCurve1, const AcDbCurve* pCurve2, AcGePoint3d& point)
{
    if (pCurve1 == nullptr || pCurve2 == nullptr)
        return Acad::eInvalidInput;
    // The second curve is the one whose extension is tried first.
    return firstOfEscalatingModes(pCurve2, pCurve1, point);
}

Acad::ErrorStatus MavCounter::getIntersectPoint(const AcGePoint3d& a1, const AcGePoint3d& a2, const AcGePoint3d& b1,
    const AcGePoint3d& b2, AcGePoint3d& point, AcDb::Intersect mode)
{
    return crossingOfSegments<AcGePoint3d, AcGeLineSeg3d, AcGeLine3d>(a1, a2, b1, b2, point, mode);
}

Acad::ErrorStatus MavCounter::getIntersectPoint(const AcGePoint2d& a1, const AcGePoint2d& a2, const AcGePoint2d& b1,
    const AcGePoint2d& b2, AcGePoint2d& point, AcDb::Intersect mode)
{
    return crossingOfSegments<AcGePoint2d, AcGeLineSeg2d, AcGeLine2d>(a1, a2, b1, b2, point, mode);
}

Acad::ErrorStatus MavCounter::getIntersectPoint(const AcGePoint2d& p1, const AcGePoint2d& p2,
    const AcArray<AcGePoint2d>& vertices, AcGePoint2d& point, AcDb::Intersect mode)
{
    if (vertices.length() < 3)
        return Acad::eInvalidInput;
    const AcGePolyline2d polyline(vertices);
    if (mode == AcDb::kOnBothOperands) {
        const AcGeLineSeg2d segment(p1, p2);
        return firstCrossing2d(&segment, &polyline, point);
    }
    if (mode == AcDb::kExtendThis) {
        const AcGeLine2d line(p1, p2);
        return firstCrossing2d(&line, &polyline, point);
    }
    return Acad::eOk;
}

Acad::ErrorStatus MavCounter::getIntersectPoint(
    const AcGePolyline3d* pPolyline, const AcGeLineSeg3d* pLine, AcGePoint3d& point)
{
    return firstCrossing3d(pPolyline, pLine, point);
}

Acad::ErrorStatus MavCounter::getIntersectPoint(const AcGeCurve3d* pCurve, const AcGeLineSeg3d* pLine, AcGePoint3d& point)
{
    return firstCrossing3d(pCurve, pLine, point);
}

Acad::ErrorStatus MavCounter::getRealIntersectPoint(const AcDbCurve* pCurve1, const AcDbCurve* pCurve2,
    const AcArray<AcGePoint3d>& candidates, AcGePoint3d& point)
{
    if (pCurve1 == nullptr || pCurve2 == nullptr || candidates.isEmpty())
        return Acad::eInvalidInput;
    // How far apart the two curves' feet of each candidate lie.
    AcArray<double> gaps;
    double least = 0.0;
    for (const AcGePoint3d& candidate : candidates) {
        AcGePoint3d on1;
        AcGePoint3d on2;
        pCurve1->getClosestPointTo(candidate, on1, false);
        pCurve2->getClosestPointTo(candidate, on2, false);
        const double gap = on1.distanceTo(on2);
        least = gaps.isEmpty() ? gap : std::fmin(least, gap);
        gaps.append(gap);
    }
    // The index rule lets the last of equal gaps win.
    const int index = MavUtils::positionInAcArray(least, gaps);
    if (index >= 0)
        point = candidates[index];
    return Acad::eOk;
}

Acad::ErrorStatus MavCounter::getIntersectLineLength(
    AcDbObjectId crossing1, AcDbObjectId crossing2, AcDbObjectId base, double& length)
{
    AcGePoint3d p1;
    AcGePoint3d p2;
    bool found1 = false;
    bool found2 = false;
    Acad::ErrorStatus es = snappedCrossing(crossing1, base, p1, found1);
    if (es == Acad::eOk && found1)
        es = snappedCrossing(crossing2, base, p2, found2);
    // A curve that does not cross the base leaves no station to measure to.
    if (es == Acad::eOk && !(found1 && found2))
        es = Acad::eInvalidInput;
    if (es != Acad::eOk) {
        MavUtils::BDTAlert(L"getIntersectLineLength");
        return es;
    }
    return lengthBetween(base, p1, p2, length);
}
