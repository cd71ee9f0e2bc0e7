// The level and hit searches with which a bar is placed against the bars placed before it, and
// the trimming of short end legs. The bars are segments given by two point lists of one length.
#include "CGLGZ_CapDraw.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kSameX = 1e-9;

// The number of segments: the pairs that both lists hold.
int SegmentCount(const AcGePoint3dArray& lefts, const AcGePoint3dArray& rights)
{
    return std::min(lefts.length(), rights.length());
}

// A vertical segment gives no level.
bool HasWidth(const AcGePoint3d& a, const AcGePoint3d& b) { return std::fabs(a.x - b.x) > kSameX; }

// Removes the points [from, from + count) of a list and the radii beside them that exist.
void RemovePoints(AcGePoint3dArray& points, AcGeDoubleArray& radii, int from, int count)
{
    for (int i = 0; i < count; ++i) {
        if (from < points.length())
            points.removeAt(from);
        if (from < radii.length())
            radii.removeAt(from);
    }
}

double SegmentLength(const AcGePoint3dArray& points, int i) { return points[i].distanceTo(points[i + 1]); }

// The end legs of one list: the last two points go when the last leg is inclined and the piece
// before it short; only then the first two, on the same test at the start.
void TrimList(AcGePoint3dArray& points, AcGeDoubleArray& radii, double limit)
{
    if (points.length() <= 3)
        return;
    const int last = points.length() - 1;
    if (points[last].y == points[last - 1].y || SegmentLength(points, last - 2) > limit)
        return;
    RemovePoints(points, radii, last - 1, 2);
    if (points.length() < 3 || points[0].y == points[1].y || SegmentLength(points, 1) > limit)
        return;
    RemovePoints(points, radii, 0, 2);
}

} // namespace

int CGLGZ_CapDraw::FindLevelOnBars(
    const AcGePoint3dArray& lefts, const AcGePoint3dArray& rights, AcGePoint3d& point, int highest)
{
    AcGePoint3dArray hits;
    for (int i = 0; i < SegmentCount(lefts, rights); ++i) {
        const AcGePoint3d& a = lefts[i];
        const AcGePoint3d& b = rights[i];
        if (!HasWidth(a, b) || point.x < std::min(a.x, b.x) || point.x > std::max(a.x, b.x))
            continue;
        const double t = (point.x - a.x) / (b.x - a.x);
        hits.append(AcGePoint3d(point.x, a.y + t * (b.y - a.y), 0.0));
    }
    if (hits.isEmpty())
        return 0;
    point = FindExtremePoint(hits, 0, highest);
    return 1;
}

int CGLGZ_CapDraw::FindLevelOverRange(
    const AcGePoint3dArray& lefts, const AcGePoint3dArray& rights, AcGePoint3d& a, AcGePoint3d& b, int highest)
{
    bool found = false;
    double level = 0.0;
    for (int i = 0; i < SegmentCount(lefts, rights); ++i) {
        const AcGePoint3d& left = lefts[i];
        const AcGePoint3d& right = rights[i];
        if (!HasWidth(left, right) || std::min(left.x, right.x) > b.x || std::max(left.x, right.x) < a.x)
            continue;
        if (!found || (highest ? left.y > level : left.y < level))
            level = left.y;
        found = true;
    }
    if (!found)
        return 0;
    a.y = level;
    b.y = level;
    return 1;
}

int CGLGZ_CapDraw::FindLineHitOnBars(
    const AcGePoint3dArray& lefts, const AcGePoint3dArray& rights, const AcGePoint3d& a, AcGePoint3d& b, int highest)
{
    AcGePoint3dArray hits;
    for (int i = 0; i < SegmentCount(lefts, rights); ++i) {
        int found = 0;
        // The plate bar, placed first, stands for the whole face: it is met beyond its ends too.
        const AcGePoint3d hit = IntersectLines(a, b, lefts[i], rights[i], 1, i == 0 ? 1 : 0, &found);
        if (found)
            hits.append(hit);
    }
    if (hits.isEmpty())
        return 0;
    b = FindExtremePoint(hits, 0, highest);
    return 1;
}

int CGLGZ_CapDraw::TrimShortBarEnds(CHLGZ_BASSteel* bar) const
{
    if (bar == nullptr)
        return 0;
    const double limit = 2.0 * m_pDesign->GetMoreInfo().GetSkeletonDiameter() / m_dScale;
    TrimList(bar->GetFirstPoints(), bar->GetFirstRadii(), limit);
    TrimList(bar->GetSecondPoints(), bar->GetSecondRadii(), limit);
    return 1;
}
