// The bar details of both drawings: each kind of bar's shape with the lengths of its segments,
// its bends and slopes, the hooked bars with their centre marks and the stirrups. Everything a
// detail draws joins its record's entity list, so that the detail moves as one piece.
#include "CGLGZ_CapDraw.h"

#include "AcDbArc.h"
#include "AcDbDimension.h"
#include "AcDbPolyline.h"
#include "AcDbRadialDimension.h"
#include "AcDbServices.h"
#include "CTov_DwgDataBase.h"
#include "DrawingConstants.h"
#include "MavUtils.h"
#include "NumericHelpers.h"
#include "RebarRules.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace {

constexpr double kEighthTurn = 0.785398163375;
constexpr double kLongestDrawn = 4000.0;
constexpr double kVertical = 0.001;
constexpr double kOnClip = 0.1;

struct Vertex {
    AcGePoint3d point;
    double bulge = 0.0;
    // The polyline's length up to this vertex.
    double distance = 0.0;
};

// The detail polyline's vertices with their bulges; none when it cannot be read.
std::vector<Vertex> ReadDetailPolyline(const CHLGZ_SteelCode& record)
{
    std::vector<Vertex> vertices;
    AcDbPolyline* pl = nullptr;
    if (record.aEntityIds.isEmpty() || acdbOpenObject(pl, record.aEntityIds[0], AcDb::kForRead) != Acad::eOk)
        return vertices;
    for (unsigned int i = 0; i < pl->numVerts(); ++i) {
        Vertex v;
        pl->getPointAt(i, v.point);
        pl->getBulgeAt(i, v.bulge);
        pl->getDistAtParam(static_cast<double>(i), v.distance);
        vertices.push_back(v);
    }
    pl->close();
    return vertices;
}

bool IsArc(const Vertex& v) { return std::fabs(v.bulge) > 1e-9; }

bool Collinear(const AcGePoint3d& a, const AcGePoint3d& b, const AcGePoint3d& c)
{
    const AcGeVector3d u = b - a;
    const AcGeVector3d w = c - b;
    return std::fabs(u.x * w.y - u.y * w.x) < 1e-6 * (u.length() * w.length() + 1e-12) && u.dotProduct(w) > 0.0;
}

// A drawing length written in centimetres.
CString Centimetres(double length, double scale) { return FormatFixed(length * scale / 10.0, -1); }

// The text's angle along a segment, read from left to right.
double AlongSegment(const AcGePoint3d& a, const AcGePoint3d& b)
{
    double angle = std::atan2(b.y - a.y, b.x - a.x);
    if (angle > kQuarterTurn + 1e-9)
        angle -= kPi;
    else if (angle <= -kQuarterTurn + 1e-9)
        angle += kPi;
    return angle;
}

// The centre of a polyline arc from a to b of the bulge.
AcGePoint3d ArcCentre(const AcGePoint3d& a, const AcGePoint3d& b, double bulge)
{
    const double chord = a.distanceTo(b);
    const double included = 4.0 * std::atan(bulge);
    const double radius = chord / (2.0 * std::sin(included / 2.0));
    const AcGePoint3d m((a.x + b.x) / 2.0, (a.y + b.y) / 2.0, 0.0);
    // The centre lies off the chord's middle, on the left of a -> b for a positive bulge
    // smaller than a half circle.
    const double off = radius * std::cos(included / 2.0);
    const AcGeVector3d along = (b - a) / (chord > 0.0 ? chord : 1.0);
    const AcGeVector3d left(-along.y, along.x, 0.0);
    return m + left * off;
}

} // namespace

void CGLGZ_CapDraw::MarkPlaced(CHLGZ_SteelCode& record)
{
    if (record.nFurther1 > 0)
        record.nFurther1 = -record.nFurther1;
    else if (record.nFurther1 == 0)
        record.nFurther1 = -1;
}

