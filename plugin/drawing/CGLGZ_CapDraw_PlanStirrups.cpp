// The stirrups of the plan: one line a stirrup at every stirrup position, skewed ones parallel
// to a skewed end beyond them, their spacing labels and dimensions, the number marks of the
// plan's bars, and one bar-code record a stirrup kind for the stirrup details and the tables.
#include "CGLGZ_CapDraw_PlanWork.h"

#include "BarColumnCodes.h"
#include "DrawingArrayHelpers.h"
#include "DrawingConstants.h"
#include "MavUtils.h"
#include "NumericHelpers.h"
#include "RebarRules.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Stirrups whose widths differ by less than this (mm) are of one kind.
constexpr double kSameWidth = 1e-6;
// Shortest and longest stirrup of a kind closer than this (drawing units) print no range.
constexpr double kSameLength = 0.001;
constexpr double kOnLimit = 1e-9;
// The leaders of the marks start this far under the bar zone.
constexpr double kLeaderStart = 5.0;
// Mark circles fanned out from one another keep this much apart.
constexpr double kMarkFanGap = 0.5;

AcGePoint2d At2d(double x, double y) { return AcGePoint2d(x, y); }

// Centimetres of a length in millimetres, one decimal at most.
CString Centimetres(double mm) { return FormatFixed(mm / 10.0, -1); }

} // namespace


int CGLGZ_CapDraw::DrawPlanStirrups(AcGePoint3d p1, AcGePoint3d p2, AcGePoint3d p3, AcGePoint3d p4, double leftAngle,
    double rightAngle, AcGePoint3d p5, AcGePoint3d p6, AcGePoint3d p7, AcGePoint3d p8)
{
    // 1. Nothing without stirrups (nor without the section view's ends, which place the marks).
    if (m_pDesign->GetMainFace().GetStirrups().IsEmpty() || m_lines.GetSize() < 4)
        return 0;
    PlanStirrupWork w;
    w.p1 = p1, w.p2 = p2, w.p3 = p3, w.p4 = p4;
    w.leftDegrees = leftAngle, w.rightDegrees = rightAngle;
    w.p5 = p5, w.p6 = p6, w.p7 = p7, w.p8 = p8;
    PreparePlanStirrups(w);
    // 2. - 3. Stirrup kinds and positions.
    SortStirrupKinds(w);
    LayoutStirrupPositions(p1, p2, p3, p4, w.positions, LastStirrupToEnd(leftAngle));
    // 4. - 5. The stirrup lines, then those beyond them at the ends.
    // The quantities are those of the whole cap: a half drawing lays out and counts the
    // stirrups of its other half too, and draws none of them.
    DrawStirrupLines(w);
    LayoutEndStirrups(w, 0);
    LayoutEndStirrups(w, 1);
    DrawEndStirrups(w, 0);
    DrawEndStirrups(w, 1);
    PlaceEndStirrupMarks(w, 0);
    if (!m_bHalfDrawing)
        PlaceEndStirrupMarks(w, 1);
    // 6. - 8. Positions and their labels, end dimensions, bar marks.
    LabelStirrupPositions(w);
    DimensionEndStirrups(w, 0);
    if (!m_bHalfDrawing)
        DimensionEndStirrups(w, 1);
    DrawPlanMarks(w);
    // 9. What the stirrup details and the tables read of every kind.
    FinishStirrupKinds(w);
    return 1;
}

void CGLGZ_CapDraw::PreparePlanStirrups(PlanStirrupWork& w) const
{
    const CHLGZ_MoreInfo& more = m_pDesign->GetMoreInfo();
    w.axisY = (w.p1.y + w.p2.y) / 2.0;
    w.middleTop = MidPoint(w.p1, w.p3);
    w.middleBottom = MidPoint(w.p2, w.p4);
    w.middleX = (m_lines[2].end.x + m_lines[3].end.x) / 2.0;
    w.hook = GetHookLength(more.GetStirrupDiameter(), more.GetStirrupBarType(), 90, 0.0);
    w.stirrupOuter = BarOuterDiameter(more.GetStirrupDiameter(), more.GetStirrupBarType());
    w.skeletonOuter = BarOuterDiameter(more.GetSkeletonDiameter(), more.GetSkeletonBarType());
    w.firstRecord = static_cast<int>(m_steelCodes.GetSize());
    const double inset = (w.skeletonOuter + m_pDesign->GetEndCover()) / m_dScale;
    w.barEnd[0] = PointAtHeight(w.p6, w.p5, w.axisY).x + inset;
    w.barEnd[1] = PointAtHeight(w.p8, w.p7, w.axisY).x - inset;
}

