// The longitudinal bars of one face shaped in the elevation, family by family: the plate bars
// and straight bars first, then the bent-up bars stacked against them; each bar is drawn as
// soon as its shape is complete.
#include "CGLGZ_CapDraw_BarShapeWork.h"
#include "DrawingConstants.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <optional>
#include <vector>

namespace {

using Work = CGLGZ_CapDraw::BarShapeWork;

constexpr double kSamePoint = 1e-9;

bool Missing(double value) { return value >= Work::kNoBranch; }

// An inner branch the design leaves out is taken as no branch length at all.
double Inner(double value) { return Missing(value) ? 0.0 : value; }

void Append(AcGePoint3dArray& points, AcGeDoubleArray& radii, const AcGePoint3d& p, double radius = 0.0)
{
    points.append(p);
    radii.append(radius);
}

// Appends unless the point repeats the last one (a collapsed run).
void AppendNew(AcGePoint3dArray& points, AcGeDoubleArray& radii, const AcGePoint3d& p, double radius = 0.0)
{
    if (points.isEmpty() || points.last().distanceTo(p) > kSamePoint)
        Append(points, radii, p, radius);
}

void ClearShape(CHLGZ_BASSteel& bar)
{
    bar.GetFirstPoints().setLogicalLength(0);
    bar.GetFirstRadii().setLogicalLength(0);
    bar.GetSecondPoints().setLogicalLength(0);
    bar.GetSecondRadii().setLogicalLength(0);
    bar.SetStartFlag(0);
    bar.SetEndFlag(0);
    bar.SetFirstId(AcDbObjectId::kNull);
    bar.SetSecondId(AcDbObjectId::kNull);
}

// What the drawing writes into a record beside its design fields; a copy of a record leaves it
// behind, so a reordering carries it over by hand.
struct DrawnFields {
    explicit DrawnFields(CHLGZ_BASSteel& bar)
        : firstPoints(bar.GetFirstPoints())
        , firstRadii(bar.GetFirstRadii())
        , secondPoints(bar.GetSecondPoints())
        , secondRadii(bar.GetSecondRadii())
        , firstLengths(bar.GetFirstLengths())
        , secondLengths(bar.GetSecondLengths())
        , firstMark(bar.GetFirstMarkText())
        , secondMark(bar.GetSecondMarkText())
        , startFlag(bar.GetStartFlag())
        , endFlag(bar.GetEndFlag())
    {
    }
    void WriteTo(CHLGZ_BASSteel& bar) const
    {
        bar.GetFirstPoints() = firstPoints;
        bar.GetFirstRadii() = firstRadii;
        bar.GetSecondPoints() = secondPoints;
        bar.GetSecondRadii() = secondRadii;
        bar.GetFirstLengths() = firstLengths;
        bar.GetSecondLengths() = secondLengths;
        bar.SetFirstMarkText(firstMark);
        bar.SetSecondMarkText(secondMark);
        bar.SetStartFlag(startFlag);
        bar.SetEndFlag(endFlag);
    }
    AcGePoint3dArray firstPoints;
    AcGeDoubleArray firstRadii;
    AcGePoint3dArray secondPoints;
    AcGeDoubleArray secondRadii;
    AcGeDoubleArray firstLengths;
    AcGeDoubleArray secondLengths;
    CString firstMark;
    CString secondMark;
    int startFlag;
    int endFlag;
};

// The bars in the order of their key, ascending or descending; bars of equal keys keep their order.
template <class T, class Key>
void SortBars(CArray<T, const T&>& bars, Key key, bool ascending)
{
    const int count = static_cast<int>(bars.GetSize());
    std::vector<int> order(static_cast<size_t>(count));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const double ka = key(bars[a]);
        const double kb = key(bars[b]);
        return ascending ? ka < kb : ka > kb;
    });
    std::vector<T> copies;
    std::vector<DrawnFields> drawn;
    for (int i : order) {
        copies.push_back(bars[i]);
        drawn.emplace_back(bars[i]);
    }
    for (int i = 0; i < count; ++i) {
        bars.SetAt(i, copies[static_cast<size_t>(i)]);
        drawn[static_cast<size_t>(i)].WriteTo(bars[i]);
    }
}

double LeftDistance(const CHLGZ_BALSteel& bar) { return bar.GetLeftDistance(); }

// The right axis distance at the first support of a bent-up bar of the whole elevation.
template <class T>
double FirstRightDistance(const T& bar)
{
    return bar.GetPoints().isEmpty() ? Work::kNoBranch : bar.GetPoints()[0].y;
}

// A straight bar whose design distances reach past the plate bar's legs ends at them, inside
// the concrete.
AcGePoint3d WithinTopPlate(const Work& k, double x, double y)
{
    return At(std::clamp(x, k.topLefts.first().x, std::max(k.topLefts.first().x, k.topRights.first().x)), y);
}
AcGePoint3d WithinBottomPlate(const Work& k, double x, double y)
{
    return At(std::clamp(x, k.bottomLefts.first().x, std::max(k.bottomLefts.first().x, k.bottomRights.first().x)), y);
}