CString CGLGZ_CapDraw::VaryingLengthLabel(const CHLGZ_SteelCode& record)
{
    CString text;
    text.Format(L"%s~%s", FormatFixed(record.dMinLength * 100.0, -1).GetString(),
        FormatFixed(record.dMaxLength * 100.0, -1).GetString());
    return text;
}

void CGLGZ_CapDraw::DrawDetailBar(CHLGZ_SteelCode& record, const AcGePoint3dArray& pts, const AcGePoint3d* breakAt)
{
    AcDbObjectId id;
    if (breakAt == nullptr) {
        AcArray<AcGePoint3d> line(pts);
        m_entityLib.createPolyline(line, false, id);
        record.aEntityIds.append(id);
        return;
    }
    MavUtils::selectLayer(L"02-结构");
    AcGePoint3d left;
    AcGePoint3d right;
    DrawBreakMark(left, right, *breakAt, &id);
    record.aEntityIds.append(id);
    MavUtils::selectLayer(L"04-钢筋");
    AcArray<AcGePoint3d> first;
    first.append(pts[0]);
    first.append(pts[1]);
    first.append(left);
    m_entityLib.createPolyline(first, false, id);
    record.aEntityIds.append(id);
    AcArray<AcGePoint3d> second;
    second.append(right);
    for (int i = 2; i < pts.length(); ++i)
        second.append(pts[i]);
    m_entityLib.createPolyline(second, false, id);
    record.aEntityIds.append(id);
}

int CGLGZ_CapDraw::DrawHookedBarDetail(CHLGZ_SteelCode& record, int centreMark)
{
    const double s = m_dScale;
    const double h = GetHookLength(record.nDiameter, record.nBarType, 90, 0.0);
    // 1. The straight part, at most 4000 mm drawn.
    double straight = record.dMaxLength * 1000.0 - 2.0 * h;
    // A bar no longer than its two hooks has no straight part to draw.
    if (straight <= 0.0)
        return 0;
    const bool shortened = straight > kLongestDrawn;
    if (shortened)
        straight = kLongestDrawn;
    // 2. The straight part at the hooks' height, the hooks pointing down.
    const double hh = h / s;
    const double l = straight / s / 2.0;
    AcGePoint3dArray& pts = record.aPoints;
    pts.setLogicalLength(0);
    for (const AcGePoint3d& p : { AcGePoint3d(-l, 0.0, 0.0), AcGePoint3d(-l, hh, 0.0), AcGePoint3d(l, hh, 0.0),
             AcGePoint3d(l, 0.0, 0.0) })
        pts.append(p);
    const AcGePoint3d middle = MidPoint(pts[1], pts[2]);
    // 3. One polyline, or 4. broken on its straight part, clear of the centre line when there is one.
    const AcGePoint3d at = centreMark ? AcGePoint3d(middle.x - 5.0, middle.y, 0.0) : MidPoint(pts[1], middle);
    DrawDetailBar(record, pts, shortened ? &at : nullptr);
    AcDbObjectId id;
    // 5. The span centre line over the middle.
    if (centreMark) {
        MavUtils::selectLayer(L"13-中心");
        DrawLine(AcGePoint3d(middle.x, middle.y + 5.0, 0.0), AcGePoint3d(middle.x, middle.y - 5.0, 0.0), &id);
        record.aEntityIds.append(id);
        AcDbObjectId style;
        CreateTextStyle(L"DM", 0.0, 0.0, style);
        AcDbObjectId textId;
        AcDbObjectId leaderId;
        DrawCentreMark(AcGePoint3d(middle.x, middle.y + 3.0, 0.0), 3.0, 2.0, 1.0, 0.5, L"盖梁跨径中心线", style,
            m_dLabelHeight + 0.5, m_dWidthFactor, &textId, &leaderId);
        record.aEntityIds.append(textId);
        record.aEntityIds.append(leaderId);
    }
    return 1;
}