// A record for a new stirrup kind: the next number, the stirrups' bar.
int CGLGZ_CapDraw::AppendStirrupRecord()
{
    const CHLGZ_MoreInfo& more = m_pDesign->GetMoreInfo();
    CHLGZ_SteelCode record;
    const INT_PTR n = m_steelCodes.GetSize();
    record.nNumber = (n > 0 ? m_steelCodes[n - 1].nNumber : 0) + 1;
    record.nBarType = more.GetStirrupBarType();
    record.nDiameter = more.GetStirrupDiameter();
    return static_cast<int>(m_steelCodes.Add(record));
}

// 2. Stirrups of one width and one kind of leg are of one kind.
void CGLGZ_CapDraw::SortStirrupKinds(PlanStirrupWork& w)
{
    const auto& stirrups = m_pDesign->GetMainFace().GetStirrups();
    AcGeIntArray* records = StirrupRecordList();
    if (records != nullptr)
        records->removeAll();
    for (INT_PTR i = 0; i < stirrups.GetSize(); ++i) {
        const int start = stirrups[i].GetStartColumn();
        const int end = stirrups[i].GetEndColumn();
        const double width = SumColumnSpacings(end, start);
        const bool singleLeg = start == -1 || end == -1;
        PlanStirrupWork::Stirrup stirrup;
        stirrup.kind = -1;
        for (size_t k = 0; k < w.kinds.size() && stirrup.kind < 0; ++k) {
            if (w.kinds[k].singleLeg == singleLeg && IsEqualTol(w.kinds[k].width, width, kSameWidth))
                stirrup.kind = static_cast<int>(k);
        }
        if (stirrup.kind < 0) {
            PlanStirrupWork::Kind kind;
            kind.record = AppendStirrupRecord();
            kind.width = width;
            kind.singleLeg = singleLeg;
            w.kinds.push_back(kind);
            stirrup.kind = static_cast<int>(w.kinds.size()) - 1;
        }
        if (records != nullptr)
            records->append(w.kinds[stirrup.kind].record);
        // A single leg stands at the column it has.
        const int column = start == -1 ? end : start;
        stirrup.low = w.p2.y + SumColumnSpacings(column, 1) / m_dScale;
        stirrup.high = stirrup.low + width / m_dScale;
        stirrup.counted = PlanCountsStirrup(static_cast<int>(i));
        w.stirrups.push_back(stirrup);
    }
}

// One stirrup line, counted whole under its record with its length (unless other marks count
// it), and drawn cut at the middle line of a half drawing (not at all when wholly right of it).
void CGLGZ_CapDraw::DrawStirrupLine(const PlanStirrupWork& w, int record, AcGePoint3d a, AcGePoint3d b, bool counted)
{
    if (counted) {
        CHLGZ_SteelCode& code = m_steelCodes[record];
        ++code.nCount;
        code.AddLength(a.distanceTo(b));
    }
    if (m_bHalfDrawing) {
        // A stirrup within the tolerance of the middle stays whole.
        const double tolerance = MiddleStirrupTolerance();
        auto right = [&](const AcGePoint3d& p) {
            return Orientation(w.middleBottom, w.middleTop, p) < 0
                && (tolerance <= 0.0 || p.x - PointAtHeight(w.middleBottom, w.middleTop, p.y).x > tolerance);
        };
        const bool aRight = right(a);
        const bool bRight = right(b);
        if (aRight && bRight)
            return;
        if (aRight || bRight) {
            const AcGePoint3d cut = IntersectLines(a, b, w.middleBottom, w.middleTop, 1, 1);
            (aRight ? a : b) = cut;
        }
    }
    MavUtils::selectLayer(L"04-钢筋");
    DrawLine(a, b);
}

