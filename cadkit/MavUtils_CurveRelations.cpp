// How two curves meet before they are linked, extended or trimmed: the meeting point in plan,
// whether it lies at an end or inside each curve, and which curve must be extended to reach it.
// The codes are those the linking and trimming read; a relation not found keeps the caller's
// preset value.
#include "MavUtils.h"

#include "MavHelpers.h"

#include "AcDbCurve.h"
#include "AcDbPolyline.h"

#include <limits>

namespace {

// 1e-4, formed as the library forms it.
const double kTouch = 1e-10 * 1e6;
constexpr double kNearlyAtEnd = 0.01;

// Where a point lies against one curve: its distance to the nearer end and which end that is.
struct EndPlace {
    double dist = std::numeric_limits<double>::max();
    int flag = 0;
    bool nearEnd() const { return dist < kTouch; }
};

EndPlace endPlace(const AcDbCurve* pCurve, const AcGePoint3d& point)
{
    EndPlace place;
    MavUtils::tellLocationOfIntersectPointInDbCurve(pCurve, point, place.dist, place.flag);
    return place;
}

double offCurve(const AcDbCurve* pCurve, const AcGePoint3d& point)
{
    return point.distanceTo(ClosestPointOn(pCurve, point));
}

Acad::ErrorStatus meetings(const AcDbCurve* pCurve1, const AcDbCurve* pCurve2, AcDb::Intersect mode,
    AcGePoint3dArray& points, int marker = 0)
{
    points.setLogicalLength(0);
    return IntersectInPlan(pCurve1, pCurve2, mode, points, marker);
}

// What every stage hands back once it has a point: the point, the end places of both curves
// (taken before any snapping) and the relation, unless the stage found none to write.
struct Meeting {
    AcGePoint3d point;
    EndPlace on1;
    EndPlace on2;
    bool related = false;
    int relation = 0;
};

Meeting meetingAt(const AcDbCurve* pCurve1, const AcDbCurve* pCurve2, const AcGePoint3d& point)
{
    Meeting m;
    m.point = point;
    m.on1 = endPlace(pCurve1, point);
    m.on2 = endPlace(pCurve2, point);
    return m;
}

void relate(Meeting& m, int relation)
{
    m.related = true;
    m.relation = relation;
}

// Of several crossings, the one that lies on both curves best (the first of equals).
AcGePoint3d bestCrossing(const AcDbCurve* pCurve1, const AcDbCurve* pCurve2, const AcGePoint3dArray& points)
{
    AcArray<double> sums;
    for (const AcGePoint3d& point : points)
        sums.append(offCurve(pCurve1, point) + offCurve(pCurve2, point));
    return points[MavUtils::postionOfMinMaxValueInAcArray(sums, 1)];
}

// Of several points on the extended first curve, the one nearest one of its ends (the first of
// equals).
AcGePoint3d nearestToAnEnd(const AcDbCurve* pCurve, const AcGePoint3dArray& points)
{
    int best = 0;
    double least = std::numeric_limits<double>::max();
    for (int i = 0; i < points.length(); ++i) {
        const double dist = endPlace(pCurve, points[i]).dist;
        if (dist < least) {
            least = dist;
            best = i;
        }
    }
    return points[best];
}

// A crossing away from both curves' ends among several: the first curve may end so close to the
// second that it only looks apart.
void relateApartAmongSeveral(const AcDbCurve* pCurve1, const AcDbCurve* pCurve2, Meeting& m)
{
    if (m.on1.dist < kNearlyAtEnd && m.on2.dist > kTouch) {
        const AcGePoint3d p1 = ClosestPointOn(pCurve1, m.point);
        const AcGePoint3d p2 = ClosestPointOn(pCurve2, p1);
        if (p1.distanceTo(p2) < kTouch) {
            relate(m, 1);
            m.point = ClosestPointOn(pCurve2, ClosestPointOn(pCurve1, m.point));
            return;
        }
        m.point = ClosestPointOn(pCurve2, m.point);
        return;
    }
    relate(m, -73);
    m.point = ClosestPointOn(pCurve2, m.point);
}

// Step 1: a point on both curves as they are.
Meeting onBothCurves(const AcDbCurve* pCurve1, const AcDbCurve* pCurve2, const AcGePoint3dArray& points)
{
    const bool several = points.length() > 1;
    Meeting m = meetingAt(pCurve1, pCurve2, several ? bestCrossing(pCurve1, pCurve2, points) : points[0]);
    if (m.on1.nearEnd() && m.on2.nearEnd()) {
        relate(m, 0);
    } else if (m.on1.nearEnd()) {
        relate(m, 1);
    } else if (m.on2.nearEnd()) {
        relate(m, 10);
    } else if (offCurve(pCurve1, m.point) < kTouch && offCurve(pCurve2, m.point) < kTouch) {
        relate(m, 11);
        m.point = ClosestPointOn(pCurve1, m.point);
    } else if (several) {
        relateApartAmongSeveral(pCurve1, pCurve2, m);
    } else {
        // Crossing in plan only, at different heights.
        relate(m, -73);
        m.point = ClosestPointOn(pCurve2, m.point);
    }
    return m;
}

// The segment of a lightweight polyline on the side of the given end.
int endSegmentMarker(const AcDbCurve* pCurve, int endFlag)
{
    const unsigned int count = AcDbPolyline::cast(pCurve)->numVerts();
    if (endFlag == 0 || count < 3)
        return 1;
    return static_cast<int>(count) - 1;
}

// Step 2: a point on the first curve extended; with several, the one at an end of the first
// curve, for a lightweight polyline taken again on its end segment alone.
Meeting firstExtended(
    const AcDbCurve* pCurve1, const AcDbCurve* pCurve2, const AcGePoint3dArray& points, Acad::ErrorStatus& es)
{
    const bool several = points.length() > 1;
    Meeting m = meetingAt(pCurve1, pCurve2, several ? nearestToAnEnd(pCurve1, points) : points[0]);
    if (m.on1.nearEnd() && m.on2.nearEnd())
        relate(m, -1);
    else if (m.on1.nearEnd())
        relate(m, -9);
    else
        relate(m, -73);
    if (several && IsClass(pCurve1, L"AcDbPolyline")) {
        AcGePoint3dArray again;
        es = meetings(pCurve1, pCurve2, AcDb::kExtendThis, again, endSegmentMarker(pCurve1, m.on1.flag));
        if (es != Acad::eOk)
            MavUtils::BDTAlert(L"重新计算交点");
        else if (!again.isEmpty())
            m.point = again[0];
    }
    m.point = ClosestPointOn(pCurve2, m.point);
    return m;
}

// Step 3: a point on the second curve extended.
Meeting secondExtended(const AcDbCurve* pCurve1, const AcDbCurve* pCurve2, const AcGePoint3dArray& points)
{
    Meeting m = meetingAt(pCurve1, pCurve2, points[0]);
    if (m.on1.nearEnd() && m.on2.nearEnd())
        relate(m, -1110);
    else if (m.on2.nearEnd())
        relate(m, -1100);
    else
        relate(m, -1000);
    m.point = ClosestPointOn(pCurve1, m.point);
    return m;
}

// Step 4: a point on both curves extended.
Meeting bothExtended(const AcDbCurve* pCurve1, const AcDbCurve* pCurve2, const AcGePoint3dArray& points)
{
    Meeting m = meetingAt(pCurve1, pCurve2, points[0]);
    if (m.on1.dist > kTouch && m.on2.dist > kTouch)
        relate(m, -1111);
    // The point lies on the extensions only; snapped onto the curve as it is, it would move to
    // the curve's end, away from where the two meet.
    m.point = ClosestPointOn(pCurve1, m.point, true);
    return m;
}

void deliver(const Meeting& m, int& relation, AcGePoint3d& point, int& endFlag1, int& endFlag2)
{
    point = m.point;
    endFlag1 = m.on1.flag;
    endFlag2 = m.on2.flag;
    if (m.related)
        relation = m.relation;
}

void closeBoth(AcDbCurve* pCurve1, AcDbCurve* pCurve2)
{
    if (pCurve1 != nullptr)
        pCurve1->close();
    if (pCurve2 != nullptr)
        pCurve2->close();
}

} // namespace