int CGLGZ_CapDraw::DrawTwoPartBarDetail(
    CHLGZ_SteelCode& record, double a1, double a2, double a3, int downward, int centreMark)
{
    const double s = m_dScale;
    // 1. The two parts, at most 4000 mm drawn together.
    double e = (a1 + a2) / 2.0;
    double g = a3;
    if (e + g <= 0.0)
        return 0;
    const bool shortened = e + g > kLongestDrawn;
    if (shortened) {
        const double k = kLongestDrawn / (e + g);
        e *= k;
        g *= k;
    }
    // 2. The joint at the origin, the hooks up, or down with the flag.
    const double h = GetHookLength(12, record.nBarType, 90, 0.0) / s;
    const double sign = downward ? -1.0 : 1.0;
    AcGePoint3dArray& pts = record.aPoints;
    pts.setLogicalLength(0);
    for (const AcGePoint3d& p : { AcGePoint3d(-e / s, sign * h, 0.0), AcGePoint3d(-e / s, 0.0, 0.0),
             AcGePoint3d(0.0, 0.0, 0.0), AcGePoint3d(g / s, 0.0, 0.0), AcGePoint3d(g / s, sign * h, 0.0) })
        pts.append(p);
    // 3. One polyline, or 4. broken left of the joint.
    const AcGePoint3d at(-5.0, 0.0, 0.0);
    DrawDetailBar(record, pts, shortened ? &at : nullptr);
    AcDbObjectId id;
    // 5. The centre line at the joint.
    if (centreMark) {
        MavUtils::selectLayer(L"13-中心");
        DrawLine(AcGePoint3d(0.0, 5.0, 0.0), AcGePoint3d(0.0, -5.0, 0.0), &id);
        record.aEntityIds.append(id);
        AcDbObjectId style;
        CreateTextStyle(L"DM", 0.0, 0.0, style);
        AcDbObjectId textId;
        AcDbObjectId leaderId;
        DrawCentreMark(AcGePoint3d(0.0, 3.0, 0.0), 3.0, 2.0, 1.0, 0.5, downward ? L"墩柱中心线" : L"跨径中心线", style,
            m_dLabelHeight + 0.5, m_dWidthFactor, &textId, &leaderId);
        record.aEntityIds.append(textId);
        record.aEntityIds.append(leaderId);
    }
    return 1;
}