// 4. Every stirrup at every position, across the columns it spans.
void CGLGZ_CapDraw::DrawStirrupLines(PlanStirrupWork& w)
{
    for (const PlanStirrupWork::Stirrup& stirrup : w.stirrups) {
        for (int i = 0; i < w.positions.length(); ++i) {
            const double x = w.positions[i];
            DrawStirrupLine(w, w.kinds[stirrup.kind].record, At(x, stirrup.low), At(x, stirrup.high), stirrup.counted);
        }
    }
}

// 5. The positions beyond the laid-out ones at one end (0 left, 1 right), outermost last, up to
// the limit: where the bars end, less half a stirrup and half a bar for a cap with end parts
// (the stirrups of its end parts wrap the bars' ends). A square end of a cap with end parts is
// filled at the spacing there, the last gap closed by a stirrup on the limit or by moving the
// outermost one onto it. A skewed end gets stirrups parallel to the end at the spacing, the
// first touching the outermost laid-out stirrup at a corner: one a step further out on the axis
// would cross it.
void CGLGZ_CapDraw::LayoutEndStirrups(PlanStirrupWork& w, int side)
{
    AcGeDoubleArray& ends = side == 0 ? m_dLeftEndStirrups : m_dRightEndStirrups;
    if (w.positions.isEmpty())
        return;
    const int n = w.positions.length();
    const double outward = side == 0 ? -1.0 : 1.0;
    const double x0 = side == 0 ? w.positions[0] : w.positions[n - 1];
    const double step = n > 1 ? std::fabs(w.positions[side == 0 ? 1 : n - 2] - x0) : StirrupStepAt(x0);
    if (step <= 0.0)
        return;
    const double inside = m_bAbutment ? 0.0 : (w.stirrupOuter + w.skeletonOuter) / (2.0 * m_dScale);
    const double limit = w.barEnd[side] - outward * inside;
    auto within = [&](double x) { return outward * (limit - x) >= -kOnLimit; };
    const double degrees = side == 0 ? w.leftDegrees : w.rightDegrees;
    if (degrees == 90.0) {
        if (m_bAbutment)
            return;
        for (double x = x0 + outward * step; within(x); x += outward * step)
            ends.append(x);
        const double outermost = ends.isEmpty() ? x0 : ends[ends.length() - 1];
        if (outward * (limit - outermost) > 0.75 * step)
            ends.append(limit);
        else if (!ends.isEmpty())
            ends[ends.length() - 1] = limit;
        return;
    }
    const double angle = degrees * kDegree;
    const double shift = (w.p1.y - w.p2.y) / 2.0 * std::fabs(std::cos(angle) / std::sin(angle));
    for (double x = x0 + outward * shift; within(x); x += outward * step)
        ends.append(x);
}

// The record the stirrups of a kind count under at a skewed end: a copy of the kind with the
// next number, made once.
int CGLGZ_CapDraw::EndStirrupRecord(PlanStirrupWork& w, int kind)
{
    PlanStirrupWork::Kind& k = w.kinds[kind];
    if (k.endRecord < 0)
        k.endRecord = AppendStirrupRecord();
    return k.endRecord;
}

// 5. The stirrups at the end positions, parallel to the end through the axis at each position;
// a single leg reaches its hook measured along the stirrup.
void CGLGZ_CapDraw::DrawEndStirrups(PlanStirrupWork& w, int side)
{
    const AcGeDoubleArray& ends = side == 0 ? m_dLeftEndStirrups : m_dRightEndStirrups;
    const double degrees = side == 0 ? w.leftDegrees : w.rightDegrees;
    const bool square = degrees == 90.0;
    const double angle = degrees * kDegree;
    const double cot = square ? 0.0 : std::cos(angle) / std::sin(angle);
    for (int i = 0; i < ends.length(); ++i) {
        const double x = ends[i];
        for (const PlanStirrupWork::Stirrup& stirrup : w.stirrups) {
            const PlanStirrupWork::Kind& kind = w.kinds[stirrup.kind];
            const double high
                = kind.singleLeg ? stirrup.low + w.hook * std::fabs(std::sin(angle)) / m_dScale : stirrup.high;
            const AcGePoint3d a = At(x + (stirrup.low - w.axisY) * cot, stirrup.low);
            const AcGePoint3d b = At(x + (high - w.axisY) * cot, high);
            const int record = square ? kind.record : EndStirrupRecord(w, stirrup.kind);
            DrawStirrupLine(w, record, a, b, stirrup.counted);
            if (!square)
                w.endLines[side].push_back({ a, b, record });
        }
    }
}