// 1. Top-plate bar: an upside-down U under the top cover, its legs p long.
void ShapeTopPlateBar(Work& k)
{
    CHLGZ_LTLSteel& bar = k.face->GetLTLSteel();
    const double x1 = k.Line(2).start.x + k.endCover + k.d;
    const double y1 = k.Line(2).start.y - k.topCover;
    const double x2 = k.Line(3).start.x - (k.d + k.endCover);
    const double y2 = k.Line(3).start.y - k.topCover;
    for (const AcGePoint3d& p :
        { At(x1, y1 - k.p), At(x1, y1), At(k.crown.x, k.crown.y - k.topCover), At(x2, y2), At(x2, y2 - k.p) })
        Append(bar.GetFirstPoints(), bar.GetFirstRadii(), p);
    k.topLefts.append(At(x1, y1));
    k.topRights.append(At(x2, y2));
    bar.DrawPolylines(k.w);
}

// 2. Top straight bars of the whole elevation, one diameter under the other.
void ShapeTopStraightBars(Work& k)
{
    CArray<CHLGZ_LUPSteel, const CHLGZ_LUPSteel&>& bars = k.face->GetLUPSteels();
    SortBars(bars, LeftDistance, false);
    const double xLeft = k.Axis(0);
    const double xRight = k.Line(4 + k.n - 1).start.x;
    for (INT_PTR i = 0; i < bars.GetSize(); ++i) {
        CHLGZ_LUPSteel& bar = bars[i];
        const double drop = k.topCover + static_cast<double>(i + 1) * k.d;
        const AcGePoint3d left = WithinTopPlate(k, xLeft - bar.GetLeftDistance() / k.scale, k.Line(2).start.y - drop);
        const AcGePoint3d right
            = WithinTopPlate(k, xRight + bar.GetRightDistance() / k.scale, k.Line(3).start.y - drop);
        for (const AcGePoint3d& p : { left, At(k.crown.x, k.crown.y - drop), right })
            Append(bar.GetFirstPoints(), bar.GetFirstRadii(), p);
        k.topLefts.append(left);
        k.topRights.append(right);
        bar.DrawPolylines(k.w);
    }
}

// 3. Top straight bars over each support, under those of the whole elevation.
void ShapeSupportTopBars(Work& k)
{
    const double m = static_cast<double>(k.face->GetLUPSteels().GetSize());
    for (int j = 0; j < k.n; ++j) {
        CArray<CHLGZ_LPPSteel, const CHLGZ_LPPSteel&>& bars = k.face->GetSupports()[j].GetLPPSteels();
        SortBars(bars, LeftDistance, false);
        for (INT_PTR i = 0; i < bars.GetSize(); ++i) {
            CHLGZ_LPPSteel& bar = bars[i];
            const double y = k.Top(j) - k.topCover - m * k.d - static_cast<double>(i + 1) * k.d;
            const AcGePoint3d left = WithinTopPlate(k, k.Axis(j) - bar.GetLeftDistance() / k.scale, y);
            const AcGePoint3d right = WithinTopPlate(k, k.Axis(j) + bar.GetRightDistance() / k.scale, y);
            Append(bar.GetFirstPoints(), bar.GetFirstRadii(), left);
            Append(bar.GetFirstPoints(), bar.GetFirstRadii(), right);
            k.topLefts.append(left);
            k.topRights.append(right);
            bar.DrawPolylines(k.w);
        }
    }
}

// The pier form's leg on one side: the end part's bottom edge moved inward so that the bar keeps
// the bottom cover square to it, met by the bottom line (corner) and by the bar's upright leg
// (kink). A level edge gives no sloped part: kink and corner then coincide on the upright leg.
void PierLeg(const LineInfo& edge, double shift, const AcGePoint3d& top, const AcGePoint3d& b1, const AcGePoint3d& b2,
    AcGePoint3d& kink, AcGePoint3d& corner)
{
    const AcGePoint3d below = At(top.x, top.y - 10.0);
    int cornerFound = 0;
    int kinkFound = 0;
    if (shift != 0.0) {
        const AcGePoint3d e1 = At(edge.start.x + shift, edge.start.y);
        const AcGePoint3d e2 = At(edge.end.x + shift, edge.end.y);
        corner = CGLGZ_CapDraw::IntersectLines(b1, b2, e1, e2, 1, 1, &cornerFound);
        kink = CGLGZ_CapDraw::IntersectLines(e1, e2, top, below, 1, 1, &kinkFound);
    }
    if (!cornerFound || !kinkFound) {
        corner = CGLGZ_CapDraw::IntersectLines(b1, b2, top, below, 1, 1, &cornerFound);
        if (!cornerFound)
            corner = At(top.x, b1.y);
        kink = corner;
    }
}

// The horizontal shift of an end part's bottom edge that puts it the cover (taken across the
// skewed end) inside; 0 for an edge without slope, which has no inside to shift to.
double EdgeShift(const LineInfo& edge, double cover, double endAngleDegrees)
{
    const double length = edge.start.distanceTo(edge.end);
    if (length < kSamePoint)
        return 0.0;
    const double q = (edge.start.y - edge.end.y) / length;
    if (std::fabs(q) < kSamePoint)
        return 0.0;
    double sine = std::sin(endAngleDegrees * kPi / 180.0);
    if (std::fabs(sine) < kSamePoint)
        sine = 1.0;
    return cover / sine / q;
}

