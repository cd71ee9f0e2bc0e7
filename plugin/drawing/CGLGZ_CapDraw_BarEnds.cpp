// How a bar that runs out near a leg of the bottom-plate bar is finished there: extended
// straight, bent up along the plate bar's sloped leg, or turned at its vertical part. An end
// is built as the start of a bar at the left leg; the end of a bar is the mirror image of it.
#include "CGLGZ_CapDraw.h"
#include "DrawingConstants.h"

#include <algorithm>

namespace {

constexpr double kSamePoint = 1e-9;

AcGePoint3d Mirrored(const AcGePoint3d& p) { return AcGePoint3d(-p.x, p.y, p.z); }

// The point at distance from a towards b (b - a gives only the direction).
AcGePoint3d Along(const AcGePoint3d& a, const AcGePoint3d& b, double distance)
{
    return CGLGZ_CapDraw::PointAlongLine(a, b, distance);
}

// The plate bar's leg at the end being shaped, seen as the left leg: t its top, k its kink, c
// its bottom corner and far the other bottom corner. Without a sloped part (the abutment form,
// or a kink on the corner where the end part's bottom is level) the bottom takes its place.
struct PlateLeg {
    AcGePoint3d t;
    AcGePoint3d k;
    AcGePoint3d c;
    AcGePoint3d far;
    bool sloped = false;
};

bool ReadPlateLeg(const AcGePoint3dArray& plate, int abutment, int atEnd, PlateLeg& leg)
{
    // Indexes of t, k, c and far: T0 K0 C0 C1 K1 T1 (pier form) or T0 B0 B1 T1 (abutment form).
    static constexpr int kPier[2][4] = { { 0, 1, 2, 3 }, { 5, 4, 3, 2 } };
    static constexpr int kAbutment[2][4] = { { 0, 1, 1, 2 }, { 3, 2, 2, 1 } };
    if (plate.length() != (abutment ? 4 : 6))
        return false;
    const int* at = abutment ? kAbutment[atEnd ? 1 : 0] : kPier[atEnd ? 1 : 0];
    AcGePoint3d* parts[4] = { &leg.t, &leg.k, &leg.c, &leg.far };
    for (int i = 0; i < 4; ++i)
        *parts[i] = atEnd ? Mirrored(plate[at[i]]) : plate[at[i]];
    leg.sloped = !abutment && leg.k.distanceTo(leg.c) > kSamePoint;
    return true;
}

// The line at distance d inside the leg (or inside the bottom), through two points.
void InnerLine(const PlateLeg& leg, double d, AcGePoint3d& upper, AcGePoint3d& lower)
{
    if (leg.sloped) {
        upper = CGLGZ_CapDraw::PointAlongRotatedLine(leg.k, leg.c, d, kQuarterTurn);
        lower = CGLGZ_CapDraw::PointAlongRotatedLine(leg.c, leg.k, d, -kQuarterTurn);
    } else {
        lower = CGLGZ_CapDraw::PointAlongRotatedLine(leg.c, leg.far, d, kQuarterTurn);
        upper = CGLGZ_CapDraw::PointAlongRotatedLine(leg.far, leg.c, d, -kQuarterTurn);
    }
}

// The start of a bar in the left frame: point 0 is the end E, point 1 its neighbour F.
class BarStart {
public:
    BarStart(const PlateLeg& leg, double w, double d, double scale)
        : m_leg(leg)
        , m_w(w)
        , m_d(d)
        , m_scale(scale)
    {
    }

    AcGePoint3dArray points;
    AcGeDoubleArray radii;

    // A bar whose end reaches past the plate bar's leg, outside the concrete, loses the points
    // out there as long as the point after them is outside too: the end is then built on the
    // first segment that comes in through the leg, never on one that turns back.
    void DropOutsidePoints()
    {
        while (points.length() >= 3 && Outside(points[1])) {
            points.removeAt(0);
            radii.removeAt(0);
        }
    }

    int Choose(double margin, int turnBack) const
    {
        const AcGePoint3d& e = points[0];
        if (e.x - m_leg.c.x > margin)
            return 0;
        // An end near the level bottom of an upright U turns back along it.
        if (turnBack && !m_leg.sloped && e.x > m_leg.c.x - m_w)
            return 1;
        if (!m_leg.sloped)
            return -1;
        int found = 0;
        const AcGePoint3d x = CGLGZ_CapDraw::IntersectLines(points[1], e, m_leg.k, m_leg.c, 1, 1, &found);
        return found && m_leg.k.y > x.y && x.distanceTo(m_leg.k) > m_w ? 2 : -1;
    }

