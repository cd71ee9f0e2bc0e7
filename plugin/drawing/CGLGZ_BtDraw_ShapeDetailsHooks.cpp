// The two straight bar figures of the skew-section details: a bar with a 90-degree hook at
// each end, and a bar of two parts on one line whose joint marks a column's or a span's centre.
// A bar longer than 4000 mm is drawn 4000 long with a break mark.
#include "CGLGZ_BtDraw.h"

#include "MavUtils.h"
#include "RebarRules.h"

namespace {

constexpr double kLongest = 4000.0;
// The two-part bar's hooks are measured as those of a 12 mm bar.
constexpr int kTwoPartHookDiameter = 12;

AcDbObjectId Polyline(MavEntityLib& lib, std::initializer_list<AcGePoint3d> points)
{
    AcArray<AcGePoint3d> vertices;
    for (const AcGePoint3d& p : points)
        vertices.append(p);
    AcDbObjectId id;
    lib.createPolyline(vertices, false, id);
    return id;
}

} // namespace

int CGLGZ_BtDraw::DrawSectionOutline(CHLGZ_SteelCode& record, int centreMark)
{
    // 1. The straight length between the hooks, at most 4000 mm.
    const double h = GetHookLength(record.nDiameter, record.nBarType, 90, 0.0);
    double straight = record.dMaxLength * 1000.0 - 2.0 * h;
    // A bar no longer than its hooks has no figure.
    if (straight <= 0.0)
        return 0;
    const bool shortened = straight > kLongest;
    if (shortened)
        straight = kLongest;
    // 2. Hooks down from the straight part at the hook's height.
    const double hh = h / m_dScale;
    const double l = straight / m_dScale / 2.0;
    AcGePoint3dArray& pts = record.aPoints;
    pts.removeAll();
    pts.append(AcGePoint3d(-l, 0.0, 0.0));
    pts.append(AcGePoint3d(-l, hh, 0.0));
    pts.append(AcGePoint3d(l, hh, 0.0));
    pts.append(AcGePoint3d(l, 0.0, 0.0));
    // 3. - 4. One polyline, or two on both sides of a break mark.
    if (!shortened) {
        record.aEntityIds.append(Polyline(m_entityLib, { pts[0], pts[1], pts[2], pts[3] }));
    } else {
        MavUtils::selectLayer(L"02-结构");
        const AcGePoint3d middle = MidPoint(pts[1], pts[2]);
        const AcGePoint3d at = centreMark ? AcGePoint3d(middle.x - 5.0, middle.y, 0.0) : MidPoint(pts[1], middle);
        AcGePoint3d left;
        AcGePoint3d right;
        AcDbObjectId markId;
        DrawBreakMark(left, right, at, &markId);
        record.aEntityIds.append(markId);
        MavUtils::selectLayer(L"04-钢筋");
        record.aEntityIds.append(Polyline(m_entityLib, { pts[0], pts[1], left }));
        record.aEntityIds.append(Polyline(m_entityLib, { right, pts[2], pts[3] }));
    }
    // 5. The cap's span centre at the middle.
    if (centreMark) {
        const AcGePoint3d m = MidPoint(pts[1], pts[2]);
        MavUtils::selectLayer(L"13-中心");
        AcDbObjectId lineId;
        DrawLine(AcGePoint3d(m.x, m.y + 5.0, 0.0), AcGePoint3d(m.x, m.y - 5.0, 0.0), &lineId);
        AcDbObjectId style;
        CreateTextStyle(L"DM", 0.0, 0.0, style);
        AcDbObjectId textId;
        AcDbObjectId leaderId;
        DrawCentreMark(AcGePoint3d(m.x, m.y + 3.0, 0.0), 3.0, 2.0, 1.0, 0.5, L"盖梁跨径中心线", style,
            m_dLabelHeight + 0.5, m_dWidthFactor, &textId, &leaderId);
        for (const AcDbObjectId& id : { lineId, textId, leaderId })
            record.aEntityIds.append(id);
    }
    return 1;
}

int CGLGZ_BtDraw::DrawColumnCentreLines(
    CHLGZ_SteelCode& record, double lower, double upper, double leg, int downward, int centreMark)
{
    // 1. The left part the mean of its lengths, the right part the leg; at most 4000 together.
    double e = (lower + upper) / 2.0;
    double g = leg;
    if (e + g <= 0.0)
        return 0;
    const bool shortened = e + g > kLongest;
    if (shortened) {
        const double k = kLongest / (e + g);
        e *= k;
        g *= k;
    }
    // 2. The joint at the origin, the hooks up or down.
    const double hh = GetHookLength(kTwoPartHookDiameter, record.nBarType, 90, 0.0) / m_dScale;
    const double sigma = downward ? -1.0 : 1.0;
    AcGePoint3dArray& pts = record.aPoints;
    pts.removeAll();
    pts.append(AcGePoint3d(-e / m_dScale, sigma * hh, 0.0));
    pts.append(AcGePoint3d(-e / m_dScale, 0.0, 0.0));
    pts.append(AcGePoint3d(0.0, 0.0, 0.0));
    pts.append(AcGePoint3d(g / m_dScale, 0.0, 0.0));
    pts.append(AcGePoint3d(g / m_dScale, sigma * hh, 0.0));
    // 3. - 4. One polyline, or two on both sides of a break mark left of the joint.
    if (!shortened) {
        record.aEntityIds.append(Polyline(m_entityLib, { pts[0], pts[1], pts[2], pts[3], pts[4] }));
    } else {
        MavUtils::selectLayer(L"02-结构");
        AcGePoint3d left;
        AcGePoint3d right;
        AcDbObjectId markId;
        DrawBreakMark(left, right, AcGePoint3d(-5.0, 0.0, 0.0), &markId);
        record.aEntityIds.append(markId);
        MavUtils::selectLayer(L"04-钢筋");
        record.aEntityIds.append(Polyline(m_entityLib, { pts[0], pts[1], left }));
        record.aEntityIds.append(Polyline(m_entityLib, { right, pts[2], pts[3], pts[4] }));
    }
    // 5. The centre line through the joint and its name.
    if (centreMark) {
        MavUtils::selectLayer(L"13-中心");
        AcDbObjectId lineId;
        DrawLine(AcGePoint3d(0.0, 5.0, 0.0), AcGePoint3d(0.0, -5.0, 0.0), &lineId);
        AcDbObjectId style;
        CreateTextStyle(L"DM", 0.0, 0.0, style);
        AcDbObjectId textId;
        AcDbObjectId leaderId;
        DrawCentreMark(AcGePoint3d(0.0, 3.0, 0.0), 3.0, 2.0, 1.0, 0.5, downward ? L"墩柱中心线" : L"跨径中心线", style,
            m_dLabelHeight + 0.5, m_dWidthFactor, &textId, &leaderId);
        for (const AcDbObjectId& id : { lineId, textId, leaderId })
            record.aEntityIds.append(id);
    }
    return 1;
}
