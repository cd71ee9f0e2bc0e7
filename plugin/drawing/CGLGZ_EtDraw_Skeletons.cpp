// Skeleton planning of the normal-section drawing: whether the skeletons may be laid
// symmetrically, how far each rebar column reaches between the skewed ends, and one trimmed face
// per skeleton kind with its bar counts at the end supports and the size table's variables.
#include "CGLGZ_EtDraw.h"

#include "acut.h"
#include "DrawingConstants.h"
#include "RebarRules.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace {

// An axis distance or a bar end at this value or beyond: the bar has no branch on that side.
constexpr double kNoBranch = 99999.0;
constexpr double kSpanTolerance = 0.1;
constexpr double kMirrorTolerance = 0.1;
double Radians(double degrees)
{
    return degrees * kPi / 180.0;
}

bool HasBranch(double distance)
{
    return distance < kNoBranch;
}

// How far a skewed end runs along the cap per unit across it: the end line is x = y cot(a).
// An end along the cap (angle 0, refused before planning) meets no column; it counts as square
// so that no extent becomes infinite.
double EndSlope(double degrees)
{
    const double a = Radians(degrees);
    const double s = std::sin(a);
    return s != 0.0 ? std::cos(a) / s : 0.0;
}

bool IsMirror(const AcGePoint2d& a, const AcGePoint2d& b)
{
    return std::fabs(a.x - b.y) < kMirrorTolerance && std::fabs(a.y - b.x) < kMirrorTolerance;
}

// The greatest left (first point x) or right (last point y) end of the upper bent-up bars of the
// whole elevation that have that end; false when none has.
bool GreatestBarEnd(const CArray<CHLGZ_LUTSteel, const CHLGZ_LUTSteel&>& bars, bool left, double& end)
{
    bool found = false;
    for (INT_PTR i = 0; i < bars.GetSize(); ++i) {
        if (bars[i].GetPoints().isEmpty())
            continue;
        const double value = left ? bars[i].GetPointX(0) : bars[i].GetPointY(-1);
        if (HasBranch(value) && (!found || value > end)) {
            end = value;
            found = true;
        }
    }
    return found;
}

// The greatest left or right axis distance of the upper bent-up bars at one support that have
// that branch; -1 when none has.
double GreatestAxisDistance(const CHLGZ_PoleInfo& support, bool left)
{
    double greatest = -1.0;
    const CArray<CHLGZ_LPTSteel, const CHLGZ_LPTSteel&>& bars = support.GetLPTSteels();
    for (INT_PTR i = 0; i < bars.GetSize(); ++i) {
        const double value = left ? bars[i].GetLeftAxisDistance() : bars[i].GetRightAxisDistance();
        if (HasBranch(value))
            greatest = std::max(greatest, value);
    }
    return greatest;
}

// A bent-up bar at an end support whose branch toward the cap end reaches past the limit loses
// that branch, or the whole record when it has no other; a bar running on over the support stays.
void DropBranchesBeyond(CHLGZ_PoleInfo& support, bool left, double limit)
{
    CArray<CHLGZ_LPTSteel, const CHLGZ_LPTSteel&>& bars = support.GetLPTSteels();
    for (INT_PTR i = bars.GetSize() - 1; i >= 0; --i) {
        CHLGZ_LPTSteel& bar = bars[i];
        const double reach = left ? bar.GetLeftAxisDistance() : bar.GetRightAxisDistance();
        const double other = left ? bar.GetRightAxisDistance() : bar.GetLeftAxisDistance();
        if (bar.GetConnectFlag() || reach <= limit)
            continue;
        if (!HasBranch(other))
            bars.RemoveAt(i);
        else if (left)
            bar.SetAxisDistances(kNoBranch, other);
        else
            bar.SetAxisDistances(other, kNoBranch);
    }
}

int CountBranches(const CHLGZ_PoleInfo& support, bool left)
{
    int n = 0;
    const CArray<CHLGZ_LPTSteel, const CHLGZ_LPTSteel&>& bars = support.GetLPTSteels();
    for (INT_PTR i = 0; i < bars.GetSize(); ++i)
        n += HasBranch(left ? bars[i].GetLeftAxisDistance() : bars[i].GetRightAxisDistance()) ? 1 : 0;
    return n;
}

