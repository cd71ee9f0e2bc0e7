#include "LabelPlacer.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace {

// The normals of a box's edges, those of its opposite edges twice.
std::vector<AcGeVector3d> EdgeNormals(const LabelPlacer::Quad& q)
{
    std::vector<AcGeVector3d> normals;
    for (size_t i = 0; i < q.size(); ++i) {
        const AcGePoint3d& p = q[i];
        const AcGePoint3d& r = q[(i + 1) % q.size()];
        const AcGeVector3d n(-(r.y - p.y), r.x - p.x, 0.0);
        if (n.length() > 1e-9)
            normals.push_back(n / n.length());
    }
    return normals;
}

std::pair<double, double> Span(const LabelPlacer::Quad& q, const AcGeVector3d& n)
{
    double lo = std::numeric_limits<double>::max();
    double hi = -lo;
    for (const AcGePoint3d& c : q) {
        const double d = c.x * n.x + c.y * n.y;
        lo = std::min(lo, d), hi = std::max(hi, d);
    }
    return { lo, hi };
}

struct Interval {
    double lo, hi;
};

// The shifts t of a along d for which a + t d comes within the gap of b: an open interval,
// empty when no shift does. Two convex boxes keep apart as long as one edge normal of either
// separates their spans.
std::optional<Interval> BlockedShifts(
    const LabelPlacer::Quad& a, const LabelPlacer::Quad& b, const AcGeVector3d& d, double gap)
{
    Interval blocked { -std::numeric_limits<double>::infinity(), std::numeric_limits<double>::infinity() };
    std::vector<AcGeVector3d> normals = EdgeNormals(a);
    const std::vector<AcGeVector3d> others = EdgeNormals(b);
    normals.insert(normals.end(), others.begin(), others.end());
    for (const AcGeVector3d& n : normals) {
        const auto [a0, a1] = Span(a, n);
        const auto [b0, b1] = Span(b, n);
        const double k = d.x * n.x + d.y * n.y;
        if (std::fabs(k) < 1e-12) {
            if (std::min(a1, b1) - std::max(a0, b0) <= -gap)
                return std::nullopt;
            continue;
        }
        // Close on this normal while a1 + t k > b0 - gap and a0 + t k < b1 + gap.
        double from = (b0 - gap - a1) / k;
        double to = (b1 + gap - a0) / k;
        if (from > to)
            std::swap(from, to);
        blocked.lo = std::max(blocked.lo, from);
        blocked.hi = std::min(blocked.hi, to);
        if (blocked.lo >= blocked.hi)
            return std::nullopt;
    }
    return blocked;
}

} // namespace

bool LabelPlacer::Overlap(const Quad& a, const Quad& b, double tolerance)
{
    const std::optional<Interval> shifts = BlockedShifts(a, b, AcGeVector3d(1.0, 0.0, 0.0), -tolerance);
    return shifts && shifts->lo < 0.0 && shifts->hi > 0.0;
}

LabelPlacer::Quad LabelPlacer::Shifted(const Quad& box, const AcGeVector3d& by)
{
    Quad moved = box;
    for (AcGePoint3d& c : moved)
        c += by;
    return moved;
}

bool LabelPlacer::Covers(const std::vector<Quad>& boxes) const
{
    for (const Quad& box : boxes)
        for (const Quad& placed : m_occupied)
            if (Overlap(box, placed))
                return true;
    return false;
}

std::optional<double> LabelPlacer::FreeShift(
    const std::vector<Quad>& boxes, const AcGeVector3d& direction, double least, double most) const
{
    std::vector<Interval> blocked;
    for (const Quad& box : boxes)
        for (const Quad& placed : m_occupied)
            if (const auto i = BlockedShifts(box, placed, direction, kGap))
                blocked.push_back(*i);
    // The shifts worth trying: none, the range's ends and the ends of every blocked stretch.
    std::vector<double> candidates { 0.0, least, most };
    for (const Interval& i : blocked)
        candidates.insert(candidates.end(), { i.lo, i.hi });
    std::sort(candidates.begin(), candidates.end(), [](double a, double b) { return std::fabs(a) < std::fabs(b); });
    for (const double t : candidates) {
        if (t < least || t > most)
            continue;
        const bool free = std::none_of(
            blocked.begin(), blocked.end(), [&](const Interval& i) { return t > i.lo + 1e-9 && t < i.hi - 1e-9; });
        if (free)
            return t;
    }
    return std::nullopt;
}
