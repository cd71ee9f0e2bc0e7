// The pieces of the plan "平面" that both drawings draw: the skewed outline with its axis, end
// angles and end-part boundaries, the longitudinal bars of every bar column with the
// strengthening bars over the pier columns, the width dimensions, the section mark and the pier
// columns.
#include "CGLGZ_CapDraw_PlanWork.h"

#include "BarColumnCodes.h"
#include "DrawingArrayHelpers.h"
#include "DrawingConstants.h"
#include "MavUtils.h"
#include "NumericHelpers.h"
#include "RebarRules.h"

#include <algorithm>
#include <cmath>

namespace {

// Linetype scale of the dashed inner contours.
constexpr double kContourLinetypeScale = 2.5;

// Whether the turn from the direction vertex->a to vertex->b is counter-clockwise and below a
// half turn.
bool IsCounterClockwise(const AcGePoint3d& vertex, const AcGePoint3d& a, const AcGePoint3d& b)
{
    return (a.x - vertex.x) * (b.y - vertex.y) - (a.y - vertex.y) * (b.x - vertex.x) > 0.0;
}

} // namespace


int CGLGZ_CapDraw::DrawPlanSteps(const AcGePoint3d& origin)
{
    PlanFrame f = MeasurePlanFrame(origin);
    // 1. - 2. Dimension style and title, over the drawn half in a half drawing.
    DrawPlanTitle(f);
    // 3. - 6. Axis, outline, end angles and end-part boundaries.
    DrawPlanOutline(f);
    DrawPlanEndAngles(f);
    DrawPlanEndParts(f);
    // 7. - 8. The bar zone with its stirrup positions, then the bars of every bar column.
    FindPlanBarZone(f);
    AcGePoint3dArray leftEnds;
    DrawPlanBarColumns(f, leftEnds);
    // 9. Width dimensions.
    DrawPlanWidths(f, leftEnds);
    return FinishPlan(f);
}

// 10. - 12. Stirrups, section mark and pier columns.
int CGLGZ_CapDraw::FinishPlan(const PlanFrame& f)
{
    MavUtils::selectLayer(L"04-钢筋");
    DrawPlanStirrups(f.p1, f.p2, f.p3, f.p4, f.leftDegrees, f.rightDegrees, f.ul, f.ll, f.ur, f.lr);
    DrawPlanSectionMark(f);
    DrawPlanColumns(f);
    return 1;
}

// The point of the line a-b (extended) at height y; a line without height gives a's abscissa.
AcGePoint3d CGLGZ_CapDraw::PointAtHeight(const AcGePoint3d& a, const AcGePoint3d& b, double y)
{
    const double dy = b.y - a.y;
    if (std::fabs(dy) < 1e-12)
        return At(a.x, y);
    const AcGePoint3d p = PointAlongLine(a, b, (y - a.y) / dy * a.distanceTo(b));
    return At(p.x, y);
}

CGLGZ_CapDraw::PlanFrame CGLGZ_CapDraw::MeasurePlanFrame(const AcGePoint3d& origin) const
{
    const CBent_BasicGeometry& g = *m_pGeometry;
    PlanFrame f;
    f.origin = origin;
    const double length = g.dLength / m_dScale;
    f.halfWidth = g.dWidth / m_dScale / 2.0;
    f.axisY = origin.y - (f.halfWidth + PlanAxisGap());
    f.left = origin.x - length / 2.0;
    f.right = origin.x + length / 2.0;
    f.leftDegrees = g.dLeftAngle;
    f.rightDegrees = g.dRightAngle;
    f.leftAngle = g.dLeftAngle * kDegree;
    f.rightAngle = g.dRightAngle * kDegree;
    // Each end line runs through its end's axis point at its angle to the axis.
    const AcGePoint3d leftAxis = At(f.left, f.axisY);
    const AcGePoint3d rightAxis = At(f.right, f.axisY);
    const AcGePoint3d leftAlong = At(f.left + std::cos(f.leftAngle) / std::sin(f.leftAngle), f.axisY + 1.0);
    const AcGePoint3d rightAlong = At(f.right + std::cos(f.rightAngle) / std::sin(f.rightAngle), f.axisY + 1.0);
    f.ur = PointAlongLine(rightAxis, rightAlong, f.halfWidth / std::sin(f.rightAngle));
    f.lr = PointAlongLine(rightAxis, rightAlong, -f.halfWidth / std::sin(f.rightAngle));
    f.ll = PointAlongLine(leftAxis, leftAlong, -f.halfWidth / std::sin(f.leftAngle));
    f.ul = PointAlongLine(leftAxis, leftAlong, f.halfWidth / std::sin(f.leftAngle));
    f.topMiddle = MidPoint(f.ul, f.ur);
    f.bottomMiddle = MidPoint(f.ll, f.lr);
    f.middleX = (m_lines[2].end.x + m_lines[3].end.x) / 2.0;
    return f;
}

