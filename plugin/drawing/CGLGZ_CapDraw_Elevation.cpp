// The elevation steps both drawings share: the cap's dimensions in the section view, the stirrup
// lines at the plan's stirrup positions with their spacings, the side-bar rows with their leader
// fans, and the line-entity intersections and the leader fan they are built with.
#include "CGLGZ_CapDraw.h"

#include "AcDbLine.h"
#include "AcDbServices.h"
#include "CException.h"
#include "DrawingConstants.h"
#include "MavUtils.h"
#include "RebarRules.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <vector>

namespace {

// A side-bar row is a bar on either side face of the cap.
constexpr int kSideFaces = 2;

AcGePoint3d Raised(const AcGePoint3d& p, double h) { return At(p.x, p.y + h); }

// The height of the segment a-b at x, extended; a's height for an upright segment.
double HeightAtX(const AcGePoint3d& a, const AcGePoint3d& b, double x)
{
    if (std::fabs(b.x - a.x) < 1e-12)
        return a.y;
    return a.y + (x - a.x) * (b.y - a.y) / (b.x - a.x);
}

// How far inside an end a dot stands so that it touches the end: its radius measured square to
// the skewed end.
double DotInset(double degrees)
{
    const double s = std::sin(degrees * kDegree);
    return std::fabs(s) > 1e-9 ? kDotRadius / std::fabs(s) : kDotRadius;
}

} // namespace

int CGLGZ_CapDraw::IntersectLineWithEntities(
    const AcGePoint3d& p1, const AcGePoint3d& p2, const AcDbObjectIdArray& ids, AcGePoint3dArray& points)
{
    AcDbLine line(p1, p2);
    for (int i = 0; i < ids.length(); ++i) {
        AcDbEntity* entity = nullptr;
        if (ids[i].isNull() || acdbOpenAcDbEntity(entity, ids[i], AcDb::kForRead) != Acad::eOk)
            continue;
        line.intersectWith(entity, AcDb::kExtendThis, points);
        entity->close();
    }
    return points.length();
}

int CGLGZ_CapDraw::FindEdgeIntersection(const AcGePoint3d& p1, const AcGePoint3d& p2, const AcDbObjectIdArray& ids,
    int byX, int largest, AcGePoint3d& point)
{
    AcGePoint3dArray points;
    if (IntersectLineWithEntities(p1, p2, ids, points) == 0)
        return 0;
    point = FindExtremePoint(points, byX, largest);
    return 1;
}

int CGLGZ_CapDraw::DrawLeaderFan(
    AcGePoint3d& centre, const AcGePoint3dArray& points, double /*unused*/, double a, double b, double r)
{
    const int n = points.length();
    if (n <= 1)
        return 0;
    MavUtils::selectLayer(L"08-标注");
    const AcGePoint3d p0 = points[0];
    const AcGePoint3d pl = points[n - 1];
    // 1. The base line beside the row.
    AcGePoint3d pa = PointAlongRotatedLine(p0, pl, a, kQuarterTurn);
    AcGePoint3d pb = PointAlongRotatedLine(pl, p0, a, -kQuarterTurn);
    // 2. The feet of the middle pair on it.
    const int i1 = n < 4 ? 1 : n / 2 - 1;
    const int i2 = n < 4 ? 0 : n / 2;
    const AcGeVector3d square = pa - p0;
    auto foot = [&](const AcGePoint3d& p) { return IntersectLines(p, p + square, pa, pb, 1, 1); };
    const double half = foot(points[i1]).distanceTo(foot(points[i2])) / 2.0;
    // 3. Shortened by half of their distance at each end.
    const AcGePoint3d a0 = pa;
    pa = PointAlongLine(pa, pb, half);
    pb = PointAlongLine(pb, a0, half);
    if (n > 2)
        DrawLine(pa, pb);
    const AcGePoint3d e = MidPoint(pa, pb);
    // 4. The middle point of an odd row straight to the middle.
    if (n % 2 == 1)
        DrawLine(points[n / 2], e);
    // 5. The others along their half's outer leader, converging on the base line.
    std::vector<AcGePoint3d> ends(n, e);
    for (int i = 0; i < n; ++i) {
        if (n % 2 == 1 && i == n / 2)
            continue;
        const bool firstHalf = i < n / 2;
        const AcGePoint3d& p = points[i];
        if (n < 3) {
            ends[i] = pa;
        } else {
            const AcGeVector3d along = firstHalf ? pa - p0 : pb - pl;
            ends[i] = IntersectLines(p, p + along, pa, pb, 1, 1);
        }
        DrawLine(p, ends[i]);
    }
    // 6. The tail, square to the base line.
    const AcGePoint3d t0 = n % 2 == 1 ? e : MidPoint(ends[i1], ends[i2]);
    AcGePoint3d toward = pa;
    if (n == 2)
        toward = pa + (p0 - pl);
    const AcGePoint3d t1 = PointAlongRotatedLine(t0, toward, b, -kQuarterTurn);
    DrawLine(t0, t1);
    // 7. The circle beyond the tail.
    centre = PointAlongLine(t1, t0, -r);
    DrawCircle(centre, r);
    return 1;
}