namespace {

// The label of one segment of a plate bar at the middle of its ends.
void PlateLabel(CGLGZ_CapDraw& draw, CHLGZ_SteelCode& record, const AcGePoint3d& at, const CString& text,
    double angle)
{
    AcDbObjectId id;
    draw.AddLabelText(id, at, text, 0, angle, 0);
    record.aEntityIds.append(id);
}

// The angle of a plate bar's segment label: level for a horizontal segment; for the top-plate
// bar the slope read from the segment's higher end, turned over past the first segment; for the
// bottom-plate bar an upright text, turned over on the last segment.
double PlateLabelAngle(const AcGePoint3d& a, const AcGePoint3d& b, int kind, int i, int last, bool turnLevelLast)
{
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    if (std::fabs(dy) < kVertical)
        return kind == 1 && i == last && turnLevelLast ? kPi : 0.0;
    double angle = 0.0;
    if (std::fabs(dx) < kVertical) {
        angle = kind == 1 ? (i == 1 ? -kQuarterTurn : kQuarterTurn) : -kQuarterTurn;
    } else {
        angle = std::atan(dy / dx);
    }
    if (kind == 1 ? i == last : i > 0)
        angle += kPi;
    return angle;
}

// The bends (cm) the differing part of a plate bar holds beyond its drawn length: the top-plate
// bar's two right angles; the bottom-plate bar's two right angles (whole millimetres) in an
// abutment cap, else the four bent-up bends of its slopes.
double PartBends(const CGLGZ_CapDraw& draw, int kind)
{
    const CHLGZ_MoreInfo& more = draw.m_pDesign->GetMoreInfo();
    const double right = GetBendAllowance(more.GetSkeletonDiameter(), more.GetSkeletonBarType(), kQuarterTurn);
    if (kind == 0)
        return 2.0 * right / 10.0;
    return (draw.m_bAbutment ? 2.0 * std::trunc(right) : 4.0 * draw.m_dBendAllowance) / 10.0;
}

// The segment labels of a plate bar: every straight segment's length, the part whose length
// differs between the bars by its letter instead; in a half drawing the halved part reads "/2"
// and the last segment, cut away at the middle, none.
void LabelPlateSegments(CGLGZ_CapDraw& draw, CHLGZ_SteelCode& record, int kind)
{
    const std::vector<Vertex> v = ReadDetailPolyline(record);
    const int n = static_cast<int>(v.size());
    if (n < 2)
        return;
    const double s = draw.m_dScale;
    const CGLGZ_CapDraw::DetailStyle style = draw.DetailDrawerStyle();
    const bool same = std::fabs(record.dMaxLength - record.dMinLength) < style.sameLength + 1e-12;
    // The part that differs: the top-plate bar's run over its middle vertex, the bottom-plate
    // bar's bottom (its first slope in an abutment cap).
    int from = kind == 0 ? 1 : (draw.m_bAbutment ? 1 : 2);
    int to = from + 1;
    if (kind == 0 && n >= 4 && Collinear(v[1].point, v[2].point, v[3].point))
        to = 3;
    if (to >= n)
        from = to = -1;
    const int last = n - 2;
    for (int i = 0; i <= last; ++i) {
        const int end = i == from ? to : i + 1;
        const AcGePoint3d& a = v[i].point;
        const AcGePoint3d& b = v[end].point;
        const double angle = PlateLabelAngle(a, b, kind, i, last, style.turnLevelLast);
        const double length = v[end].distance - v[i].distance;
        const AcGePoint3d middle = MidPoint(a, b);
        if (i == from) {
            // The range of the part: the bars' lengths less the other segments, with the bends
            // the part holds.
            const double fixed = (v[n - 1].distance - length) * s / 1000.0;
            CString text = same ? Centimetres(length, s) : draw.VaryingPartLabel(record, fixed, PartBends(draw, kind));
            AcGePoint3d at = middle;
            // A half drawing shows the part up to its middle, halved.
            if (draw.m_bHalfDrawing && (same || style.halveRanges)) {
                text += L"/2";
                // The halved run's label stands by the run it measures, not lower among the
                // other bars of the detail.
                if (kind == 0) {
                    at = MidPoint(a, middle);
                } else if (style.halvedBottomShift > 0.0) {
                    at.x -= style.halvedBottomShift;
                } else {
                    at = MidPoint(a, middle);
                }
            }
            PlateLabel(draw, record, at, text, angle);
            i = end - 1;
            continue;
        }
        // A half drawing shows nothing past the halved part, cut away at the middle.
        if (IsArc(v[i]) || (draw.m_bHalfDrawing && (i == last || (from >= 0 && i > from))))
            continue;
        PlateLabel(draw, record, middle, Centimetres(length, s), angle);
    }
    // The bottom-plate bar's slopes at both ends; a half drawing shows the left one only.
    if (kind == 1 && !draw.m_bAbutment && n >= 3)
        draw.DrawSlopeTriangle(v[1].point, v[2].point, 5.0, 9.0, record.aEntityIds);
    if (kind == 1 && !draw.m_bAbutment && !draw.m_bHalfDrawing && n >= 5)
        draw.DrawSlopeTriangle(v[4].point, v[3].point, 5.0, 9.0, record.aEntityIds);
}

} // namespace

void CGLGZ_CapDraw::DrawTopPlateBarDetail(CHLGZ_SteelCode& record) { LabelPlateSegments(*this, record, 0); }

void CGLGZ_CapDraw::DrawBottomPlateBarDetail(CHLGZ_SteelCode& record) { LabelPlateSegments(*this, record, 1); }

