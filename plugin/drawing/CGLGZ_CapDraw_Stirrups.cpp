// Where the stirrups of a plan stand: the distances between bar columns that give a stirrup its
// width, and the stirrup positions along the cap, densified at the pier columns.
#include "CGLGZ_CapDraw.h"

#include "RebarRules.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// A step reaching this close to a densification zone counts as reaching it (mm).
constexpr double kZoneReach = 0.01;
// A stirrup spacing below this (mm) would lay out stirrups without end.
constexpr double kLeastSpacing = 1.0;

// The stretch along the cap (drawing units) where the stirrups stand at the densified spacing.
struct DenseZone {
    double from;
    double to;
};

// The spacings of the stirrups and where the densified one applies, in drawing units.
struct StirrupRule {
    double normal = 0.0;
    double dense = 0.0;
    // No usable spacing: only the middle stirrup is laid out.
    bool none = false;
    double reach = 0.0;
    std::vector<DenseZone> zones;

    // 4. The densified spacing where the next step reaches a zone from its left without passing
    // it, or inside a zone; else the normal spacing.
    double StepAt(double w) const
    {
        for (const DenseZone& z : zones) {
            if (w <= z.from && w + dense >= z.from - reach && w + normal < z.to)
                return dense;
            if (z.from <= w && w < z.to)
                return dense;
        }
        return normal;
    }

    // The positions from the start rightward up to the end; the start itself even beyond the
    // end when it is the middle stirrup.
    std::vector<double> StepRight(double start, double end, bool keepStart) const
    {
        std::vector<double> right;
        for (double w = start; w <= end || (keepStart && right.empty()); w += StepAt(w))
            right.push_back(w);
        return right;
    }
};

// 1. - 2. The spacings, a zone length that is not positive taking the middle height, and one
// densification zone a pier column. A spacing of (nearly) nothing would never get anywhere: the
// normal one then lays out the middle stirrup alone, a densified one gives way to the normal one.
StirrupRule RuleOf(const CGLGZ_CapDraw& draw)
{
    const CHLGZ_MoreInfo& more = draw.m_pDesign->GetMoreInfo();
    const double s = draw.m_dScale;
    StirrupRule rule;
    rule.none = more.GetStirrupSpacing() < kLeastSpacing;
    rule.normal = more.GetStirrupSpacing() / s;
    rule.dense = rule.normal;
    if (more.GetDensifyInPierRanges() && more.GetDenseStirrupSpacing() >= kLeastSpacing)
        rule.dense = more.GetDenseStirrupSpacing() / s;
    rule.reach = kZoneReach / s;
    const double height = draw.m_pGeometry->dMiddleHeight / s;
    auto zoneLength = [&](double mm) { return mm > 0.0 ? mm / s : height; };
    const double a = zoneLength(more.GetDenseHalfRangeMiddle());
    const double d = zoneLength(more.GetDenseRangeEdgeOuter());
    const double g = zoneLength(more.GetDenseRangeEdgeInner());
    const int columns = static_cast<int>(draw.m_lines.GetSize()) - 4;
    for (int c = 0; c < columns; ++c) {
        const double xc = draw.m_lines[4 + c].end.x;
        if (c == 0)
            rule.zones.push_back({ xc - d, xc + g });
        else if (c == columns - 1)
            rule.zones.push_back({ xc - g, xc + d });
        else
            rule.zones.push_back({ xc - a, xc + a });
    }
    return rule;
}

// Every position mirrored about the middle put in front (all but the first when the first is
// the middle itself).
void MirrorInFront(const std::vector<double>& right, double middle, bool middleFirst, AcGeDoubleArray& out)
{
    out.setLogicalLength(0);
    const size_t first = middleFirst ? 1 : 0;
    for (size_t i = right.size(); i > first; --i)
        out.append(2.0 * middle - right[i - 1]);
    for (double w : right)
        out.append(w);
}

} // namespace

double CGLGZ_CapDraw::SumColumnSpacings(int i, int j) const
{
    if (i == -1 || j == -1) {
        const CHLGZ_MoreInfo& more = m_pDesign->GetMoreInfo();
        return GetHookLength(more.GetStirrupDiameter(), more.GetStirrupBarType(), 90, 0.0);
    }
    // A column beyond the spacings stands where the last spacing ends.
    double sum = 0.0;
    const int last = std::min(i - 2, m_dSkeletonSpacings.length() - 1);
    for (int k = std::max(j - 1, 0); k <= last; ++k)
        sum += m_dSkeletonSpacings[k];
    return sum;
}

double CGLGZ_CapDraw::StirrupStepAt(double x) const
{
    const StirrupRule rule = RuleOf(*this);
    return rule.none ? 0.0 : rule.StepAt(x);
}

int CGLGZ_CapDraw::LayoutStirrupPositions(const AcGePoint3d& q1, const AcGePoint3d& q2, const AcGePoint3d& q3,
    const AcGePoint3d& q4, AcGeDoubleArray& positions, int lastToEnd) const
{
    // 1. - 2. Spacings and densification zones.
    const StirrupRule rule = RuleOf(*this);
    // 3. The range and its middle.
    const double k = std::max(q1.x, q2.x);
    const double q = std::min(q3.x, q4.x);
    const double m = (k + q) / 2.0;
    if (rule.none) {
        positions.setLogicalLength(0);
        positions.append(m);
        return 1;
    }
    // 5. Layout A: a stirrup at the middle; a square left end of an abutment cap gets one at
    // the end when the last step left more than 0.7 of a spacing.
    std::vector<double> right = rule.StepRight(m, q, true);
    if (m_bAbutment && m_pGeometry->dLeftAngle == 90.0) {
        if (0.7 * rule.normal < std::fabs(right.back() - q))
            right.push_back(q);
        else if (lastToEnd && right.size() > 1)
            right.back() = q;
    }
    AcGeDoubleArray layoutA;
    MirrorInFront(right, m, true, layoutA);
    // 6. Layout B: the middle between two stirrups.
    AcGeDoubleArray layoutB;
    MirrorInFront(rule.StepRight(m + rule.StepAt(m) / 2.0, q, false), m, false, layoutB);
    // 7. B when its first stirrup comes nearer to the left end.
    const bool takeB
        = !m_bHalfDrawing && !layoutB.isEmpty() && std::fabs(layoutB[0] - k) < std::fabs(layoutA[0] - k);
    positions = takeB ? layoutB : layoutA;
    return 1;
}

void CGLGZ_CapDraw::SortPointsByAxis(AcGePoint3dArray& points, int byX, int ascending)
{
    auto key = [&](int i) { return byX ? points[i].x : points[i].y; };
    for (int i = 0; i < points.length(); ++i) {
        for (int j = i + 1; j < points.length(); ++j) {
            if (ascending ? key(i) > key(j) : key(i) < key(j))
                std::swap(points[i], points[j]);
        }
    }
}