double CGLGZ_CapDraw::ElevationMiddle() const { return (m_lines[2].end.x + m_lines[3].end.x) / 2.0; }

void CGLGZ_CapDraw::DrawElevationDimensions(const ElevationStyle& style)
{
    SelectDimStyle(m_dScale);
    const double lh = m_pGeometry->dLHeight / m_dScale;
    const AcGePoint3d p2s = m_lines[2].start, p2e = m_lines[2].end, p3s = m_lines[3].start;
    const AcGePoint3d q = At(p2s.x, m_lines[0].end.y);
    // 1. The height at the left end.
    const double* h = style.heightWithEnds;
    if (m_bAbutment)
        h = m_bHalfDrawing ? style.heightAbutmentHalf : style.heightAbutment;
    DrawDimension(p2s, q, h[0], h[1], nullptr, L"");
    // 2. The end height and the rise of the bottom to the middle part; the L part's height.
    if (!m_bAbutment) {
        DrawDimension(p2s, p2e, 0.0, -4.0, nullptr, L"");
        DrawDimension(q, p2e, 0.0, -4.0, nullptr, L"");
    }
    if (style.lPartHeight && lh > 0.0)
        DrawDimension(Raised(p2s, lh), p2s, 0.0, -4.0, nullptr, L"");
    // 3. The overall length over the top, up to the middle of a half drawing; measured at the
    // column centre lines where the ends are skewed differently.
    const AcGePoint3d end = m_bHalfDrawing ? At(ElevationMiddle(), p3s.y) : p3s;
    const bool sameAngles = m_pGeometry->dLeftAngle == m_pGeometry->dRightAngle;
    const wchar_t* text = sameAngles ? L"<>" : L"墩柱中心线处：<>";
    if (style.lengthAboveLPart)
        DrawDimension(p2s, end, lh + 1.0, 8.0, nullptr, text);
    else
        DrawDimension(p2s, end, 1.0, 8.0 + lh, nullptr, text);
    // 4. The pier columns' spacing along the bottom.
    DrawColumnSpacingChain();
}