    // The kind that was built: a construction that finds no place falls back to a plain end.
    int Build(int kind)
    {
        if (kind == 0)
            return BuildStraight();
        if (kind == 1)
            return BuildTurnedBack();
        if (kind == 2 && BuildAlongLeg())
            return 2;
        if (kind == -1) {
            const int built = m_leg.sloped ? BuildAtSlopedLeg() : BuildAtBottom();
            if (built != 0)
                return built;
        }
        Prepend(AcGePoint3d(points[0].x - m_w, points[0].y, 0.0));
        return 0;
    }

private:
    // Beyond the vertical inside the upright leg, or on the outer side of the sloped leg's inner line.
    bool Outside(const AcGePoint3d& p) const
    {
        if (p.x < m_leg.t.x + m_d)
            return true;
        if (!m_leg.sloped)
            return false;
        AcGePoint3d upper;
        AcGePoint3d lower;
        InnerLine(m_leg, m_d, upper, lower);
        const AcGeVector3d along = lower - upper;
        const AcGeVector3d inward(-along.y, along.x, 0.0);
        const AcGeVector3d to = p - lower;
        return to.x * inward.x + to.y * inward.y < -kSamePoint;
    }

    void Prepend(const AcGePoint3d& p)
    {
        points.insertAt(0, p);
        radii.insertAt(0, 0.0);
    }

    // Kind 0: a level tail of the weld length; at a sloped leg what crosses the leg's inner line
    // runs up along it instead.
    int BuildStraight()
    {
        const AcGePoint3d e = points[0];
        const AcGePoint3d tail(e.x - m_w, e.y, 0.0);
        Prepend(tail);
        if (!m_leg.sloped)
            return 0;
        AcGePoint3d upper;
        AcGePoint3d lower;
        InnerLine(m_leg, m_d, upper, lower);
        int found = 0;
        const AcGePoint3d o = CGLGZ_CapDraw::IntersectLines(tail, e, upper, lower, 1, 1, &found);
        if (!found || !(tail.x < o.x))
            return 0;
        const AcGePoint3d up = o + (upper - lower);
        if (o.x < e.x) {
            points[0] = o;
            Prepend(Along(o, up, m_w - o.distanceTo(e)));
        } else {
            // The end itself lies on or beyond the inner line: the whole weld length runs up the leg.
            points.removeAt(0);
            radii.removeAt(0);
            Prepend(Along(e, e + (upper - lower), m_w));
        }
        return 0;
    }

    // Kind 1: the end becomes a bend of radius r, and a level piece points back into the cap
    // toward the far corner; drawing cuts that piece to the weld length.
    int BuildTurnedBack()
    {
        radii[0] = m_radius;
        Prepend(AcGePoint3d(m_leg.far.x, points[0].y, 0.0));
        return 1;
    }

    // Kind 2: cut where the bar meets the leg's inner line, then the weld length up along the leg.
    bool BuildAlongLeg()
    {
        AcGePoint3d m;
        if (!MeetInnerLine(m))
            return false;
        points[0] = m;
        Prepend(m + UpLeg());
        return true;
    }

    // Kinds 3, 4 and 5 at a sloped leg, tested against the vertical V inside the leg's upright part.
    int BuildAtSlopedLeg()
    {
        const AcGePoint3d vTop(m_leg.t.x + m_d, m_leg.t.y, 0.0);
        const AcGePoint3d vBottom(m_leg.t.x + m_d, m_leg.k.y, 0.0);
        AcGePoint3d m;
        if (MeetInnerLine(m)) {
            int found = 0;
            const AcGePoint3d h = CGLGZ_CapDraw::IntersectLines(m, m + UpLeg(), vTop, vBottom, 0, 0, &found);
            if (found) {
                points[0] = m;
                Prepend(h);
                Prepend(AcGePoint3d(h.x, h.y + 20.0 / m_scale + m_w - h.distanceTo(m), 0.0));
                return 3;
            }
        }
        return TurnAtVertical(vTop, vBottom, m_leg.k.y);
    }