void CGLGZ_CapDraw::DrawSlopeTriangle(
    const AcGePoint3d& p, const AcGePoint3d& q, double a, double b, AcDbObjectIdArray& ids)
{
    if (std::fabs(p.x - q.x) < 1e-9)
        return;
    const double k = q.x > p.x ? 1.0 : -1.0;
    const double m = (p.y - q.y) / (p.x - q.x);
    const AcGePoint3d q1(q.x - k * a, q.y, 0.0);
    const AcGePoint3d q2(q1.x - k * b, q.y, 0.0);
    const AcGePoint3d q3(q2.x, q.y - k * b * m, 0.0);
    MavUtils::selectLayer(L"08-标注");
    AcDbObjectId id;
    for (const auto& [from, to] : { std::pair(q2, q1), std::pair(q3, q2), std::pair(q1, q3) }) {
        DrawLine(from, to, &id);
        ids.append(id);
    }
    // "1" on the shorter leg's side of the ratio, the ratio on the other.
    const double ratio = std::fabs(m) >= 1.0 ? std::fabs(m) : 1.0 / std::fabs(m);
    const CString one = L"1";
    const CString value = FormatFixed(ratio, -1);
    const bool steep = std::fabs(m) >= 1.0;
    // Each text outside the triangle: under the level leg when the triangle rises from it, on
    // the far side of the upright leg from the slope.
    const int underLevel = q3.y > q.y ? 1 : 0;
    const int rightOfUpright = k > 0.0 ? 0 : 1;
    AddLabelText(id, MidPoint(q1, q2), steep ? one : value, underLevel, 0.0, 0);
    ids.append(id);
    AddLabelText(id, MidPoint(q2, q3), steep ? value : one, rightOfUpright, kQuarterTurn, 0);
    ids.append(id);
}

namespace {

// The bend dimensions of an arc from vertex i to i + 1: the angle with the arc length (cm), and
// either the radius lines with "R=" and the radius, or a radial dimension "R" and the radius.
void DimensionBend(CGLGZ_CapDraw& draw, CHLGZ_SteelCode& record, const std::vector<Vertex>& v, int i,
    double arcPointOffset, bool radiusLines, const CString& radialText)
{
    const double s = draw.m_dScale;
    const AcGePoint3d& a = v[i].point;
    const AcGePoint3d& b = v[i + 1].point;
    const AcGePoint3d centre = ArcCentre(a, b, v[i].bulge);
    const double length = v[i + 1].distance - v[i].distance;
    // The dimension arc just outside the bend, off its start.
    const AcGeVector3d out = (a - centre).normal();
    const AcGePoint3d arcPoint = a + out * arcPointOffset;
    AcDbObjectId id;
    CGLGZ_CapDraw::DrawAngularDimension(a, b, centre, arcPoint, &id);
    AcDbDimension* dim = nullptr;
    if (!id.isNull() && acdbOpenObject(dim, id, AcDb::kForWrite) == Acad::eOk) {
        dim->setDimensionText(Centimetres(length, s));
        dim->close();
    }
    record.aEntityIds.append(id);
    const double radius = centre.distanceTo(a);
    if (radiusLines) {
        MavUtils::selectLayer(L"08-标注");
        draw.DrawLine(centre, a, &id);
        record.aEntityIds.append(id);
        draw.DrawLine(centre, b, &id);
        record.aEntityIds.append(id);
        const double angleRad = std::fabs(4.0 * std::atan(v[i].bulge));
        const double r = angleRad > 0.0 ? length / angleRad : radius;
        draw.AddLabelText(id, MidPoint(centre, b), L"R=" + Centimetres(r, s), 0, AlongSegment(centre, b), 0);
        record.aEntityIds.append(id);
        return;
    }
    AcGePoint3d chord;
    AcDbPolyline* pl = nullptr;
    if (acdbOpenObject(pl, record.aEntityIds[0], AcDb::kForRead) == Acad::eOk) {
        pl->getPointAtParam(i + 0.25, chord);
        pl->close();
    }
    MavUtils::selectLayer(L"08-标注");
    auto* radial = new AcDbRadialDimension(centre, chord, -8.0, radialText, AcDbObjectId::kNull);
    if (AppendToModelSpace(radial, id)) {
        radial->close();
        record.aEntityIds.append(id);
    } else {
        delete radial;
    }
}

} // namespace