void CGLGZ_CapDraw::DrawPlanTitle(const PlanFrame& f)
{
    SelectDimStyle(m_dScale);
    CString caption;
    caption.Format(L"（1：%s）", FormatFixed(m_dScale, -7).GetString());
    AcGePoint3d title = f.origin;
    if (m_bHalfDrawing)
        title.x -= (f.right - f.left) / 4.0;
    AddBoxedText(title, L"平面", caption);
}

// 3. - 4. The axis and the outline; a half drawing ends both at the middle line.
void CGLGZ_CapDraw::DrawPlanOutline(const PlanFrame& f)
{
    MavUtils::selectLayer(L"13-中心");
    const double axisEnd = m_bHalfDrawing ? f.origin.x + 4.5 : f.right + 4.5;
    DrawLine(At(f.left - 4.5, f.axisY), At(axisEnd, f.axisY));
    MavUtils::selectLayer(L"02-结构");
    if (!m_bHalfDrawing) {
        DrawLine(f.ur, f.lr);
        DrawLine(f.lr, f.ll);
        DrawLine(f.ll, f.ul);
        DrawLine(f.ul, f.ur);
        return;
    }
    DrawLine(f.bottomMiddle, f.ll);
    DrawLine(f.ll, f.ul);
    DrawLine(f.ul, f.topMiddle);
    MavUtils::selectLayer(L"13-中心");
    DrawLine(PointAlongLine(f.topMiddle, f.bottomMiddle, -2.25), PointAlongLine(f.bottomMiddle, f.topMiddle, -2.25));
}

// 5. At a skewed end, the perpendicular to the axis and the angle between it and the end line.
void CGLGZ_CapDraw::DrawPlanEndAngles(const PlanFrame& f)
{
    MavUtils::selectLayer(L"02-结构");
    auto mark = [&](const AcGePoint3d& vertex, const AcGePoint3d& foot, const AcGePoint3d& corner) {
        DrawLine(vertex, foot);
        const AcGePoint3d m = MidPoint(foot, corner);
        const AcGePoint3d arc = PointAlongLine(vertex, m, 0.8 * vertex.distanceTo(m));
        // Legs in counter-clockwise order: a dimension that sweeps from its first leg to its
        // second would otherwise measure the angle round the other way, not the one at the arc.
        if (IsCounterClockwise(vertex, foot, corner))
            DrawAngularDimension(foot, corner, vertex, arc);
        else
            DrawAngularDimension(corner, foot, vertex, arc);
        MavUtils::selectLayer(L"02-结构");
    };
    const AcGePoint3d leftVertex = At(f.left, f.axisY);
    if (f.leftDegrees < 90.0)
        mark(leftVertex, At(f.left, f.axisY + f.halfWidth), f.ul);
    else if (f.leftDegrees > 90.0)
        mark(leftVertex, At(f.left, f.axisY - f.halfWidth), f.ll);
    const AcGePoint3d rightVertex = m_bHalfDrawing ? At(f.origin.x, f.axisY) : At(f.right, f.axisY);
    if (f.rightDegrees < 90.0)
        mark(rightVertex, At(rightVertex.x, f.axisY - f.halfWidth), m_bHalfDrawing ? f.bottomMiddle : f.lr);
    else if (f.rightDegrees > 90.0)
        mark(rightVertex, At(rightVertex.x, f.axisY + f.halfWidth), m_bHalfDrawing ? f.topMiddle : f.ur);
}