// Where the marks of the skewed kinds at one end stand: from the inner end of their run outward,
// far enough apart for their circles and so clear of the run's dimension text in its middle; a
// run too short for that hangs the circles under one leader.
void CGLGZ_CapDraw::PlaceEndStirrupMarks(PlanStirrupWork& w, int side) const
{
    const AcGeDoubleArray& ends = side == 0 ? m_dLeftEndStirrups : m_dRightEndStirrups;
    const int n = ends.length();
    if (w.endLines[side].empty() || n == 0)
        return;
    std::vector<int> records;
    for (const PlanStirrupWork::EndLine& line : w.endLines[side]) {
        if (std::find(records.begin(), records.end(), line.record) == records.end())
            records.push_back(line.record);
    }
    const double spacing = n > 1 ? std::fabs(ends[1] - ends[0]) : 1.0;
    const int apart = std::max(1, static_cast<int>(std::ceil((2.0 * m_dMarkRadius + 1.0) / spacing)));
    int stacked = 0;
    for (size_t j = 0; j < records.size(); ++j) {
        const int index = static_cast<int>(j) * apart;
        PlanStirrupWork::EndMark mark;
        mark.record = records[j];
        mark.x = ends[index < n ? index : 0];
        mark.stacked = index < n ? 0 : ++stacked;
        w.endMarks[side].push_back(mark);
    }
}

// 6. The laid-out positions join the drawing's list, and their spacings are written over the
// plan between the outline's ends.
void CGLGZ_CapDraw::LabelStirrupPositions(const PlanStirrupWork& w)
{
    AcGePoint2dArray row;
    row.append(At2d(m_bHalfDrawing ? m_lines[2].end.x : w.p5.x, w.p1.y));
    for (int i = 0; i < w.positions.length(); ++i) {
        const double x = w.positions[i];
        m_dStirrupPositions.append(x);
        if (!m_bHalfDrawing || x <= w.middleX + 1.0 / m_dScale)
            row.append(At2d(x, w.p1.y));
    }
    if (!m_bHalfDrawing)
        row.append(At2d(w.p7.x, w.p1.y));
    LabelStirrupRow(row);
}

void CGLGZ_CapDraw::LabelStirrupRow(const AcGePoint2dArray& row) { DrawRebarLabel2d(row, 2.0, 4.0, 1, 0); }

double CGLGZ_CapDraw::BarOuterDiameter(int diameter, int barType) const
{
    return GetRebarOuterDiameter(diameter, barType);
}

int CGLGZ_CapDraw::LastStirrupToEnd(double /*leftDegrees*/) const { return 0; }