// The chain from the left end over every column to the right end, under the cap; the outer
// spans nearer the cap than those between the columns. A half drawing stops at its middle,
// a column on the middle included.
void CGLGZ_CapDraw::DrawColumnSpacingChain()
{
    const int n = static_cast<int>(m_lines.GetSize());
    const double xm = ElevationMiddle();
    if (n < 5) {
        const AcGePoint3d right = m_bHalfDrawing ? At(xm, m_lines[1].end.y) : m_lines[1].end;
        DrawDimension(m_lines[0].end, right, -4.0, -6.0, nullptr, L"");
        return;
    }
    const double y = m_lines[4].end.y;
    int last = n - 1;
    if (m_bHalfDrawing) {
        last = 4;
        while (last + 1 < n && m_lines[last + 1].end.x <= xm + kOnMiddle)
            ++last;
    }
    // Beside the end parts' widths the outer spans join the chain's line rather than write over
    // their texts.
    const double outer[2] = { m_bAbutment ? 0.0 : -4.0, m_bAbutment ? -4.0 : -6.0 };
    DrawDimension(At(m_lines[2].end.x, y), m_lines[4].end, outer[0], outer[1], nullptr, L"");
    for (int i = 4; i < last; ++i)
        DrawDimension(m_lines[i].end, m_lines[i + 1].end, -4.0, -6.0, nullptr, L"");
    if (!m_bHalfDrawing)
        DrawDimension(m_lines[last].end, At(m_lines[3].end.x, y), outer[0], outer[1], nullptr, L"");
    else if (m_lines[last].end.x < xm - kOnMiddle)
        DrawDimension(m_lines[last].end, At(xm, y), -4.0, -6.0, nullptr, L"");
}

AcGeDoubleArray CGLGZ_CapDraw::ElevationStirrupPositions() const
{
    std::vector<double> xs;
    for (const AcGeDoubleArray* list : { &m_dLeftEndStirrups, &m_dStirrupPositions, &m_dRightEndStirrups }) {
        for (int i = 0; i < list->length(); ++i)
            xs.push_back((*list)[i]);
    }
    std::sort(xs.begin(), xs.end());
    // The stirrup on the middle of a half drawing is drawn, whatever rounding put it beside it.
    const double limit = ElevationMiddle() + 1.0 / m_dScale;
    AcGeDoubleArray out;
    for (double x : xs) {
        if (!m_bHalfDrawing || x <= limit)
            out.append(x);
    }
    return out;
}

int CGLGZ_CapDraw::StirrupLevelsAt(double x, double& top, double& bottom) const
{
    const double s = m_dScale;
    // The top-plate bar runs the top cover under the top edge, which rises to the crown.
    const AcGePoint3d& left = m_lines[2].start;
    const AcGePoint3d& right = m_lines[3].start;
    const AcGePoint3d& crown = m_ptOutlineOrigin;
    double t = x <= crown.x ? HeightAtX(left, crown, x) : HeightAtX(crown, right, x);
    t -= m_pDesign->GetTopCover() / s;
    const double b = BottomBarLevelAt(x);
    if (b >= t)
        return 0;
    const CHLGZ_MoreInfo& more = m_pDesign->GetMoreInfo();
    const double outers = GetRebarOuterDiameter(more.GetSkeletonDiameter(), more.GetSkeletonBarType())
        + GetRebarOuterDiameter(more.GetStirrupDiameter(), more.GetStirrupBarType());
    top = t + outers / (2.0 * s);
    bottom = b - outers / (2.0 * s);
    return 1;
}

// The bar shapes' rule: the bottom cover over the middle part's underside, and along each end
// part's bottom the parallel moved the bottom cover (square to the skewed end) along the cap.
// The drawn bar is not read: the skeleton details shape bars of their own after it.
double CGLGZ_CapDraw::BottomBarLevelAt(double x) const
{
    const double cover = m_pDesign->GetBottomCover() / m_dScale;
    double y = m_lines[0].end.y + cover;
    if (m_bAbutment)
        return y;
    auto along = [&](const LineInfo& l, double degrees, double side) {
        const double length = l.start.distanceTo(l.end);
        const double rise = length > 0.0 ? (l.start.y - l.end.y) / length : 0.0;
        const double sine = std::sin(degrees * kDegree);
        if (rise <= 1e-12 || std::fabs(sine) <= 1e-12)
            return y;
        const double shift = side * cover / std::fabs(sine) / rise;
        return HeightAtX(l.start, l.end, x - shift);
    };
    y = std::max(y, along(m_lines[0], m_pGeometry->dLeftAngle, 1.0));
    return std::max(y, along(m_lines[1], m_pGeometry->dRightAngle, -1.0));
}