// The left branches at the first support and the right branches at the last.
std::pair<int, int> EndBranchCounts(const CHLGZ_FaceInfo& face)
{
    const CArray<CHLGZ_PoleInfo, const CHLGZ_PoleInfo&>& supports = face.GetSupports();
    if (supports.IsEmpty())
        return { 0, 0 };
    return { CountBranches(supports[0], true), CountBranches(supports[supports.GetSize() - 1], false) };
}

// The upper bent-up bar of the whole elevation reaching furthest to the left, the first on ties;
// -1 when no bar has a left end.
INT_PTR OutermostUpperBar(const CArray<CHLGZ_LUTSteel, const CHLGZ_LUTSteel&>& bars)
{
    INT_PTR outermost = -1;
    for (INT_PTR i = 0; i < bars.GetSize(); ++i) {
        if (bars[i].GetPoints().isEmpty() || !HasBranch(bars[i].GetPointX(0)))
            continue;
        if (outermost < 0 || bars[i].GetPointX(0) > bars[outermost].GetPointX(0))
            outermost = i;
    }
    return outermost;
}

// The slope of the cap's bottom from the end part up to the middle height; an end part of no
// width rises straight up.
double BottomSlopeAngle(const CBent_BasicGeometry& g)
{
    const double rise = g.dMiddleHeight - g.dLeftEndHeight;
    return g.dLeftWidth != 0.0 ? std::atan(rise / g.dLeftWidth) : std::atan2(rise, 0.0);
}

// The end allowance: the weld's reach along the bent leg (the weld length itself at an abutment
// cap, else as it stands on the bottom's slope) less what the bar's thickness gives back at the
// bend. A bend angle outside 0° to 180° bends nothing to allow for: the weld length alone.
double EndAllowance(const CHLGZ_MoreInfo& more, const CBent_BasicGeometry& g, int abutment, double weld)
{
    if (more.GetBendAngle() <= 0 || more.GetBendAngle() >= 180)
        return weld;
    const double e = Radians(more.GetBendAngle());
    const double outer = GetRebarOuterDiameter(more.GetSkeletonDiameter(), more.GetSkeletonBarType());
    const double o = abutment ? weld : weld * std::sin(kPi - BottomSlopeAngle(g) - e) / std::sin(e);
    return o - outer / std::tan(e);
}

// How much comes off every skeleton's left (or right) end so that the longest column ends where
// the outermost upper bent-up bar ends; -1 (nothing) without such a bar or when a bar at the end
// support reaches further.
double EndCut(const CHLGZ_FaceInfo& main, const AcGePoint2dArray& extents, bool left)
{
    double reach = 0.0;
    if (!GreatestBarEnd(main.GetLUTSteels(), left, reach))
        return -1.0;
    const CArray<CHLGZ_PoleInfo, const CHLGZ_PoleInfo&>& supports = main.GetSupports();
    if (!supports.IsEmpty()
        && GreatestAxisDistance(supports[left ? 0 : supports.GetSize() - 1], left) > reach)
        return -1.0;
    double longest = 0.0;
    for (int i = 0; i < extents.length(); ++i) {
        const double extent = left ? extents[i].x : extents[i].y;
        longest = i == 0 ? extent : std::max(longest, extent);
    }
    return longest - reach;
}

} // namespace