// 7. Under the plan at one end: from the bars' end to the outermost end stirrup, over the end
// stirrups ("%dX%s" gaps and spacing, or the spacing of a single gap), the gap from them to the
// laid-out stirrups and, at a skewed end, the spacing of the skewed stirrups square to them. A
// square end of a cap with end parts gets one chain over all of it instead.
void CGLGZ_CapDraw::DimensionEndStirrups(const PlanStirrupWork& w, int side)
{
    const AcGeDoubleArray& ends = side == 0 ? m_dLeftEndStirrups : m_dRightEndStirrups;
    if (ends.isEmpty() || w.positions.isEmpty())
        return;
    const double barEnd = w.barEnd[side];
    const double nearest = side == 0 ? w.positions[0] : w.positions[w.positions.length() - 1];
    const double outermost = ends[ends.length() - 1];
    // Under the circles of the marks at this end, the lowest of them hanging under the others.
    const double y = w.p2.y - kLeaderStart - 2.0 * m_dMarkRadius * std::max(w.Depth(side), 1) + 1.0;
    const double degrees = side == 0 ? w.leftDegrees : w.rightDegrees;
    SelectDimStyle(m_dScale);
    if (degrees == 90.0 && !m_bAbutment) {
        AcGePoint2dArray chain;
        chain.append(At2d(barEnd, y));
        for (int i = ends.length() - 1; i >= 0; --i)
            chain.append(At2d(ends[i], y));
        chain.append(At2d(nearest, y));
        if (side == 0) {
            DrawRebarCallout2d(chain, 0.0, -4.0, 1, 10, nullptr, 0);
        } else {
            AcGePoint2dArray reversed;
            for (int i = chain.length() - 1; i >= 0; --i)
                reversed.append(chain[i]);
            DrawRebarCallout2d(reversed, 0.0, -4.0, 1, 10, nullptr, 0);
        }
        return;
    }
    DrawDimension(At(std::min(barEnd, outermost), y), At(std::max(barEnd, outermost), y), -4.0, 0.0, nullptr, L"");
    const int n = ends.length();
    if (n > 1) {
        const double spacing = std::fabs(ends[1] - ends[0]);
        CString text = Centimetres(spacing * m_dScale);
        if (n - 1 > 1)
            text.Format(L"%dX%s", n - 1, Centimetres(spacing * m_dScale).GetString());
        DrawDimension(At(std::min(ends[0], outermost), y), At(std::max(ends[0], outermost), y), -4.0, 0.0, nullptr, text);
    }
    // The gap to the laid-out stirrups, under the dimension line.
    AcGePoint2dArray pair;
    pair.append(At2d(std::min(ends[0], nearest), y - 4.0));
    pair.append(At2d(std::max(ends[0], nearest), y - 4.0));
    const bool skewed = degrees != 90.0;
    const double angle = degrees * kDegree;
    // The skewed stirrups' own spacing, square to them, under their run.
    auto squareSpacing = [&]() {
        if (n > 1)
            DrawRebarLabelAt(At((ends[0] + outermost) / 2.0, y - 11.0), std::fabs(ends[1] - ends[0]) * std::sin(angle));
    };
    if (skewed && degrees < 90.0)
        squareSpacing();
    DrawRebarLabelPair(pair, -3.0);
    if (skewed && degrees > 90.0)
        squareSpacing();
}

// The mark of a bar: a leader from under the bar zone up to y, a circle under it and the number;
// further marks on one leader hang their circles one under the other. A circle that would stand
// on the circle of a mark on a leader close by fans out: one radius lower and aside, away from
// that mark, as far as it takes, its leader running on to it.
void CGLGZ_CapDraw::DrawPlanMark(PlanStirrupWork& w, double x, double top, const CString& text, int stacked)
{
    MavUtils::selectLayer(L"08-标注");
    const double r = m_dMarkRadius;
    const double bottom = w.p2.y - kLeaderStart;
    DrawLine(At(x, bottom), At(x, std::max(top, bottom)));
    // Where the circle hangs from: the leader's foot, or the circle over it.
    const AcGePoint3d hook = At(x, bottom - 2.0 * r * stacked);
    AcGePoint3d centre = At(x, hook.y - r);
    const double apart = 2.0 * r + kMarkFanGap;
    auto crowding = [&]() {
        return std::find_if(w.markCentres.begin(), w.markCentres.end(),
            [&](const AcGePoint3d& c) { return c.distanceTo(centre) < apart - 1e-9; });
    };
    if (auto other = crowding(); other != w.markCentres.end()) {
        const double side = x >= other->x ? 1.0 : -1.0;
        centre.y -= r;
        for (auto it = other; it != w.markCentres.end(); it = crowding())
            centre.x = it->x + side * std::sqrt(std::max(apart * apart - std::pow(it->y - centre.y, 2.0), 0.0));
        DrawLine(centre + (hook - centre).normal() * r, hook);
    }
    w.markCentres.push_back(centre);
    DrawCircle(centre, r);
    AcDbObjectId id;
    m_entityLib.createText(centre, text, L"DM", m_dLabelHeight, m_dWidthFactor, 0.0, id);
}

// 8. The number marks of the plan's bars.
void CGLGZ_CapDraw::DrawPlanMarks(PlanStirrupWork& w)
{
    DrawLongitudinalBarMark(w);
    DrawStrengtheningBarMarks(w);
    for (int side = 0; side < 2; ++side)
        DrawEndStirrupMarks(w, side);
}