double CGLGZ_CapDraw::StirrupHeightAt(double x) const
{
    double top = 0.0;
    double bottom = 0.0;
    if (!StirrupLevelsAt(x, top, bottom))
        return 0.0;
    return (top - bottom) * m_dScale;
}

// 5. - 6. A line a stirrup between its levels, then the spacings from the left end over every
// stirrup to the right end (to the middle of a half drawing) over the cap.
void CGLGZ_CapDraw::DrawElevationStirrups()
{
    const AcGeDoubleArray xs = ElevationStirrupPositions();
    MavUtils::selectLayer(L"04-钢筋");
    for (int i = 0; i < xs.length(); ++i) {
        double top = 0.0;
        double bottom = 0.0;
        if (StirrupLevelsAt(xs[i], top, bottom))
            DrawLine(At(xs[i], bottom), At(xs[i], top));
    }
    if (xs.isEmpty())
        return;
    const double y = m_lines[2].start.y;
    AcGePoint2dArray row;
    row.append(AcGePoint2d(m_lines[2].end.x, y));
    for (int i = 0; i < xs.length(); ++i)
        row.append(AcGePoint2d(xs[i], y));
    if (!m_bHalfDrawing)
        row.append(AcGePoint2d(m_lines[3].end.x, y));
    const CBent_BasicGeometry& g = *m_pGeometry;
    const double lh = g.dLHeight / m_dScale;
    const bool squareAbutment = m_bAbutment && g.dLeftAngle == 90.0 && g.dRightAngle == 90.0;
    // The first text goes off the chain when the end run is too short for it, as it is at a
    // skewed end, rather than write over the next.
    const int lastAside = !m_bHalfDrawing && m_bAbutment && g.dRightAngle == 90.0 ? 1 : 0;
    const AcGePoint2d cut(ElevationMiddle(), y);
    SelectDimStyle(m_dScale);
    DrawRebarCallout2d(
        row, lh + (squareAbutment ? 0.0 : 2.0), 4.0, 1, 10 + lastAside, m_bHalfDrawing ? &cut : nullptr, 0);
    // 7. The end parts' stirrups over the bent bars.
    DrawEndPartStirrupHeights();
}

void CGLGZ_CapDraw::DrawEndPartStirrupHeights()
{
    DrawEndPartStirrupHeights(m_dLeftEndStirrups, 1.0);
    // The right end part of a half drawing lies beyond its cut.
    if (!m_bHalfDrawing)
        DrawEndPartStirrupHeights(m_dRightEndStirrups, -1.0);
}

// Each position's stirrup runs between the top-plate and the bottom-plate bar; the shortest and
// the longest are dimensioned on their own lines, the dimension line 3 toward the cap's middle.
// A bottom that does not rise over the end part gives one height, and no dimension.
void CGLGZ_CapDraw::DrawEndPartStirrupHeights(const AcGeDoubleArray& positions, double inward)
{
    constexpr double kTextSize = 3.0;
    constexpr double kSameHeight = 1e-6;
    int shortest = -1;
    int longest = -1;
    double least = 0.0;
    double most = 0.0;
    AcGePoint3dArray tops;
    AcGePoint3dArray bottoms;
    for (int i = 0; i < positions.length(); ++i) {
        double top = 0.0;
        double bottom = 0.0;
        if (!StirrupLevelsAt(positions[i], top, bottom))
            continue;
        tops.append(At(positions[i], top));
        bottoms.append(At(positions[i], bottom));
        const double h = top - bottom;
        if (shortest < 0 || h < least) {
            least = h;
            shortest = tops.length() - 1;
        }
        if (longest < 0 || h > most) {
            most = h;
            longest = tops.length() - 1;
        }
    }
    if (shortest < 0 || most - least < kSameHeight)
        return;
    SelectDimStyle(m_dScale);
    for (int i : { shortest, longest })
        DrawDimension(bottoms[i], tops[i], 0.0, inward * kTextSize, nullptr, L"");
}