// 5. Bottom straight bars of the whole elevation, one diameter over the other.
void ShapeBottomStraightBars(Work& k)
{
    CArray<CHLGZ_LUMSteel, const CHLGZ_LUMSteel&>& bars = k.face->GetLUMSteels();
    SortBars(bars, LeftDistance, false);
    for (INT_PTR i = 0; i < bars.GetSize(); ++i) {
        CHLGZ_LUMSteel& bar = bars[i];
        const double y = k.Line(0).end.y + k.bottomCover + static_cast<double>(i + 1) * k.d;
        const AcGePoint3d left = WithinBottomPlate(k, k.Line(0).end.x + k.sideCover, y);
        const AcGePoint3d right = WithinBottomPlate(k, k.Line(1).end.x - k.sideCover, y);
        Append(bar.GetFirstPoints(), bar.GetFirstRadii(), left);
        Append(bar.GetFirstPoints(), bar.GetFirstRadii(), right);
        k.bottomLefts.append(left);
        k.bottomRights.append(right);
        bar.DrawPolylines(k.w);
    }
}

// 6. Bottom straight bars of each span, over those of the whole elevation.
void ShapeSpanBottomBars(Work& k)
{
    const double m = static_cast<double>(k.face->GetLUMSteels().GetSize());
    for (int j = 0; j + 1 < k.n; ++j) {
        CArray<CHLGZ_LPMSteel, const CHLGZ_LPMSteel&>& bars = k.face->GetSupports()[j].GetLPMSteels();
        SortBars(bars, LeftDistance, false);
        for (INT_PTR i = 0; i < bars.GetSize(); ++i) {
            CHLGZ_LPMSteel& bar = bars[i];
            const double y = k.Under(j) + k.bottomCover + m * k.d + static_cast<double>(i + 1) * k.d;
            const AcGePoint3d left = WithinBottomPlate(k, k.Axis(j) + bar.GetLeftDistance() / k.scale, y);
            const AcGePoint3d right = WithinBottomPlate(k, k.Axis(j + 1) - bar.GetRightDistance() / k.scale, y);
            Append(bar.GetFirstPoints(), bar.GetFirstRadii(), left);
            Append(bar.GetFirstPoints(), bar.GetFirstRadii(), right);
            k.bottomLefts.append(left);
            k.bottomRights.append(right);
            bar.DrawPolylines(k.w);
        }
    }
}

// The bent-up bars: lower bars rise from runs over the bottom bars to humps over the supports,
// upper bars fall from runs under the top bars into the spans; each new bar stacks on those
// placed before it.
class BentUpShaper {
public:
    BentUpShaper(CGLGZ_CapDraw& draw, Work& work)
        : m_draw(draw)
        , k(work)
    {
    }

    // 9. and 10. in the order of the families, then the bars with a branch on one side only.
    void Run()
    {
        ShapeWholeLowerBars();
        ShapeSupportLowerBars();
        ShapeUpperBars();
        FinishOneSidedUpperBars();
        for (const OneSided& lower : m_oneSidedLower)
            FinishOneSidedLowerBar(*lower.bar, lower.hasLeft, lower.hasRight);
    }

private:
    // Where the bars of both plates end: the plate bars' upright legs, one diameter inside.
    double LeftInside() const { return k.plate.isEmpty() ? -1e300 : k.plate.first().x + k.d; }
    double RightInside() const { return k.plate.isEmpty() ? 1e300 : k.plate.last().x - k.d; }

    double PlateY(int index) const
    {
        if (index < k.plate.length())
            return k.plate[index].y;
        return k.Line(0).end.y + k.bottomCover;
    }
    // The plate bar's bottom at the left (C0, or B1 of the abutment form) or the right (C1 or B1).
    double PlateBottom(bool right) const { return PlateY(right && k.plate.length() == 6 ? 3 : 2); }
    double TopPlateLevel() const
    {
        return k.topLefts.isEmpty() ? k.Line(2).start.y - k.topCover : k.topLefts.first().y;
    }

    // A run end one diameter above the highest bottom bar at x (under the lowest top bar), or
    // on the plate bar when no bar is there.
    AcGePoint3d BottomRunEnd(double x, bool right) const
    {
        AcGePoint3d p = At(x, 0.0);
        if (!CGLGZ_CapDraw::FindLevelOnBars(k.bottomLefts, k.bottomRights, p, 1))
            p.y = PlateBottom(right);
        p.y += k.d;
        return p;
    }
    AcGePoint3d TopRunEnd(double x) const
    {
        AcGePoint3d p = At(x, 0.0);
        if (!CGLGZ_CapDraw::FindLevelOnBars(k.topLefts, k.topRights, p, 0))
            p.y = TopPlateLevel();
        p.y -= k.d;
        return p;
    }