int CGLGZ_EtDraw::CheckSymmetry()
{
    const CBent_BasicGeometry& g = *m_pGeometry;
    // 1. End angles.
    if (g.dLeftAngle != g.dRightAngle) {
        acutPrintf(L"因为两侧角度不一致，骨架不能对称布置！\n");
        return 0;
    }
    // 2. End heights.
    if (g.dLeftEndHeight != g.dRightEndHeight) {
        acutPrintf(L"因为两侧端部高度不一致，骨架不能对称布置！\n");
        return 0;
    }
    // 3. End-part widths.
    if (g.dLeftWidth != g.dRightWidth) {
        acutPrintf(L"因为两侧变高段宽度不一致，骨架不能对称布置！\n");
        return 0;
    }
    // 4. The spans, the one left between the last two supports included, read the same from
    // both ends.
    const AcGeDoubleArray& s = m_pDesign->GetSupportDistances();
    const int n = s.length();
    if (n > 2) {
        std::vector<double> spans(s.begin(), s.end() - 1);
        double rest = g.dLength - 2.0 * g.dLeftWidth;
        for (double d : s)
            rest -= d;
        spans.push_back(rest);
        spans.push_back(s[n - 1]);
        for (int k = 0; k < (n + 1) / 2; ++k) {
            if (!(std::fabs(spans[k] - spans[n - k]) < kSpanTolerance)) {
                acutPrintf(L"因为墩柱间距不对称，骨架不能对称布置！\n");
                return 0;
            }
        }
    }
    return 1;
}

int CGLGZ_EtDraw::MeasureSkeletonColumns()
{
    const CBent_BasicGeometry& g = *m_pGeometry;
    const AcGeDoubleArray& s = m_pDesign->GetSupportDistances();
    const int columns = m_bSkeletonColumn.length();
    // 1. The skewed ends: x = y cot(aL) at the left, x = L + y cot(aR) at the right.
    const double left = EndSlope(g.dLeftAngle);
    const double right = EndSlope(g.dRightAngle);
    // 2. The axes of the first and the last support.
    const double first = s.isEmpty() ? 0.0 : s.first();
    const double xF = first + (m_bAbutment ? 0.0 : g.dLeftWidth);
    const double xG = s.length() > 1 ? g.dLength - s.last() - (m_bAbutment ? 0.0 : g.dRightWidth) : xF;
    // 3. Each rebar column across the cap, from the side cover on, reaching from the left end to
    // the first axis and from the last axis to the right end.
    std::vector<double> ys;
    m_ptsColumnExtents.removeAll();
    double y = -g.dWidth * 0.5 + m_pDesign->GetSideCover();
    for (int i = 0; i < columns; ++i) {
        if (i > 0 && i - 1 < m_dSkeletonSpacings.length())
            y += m_dSkeletonSpacings[i - 1];
        ys.push_back(y);
        m_ptsColumnExtents.append(AcGePoint2d(xF - y * left, g.dLength + y * right - xG));
    }
    // 4. The middle column: the skeleton column nearest the cap axis, the first on ties. Column 0
    // stands in only while no skeleton column is found, so that a skeleton exists to show.
    m_nSkeleton = 0;
    bool found = columns > 0 && m_bSkeletonColumn[0] != 0;
    for (int i = 1; i < columns; ++i) {
        if (m_bSkeletonColumn[i] && (!found || std::fabs(ys[i]) < std::fabs(ys[m_nSkeleton]))) {
            m_nSkeleton = i;
            found = true;
        }
    }
    // 5. Kinds: each skeleton column its own, or with symmetric skeletons that of the first earlier
    // skeleton kind whose extents are its mirror.
    m_nColumnKinds.removeAll();
    for (int i = 0; i < columns; ++i) {
        int kind = m_bSkeletonColumn[i] ? i : -1;
        for (int j = 0; kind == i && m_bSymmetric && j < i; ++j)
            if (m_nColumnKinds[j] == j && IsMirror(m_ptsColumnExtents[i], m_ptsColumnExtents[j]))
                kind = j;
        m_nColumnKinds.append(kind);
    }
    return 1;
}