void CGLGZ_CapDraw::AddSideBarLengths(int bars, double drawn)
{
    if (m_nGroupedMarks <= 0 || m_nGroupedMarks >= m_steelCodes.GetSize())
        return;
    CHLGZ_SteelCode& mark = m_steelCodes[m_nGroupedMarks];
    const double hook = GetHookLength(mark.nDiameter, mark.nBarType, 90, 0.0);
    const double length = (drawn * m_dScale - 2.0 * m_pDesign->GetEndCover() + 2.0 * hook) / 1000.0;
    for (int i = 0; i < bars; ++i)
        mark.AddLength(length);
}

void CGLGZ_CapDraw::CountSideBars(int bars)
{
    if (m_nGroupedMarks <= 0 || m_nGroupedMarks >= m_steelCodes.GetSize())
        return;
    CHLGZ_SteelCode& mark = m_steelCodes[m_nGroupedMarks];
    mark.nCount += bars;
    mark.dAverageLength = mark.nCount > 0 ? mark.dTotalLength / mark.nCount : 0.0;
}

AcGeDoubleArray CGLGZ_CapDraw::ElevationSideBarLevels() const
{
    AcGeDoubleArray levels;
    const AcGeDoubleArray& spacings = m_pDesign->GetMoreInfo().GetSideSpacings();
    double y = m_lines[2].start.y - m_pDesign->GetTopCover() / m_dScale;
    // The last spacing ends on the bottom-plate bar, which is no side bar.
    for (int i = 0; i + 1 < spacings.length(); ++i) {
        y -= spacings[i] / m_dScale;
        levels.append(y);
    }
    return levels;
}

// 8. - 10. Each row from end to end of the outline (to the cut of a half drawing) with a dot
// inside each end; the rows under the middle of the height are numbered by a fan at their left
// ends, those over it (whole drawing) at their right ends. The rows' spacings stand beside the
// right end (the left end of a half drawing), beyond the fan there, and an arrow marks each row
// where the spacings' extension line starts.
void CGLGZ_CapDraw::DrawSideBarRows()
{
    const AcGeDoubleArray levels = ElevationSideBarLevels();
    if (levels.isEmpty())
        return;
    const CBent_BasicGeometry& g = *m_pGeometry;
    const double top = m_lines[2].start.y;
    const double bottom = m_lines[0].end.y;
    const double middle = (top + bottom) / 2.0;
    const double xm = ElevationMiddle();
    AcDbObjectIdArray outline;
    outline.append(m_idOutline);
    AcGePoint3dArray lower;
    AcGePoint3dArray upper;
    AcGeDoubleArray rows;
    for (int i = 0; i < levels.length(); ++i) {
        const double y = levels[i];
        AcGePoint3d left;
        AcGePoint3d right = At(xm, y);
        if (!FindEdgeIntersection(At(xm, y), At(xm + 1.0, y), outline, 1, 0, left))
            continue;
        // A half drawing's rows run on through its cut, where they have no end.
        if (!m_bHalfDrawing && !FindEdgeIntersection(At(xm, y), At(xm + 1.0, y), outline, 1, 1, right))
            continue;
        if (right.x <= left.x)
            continue;
        rows.append(y);
        // A half drawing's row is half of the bar, whose other half is its mirror image.
        AddSideBarLengths(kSideFaces, (right.x - left.x) * (m_bHalfDrawing ? 2.0 : 1.0));
        MavUtils::selectLayer(L"04-钢筋");
        DrawLine(left, right);
        const AcGePoint3d leftDot = At(left.x + DotInset(g.dLeftAngle), y);
        DrawSolidDot(leftDot, kDotRadius);
        if (y < middle)
            lower.append(leftDot);
        if (!m_bHalfDrawing) {
            const AcGePoint3d rightDot = At(right.x - DotInset(g.dRightAngle), y);
            DrawSolidDot(rightDot, kDotRadius);
            if (y >= middle)
                upper.append(rightDot);
        }
    }
    CountSideBars(kSideFaces * rows.length());
    // 9. The fans with the side bars' number.
    CString number;
    if (m_nGroupedMarks > 0 && m_nGroupedMarks < m_steelCodes.GetSize())
        number.Format(L"%d", m_steelCodes[m_nGroupedMarks].nNumber);
    DrawSideBarFan(lower, -2.0, -1.5, number);
    DrawSideBarFan(upper, 2.0, 1.5, number);
    // 10. The rows' spacings from the top over the plate bars to the bottom, and the arrows.
    const double side = m_bHalfDrawing ? -1.0 : 1.0;
    const AcGePoint3dArray& fan = m_bHalfDrawing ? lower : upper;
    const double x = (m_bHalfDrawing ? m_lines[2].start.x : m_lines[3].start.x) + side * SideBarFanReach(fan);
    const double offset = (m_bAbutment ? 3.0 : 2.0) * side;
    const double textOffset = (m_bAbutment ? 9.0 : 5.0) * side;
    AcGePoint2dArray chain;
    chain.append(AcGePoint2d(x, top));
    chain.append(AcGePoint2d(x, top - m_pDesign->GetTopCover() / m_dScale));
    MavUtils::selectLayer(L"08-标注");
    for (int i = 0; i < rows.length(); ++i) {
        chain.append(AcGePoint2d(x, rows[i]));
        InsertMarkBlock(At(x + offset, rows[i]), 2.0, 270.0, m_idLeaderArrow);
    }
    chain.append(AcGePoint2d(x, bottom + m_pDesign->GetBottomCover() / m_dScale));
    chain.append(AcGePoint2d(x, bottom));
    SelectDimStyle(m_dScale);
    DrawRebarCallout2d(chain, offset, textOffset, 0, 11, nullptr, 0);
}