    // A run over [a, b]: one diameter above the highest bottom bar or under the lowest top bar
    // that overlaps it.
    void BottomRun(AcGePoint3d& a, AcGePoint3d& b) const
    {
        if (!CGLGZ_CapDraw::FindLevelOverRange(k.bottomLefts, k.bottomRights, a, b, 1))
            a.y = b.y = PlateBottom(false);
        a.y += k.d;
        b.y += k.d;
    }
    void TopRun(AcGePoint3d& a, AcGePoint3d& b) const
    {
        if (!CGLGZ_CapDraw::FindLevelOverRange(k.topLefts, k.topRights, a, b, 0))
            a.y = b.y = TopPlateLevel();
        a.y -= k.d;
        b.y -= k.d;
    }

    // A leg from the point in the direction until the bars of the face it runs to, ending one
    // diameter (measured vertically) short of the first bar it meets.
    bool LegEnd(const AcGePoint3d& from, double dx, double dy, AcGePoint3d& end) const
    {
        const bool toTop = dy > 0.0;
        AcGePoint3d hit = At(from.x + dx, from.y + dy);
        const bool found = toTop ? CGLGZ_CapDraw::FindLineHitOnBars(k.topLefts, k.topRights, from, hit, 0)
                                 : CGLGZ_CapDraw::FindLineHitOnBars(k.bottomLefts, k.bottomRights, from, hit, 1);
        if (!found)
            return false;
        const double rise = std::fabs(from.y - hit.y);
        end = rise < kSamePoint ? hit : hit + (from - hit) * (k.d / rise);
        return true;
    }

    // The hump of a lower bar over support j between the run end before it and the run start
    // after it: the two legs meet (bend type 0, value the bend radius), or are joined by a level
    // piece at the value's height above the underside (legs that meet below that height make a
    // sharp hump where they meet).
    void AppendHump(AcGePoint3dArray& points, AcGeDoubleArray& radii, const AcGePoint3d& before,
        const AcGePoint3d& after, int bendType, double value, int j) const
    {
        int found = 0;
        const AcGePoint3d meet = CGLGZ_CapDraw::IntersectLines(
            before, At(before.x + k.ct, before.y + 1.0), after, At(after.x - k.ct, after.y + 1.0), 1, 1, &found);
        if (bendType == 0) {
            if (found)
                AppendNew(points, radii, meet, Missing(value) ? 0.0 : value / k.scale);
            return;
        }
        const double along = std::sqrt(k.ct * k.ct + 1.0);
        const double level = (Missing(value) ? 0.0 : value / k.scale) + k.Under(j);
        const double h1 = level - before.y;
        const double h2 = level - after.y;
        const AcGePoint3d p1 = CGLGZ_CapDraw::PointAlongLine(before, At(before.x + k.ct, before.y + 1.0), along * h1);
        const AcGePoint3d p2 = CGLGZ_CapDraw::PointAlongLine(after, At(after.x - k.ct, after.y + 1.0), along * h2);
        if (h1 > 0.0 && h2 > 0.0 && p1.x < p2.x) {
            AppendNew(points, radii, p1);
            AppendNew(points, radii, p2);
        } else if (found) {
            AppendNew(points, radii, meet);
        }
    }

    // The run ends of a lower bar around its supports, left to right, joined over each support.
    void ComposeLowerBar(CHLGZ_BASSteel& bar, const std::vector<std::optional<AcGePoint3d>>& before,
        const std::vector<std::optional<AcGePoint3d>>& after, int bendType, const std::vector<double>& values,
        int firstSupport) const
    {
        AcGePoint3dArray& points = bar.GetFirstPoints();
        AcGeDoubleArray& radii = bar.GetFirstRadii();
        for (size_t i = 0; i < before.size(); ++i) {
            if (before[i])
                AppendNew(points, radii, *before[i]);
            if (before[i] && after[i])
                AppendHump(
                    points, radii, *before[i], *after[i], bendType, values[i], firstSupport + static_cast<int>(i));
            if (after[i])
                AppendNew(points, radii, *after[i]);
        }
    }

    // The ends on the plate bars by the drawing's rule, short end legs of the bars at the
    // supports trimmed, then the bar drawn.
    void Finish(CHLGZ_BASSteel& bar, bool start, bool end, bool trim) const
    {
        CGLGZ_CapDraw::BarEndRequest request;
        request.bar = &bar;
        request.plate = k.plate;
        request.weld = k.w;
        request.offset = k.d;
        request.radius = k.r;
        if (bar.GetFirstPoints().length() >= 2 && k.shapeEnd) {
            if (start)
                k.shapeEnd(request, 0);
            if (end)
                k.shapeEnd(request, 1);
        }
        if (trim)
            m_draw.TrimShortBarEnds(&bar);
        if (bar.GetFirstPoints().length() >= 2 || bar.GetSecondPoints().length() >= 2)
            bar.DrawPolylines(k.w);
    }