// 6. The roots of the end parts, parallel to the ends; the right one is not drawn beyond the
// middle of a half drawing.
void CGLGZ_CapDraw::DrawPlanEndParts(const PlanFrame& f)
{
    if (m_bAbutment)
        return;
    const double lw = m_pGeometry->dLeftWidth / m_dScale;
    const double rw = m_pGeometry->dRightWidth / m_dScale;
    MavUtils::selectLayer(L"12-内廓");
    AcDbObjectId id;
    DrawLine(At(f.ll.x + lw, f.ll.y), At(f.ul.x + lw, f.ul.y), &id);
    SetEntityScale(id, kContourLinetypeScale);
    if (!m_bHalfDrawing) {
        DrawLine(At(f.ur.x - rw, f.ur.y), At(f.lr.x - rw, f.lr.y), &id);
        SetEntityScale(id, kContourLinetypeScale);
    }
    MavUtils::selectLayer(L"02-结构");
}

// 7. The bar zone: the outline's end lines moved in to where the plate bar of the elevation
// ends, its sides the side cover inside the long edges; the stirrups laid out over it. An
// abutment cap's top-plate bar stands one bar and the end cover inside its ends; a pier cap's
// bottom-plate bar is read where it was drawn, since the design's own face stays unshaped while
// a skeleton kind is shaped in its place (and is taken from the face when it was shaped itself).
void CGLGZ_CapDraw::FindPlanBarZone(PlanFrame& f)
{
    const CHLGZ_FaceInfo& face = m_pDesign->GetMainFace();
    const CHLGZ_MoreInfo& more = m_pDesign->GetMoreInfo();
    const double outer = GetRebarOuterDiameter(more.GetSkeletonDiameter(), more.GetSkeletonBarType()) / m_dScale;
    const double endCover = m_pDesign->GetEndCover() / m_dScale;
    f.barInset = outer + endCover;
    double dxL = f.barInset;
    double dxR = f.barInset;
    if (!m_bAbutment) {
        AcGePoint3dArray plate;
        if (ReadPolylineVertexList(m_idBottomPlateBar, plate) < 4)
            plate = face.GetLBLSteel().GetFirstPoints();
        if (plate.length() >= 4) {
            dxL = plate[2].x - m_lines[2].end.x;
            dxR = m_lines[3].end.x - plate[3].x;
        }
    }
    f.zoneLeftBottom = At(f.ll.x + dxL, f.ll.y);
    f.zoneLeftTop = At(f.ul.x + dxL, f.ul.y);
    f.zoneRightBottom = At(f.lr.x - dxR, f.lr.y);
    f.zoneRightTop = At(f.ur.x - dxR, f.ur.y);
    const double sideCover = m_pDesign->GetSideCover() / m_dScale;
    const double top = f.ul.y - sideCover;
    const double bottom = f.ll.y + sideCover;
    f.p1 = PointAtHeight(f.zoneLeftBottom, f.zoneLeftTop, top);
    f.p2 = PointAtHeight(f.zoneLeftBottom, f.zoneLeftTop, bottom);
    f.p3 = PointAtHeight(f.zoneRightBottom, f.zoneRightTop, top);
    f.p4 = PointAtHeight(f.zoneRightBottom, f.zoneRightTop, bottom);
    LayoutStirrupPositions(f.p1, f.p2, f.p3, f.p4, f.positions, LastStirrupToEnd(f.leftDegrees));
}

// 8. One bar a bar column from end to end where the column has bars of its own or is
// strengthened, and the strengthening bars over the pier columns; every strengthening bar is
// counted, drawn or not. The bars end one bar and the end cover inside the outline's ends, where
// the top-plate bar's legs stand in the elevation and where the strengthening distances taken
// from the bar's end start: measured from the bar zone, a pier cap's bars would stop at the
// roots of its end parts and an abutment cap's one bar and cover short of their legs.
void CGLGZ_CapDraw::DrawPlanBarColumns(const PlanFrame& f, AcGePoint3dArray& leftEnds)
{
    const CHLGZ_FaceInfo& face = m_pDesign->GetMainFace();
    const CHLGZ_ExtendSteel& steel = m_pDesign->GetExtendSteel();
    const int supports = PierColumnCount();
    double y = f.p2.y;
    for (int i = 0; i < face.GetBarColumnCount(); ++i) {
        PlanBar bar;
        bar.y = y;
        bar.left = PointAtHeight(f.ll, f.ul, y);
        bar.left.x += f.barInset;
        bar.right = PointAtHeight(f.lr, f.ur, y);
        bar.right.x -= f.barInset;
        leftEnds.append(bar.left);
        const int code = i < steel.GetCodeCount() ? steel.GetCodeAt(i) : 0;
        if (i < m_bSkeletonColumn.length() && m_bSkeletonColumn[i]) {
            DrawPlanFullBar(f, bar);
        } else {
            m_midSpanBars.nCount += GetCodeUnits(code) * std::max(supports - 1, 0);
            if (IsStrengthenedCode(code))
                DrawPlanFullBar(f, bar);
            DrawEdgeTopBars(f, bar, GetCodeDigit(code, TRUE));
            DrawMiddleTopBars(f, bar, GetCodeDigit(code, FALSE));
        }
        if (i < m_dSkeletonSpacings.length())
            y += m_dSkeletonSpacings[i] / m_dScale;
    }
}