// How far a fan over the dots reaches out of the view: its leaders, tail and circle.
double CGLGZ_CapDraw::SideBarFanReach(const AcGePoint3dArray& dots) const
{
    return dots.isEmpty() ? 0.0 : 2.0 + 1.5 + 2.0 * m_dMarkRadius;
}

// A fan over the dots (a single dot gets one straight leader the same way out) and the number
// in its circle.
void CGLGZ_CapDraw::DrawSideBarFan(const AcGePoint3dArray& dots, double a, double b, const CString& number)
{
    if (dots.isEmpty())
        return;
    AcGePoint3d centre;
    if (dots.length() == 1) {
        MavUtils::selectLayer(L"08-标注");
        const AcGePoint3d& p = dots[0];
        const AcGePoint3d t1 = At(p.x + a + b, p.y);
        DrawLine(p, t1);
        centre = At(t1.x + (a < 0.0 ? -m_dMarkRadius : m_dMarkRadius), p.y);
        DrawCircle(centre, m_dMarkRadius);
    } else {
        DrawLeaderFan(centre, dots, 0.0, a, b, m_dMarkRadius);
    }
    if (number.IsEmpty())
        return;
    AcDbObjectId id;
    m_entityLib.createText(centre, number, L"DM", m_dLabelHeight, m_dWidthFactor, 0.0, id);
}

int CGLGZ_CapDraw::DrawElevationWith(const ElevationStyle& style)
{
    try {
        // 1. - 4. The dimensions.
        DrawElevationDimensions(style);
        // 5. - 7. The stirrups.
        DrawElevationStirrups();
        // 8. - 10. The side bars.
        DrawSideBarRows();
        // 11. The stirrups' heights and lengths.
        SettleStirrupLengths();
    } catch (const std::out_of_range&) {
        return 1;
    } catch (const CInvalidArgException&) {
        return 1;
    }
    return 1;
}