    // 9. Lower bent-up bars of the whole elevation: runs over the bottom bars in the spans, which
    // later bars stack on, and their ends at the given distances from the outer supports.
    void ShapeWholeLowerBars()
    {
        CArray<CHLGZ_LUBSteel, const CHLGZ_LUBSteel&>& bars = k.face->GetLUBSteels();
        for (INT_PTR b = 0; b < bars.GetSize(); ++b) {
            CHLGZ_LUBSteel& bar = bars[b];
            const AcGePoint3dArray& entries = bar.GetPoints();
            if (entries.isEmpty())
                continue;
            auto entry
                = [&](int j) { return j < entries.length() ? entries[j] : At(Work::kNoBranch, Work::kNoBranch); };
            const size_t n = static_cast<size_t>(k.n);
            std::vector<std::optional<AcGePoint3d>> before(n);
            std::vector<std::optional<AcGePoint3d>> after(n);
            std::vector<double> values(n);
            for (int j = 0; j < k.n; ++j)
                values[static_cast<size_t>(j)] = entry(j).z;
            const bool hasLeft = !Missing(entry(0).x);
            const bool hasRight = !Missing(entry(k.n - 1).y);
            if (hasLeft)
                before[0] = BottomRunEnd(k.Axis(0) - entry(0).x / k.scale, false);
            for (int t = 0; t + 1 < k.n; ++t) {
                AcGePoint3d a = At(k.Axis(t) + Inner(entry(t).y) / k.scale, 0.0);
                AcGePoint3d c = At(k.Axis(t + 1) - Inner(entry(t + 1).x) / k.scale, 0.0);
                BottomRun(a, c);
                if (a.x < c.x) {
                    k.bottomLefts.append(a);
                    k.bottomRights.append(c);
                } else {
                    // The humps overlap: the run shrinks to the point where the two legs meet.
                    int found = 0;
                    const AcGePoint3d meet = CGLGZ_CapDraw::IntersectLines(
                        a, At(a.x - k.ct, a.y + 1.0), c, At(c.x + k.ct, c.y + 1.0), 1, 1, &found);
                    if (found)
                        a = c = meet;
                }
                after[static_cast<size_t>(t)] = a;
                before[static_cast<size_t>(t) + 1] = c;
            }
            if (hasRight)
                after[n - 1] = BottomRunEnd(k.Axis(k.n - 1) + entry(k.n - 1).y / k.scale, true);
            ComposeLowerBar(bar, before, after, bar.GetBendDownParameter(), values, 0);
            if (hasLeft && hasRight)
                Finish(bar, true, true, false);
            else
                m_oneSidedLower.push_back({ &bar, hasLeft, hasRight });
        }
    }

    // 10. Lower bent-up bars at each support: a hump over the support from two run ends.
    void ShapeSupportLowerBars()
    {
        for (int j = 0; j < k.n; ++j) {
            CArray<CHLGZ_LPBSteel, const CHLGZ_LPBSteel&>& bars = k.face->GetSupports()[j].GetLPBSteels();
            for (INT_PTR b = 0; b < bars.GetSize(); ++b) {
                CHLGZ_LPBSteel& bar = bars[b];
                const bool hasLeft = !Missing(bar.GetLeftAxisDistance());
                const bool hasRight = !Missing(bar.GetRightAxisDistance());
                std::vector<std::optional<AcGePoint3d>> before(1);
                std::vector<std::optional<AcGePoint3d>> after(1);
                if (hasLeft)
                    before[0] = BottomRunEnd(k.Axis(j) - bar.GetLeftAxisDistance() / k.scale, false);
                if (hasRight)
                    after[0] = BottomRunEnd(k.Axis(j) + bar.GetRightAxisDistance() / k.scale, true);
                ComposeLowerBar(bar, before, after, bar.GetBendDownParameter(), { bar.GetRadiusOrHeight() }, j);
                if (hasLeft && hasRight)
                    Finish(bar, true, true, false);
                else
                    m_oneSidedLower.push_back({ &bar, hasLeft, hasRight });
            }
        }
    }

    // 10. Upper bent-up bars: each bar of the whole elevation, and after it, support by support,
    // the connected bars at the support at least as wide as it there; after the last one every
    // connected bar left.
    void ShapeUpperBars()
    {
        m_upperDone.assign(static_cast<size_t>(k.n), std::vector<char>());
        for (int j = 0; j < k.n; ++j)
            m_upperDone[static_cast<size_t>(j)].assign(
                static_cast<size_t>(k.face->GetSupports()[j].GetLPTSteels().GetSize()), 0);
        CArray<CHLGZ_LUTSteel, const CHLGZ_LUTSteel&>& bars = k.face->GetLUTSteels();
        for (INT_PTR b = 0; b < bars.GetSize(); ++b) {
            CHLGZ_LUTSteel& bar = bars[b];
            ShapeWholeUpperBar(bar);
            for (int j = 0; j < k.n; ++j) {
                const bool has = j < bar.GetPoints().length();
                ShapeConnectedUpperBars(
                    j, has ? bar.GetPoints()[j].x : Work::kNoBranch, has ? bar.GetPoints()[j].y : Work::kNoBranch);
            }
        }
        for (int j = 0; j < k.n; ++j)
            ShapeConnectedUpperBars(j, 0.0, 0.0);
    }

    // A leg falling outward from a run end of an upper bar, unless the run end already lies at
    // the plate bars' upright legs, where the end is turned instead.
    // A run end beyond the vertical inside the plate bars' upright legs has no room for a leg:
    // it is taken back to the upright leg, where the end rule turns the run down.
    AcGePoint3d OuterEnd(const AcGePoint3d& runEnd, bool right) const
    {
        if (k.plate.isEmpty())
            return runEnd;
        if (right && runEnd.x >= RightInside())
            return At(std::max(runEnd.x, k.plate.last().x), runEnd.y);
        if (!right && runEnd.x <= LeftInside())
            return At(std::min(runEnd.x, k.plate.first().x), runEnd.y);
        return runEnd;
    }