void CGLGZ_CapDraw::LabelTwoPointBar(CHLGZ_SteelCode& record)
{
    const AcGePoint3dArray& p = record.aPoints;
    const bool same = std::fabs(record.dMaxLength - record.dMinLength) < DetailDrawerStyle().sameLength + 1e-12;
    CString text = same ? FormatFixed(record.dMinLength * 100.0, -1) : VaryingPartLabel(record, 0.0, 0.0);
    AcGePoint3d a = p[0].x <= p[1].x ? p[0] : p[1];
    AcGePoint3d b = p[0].x <= p[1].x ? p[1] : p[0];
    // A half drawing shows the bar up to the middle of the cap: the label over that part, halved.
    if (m_bHalfDrawing && m_lines.GetSize() > 3) {
        const double middle = (m_lines[2].start.x + m_lines[3].start.x) / 2.0;
        if (a.x < middle && b.x > middle + kOnClip) {
            b = AcGePoint3d(middle, a.y + (b.y - a.y) * (middle - a.x) / (b.x - a.x), 0.0);
            text = same ? text + L"/2" : L"(" + text + L")/2";
        }
    }
    AcDbObjectId id;
    AddLabelText(id, MidPoint(a, b), text, 0, AlongSegment(a, b), 0);
    record.aEntityIds.append(id);
}

void CGLGZ_CapDraw::DrawStraightBarDetail(CHLGZ_SteelCode& record)
{
    std::vector<Vertex> v = ReadDetailPolyline(record);
    if (v.size() < 2)
        return;
    // A straight run over several vertices is one segment.
    for (size_t i = 1; i + 1 < v.size();) {
        if (!IsArc(v[i - 1]) && !IsArc(v[i]) && Collinear(v[i - 1].point, v[i].point, v[i + 1].point))
            v.erase(v.begin() + static_cast<long>(i));
        else
            ++i;
    }
    const double s = m_dScale;
    const DetailStyle style = DetailDrawerStyle();
    if (style.twoPointStraightLabel && record.aPoints.length() == 2) {
        LabelTwoPointBar(record);
        return;
    }
    CString radius;
    radius.Format(L"%s%s", style.radiusPrefix,
        FormatFixed(m_pDesign->GetMoreInfo().GetBendRadius() / 10.0, -1).GetString());
    const int n = static_cast<int>(v.size());
    auto level = [&](int i) { return std::fabs(v[i + 1].point.y - v[i].point.y) < kVertical; };
    for (int i = 0; i + 1 < n; ++i) {
        if (IsArc(v[i])) {
            DimensionBend(*this, record, v, i, 3.0, false, radius);
            continue;
        }
        const AcGePoint3d& a = v[i].point;
        const AcGePoint3d& b = v[i + 1].point;
        AcGePoint3d at = MidPoint(a, b);
        if (m_bHalfDrawing)
            at.y -= style.halfStraightDrop;
        AcDbObjectId id;
        AddLabelText(id, at, Centimetres(v[i + 1].distance - v[i].distance, s), 0, AlongSegment(a, b), 0);
        record.aEntityIds.append(id);
        // A slope beside a level run.
        if (!style.straightSlopes || level(i) || std::fabs(b.x - a.x) < kVertical)
            continue;
        if (i > 0 && !IsArc(v[i - 1]) && level(i - 1))
            DrawSlopeTriangle(a, b, 2.5, 3.0, record.aEntityIds);
        else if (i + 2 < n && !IsArc(v[i + 1]) && level(i + 1))
            DrawSlopeTriangle(b, a, 2.5, 3.0, record.aEntityIds);
    }
}