int CGLGZ_CapDraw::PierColumnCount() const { return std::max(static_cast<int>(m_lines.GetSize()) - 4, 0); }

// A bar from end to end; in a half drawing up to the middle line.
void CGLGZ_CapDraw::DrawPlanFullBar(const PlanFrame& f, const PlanBar& bar)
{
    MavUtils::selectLayer(L"04-钢筋");
    const AcGePoint3d end
        = m_bHalfDrawing ? IntersectLines(bar.left, bar.right, f.bottomMiddle, f.topMiddle, 1, 1) : bar.right;
    DrawLine(bar.left, end);
}

// Layers of strengthening bars of one length: counted, each length added, each layer indexed
// from 0 so that its details can shorten the further layers.
void CGLGZ_CapDraw::AddStrengtheningBars(CHLGZ_SteelCode& record, int layers, double length)
{
    record.nCount += layers;
    for (int k = 0; k < layers; ++k) {
        record.AddLength(length);
        record.aLengths.append(length);
        record.aTags.append(k);
    }
}

// A strengthening bar at the bar's height from x1 to x2 with its arrow between two stirrups.
void CGLGZ_CapDraw::DrawStrengtheningBar(const PlanBar& bar, double x1, double x2, double markX)
{
    MavUtils::selectLayer(L"04-钢筋");
    DrawLine(At(x1, bar.y), At(x2, bar.y));
    MavUtils::selectLayer(L"08-标注");
    InsertMarkBlock(At(markX, bar.y), 2.0, 270.0, m_idLeaderArrow);
}

// The top bars over the first pier column and, mirrored, over the last: d1 on the outer side
// (from the column, or from the bar's end), d2 on the inner side.
void CGLGZ_CapDraw::DrawEdgeTopBars(const PlanFrame& f, const PlanBar& bar, int layers)
{
    const CHLGZ_ExtendSteel& steel = m_pDesign->GetExtendSteel();
    const int supports = PierColumnCount();
    if (!steel.GetEdgeTopSwitch() || layers <= 0 || supports < 1)
        return;
    const double s = m_dScale;
    const double d1 = steel.GetEdgeOuterDistance();
    const double d2 = steel.GetEdgeInnerDistance();
    const bool fromColumn = steel.GetEdgeOuterForm() == 0;
    auto lengthOf = [&](double x1, double x2) { return RoundReal((fromColumn ? d1 + d2 : (x2 - x1) * s) / 1000.0, 2); };
    // The first pier column.
    const double first = m_lines[4].end.x;
    const double x1 = fromColumn ? first - d1 / s : bar.left.x + d1 / s;
    const double x2 = first + d2 / s;
    AddStrengtheningBars(m_edgeTopBars, layers, lengthOf(x1, x2));
    DrawStrengtheningBar(bar, x1, x2, SnapToMidpoint(first + d2 / (2.0 * s), f.positions, 1));
    if (supports < 2)
        return;
    // The last pier column, not drawn right of the middle of a half drawing.
    const double last = m_lines[m_lines.GetSize() - 1].end.x;
    const double y1 = last - d2 / s;
    const double y2 = fromColumn ? last + d1 / s : bar.right.x - d1 / s;
    AddStrengtheningBars(m_edgeTopBars, layers, lengthOf(y1, y2));
    if (!m_bHalfDrawing)
        DrawStrengtheningBar(bar, y1, y2, SnapToMidpoint(last - d2 / (2.0 * s), f.positions, 0));
}

