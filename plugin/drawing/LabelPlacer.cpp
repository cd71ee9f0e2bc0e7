#include "LabelPlacer.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace {

// The unit normals of a box's edges (those of opposite edges twice), without the edges too
// short to have one.
struct EdgeNormals {
    explicit EdgeNormals(const LabelPlacer::Quad& q)
    {
        for (size_t i = 0; i < q.size(); ++i) {
            const AcGePoint3d& p = q[i];
            const AcGePoint3d& r = q[(i + 1) % q.size()];
            const AcGeVector3d n(-(r.y - p.y), r.x - p.x, 0.0);
            if (n.length() > 1e-9)
                normals[count++] = n / n.length();
        }
    }
    const AcGeVector3d* begin() const { return normals.data(); }
    const AcGeVector3d* end() const { return normals.data() + count; }

    std::array<AcGeVector3d, 4> normals;
    size_t count = 0;
};

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
    const EdgeNormals ownNormals(a);
    const EdgeNormals otherNormals(b);
    for (const EdgeNormals* normals : { &ownNormals, &otherNormals })
        for (const AcGeVector3d& n : *normals) {
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

struct Extents {
    explicit Extents(const LabelPlacer::Quad& q)
        : lo(q[0])
        , hi(q[0])
    {
        for (const AcGePoint3d& c : q) {
            lo.x = std::min(lo.x, c.x), lo.y = std::min(lo.y, c.y);
            hi.x = std::max(hi.x, c.x), hi.y = std::max(hi.y, c.y);
        }
    }
    AcGePoint3d lo, hi;
};

bool ExtentsApart(const LabelPlacer::Quad& a, const LabelPlacer::Quad& b)
{
    const Extents ea(a), eb(b);
    return ea.hi.x < eb.lo.x || eb.hi.x < ea.lo.x || ea.hi.y < eb.lo.y || eb.hi.y < ea.lo.y;
}

bool IsPoint(const LabelPlacer::Quad& q)
{
    return std::all_of(q.begin(), q.end(), [&](const AcGePoint3d& c) { return c.x == q[0].x && c.y == q[0].y; });
}

} // namespace

bool LabelPlacer::Overlap(const Quad& a, const Quad& b, double tolerance)
{
    // Boxes whose extents lie apart do not overlap: one edge normal separates two convex
    // boxes that do not meet. (Two single points have no edge to tell them apart by.)
    if (tolerance >= 0.0 && ExtentsApart(a, b) && !(IsPoint(a) && IsPoint(b)))
        return false;
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
