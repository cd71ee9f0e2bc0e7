// Lines that divide the band between two curves into equal strips: cross lines laid over the
// band give, each, the points that cut their stretch between the curves into n equal parts;
// the k-th point of every cross line joined in order is division polyline k.
#include "MavUtils.h"

#include "MavCounter.h"

#include "AcDbBlockTableRecord.h"
#include "AcDbPolyline.h"

namespace {

// How the polylines are drawn: where they go, on which layer, whether repeated points are
// dropped and whether each runs backwards.
struct DrawRule {
    AcDbBlockTableRecord* pRecord = nullptr;
    bool currentSpace = true;
    AcDbObjectId layer;
    bool dropRepeats = true;
    bool reverse = false;
};

// Step 4: one straight open polyline; its id, or the null id when it was not appended.
AcDbObjectId drawPolyline(const DrawRule& rule, AcArray<AcGePoint3d> points)
{
    if (rule.dropRepeats)
        MavUtils::purgeAcArray(points);
    if (rule.reverse)
        MavUtils::reverseDataInArray(points);
    auto* pPolyline = new AcDbPolyline(static_cast<unsigned int>(points.length()));
    for (int i = 0; i < points.length(); ++i)
        pPolyline->addVertexAt(static_cast<unsigned int>(i), AcGePoint2d(points[i].x, points[i].y), 0.0, -1.0, -1.0);
    if (!rule.layer.isNull())
        pPolyline->setLayer(rule.layer, true, false);
    AcDbObjectId id;
    if (rule.currentSpace) {
        MavUtils::addToCurrentSpaceAndClose(pPolyline, id);
    } else if (rule.pRecord != nullptr) {
        MavUtils::addToBlockTableRecordAndClose(id, pPolyline, rule.pRecord);
    } else {
        delete pPolyline;
    }
    return id;
}

// Steps 2 and 3: division polyline k joins point k of every cross line; with n = 2 there is
// one point per cross line and one polyline through them all.
void drawDivisionPolylines(const DrawRule& rule, const AcArray<AcGePoint3d>& points, int n, AcArray<AcDbObjectId>& ids)
{
    if (n < 2)
        return;
    const int perLine = n - 1;
    const int lines = points.length() / perLine;
    for (int k = 0; k < perLine; ++k) {
        AcArray<AcGePoint3d> gathered;
        for (int j = 0; j < lines; ++j)
            gathered.append(points[k + j * perLine]);
        ids.append(drawPolyline(rule, gathered));
    }
}

// Step 1 and the rest: the points from the calculation, grouped by cross line, joined into
// the division polylines.
template <class Calculate>
Acad::ErrorStatus drawFromPoints(const DrawRule& rule, int n, AcArray<AcDbObjectId>& ids, Calculate calculate)
{
    AcArray<AcGePoint3d> points;
    const Acad::ErrorStatus es = calculate(points);
    if (es != Acad::eOk)
        return es;
    drawDivisionPolylines(rule, points, n, ids);
    return Acad::eOk;
}

// The points on cross lines square to the base curve.
Acad::ErrorStatus drawSquareToBase(const DrawRule& rule, const AcDbObjectId& first, const AcDbObjectId& second,
    const AcDbObjectId& base, int n, double distance, AcArray<AcDbObjectId>& ids)
{
    return drawFromPoints(rule, n, ids, [&](AcArray<AcGePoint3d>& points) {
        return MavCounter::getIntersectLineBisectrixPoints(first, second, base, n, distance, points);
    });
}

// The points on cross lines turned by the angle from the guide's direction.
Acad::ErrorStatus drawTurnedFromGuide(const DrawRule& rule, const AcDbObjectId& first, const AcDbObjectId& second,
    const AcDbObjectId& guide, double angle, int n, double distance, AcArray<AcDbObjectId>& ids)
{
    return drawFromPoints(rule, n, ids, [&](AcArray<AcGePoint3d>& points) {
        return MavCounter::getIntersectLineBisectrixPointsBaseOnAngle(first, second, guide, angle, n, distance, points);
    });
}

} // namespace

Acad::ErrorStatus MavUtils::drawBisectrixBetweenCurves(const AcDbObjectId& first, const AcDbObjectId& second,
    const AcDbObjectId& base, const AcDbObjectId& layer, int n, double distance, AcArray<AcDbObjectId>& ids)
{
    return drawSquareToBase({nullptr, true, layer, true, false}, first, second, base, n, distance, ids);
}

Acad::ErrorStatus MavUtils::drawBisectrixBetweenCurves(AcDbBlockTableRecord* pRecord, const AcDbObjectId& first,
    const AcDbObjectId& second, const AcDbObjectId& base, const AcDbObjectId& layer, int n, double distance,
    AcArray<AcDbObjectId>& ids)
{
    return drawSquareToBase({pRecord, false, layer, true, false}, first, second, base, n, distance, ids);
}

Acad::ErrorStatus MavUtils::drawBisectrixBetweenCurvesEx(const AcDbObjectId& first, const AcDbObjectId& second,
    const AcDbObjectId& base, int n, double distance, AcArray<AcDbObjectId>& ids, int reverse)
{
    return drawSquareToBase(
        {nullptr, true, AcDbObjectId::kNull, false, reverse != 0}, first, second, base, n, distance, ids);
}

Acad::ErrorStatus MavUtils::drawBisectrixBetweenCurvesEx(AcDbBlockTableRecord* pRecord, const AcDbObjectId& first,
    const AcDbObjectId& second, const AcDbObjectId& base, int n, double distance, AcArray<AcDbObjectId>& ids,
    int reverse)
{
    return drawSquareToBase(
        {pRecord, false, AcDbObjectId::kNull, false, reverse != 0}, first, second, base, n, distance, ids);
}

Acad::ErrorStatus MavUtils::drawBisectrixBetweenCurvesBaseOnAngle(const AcDbObjectId& first,
    const AcDbObjectId& second, const AcDbObjectId& guide, double angle, const AcDbObjectId& layer, int n,
    double distance, AcArray<AcDbObjectId>& ids)
{
    return drawTurnedFromGuide({nullptr, true, layer, true, false}, first, second, guide, angle, n, distance, ids);
}

Acad::ErrorStatus MavUtils::drawBisectrixBetweenCurvesBaseOnAngle(AcDbBlockTableRecord* pRecord,
    const AcDbObjectId& first, const AcDbObjectId& second, const AcDbObjectId& guide, double angle,
    const AcDbObjectId& layer, int n, double distance, AcArray<AcDbObjectId>& ids)
{
    return drawTurnedFromGuide({pRecord, false, layer, true, false}, first, second, guide, angle, n, distance, ids);
}