Acad::ErrorStatus MavUtils::tellRelationOfTwoCurves(const AcDbCurve* pCurve1, const AcDbCurve* pCurve2,
    int& relation, AcGePoint3d& point, int& endFlag1, int& endFlag2)
{
    AcGePoint3dArray points;
    // 1. On both curves.
    Acad::ErrorStatus es = meetings(pCurve1, pCurve2, AcDb::kOnBothOperands, points);
    if (es != Acad::eOk)
        return es;
    if (!points.isEmpty()) {
        deliver(onBothCurves(pCurve1, pCurve2, points), relation, point, endFlag1, endFlag2);
        return Acad::eOk;
    }
    // 2. The first curve extended.
    es = meetings(pCurve1, pCurve2, AcDb::kExtendThis, points);
    if (es != Acad::eOk)
        return es;
    if (!points.isEmpty()) {
        Acad::ErrorStatus again = Acad::eOk;
        deliver(firstExtended(pCurve1, pCurve2, points, again), relation, point, endFlag1, endFlag2);
        return again;
    }
    // 3. The second curve extended.
    es = meetings(pCurve1, pCurve2, AcDb::kExtendArg, points);
    if (es != Acad::eOk)
        return es;
    if (!points.isEmpty()) {
        deliver(secondExtended(pCurve1, pCurve2, points), relation, point, endFlag1, endFlag2);
        return Acad::eOk;
    }
    // 4. Both extended.
    es = meetings(pCurve1, pCurve2, AcDb::kExtendBoth, points);
    if (es != Acad::eOk)
        return es;
    if (!points.isEmpty())
        deliver(bothExtended(pCurve1, pCurve2, points), relation, point, endFlag1, endFlag2);
    // 5. Done; curves that never meet leave everything as it was.
    return Acad::eOk;
}

Acad::ErrorStatus MavUtils::tellRelationOfTwoCurves(const AcDbObjectId& id1, const AcDbObjectId& id2, int& relation,
    AcGePoint3d& point, int& endFlag1, int& endFlag2)
{
    AcDbCurve* pCurve1 = nullptr;
    AcDbCurve* pCurve2 = nullptr;
    Acad::ErrorStatus es = openCurveWithID(id1, AcDb::kForRead, pCurve1);
    if (es == Acad::eOk)
        es = openCurveWithID(id2, AcDb::kForRead, pCurve2);
    if (es == Acad::eOk)
        es = tellRelationOfTwoCurves(pCurve1, pCurve2, relation, point, endFlag1, endFlag2);
    closeBoth(pCurve1, pCurve2);
    return es;
}

Acad::ErrorStatus MavUtils::tellRelationOfTwoCurves(
    const AcDbCurve* pCurve1, const AcDbCurve* pCurve2, AcArray<AcGePoint3d>& points)
{
    for (AcDb::Intersect mode : {AcDb::kOnBothOperands, AcDb::kExtendThis, AcDb::kExtendArg, AcDb::kExtendBoth}) {
        AcGePoint3dArray found;
        const Acad::ErrorStatus es = meetings(pCurve1, pCurve2, mode, found);
        if (es != Acad::eOk)
            return es;
        if (!found.isEmpty()) {
            points = found;
            return Acad::eOk;
        }
    }
    return Acad::eOk;
}
