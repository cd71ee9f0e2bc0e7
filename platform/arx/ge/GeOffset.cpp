// Corner joins of offset chains. Only straight and circular pieces are extended; other
// pieces are joined with a straight line where they part.
#include "GeOffset.h"

#include "AcGeCircArc2d.h"
#include "AcGeCompositeCurve2d.h"
#include "AcGeLine2d.h"
#include "AcGeLineSeg2d.h"
#include "GeNumerics.h"

#include <cmath>
#include <memory>
#include <numbers>

namespace GeOffset {

namespace {

using CurvePtr = std::unique_ptr<AcGeCurve2d>;
using GeNumerics::kTwoPi;

AcGePoint2d startOf(const AcGeCurve2d& c)
{
    AcGePoint2d p;
    c.hasStartPoint(p);
    return p;
}

AcGePoint2d endOf(const AcGeCurve2d& c)
{
    AcGePoint2d p;
    c.hasEndPoint(p);
    return p;
}

// The whole circle of an arc, with the arc's reference and sense.
AcGeCircArc2d fullCircle(const AcGeCircArc2d& arc)
{
    return AcGeCircArc2d(arc.center(), arc.radius(), 0.0, kTwoPi, arc.refVec(), arc.isClockWise());
}

// Crossings of the natural extensions (infinite line, full circle) of two pieces.
int extendedCrossings(const AcGeCurve2d& a, const AcGeCurve2d& b, AcGePoint2d pts[2], const AcGeTol& tol)
{
    int n = 0;
    const bool linA = a.isKindOf(AcGe::kLinearEnt2d);
    const bool linB = b.isKindOf(AcGe::kLinearEnt2d);
    const bool arcA = a.type() == AcGe::kCircArc2d;
    const bool arcB = b.type() == AcGe::kCircArc2d;
    if (linA && linB) {
        AcGeLine2d la, lb;
        static_cast<const AcGeLinearEnt2d&>(a).getLine(la);
        static_cast<const AcGeLinearEnt2d&>(b).getLine(lb);
        n = la.intersectWith(lb, pts[0], tol) ? 1 : 0;
    } else if (arcA && linB) {
        AcGeLine2d lb;
        static_cast<const AcGeLinearEnt2d&>(b).getLine(lb);
        fullCircle(static_cast<const AcGeCircArc2d&>(a)).intersectWith(lb, n, pts[0], pts[1], tol);
    } else if (linA && arcB) {
        AcGeLine2d la;
        static_cast<const AcGeLinearEnt2d&>(a).getLine(la);
        fullCircle(static_cast<const AcGeCircArc2d&>(b)).intersectWith(la, n, pts[0], pts[1], tol);
    } else if (arcA && arcB) {
        fullCircle(static_cast<const AcGeCircArc2d&>(a))
            .intersectWith(fullCircle(static_cast<const AcGeCircArc2d&>(b)), n, pts[0], pts[1], tol);
    }
    return n;
}

// The parameter of x on the piece's extension, nearest to the piece's end (or start).
double extendedParam(const AcGeCurve2d& c, const AcGePoint2d& x, bool atEnd)
{
    AcGeInterval range;
    c.getInterval(range);
    const double target = atEnd ? range.upperBound() : range.lowerBound();
    if (c.isKindOf(AcGe::kLinearEnt2d)) {
        AcGeLine2d line;
        static_cast<const AcGeLinearEnt2d&>(c).getLine(line);
        return line.paramOf(x);
    }
    const double a = fullCircle(static_cast<const AcGeCircArc2d&>(c)).paramOf(x);
    return a + kTwoPi * std::round((target - a) / kTwoPi);
}

// Moves a's end and b's start to the crossing of their extensions nearest the corner;
// false when they do not cross, or when they part and only overlaps may be trimmed.
bool meetAtCrossing(AcGeCurve2d& a, AcGeCurve2d& b, const AcGePoint2d& corner, bool mayExtend, const AcGeTol& tol)
{
    AcGePoint2d pts[2];
    const int n = extendedCrossings(a, b, pts, tol);
    if (n == 0)
        return false;
    const AcGePoint2d x = (n == 2 && pts[1].distanceTo(corner) < pts[0].distanceTo(corner)) ? pts[1] : pts[0];
    AcGeInterval ra, rb;
    a.getInterval(ra);
    b.getInterval(rb);
    const double ta = extendedParam(a, x, true);
    const double tb = extendedParam(b, x, false);
    const bool overlapping = ta <= ra.upperBound() && tb >= rb.lowerBound();
    if (!overlapping && !mayExtend)
        return false;
    if (ta <= ra.lowerBound() || tb >= rb.upperBound())
        return false;
    std::unique_ptr<AcGeCurve2d> na(a.copy()), nb(b.copy());
    if (!na->setInterval(AcGeInterval(ra.lowerBound(), ta)) || !nb->setInterval(AcGeInterval(tb, rb.upperBound())))
        return false;
    a.setInterval(AcGeInterval(ra.lowerBound(), ta));
    b.setInterval(AcGeInterval(tb, rb.upperBound()));
    return true;
}

// The arc about the corner from a to b, the short way round.
CurvePtr filletArc(const AcGePoint2d& a, const AcGePoint2d& b, const AcGePoint2d& corner)
{
    const AcGeVector2d va = a - corner;
    const AcGeVector2d vb = b - corner;
    AcGeVector2d mid = (va.normal() + vb.normal());
    if (mid.isZeroLength())
        mid = -va.perpVector();
    return std::make_unique<AcGeCircArc2d>(a, corner + mid.normal() * va.length(), b);
}

// Joins the end of a to the start of b, adding a connecting piece to out where needed.
void join(AcGeCurve2d& a, AcGeCurve2d& b, const AcGePoint2d& corner, AcGe::OffsetCrvExtType ext,
          std::vector<CurvePtr>& connectors, const AcGeTol& tol)
{
    if (endOf(a).isEqualTo(startOf(b), tol))
        return;
    if (meetAtCrossing(a, b, corner, ext == AcGe::kExtend, tol))
        return;
    const AcGePoint2d pa = endOf(a);
    const AcGePoint2d pb = startOf(b);
    if (ext == AcGe::kFillet)
        connectors.push_back(filletArc(pa, pb, corner));
    else
        connectors.push_back(std::make_unique<AcGeLineSeg2d>(pa, pb));
}

} // namespace

AcGeCurve2d* offsetChain(const std::vector<const AcGeCurve2d*>& pieces, bool closed, double distance,
                         AcGe::OffsetCrvExtType extensionType, const AcGeTol& tol)
{
    // Offset every piece on its own; pieces that vanish (arcs shrunk to nothing) drop out.
    std::vector<CurvePtr> offsets;
    std::vector<AcGePoint2d> corners;
    for (const AcGeCurve2d* piece : pieces) {
        AcGeVoidPointerArray list;
        piece->getTrimmedOffset(distance, list, extensionType, tol);
        for (int i = 0; i < list.length(); ++i) {
            CurvePtr c(static_cast<AcGeCurve2d*>(list[i]));
            if (i == 0) {
                offsets.push_back(std::move(c));
                corners.push_back(endOf(*piece));
            }
        }
    }
    if (offsets.empty())
        return nullptr;
    // Join neighbours, the last to the first as well on a closed chain.
    std::vector<CurvePtr> joined;
    const std::size_t n = offsets.size();
    std::vector<std::vector<CurvePtr>> connectors(n);
    for (std::size_t i = 0; i + 1 < n || (closed && i < n && n > 1); ++i)
        join(*offsets[i], *offsets[(i + 1) % n], corners[i], extensionType, connectors[i], tol);
    for (std::size_t i = 0; i < n; ++i) {
        joined.push_back(std::move(offsets[i]));
        for (CurvePtr& c : connectors[i])
            joined.push_back(std::move(c));
    }
    if (joined.size() == 1)
        return joined.front().release();
    AcGeVoidPointerArray list;
    for (CurvePtr& c : joined)
        list.append(c.release());
    return new AcGeCompositeCurve2d(list);
}

} // namespace GeOffset