int CGLGZ_EtDraw::PlanSkeletons()
{
    const CBent_BasicGeometry& g = *m_pGeometry;
    const CHLGZ_MoreInfo& more = m_pDesign->GetMoreInfo();
    const CHLGZ_FaceInfo& main = m_pDesign->GetMainFace();
    const int columns
        = std::min({ m_bSkeletonColumn.length(), m_nColumnKinds.length(), m_ptsColumnExtents.length() });
    const auto isKindOfItsOwn = [&](int i) { return m_bSkeletonColumn[i] != 0 && m_nColumnKinds[i] == i; };
    // 1. What the weld and the bend of a bent-up bar take from a skeleton's end.
    const double allowance = EndAllowance(more, g, m_bAbutment, m_dWeldLength);
    // 2. With the ends trimmed, the skeletons end where the outermost upper bent-up bar ends,
    // unless a bar at the end support reaches further; a reach not found cuts nothing.
    double cutL = -1.0;
    double cutR = -1.0;
    const int trim = more.GetOuterUpperFixed();
    if (trim) {
        cutL = EndCut(main, m_ptsColumnExtents, true);
        cutR = EndCut(main, m_ptsColumnExtents, false);
    }
    // 3. One face a kind: the main face with the branches at the end supports that do not fit the
    // kind's ends dropped, and the outermost upper bent-up bar cut to those ends.
    m_faces.RemoveAll();
    for (int i = 0; i < columns; ++i) {
        if (!isKindOfItsOwn(i))
            continue;
        AcGePoint2d extents = m_ptsColumnExtents[i];
        if (cutL > 0.0)
            extents.x -= cutL;
        if (cutR > 0.0)
            extents.y -= cutR;
        CHLGZ_FaceInfo face = main;
        CArray<CHLGZ_PoleInfo, const CHLGZ_PoleInfo&>& supports = face.GetSupports();
        if (!supports.IsEmpty()) {
            DropBranchesBeyond(supports[0], true, extents.x - allowance);
            DropBranchesBeyond(supports[supports.GetSize() - 1], false, extents.y - allowance);
        }
        const INT_PTR outermost = trim ? OutermostUpperBar(face.GetLUTSteels()) : -1;
        if (outermost >= 0) {
            CHLGZ_LUTSteel& bar = face.GetLUTSteels()[outermost];
            if (cutL > 0.0)
                bar.SetPointX(0, extents.x);
            if (cutR > 0.0 && HasBranch(bar.GetPointY(-1)))
                bar.SetPointY(-1, extents.y);
            m_nTrimmedBar = bar.GetTag();
        }
        m_faces.Add(face);
    }
    // 4. Kind numbers in column order; a mirrored column takes its counterpart's.
    AcGeIntArray kinds;
    int next = 0;
    for (int i = 0; i < columns; ++i) {
        const int representative = m_nColumnKinds[i];
        if (!m_bSkeletonColumn[i] || representative < 0 || representative > i)
            kinds.append(-1);
        else
            kinds.append(representative == i ? next++ : kinds[representative]);
    }
    m_nColumnKinds = kinds;
    // 5. The kind of the middle column is the one the main views show.
    if (m_nSkeleton < 0 || m_nSkeleton >= columns) {
        acutPrintf(L"出现内部错误0607310932\n");
        m_nSkeleton = columns / 2;
    }
    m_ptMiddleExtents = AcGePoint2d();
    if (m_nSkeleton < columns) {
        const AcGePoint2d& middle = m_ptsColumnExtents[m_nSkeleton];
        m_ptMiddleExtents = AcGePoint2d(middle.x - (m_bAbutment ? 0.0 : g.dLeftWidth),
            middle.y - (m_bAbutment ? 0.0 : g.dRightWidth));
        m_nSkeleton = m_nColumnKinds[m_nSkeleton];
    } else {
        m_nSkeleton = -1;
    }
    // 6. Kinds with the same number of branches at both end supports share one detail, named by
    // the first kind of the group.
    std::vector<std::pair<int, int>> counts;
    m_nKindGroups.removeAll();
    m_nGroups = 0;
    for (INT_PTR k = 0; k < m_faces.GetSize(); ++k) {
        const std::pair<int, int> count = EndBranchCounts(m_faces[k]);
        const auto same = std::find(counts.begin(), counts.end(), count);
        if (same == counts.end()) {
            m_nKindGroups.append(static_cast<int>(k));
            ++m_nGroups;
        } else {
            m_nKindGroups.append(m_nKindGroups[static_cast<int>(same - counts.begin())]);
        }
        counts.push_back(count);
    }
    // 7. The size table's variables, no value for any kind yet.
    for (const wchar_t* name : kSkeletonVariableNames) {
        CGLGZ_Var var;
        var.SetName(name);
        for (INT_PTR k = 0; k < m_faces.GetSize(); ++k)
            var.GetValues().append(-1.0);
        m_vars.Add(var);
    }
    return 1;
}