// The longitudinal bars: one mark between stirrups near the middle, arrows where its leader
// crosses a column with bars of its own or a strengthened one.
void CGLGZ_CapDraw::DrawLongitudinalBarMark(PlanStirrupWork& w)
{
    const int supports = PierColumnCount();
    const AcGeDoubleArray& positions = m_dStirrupPositions;
    double x = 0.0;
    if (supports == 1)
        x = (m_lines[1].end.x + m_lines[4].end.x) / 2.0;
    else if (supports % 2 == 1)
        x = (m_lines[4].start.x + m_lines[5].start.x) / 2.0 - 5.0;
    else
        x = (m_lines[2].start.x + m_lines[3].start.x) / 2.0 - 5.0;
    const int n = positions.length();
    if (m_bHalfDrawing && supports % 2 == 1 && n > 1)
        x = (positions[n / 2 - 1] + positions[n / 2]) / 2.0;
    else
        x = SnapToMidpoint(x, positions, 1);
    const CHLGZ_ExtendSteel& steel = m_pDesign->GetExtendSteel();
    double top = -1e300;
    MavUtils::selectLayer(L"08-标注");
    for (int i = 0; i < m_pDesign->GetMainFace().GetBarColumnCount(); ++i) {
        const double y = w.p2.y + SumColumnSpacings(i + 1, 1) / m_dScale;
        const bool own = i < m_bSkeletonColumn.length() && m_bSkeletonColumn[i];
        const bool strengthened = !own && i < steel.GetCodeCount() && IsStrengthenedCode(steel.GetCodeAt(i));
        if (!own && !strengthened)
            continue;
        InsertMarkBlock(At(x, y), 2.0, 270.0, m_idLeaderArrow);
        top = std::max(top, y);
    }
    if (top > -1e300)
        DrawPlanMark(w, x, top, L"1");
}

// The grouping kept the numbers after the last of its marks.
void CGLGZ_CapDraw::StrengtheningMarkNumbers(int& edge, int& middle, int& bottom) const
{
    const CHLGZ_ExtendSteel& steel = m_pDesign->GetExtendSteel();
    int number = m_nGroupedMarks > 0 && m_nGroupedMarks <= m_steelCodes.GetSize()
        ? m_steelCodes[m_nGroupedMarks - 1].nNumber + 1
        : 1;
    edge = steel.GetEdgeTopSwitch() ? number++ : 0;
    if (steel.GetMiddleTopSwitch())
        middle = edge != 0 && steel.GetSameAsEdgeSwitch() ? edge : number++;
    else
        middle = 0;
    bottom = steel.GetBottomSwitch() ? number : 0;
}

// The strengthening bars over the pier columns: a leader up to the last column that has them,
// between the stirrups over the bars' inner parts.
void CGLGZ_CapDraw::DrawStrengtheningBarMarks(PlanStirrupWork& w)
{
    const CHLGZ_ExtendSteel& steel = m_pDesign->GetExtendSteel();
    const int supports = PierColumnCount();
    const int codes = steel.GetCodeCount();
    const double s = m_dScale;
    const AcGeDoubleArray& positions = m_dStirrupPositions;
    auto topOf = [&](BOOL hundreds) {
        for (int k = 0; k < codes; ++k) {
            if (GetCodeDigit(steel.GetCodeAt(k), hundreds) != 0)
                return w.p2.y + SumColumnSpacings(codes - k, 1) / s;
        }
        return -1e300;
    };
    int edge = 0;
    int middle = 0;
    int bottom = 0;
    StrengtheningMarkNumbers(edge, middle, bottom);
    CString text;
    if (steel.GetEdgeTopSwitch() && supports >= 1) {
        const double top = topOf(TRUE);
        text.Format(L"%d", edge);
        const double d2 = steel.GetEdgeInnerDistance();
        if (top > -1e300) {
            DrawPlanMark(w, SnapToMidpoint(m_lines[4].end.x + d2 / (2.0 * s), positions, 1), top, text);
            if (supports > 1 && !m_bHalfDrawing) {
                const double last = m_lines[m_lines.GetSize() - 1].end.x;
                DrawPlanMark(w, SnapToMidpoint(last - d2 / (2.0 * s), positions, 0), top, text);
            }
        }
    }
    if (!steel.GetMiddleTopSwitch() || supports < 3)
        return;
    const double top = topOf(MiddleTopMarkDigit());
    if (top <= -1e300)
        return;
    text.Format(L"%d", middle);
    const double d3 = steel.GetMiddlePierDistance();
    for (int c = 1; c + 1 < supports; ++c) {
        const double xc = m_lines[4 + c].end.x;
        if (!m_bHalfDrawing || xc <= w.middleX - 0.01)
            DrawPlanMark(w, SnapToMidpoint(xc + d3 / (2.0 * s), positions, 1), top, text);
        else if (std::fabs(xc - w.middleX) < 0.01)
            DrawPlanMark(w, SnapToMidpoint(xc - d3 / (2.0 * s), positions, 0), top, text);
    }
}