namespace {

// The labels and bend dimensions of a bent-up bar of kind 4 to 7 (see the callers).
void LabelBentBar(CGLGZ_CapDraw& draw, CHLGZ_SteelCode& record, int kind, double clipX)
{
    const double s = draw.m_dScale;
    const AcGePoint3dArray& pts = record.aPoints;
    AcDbObjectId id;
    // A bar of two points: its length alone.
    if (pts.length() == 2) {
        draw.AddLabelText(id, MidPoint(pts[0], pts[1]), Centimetres(pts[0].distanceTo(pts[1]), s), 0,
            AlongSegment(pts[0], pts[1]), 0);
        record.aEntityIds.append(id);
        return;
    }
    const std::vector<Vertex> v = ReadDetailPolyline(record);
    const int n = static_cast<int>(v.size());
    if (n < 2)
        return;
    const bool half = draw.m_bHalfDrawing && (kind == 4 || kind == 6);
    const bool evenSpans = draw.m_pSupports != nullptr && draw.m_pSupports->length() % 2 == 0;
    const bool leftDiffers = (draw.m_nVaryingEnds & 1) != 0;
    const bool rightDiffers = (draw.m_nVaryingEnds & 2) != 0;
    // The label of the differing ends: the record's lengths less the part all bars share.
    CString letter;
    if (leftDiffers || rightDiffers) {
        double varying = 0.0;
        if (leftDiffers)
            varying += v[1].distance - v[0].distance;
        if (rightDiffers && n > 2)
            varying += v[n - 1].distance - v[n - 2].distance;
        letter = draw.VaryingPartLabel(record, (v[n - 1].distance - varying) * s / 1000.0, 0.0);
    }
    const bool prime = draw.DetailDrawerStyle().primeSecondEnd;
    // The weld length by the drawing's own table of outer diameters.
    const double weld = draw.WeldLengthFor(draw.BarOuterDiameter(
        draw.m_pDesign->GetMoreInfo().GetSkeletonDiameter(), draw.m_pDesign->GetMoreInfo().GetSkeletonBarType()));
    CString radius;
    radius.Format(L"R%s", FormatFixed(draw.m_pDesign->GetMoreInfo().GetBendRadius() / 10.0, -1).GetString());
    for (int i = 0; i + 1 < n; ++i) {
        if (IsArc(v[i])) {
            // Nothing of a bend that the cut of a half drawing takes away stays.
            if (half && std::max(v[i].point.x, v[i + 1].point.x) > clipX + kOnClip)
                continue;
            if (kind == 6 || kind == 7)
                DimensionBend(draw, record, v, i, 6.0, true, L"");
            else if (kind == 5)
                DimensionBend(draw, record, v, i, 6.0, false, radius);
            continue;
        }
        const AcGePoint3d& a = v[i].point;
        const AcGePoint3d& b = v[i + 1].point;
        const AcGePoint3d at = MidPoint(a, b);
        const double length = v[i + 1].distance - v[i].distance;
        // Two vertices on one point make no segment to label.
        if (length * s < 0.5 && !(i == 0 && leftDiffers) && !(i + 2 == n && rightDiffers))
            continue;
        CString text = Centimetres(length, s);
        // A welded end of an upper bent-up bar reads its weld with the allowance of the lap.
        const bool end = i == 0 || i + 2 == n;
        if (kind == 4 && end && std::fabs(length * s - weld) < 0.5)
            text.Format(L"%.0f", (weld + 20.0) / 10.0);
        if (i == 0 && leftDiffers)
            text = letter;
        if (i + 2 == n && rightDiffers)
            text = leftDiffers && prime ? letter + L"'" : letter;
        if (half) {
            if (at.x > clipX + kOnClip)
                continue;
            if (std::fabs(at.x - clipX) <= kOnClip && evenSpans)
                text += L"/2";
        }
        draw.AddLabelText(id, at, text, 0, AlongSegment(a, b), 0);
        record.aEntityIds.append(id);
    }
}

} // namespace