    void AppendOuterLeg(AcGePoint3dArray& points, AcGeDoubleArray& radii, const AcGePoint3d& runEnd, bool right) const
    {
        AcGePoint3d end;
        const bool room = right ? runEnd.x < RightInside() : runEnd.x > LeftInside();
        if (room && LegEnd(runEnd, right ? k.ct : -k.ct, -1.0, end))
            AppendNew(points, radii, end);
    }

    // Between the runs over two supports: the legs fall into the span and meet, or reach the
    // bottom bars and are joined by a level run at the higher of the two leg ends.
    void AppendSpan(
        AcGePoint3dArray& points, AcGeDoubleArray& radii, const AcGePoint3d& from, const AcGePoint3d& to) const
    {
        const AcGePoint3d fromDown = At(from.x + k.ct, from.y - 1.0);
        const AcGePoint3d toDown = At(to.x - k.ct, to.y - 1.0);
        AcGePoint3d endA;
        AcGePoint3d endB;
        const bool hitA = LegEnd(from, k.ct, -1.0, endA);
        const bool hitB = LegEnd(to, -k.ct, -1.0, endB);
        int found = 0;
        const AcGePoint3d meet = CGLGZ_CapDraw::IntersectLines(from, fromDown, to, toDown, 1, 1, &found);
        if (found && (!hitA || !hitB || meet.y >= std::max(endA.y, endB.y))) {
            AppendNew(points, radii, meet);
            return;
        }
        if (!hitA || !hitB)
            return;
        const double level = std::max(endA.y, endB.y);
        int foundA = 0;
        int foundB = 0;
        const AcGePoint3d a
            = CGLGZ_CapDraw::IntersectLines(from, fromDown, At(0.0, level), At(1.0, level), 1, 1, &foundA);
        const AcGePoint3d b = CGLGZ_CapDraw::IntersectLines(to, toDown, At(0.0, level), At(1.0, level), 1, 1, &foundB);
        if (foundA && foundB) {
            AppendNew(points, radii, a);
            AppendNew(points, radii, b);
        }
    }

    // An upper bent-up bar of the whole elevation: a run under the top bars over every support,
    // the legs between them, and the outer legs where the bar has its ends.
    void ShapeWholeUpperBar(CHLGZ_LUTSteel& bar)
    {
        const AcGePoint2dArray& entries = bar.GetPoints();
        if (entries.isEmpty())
            return;
        auto x = [&](int j) { return j < entries.length() ? entries[j].x : Work::kNoBranch; };
        auto y = [&](int j) { return j < entries.length() ? entries[j].y : Work::kNoBranch; };
        const bool hasLeft = !Missing(x(0));
        const bool hasRight = !Missing(y(k.n - 1));
        std::vector<AcGePoint3d> starts;
        std::vector<AcGePoint3d> ends;
        for (int t = 0; t < k.n; ++t) {
            AcGePoint3d s = At(k.Axis(t) - Inner(x(t)) / k.scale, 0.0);
            AcGePoint3d e = At(k.Axis(t) + Inner(y(t)) / k.scale, 0.0);
            TopRun(s, e);
            if (s.x < e.x) {
                k.topLefts.append(s);
                k.topRights.append(e);
            }
            starts.push_back(s);
            ends.push_back(e);
        }
        AcGePoint3dArray& points = bar.GetFirstPoints();
        AcGeDoubleArray& radii = bar.GetFirstRadii();
        if (hasLeft) {
            starts.front() = OuterEnd(starts.front(), false);
            AppendOuterLeg(points, radii, starts.front(), false);
        }
        if (hasRight)
            ends.back() = OuterEnd(ends.back(), true);
        for (int t = 0; t < k.n; ++t) {
            const size_t i = static_cast<size_t>(t);
            if (t == 0 || ends[i - 1].x < starts[i].x)
                AppendNew(points, radii, starts[i]);
            if (t + 1 < k.n && ends[i].x >= starts[i + 1].x)
                continue;
            AppendNew(points, radii, ends[i]);
            if (t + 1 < k.n)
                AppendSpan(points, radii, ends[i], starts[i + 1]);
        }
        if (hasRight)
            AppendOuterLeg(points, radii, ends.back(), true);
        Finish(bar, hasLeft, hasRight, false);
    }