// The skewed stirrups at one end: for each of their kinds a leader at one of their positions,
// arrows where it crosses that kind's stirrups, and the kind's number.
void CGLGZ_CapDraw::DrawEndStirrupMarks(PlanStirrupWork& w, int side)
{
    for (const PlanStirrupWork::EndMark& mark : w.endMarks[side]) {
        AcGePoint3dArray crossings;
        for (const PlanStirrupWork::EndLine& line : w.endLines[side]) {
            int found = 0;
            const AcGePoint3d p
                = IntersectLines(line.a, line.b, At(mark.x, line.a.y), At(mark.x, line.b.y + 1.0), 0, 1, &found);
            if (line.record == mark.record && found)
                crossings.append(p);
        }
        if (crossings.isEmpty())
            continue;
        SortPointsByAxis(crossings, 1, 1);
        MavUtils::selectLayer(L"08-标注");
        double top = crossings[0].y;
        for (const AcGePoint3d& p : crossings) {
            InsertMarkBlock(p, 2.0, 270.0, m_idLeaderArrow);
            top = std::max(top, p.y);
        }
        CString text;
        text.Format(L"%d", m_steelCodes[mark.record].nNumber);
        DrawPlanMark(w, mark.x, top, text, mark.stacked);
    }
}

// 9. Each new kind's shape for its detail (its plan width down, its height across, back to the
// start), the range of its plan lengths and its total length in metres.
void CGLGZ_CapDraw::FinishStirrupKinds(const PlanStirrupWork& w)
{
    const CBent_BasicGeometry& g = *m_pGeometry;
    const double s = m_dScale;
    const double outers = w.stirrupOuter + w.skeletonOuter;
    const double height = (g.dMiddleHeight - m_pDesign->GetTopCover() - m_pDesign->GetBottomCover() + outers) / s;
    std::vector<int> endRecords;
    std::vector<bool> singleLeg(m_steelCodes.GetSize() - w.firstRecord, false);
    for (const PlanStirrupWork::Kind& kind : w.kinds) {
        singleLeg[kind.record - w.firstRecord] = kind.singleLeg;
        if (kind.endRecord >= 0) {
            singleLeg[kind.endRecord - w.firstRecord] = kind.singleLeg;
            endRecords.push_back(kind.endRecord);
        }
    }
    for (INT_PTR r = w.firstRecord; r < m_steelCodes.GetSize(); ++r) {
        CHLGZ_SteelCode& code = m_steelCodes[r];
        const bool closed = !singleLeg[r - w.firstRecord];
        // A kind none of whose stirrups was drawn has no plan width to average.
        const double average = code.nCount > 0 ? code.dTotalLength / code.nCount : 0.0;
        const double width = average + (closed ? outers / s : 0.0);
        code.aPoints.setLogicalLength(0);
        for (const AcGePoint3d& p : { At(0.0, 0.0), At(0.0, -width), At(height, -width), At(height, 0.0), At(0.0, 0.0) })
            code.aPoints.append(p);
        code.aTexts.RemoveAll();
        code.aTexts.Add(CString());
        code.aTexts.Add(CString());
        if (code.dMaxLength - code.dMinLength >= kSameLength) {
            code.aTexts[0].Format(L"%s~%s", Centimetres(code.dMinLength * s + outers).GetString(),
                Centimetres(code.dMaxLength * s + outers).GetString());
        }
        const double total = code.dTotalLength * s + (closed ? code.nCount * outers : 0.0);
        code.dTotalLength = total * 2.0 / 1000.0;
        if (!m_bAbutment && std::find(endRecords.begin(), endRecords.end(), r) != endRecords.end())
            code.aTexts[1] = L"0";
    }
}