    // Kinds 4 and 5 at the abutment form's vertical leg, whose bottom takes the place of the sloped leg.
    int BuildAtBottom()
    {
        const AcGePoint3d vTop(m_leg.t.x + m_d, m_leg.t.y, 0.0);
        const AcGePoint3d vBottom(m_leg.t.x + m_d, m_leg.c.y, 0.0);
        return TurnAtVertical(vTop, vBottom, m_leg.c.y);
    }

    // Kind 4 turns down V for the weld length when that stays above the given level; kind 5 runs
    // down V to the inner line and along it, back into the cap, for the weld length. The foot is
    // found on the inner line itself, so that a bar parallel to it still has one.
    int TurnAtVertical(const AcGePoint3d& vTop, const AcGePoint3d& vBottom, double level)
    {
        int found = 0;
        const AcGePoint3d l0 = CGLGZ_CapDraw::IntersectLines(points[1], points[0], vTop, vBottom, 1, 1, &found);
        if (!found)
            return 0;
        if (l0.y - m_w >= level) {
            points[0] = l0;
            Prepend(AcGePoint3d(l0.x, l0.y - m_w, 0.0));
            return 4;
        }
        AcGePoint3d upper;
        AcGePoint3d lower;
        InnerLine(m_leg, m_d, upper, lower);
        const AcGePoint3d n = CGLGZ_CapDraw::IntersectLines(vTop, vBottom, upper, lower, 1, 1, &found);
        if (!found)
            return 0;
        const AcGePoint3d inner = m_leg.sloped ? m_leg.c : m_leg.far;
        const AcGePoint3d from = m_leg.sloped ? m_leg.k : m_leg.c;
        points[0] = l0;
        if (n.distanceTo(l0) > kSamePoint)
            Prepend(n);
        Prepend(n + (inner - from).normal() * m_w);
        return 5;
    }

    bool MeetInnerLine(AcGePoint3d& m) const
    {
        AcGePoint3d upper;
        AcGePoint3d lower;
        InnerLine(m_leg, m_d, upper, lower);
        int found = 0;
        m = CGLGZ_CapDraw::IntersectLines(points[1], points[0], upper, lower, 1, 1, &found);
        return found != 0;
    }

    // The weld length up the sloped leg, away from its bottom corner.
    AcGeVector3d UpLeg() const { return (m_leg.k - m_leg.c).normal() * m_w; }

    PlateLeg m_leg;
    double m_w;
    double m_d;
    double m_scale;

public:
    double m_radius = 0.0;
};

} // namespace

int CGLGZ_CapDraw::ShapeBarEndWith(const BarEndRequest& request, int atEnd, double kindZeroMargin)
{
    return ShapeBarEndWith(request, atEnd, kindZeroMargin, 0);
}

int CGLGZ_CapDraw::ShapeBarEndWith(const BarEndRequest& request, int atEnd, double kindZeroMargin, int turnBack)
{
    if (request.points == nullptr && request.bar == nullptr)
        return 0;
    AcGePoint3dArray& points = request.points != nullptr ? *request.points : request.bar->GetFirstPoints();
    AcGeDoubleArray unused;
    AcGeDoubleArray& radii = request.radii != nullptr ? *request.radii
        : request.points == nullptr                   ? request.bar->GetFirstRadii()
                                                      : unused;
    PlateLeg leg;
    if (points.length() < 2 || !ReadPlateLeg(request.plate, m_bAbutment, atEnd, leg))
        return 0;
    // 1. The list in the left frame, one radius a point.
    radii.setLogicalLength(points.length());
    BarStart start(leg, request.weld, request.offset, m_dScale);
    start.m_radius = request.radius;
    const int count = points.length();
    for (int i = 0; i < count; ++i) {
        const int from = atEnd ? count - 1 - i : i;
        start.points.append(atEnd ? Mirrored(points[from]) : points[from]);
        start.radii.append(radii[from]);
    }
    // 2. The kind, then its construction.
    start.DropOutsidePoints();
    const int kind = start.Build(start.Choose(kindZeroMargin, turnBack));
    // 3. Back into the bar's own frame.
    points.setLogicalLength(0);
    radii.setLogicalLength(0);
    for (int i = 0; i < start.points.length(); ++i) {
        const int from = atEnd ? start.points.length() - 1 - i : i;
        points.append(atEnd ? Mirrored(start.points[from]) : start.points[from]);
        radii.append(start.radii[from]);
    }
    if (request.bar != nullptr) {
        if (atEnd)
            request.bar->SetEndFlag(kind);
        else
            request.bar->SetStartFlag(kind);
    }
    return kind;
}