void CGLGZ_CapDraw::DrawUpperBentBarDetail(CHLGZ_SteelCode& record, double clipX, int /*index*/)
{
    LabelBentBar(*this, record, 4, clipX);
}

void CGLGZ_CapDraw::DrawSupportUpperBentBarDetail(CHLGZ_SteelCode& record) { LabelBentBar(*this, record, 5, 0.0); }

void CGLGZ_CapDraw::DrawLowerBentBarDetail(CHLGZ_SteelCode& record, double clipX)
{
    LabelBentBar(*this, record, 6, clipX);
}

void CGLGZ_CapDraw::DrawSupportLowerBentBarDetail(CHLGZ_SteelCode& record) { LabelBentBar(*this, record, 7, 0.0); }

void CGLGZ_CapDraw::DrawStirrupDetail(CHLGZ_SteelCode& record)
{
    const AcGePoint3dArray& p = record.aPoints;
    const int n = p.length();
    if (n < 2)
        return;
    const double r = record.nDiameter * 2.5 / m_dScale * 0.5;
    const double l = record.nDiameter * 6.0 / m_dScale;
    const bool hooks = NoHookFlag(record) == 0;
    // 1. The stirrup, its ends drawn back to the hooks' arcs.
    AcArray<AcGePoint3d> shape;
    shape.append(hooks ? AcGePoint3d(p[0].x - r, p[0].y, 0.0) : p[0]);
    for (int i = 1; i + 1 < n; ++i)
        shape.append(p[i]);
    shape.append(hooks ? AcGePoint3d(p[n - 1].x, p[n - 1].y - r, 0.0) : p[n - 1]);
    auto* pl = new AcDbPolyline();
    for (int i = 0; i < shape.length(); ++i)
        pl->addVertexAt(static_cast<unsigned int>(i), AcGePoint2d(shape[i].x, shape[i].y));
    AcDbObjectId id;
    if (AppendToModelSpace(pl, id)) {
        pl->close();
        record.aEntityIds.append(id);
    } else {
        delete pl;
    }
    if (!hooks)
        return;
    // 2. The two hooks of the closing corner, each leg running on from its arc.
    const AcGePoint3d c(p[0].x - r, p[0].y - r, 0.0);
    const AcGeVector3d leg(-l * std::cos(kEighthTurn), -l * std::cos(kEighthTurn), 0.0);
    DrawArc(c, r, -kEighthTurn, kQuarterTurn, &id);
    record.aEntityIds.append(id);
    const AcGePoint3d firstStart(c.x + r * std::cos(-kEighthTurn), c.y + r * std::sin(-kEighthTurn), 0.0);
    DrawLine(firstStart, firstStart + leg, &id);
    record.aEntityIds.append(id);
    DrawArc(c, r, 0.0, kQuarterTurn + kEighthTurn, &id);
    record.aEntityIds.append(id);
    const AcGePoint3d secondEnd(
        c.x + r * std::cos(kQuarterTurn + kEighthTurn), c.y + r * std::sin(kQuarterTurn + kEighthTurn), 0.0);
    DrawLine(secondEnd, secondEnd + leg, &id);
    record.aEntityIds.append(id);
}

void CGLGZ_CapDraw::DrawPlanStirrupKindDetail(CHLGZ_SteelCode& record)
{
    if (record.nCount > 0)
        record.dAverageLength = record.dTotalLength / record.nCount;
    for (AcGePoint3d& q : record.aPoints)
        q.set(-q.y, -q.x, 0.0);
    DrawStirrupDetail(record);
    // The callout runs off to the left, clear of the width's label over the middle.
    const AcGePoint3dArray& p = record.aPoints;
    DrawBarCallout(MidPoint(p[0], MidPoint(p[0], p[1])), &record, 1);
    AddSegmentLabels(record);
    record.GetExtents(0);
}