// The top bars over every middle pier column, d3 to each side; in a half drawing those right of
// the middle are only counted, and the one on the middle is drawn up to the middle line.
void CGLGZ_CapDraw::DrawMiddleTopBars(const PlanFrame& f, const PlanBar& bar, int layers)
{
    const CHLGZ_ExtendSteel& steel = m_pDesign->GetExtendSteel();
    const int supports = PierColumnCount();
    if (!steel.GetMiddleTopSwitch() || layers <= 0 || supports < 3)
        return;
    const double s = m_dScale;
    const double d3 = steel.GetMiddlePierDistance();
    for (int c = 1; c + 1 < supports; ++c) {
        const double xc = m_lines[4 + c].end.x;
        AddStrengtheningBars(m_middleTopBars, layers, RoundReal(2.0 * d3 / 1000.0, 2));
        if (!m_bHalfDrawing || xc <= f.middleX - kOnMiddle) {
            DrawStrengtheningBar(bar, xc - d3 / s, xc + d3 / s, SnapToMidpoint(xc + d3 / (2.0 * s), f.positions, 1));
        } else if (std::fabs(xc - f.middleX) < kOnMiddle) {
            const AcGePoint3d cut = IntersectWithAxisLine(f.bottomMiddle, f.topMiddle, bar.y, 0);
            DrawStrengtheningBar(bar, xc - d3 / s, cut.x, SnapToMidpoint(xc - d3 / (2.0 * s), f.positions, 0));
        }
    }
}

// 9. The full width beside the plan and the chain of side covers and column spacings inside it.
void CGLGZ_CapDraw::DrawPlanWidths(const PlanFrame& f, const AcGePoint3dArray& leftEnds)
{
    const double x0 = std::min(f.ul.x, f.ll.x);
    DrawDimension(At(x0, f.ll.y), At(x0, f.ul.y), -9.0, 0.0, nullptr, L"");
    if (leftEnds.isEmpty())
        return;
    AcGePoint2dArray chain;
    chain.append(AcGePoint2d(x0, f.ll.y));
    for (const AcGePoint3d& p : leftEnds)
        chain.append(AcGePoint2d(p.x, p.y));
    chain.append(AcGePoint2d(leftEnds[leftEnds.length() - 1].x, f.ul.y));
    DrawRebarCallout2d(chain, 0.0, -3.0, 0, 11, nullptr, 1);
}

// 11. The cut Ⅰ－Ⅰ on the axis: beside the right end (the middle line of a half drawing) and
// beyond the width dimensions on the left.
void CGLGZ_CapDraw::DrawPlanSectionMark(const PlanFrame& f)
{
    MavUtils::selectLayer(L"08-标注");
    const double xr
        = m_bHalfDrawing ? IntersectWithAxisLine(f.bottomMiddle, f.topMiddle, f.axisY, 0).x : f.right;
    const double xl = std::min(f.ul.x, f.ll.x);
    AcDbObjectId id;
    DrawLine(At(xr + 5.0, f.axisY), At(xr + 8.5, f.axisY));
    m_entityLib.createText(At(xr + 10.5, f.axisY), L"Ⅰ", L"DM", m_dLabelHeight, m_dWidthFactor, 0.0, id);
    DrawLine(At(xl - 13.0, f.axisY), At(xl - 16.5, f.axisY));
    m_entityLib.createText(At(xl - 18.5, f.axisY), L"Ⅰ", L"DM", m_dLabelHeight, m_dWidthFactor, 0.0, id);
}

// 12. A circle and a centre line a pier column; in a half drawing the column on the middle is
// half a circle on the drawn side and those right of it are not drawn.
void CGLGZ_CapDraw::DrawPlanColumns(const PlanFrame& f)
{
    const double r = m_pGeometry->dColumnDiameter / (2.0 * m_dScale);
    for (int i = 4; i < m_lines.GetSize(); ++i) {
        const double xc = m_lines[i].end.x;
        const AcGePoint3d centre = At(xc, f.axisY);
        AcDbObjectId id;
        if (!m_bHalfDrawing || xc <= f.middleX - kOnMiddle) {
            MavUtils::selectLayer(L"12-内廓");
            DrawCircle(centre, r, &id);
            SetEntityScale(id, kContourLinetypeScale);
            MavUtils::selectLayer(L"13-中心");
            DrawLine(At(xc, f.lr.y - 2.25), At(xc, f.ur.y + 2.25));
        } else if (std::fabs(xc - f.middleX) < kOnMiddle) {
            MavUtils::selectLayer(L"12-内廓");
            const double up = std::atan2(f.ur.y - f.lr.y, f.ur.x - f.lr.x);
            DrawArc(centre, r, up, up + 3.1415926535, &id);
            SetEntityScale(id, kContourLinetypeScale);
        }
    }
}