    void ShapeConnectedUpperBars(int j, double minLeft, double minRight)
    {
        CArray<CHLGZ_LPTSteel, const CHLGZ_LPTSteel&>& bars = k.face->GetSupports()[j].GetLPTSteels();
        std::vector<char>& done = m_upperDone[static_cast<size_t>(j)];
        for (INT_PTR b = 0; b < bars.GetSize(); ++b) {
            CHLGZ_LPTSteel& bar = bars[b];
            const double left = bar.GetLeftAxisDistance();
            const double right = bar.GetRightAxisDistance();
            if (done[static_cast<size_t>(b)] || Missing(left) || Missing(right) || !bar.GetConnectFlag()
                || left < minLeft || right < minRight)
                continue;
            done[static_cast<size_t>(b)] = 1;
            AcGePoint3d s = At(k.Axis(j) - left / k.scale, 0.0);
            AcGePoint3d e = At(k.Axis(j) + right / k.scale, 0.0);
            TopRun(s, e);
            if (s.x < e.x) {
                k.topLefts.append(s);
                k.topRights.append(e);
            }
            s = OuterEnd(s, false);
            e = OuterEnd(e, true);
            AcGePoint3dArray& points = bar.GetFirstPoints();
            AcGeDoubleArray& radii = bar.GetFirstRadii();
            AppendOuterLeg(points, radii, s, false);
            AppendNew(points, radii, s);
            AppendNew(points, radii, e);
            AppendOuterLeg(points, radii, e, true);
            Finish(bar, true, true, true);
        }
    }

    // The upper bars at the supports not shaped yet: each branch a piece of its own, from its
    // run end under the top bars down its leg, the left piece in the first point list and the
    // right piece in the second. A run end already at the upright leg of the plate bars keeps a
    // weld length towards the support, to be turned there.
    void FinishOneSidedUpperBars()
    {
        for (int j = 0; j < k.n; ++j) {
            CArray<CHLGZ_LPTSteel, const CHLGZ_LPTSteel&>& bars = k.face->GetSupports()[j].GetLPTSteels();
            for (INT_PTR b = 0; b < bars.GetSize(); ++b) {
                if (m_upperDone[static_cast<size_t>(j)][static_cast<size_t>(b)])
                    continue;
                CHLGZ_LPTSteel& bar = bars[b];
                CGLGZ_CapDraw::BarEndRequest request;
                request.bar = &bar;
                request.plate = k.plate;
                request.weld = k.w;
                request.offset = k.d;
                request.radius = k.r;
                if (!Missing(bar.GetLeftAxisDistance())) {
                    const AcGePoint3d runEnd
                        = OuterEnd(TopRunEnd(k.Axis(j) - bar.GetLeftAxisDistance() / k.scale), false);
                    AcGePoint3dArray& points = bar.GetFirstPoints();
                    AcGeDoubleArray& radii = bar.GetFirstRadii();
                    AppendOuterLeg(points, radii, runEnd, false);
                    AppendNew(points, radii, runEnd);
                    if (points.length() < 2)
                        Append(points, radii, At(runEnd.x + k.w, runEnd.y));
                    if (k.shapeEnd)
                        k.shapeEnd(request, 0);
                }
                if (!Missing(bar.GetRightAxisDistance())) {
                    const AcGePoint3d runEnd
                        = OuterEnd(TopRunEnd(k.Axis(j) + bar.GetRightAxisDistance() / k.scale), true);
                    AcGePoint3dArray& points = bar.GetSecondPoints();
                    AcGeDoubleArray& radii = bar.GetSecondRadii();
                    AppendNew(points, radii, runEnd);
                    AppendOuterLeg(points, radii, runEnd, true);
                    if (points.length() < 2) {
                        points.insertAt(0, At(runEnd.x - k.w, runEnd.y));
                        radii.insertAt(0, 0.0);
                    }
                    request.points = &points;
                    request.radii = &radii;
                    if (k.shapeEnd)
                        k.shapeEnd(request, 1);
                }
                Finish(bar, false, false, true);
            }
        }
    }

    // A lower bar without a branch on a side: its free leg rises to the top bars and ends one
    // diameter under the first it meets.
    void FinishOneSidedLowerBar(CHLGZ_BASSteel& bar, bool hasLeft, bool hasRight)
    {
        AcGePoint3dArray& points = bar.GetFirstPoints();
        AcGeDoubleArray& radii = bar.GetFirstRadii();
        if (points.isEmpty())
            return;
        AcGePoint3d end;
        if (!hasLeft && LegEnd(points.first(), -k.ct, 1.0, end)) {
            points.insertAt(0, end);
            radii.insertAt(0, 0.0);
        }
        if (!hasRight && LegEnd(points.last(), k.ct, 1.0, end))
            Append(points, radii, end);
        Finish(bar, hasLeft, hasRight, false);
    }

    CGLGZ_CapDraw& m_draw;
    Work& k;
    // A lower bar left for the last pass, with the sides on which it has a branch.
    struct OneSided {
        CHLGZ_BASSteel* bar;
        bool hasLeft;
        bool hasRight;
    };
    std::vector<OneSided> m_oneSidedLower;
    std::vector<std::vector<char>> m_upperDone;
};

} // namespace

int CGLGZ_CapDraw::PrepareBarShapeWork(
    BarShapeWork& work, CHLGZ_FaceInfo& face, double outerDiameter, double weldLength)
{
    if (m_pDesign == nullptr || m_pGeometry == nullptr || m_dScale <= 0.0)
        return 0;
    if (work.lines == nullptr)
        work.lines = &m_lines;
    work.face = &face;
    work.n = static_cast<int>(face.GetSupports().GetSize());
    // The outline must hold the end parts, the end faces and one axis a support.
    if (work.n < 1 || work.lines->GetSize() < 4 + work.n)
        return 0;
    const CHLGZ_MoreInfo& more = m_pDesign->GetMoreInfo();
    const double s = m_dScale;
    work.scale = s;
    work.d = outerDiameter / s;
    work.w = weldLength / s;
    work.p = 450.0 / s;
    work.r = more.GetBendRadius() / s;
    // A bar cannot bend up at no angle or past the upright: such an angle is read as 45 degrees.
    const int degrees = more.GetBendAngle() > 0 && more.GetBendAngle() <= 90 ? more.GetBendAngle() : 45;
    work.a = degrees * kPi / 180.0;
    work.ct = std::cos(work.a) / std::sin(work.a);
    work.topCover = m_pDesign->GetTopCover() / s;
    work.bottomCover = m_pDesign->GetBottomCover() / s;
    work.sideCover = m_pDesign->GetSideCover() / s;
    work.endCover = m_pDesign->GetEndCover() / s;
    for (AcGePoint3dArray* list :
        { &work.topLefts, &work.topRights, &work.bottomLefts, &work.bottomRights, &work.plate })
        list->setLogicalLength(0);
    // A face shaped before starts afresh rather than growing a second shape.
    BarShapeWork::ForEachBar(face, [](CHLGZ_BASSteel& bar) { ClearShape(bar); });
    return 1;
}

void CGLGZ_CapDraw::ShapePlateAndStraightBars(BarShapeWork& work)
{
    // 1. - 3. The top-plate bar and the top straight bars.
    ShapeTopPlateBar(work);
    ShapeTopStraightBars(work);
    ShapeSupportTopBars(work);
    // 4. The bottom-plate bar: its legs along the end parts' bottoms (pier form) or upright at
    // the end cover (abutment form).
    CHLGZ_LBLSteel& bar = work.face->GetLBLSteel();
    const LineInfo& l2 = work.Line(2);
    const LineInfo& l3 = work.Line(3);
    const AcGePoint3d t0 = At(l2.start.x + work.endCover, l2.start.y - work.topCover);
    const AcGePoint3d t1 = At(l3.start.x - work.endCover, l3.start.y - work.topCover);
    if (m_bAbutment) {
        const AcGePoint3d b0 = At(l2.end.x + work.endCover, l2.end.y + work.bottomCover);
        const AcGePoint3d b1 = At(l3.end.x - work.endCover, l3.end.y + work.bottomCover);
        for (const AcGePoint3d& p : { t0, b0, b1, t1 })
            work.plate.append(p);
        work.bottomLefts.append(b0);
        work.bottomRights.append(b1);
    } else {
        const LineInfo& l0 = work.Line(0);
        const LineInfo& l1 = work.Line(1);
        AcGePoint3d bottom1 = At(l0.end.x + work.sideCover, l0.end.y + work.bottomCover);
        AcGePoint3d bottom2 = At(l1.end.x - work.sideCover, l1.end.y + work.bottomCover);
        if (bottom1.distanceTo(bottom2) < kSamePoint)
            bottom2 = At(bottom1.x + 1.0, bottom1.y);
        AcGePoint3d k0;
        AcGePoint3d c0;
        AcGePoint3d k1;
        AcGePoint3d c1;
        PierLeg(l0, EdgeShift(l0, work.bottomCover, m_pGeometry->dLeftAngle), t0, bottom1, bottom2, k0, c0);
        PierLeg(l1, -EdgeShift(l1, work.bottomCover, m_pGeometry->dRightAngle), t1, bottom1, bottom2, k1, c1);
        for (const AcGePoint3d& p : { t0, k0, c0, c1, k1, t1 })
            work.plate.append(p);
        work.bottomLefts.append(c0);
        work.bottomRights.append(c1);
    }
    for (const AcGePoint3d& p : work.plate)
        Append(bar.GetFirstPoints(), bar.GetFirstRadii(), p);
    bar.DrawPolylines(work.w);
    m_idBottomPlateBar = bar.GetFirstId();
    // 5. - 6. The bottom straight bars.
    ShapeBottomStraightBars(work);
    ShapeSpanBottomBars(work);
}

void CGLGZ_CapDraw::SortBentUpBars(CHLGZ_FaceInfo& face)
{
    for (INT_PTR j = 0; j < face.GetSupports().GetSize(); ++j)
        SortBars(
            face.GetSupports()[j].GetLPBSteels(), [](const CHLGZ_LPBSteel& b) { return b.GetLeftAxisDistance(); },
            true);
    SortBars(face.GetLUBSteels(), FirstRightDistance<CHLGZ_LUBSteel>, true);
    for (INT_PTR j = 0; j < face.GetSupports().GetSize(); ++j)
        SortBars(
            face.GetSupports()[j].GetLPTSteels(), [](const CHLGZ_LPTSteel& b) { return b.GetLeftAxisDistance(); },
            false);
    SortBars(face.GetLUTSteels(), FirstRightDistance<CHLGZ_LUTSteel>, false);
}

void CGLGZ_CapDraw::ShapeBentUpBars(BarShapeWork& work)
{
    BentUpShaper shaper(*this, work);
    shaper.Run();
}
