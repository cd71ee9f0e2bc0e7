// Plane <-> space conversions, one pair of functions per curve kind.
#include "GePlanar.h"

#include "AcGeCircArc2d.h"
#include "AcGeCircArc3d.h"
#include "AcGeCompositeCurve2d.h"
#include "AcGeCompositeCurve3d.h"
#include "AcGeEllipArc2d.h"
#include "AcGeEllipArc3d.h"
#include "AcGeLine2d.h"
#include "AcGeLine3d.h"
#include "AcGeLineSeg2d.h"
#include "AcGeLineSeg3d.h"
#include "AcGeNurbCurve2d.h"
#include "AcGeNurbCurve3d.h"
#include "AcGePlane.h"
#include "AcGePolyline2d.h"
#include "AcGePolyline3d.h"
#include "AcGeRay2d.h"
#include "AcGeRay3d.h"

#include <memory>

namespace GePlanar {

namespace {

// The plane's frame made orthonormal: origin, X axis, Y axis, normal.
struct Frame {
    AcGePoint3d origin;
    AcGeVector3d x, y, n;

    explicit Frame(const AcGePlane& plane)
    {
        AcGeVector3d u, v;
        plane.get(origin, u, v);
        n = plane.normal();
        x = u.normal();
        y = n.crossProduct(x);
    }
    AcGePoint2d flat(const AcGePoint3d& p) const { return {(p - origin).dotProduct(x), (p - origin).dotProduct(y)}; }
    AcGeVector2d flat(const AcGeVector3d& v) const { return {v.dotProduct(x), v.dotProduct(y)}; }
    AcGePoint3d lift(const AcGePoint2d& p) const { return origin + x * p.x + y * p.y; }
    AcGeVector3d lift(const AcGeVector2d& v) const { return x * v.x + y * v.y; }
};

template <class Linear2d, class Linear3d>
AcGeCurve2d* flatLinear(const AcGeCurve3d& c, const Frame& f)
{
    const auto& l = static_cast<const Linear3d&>(c);
    AcGeVector3d d1;
    l.evaluate(0.0, &d1, nullptr);
    return new Linear2d(f.flat(l.pointOnLine()), f.flat(d1));
}

template <class Linear3d, class Linear2d>
AcGeCurve3d* liftLinear(const AcGeCurve2d& c, const Frame& f)
{
    const auto& l = static_cast<const Linear2d&>(c);
    AcGeVector2d d1;
    l.evaluate(0.0, &d1, nullptr);
    return new Linear3d(f.lift(l.pointOnLine()), f.lift(d1));
}

AcGeCurve2d* flatArc(const AcGeCircArc3d& a, const Frame& f)
{
    return new AcGeCircArc2d(f.flat(a.center()), a.radius(), a.startAng(), a.endAng(), f.flat(a.refVec()),
                             a.normal().dotProduct(f.n) < 0.0);
}

AcGeCurve3d* liftArc(const AcGeCircArc2d& a, const Frame& f)
{
    return new AcGeCircArc3d(f.lift(a.center()), a.isClockWise() ? -f.n : f.n, f.lift(a.refVec()), a.radius(),
                             a.startAng(), a.endAng());
}

AcGeCurve2d* flatEllipse(const AcGeEllipArc3d& e, const Frame& f)
{
    return new AcGeEllipArc2d(f.flat(e.center()), f.flat(e.majorAxis()), f.flat(e.minorAxis()), e.majorRadius(),
                              e.minorRadius(), e.startAng(), e.endAng());
}

AcGeCurve3d* liftEllipse(const AcGeEllipArc2d& e, const Frame& f)
{
    return new AcGeEllipArc3d(f.lift(e.center()), f.lift(e.majorAxis()), f.lift(e.minorAxis()), e.majorRadius(),
                              e.minorRadius(), e.startAng(), e.endAng());
}

AcGeCurve2d* flatNurbs(const AcGeNurbCurve3d& s, const Frame& f)
{
    int degree;
    bool rational, periodic;
    AcGeKnotVector knots;
    AcGePoint3dArray points;
    AcGeDoubleArray weights;
    s.getDefinitionData(degree, rational, periodic, knots, points, weights);
    AcGePoint2dArray flat;
    for (const AcGePoint3d& p : points)
        flat.append(f.flat(p));
    if (rational)
        return new AcGeNurbCurve2d(degree, knots, flat, weights, periodic);
    return new AcGeNurbCurve2d(degree, knots, flat, periodic);
}

AcGeCurve3d* liftNurbs(const AcGeNurbCurve2d& s, const Frame& f)
{
    int degree;
    bool rational, periodic;
    AcGeKnotVector knots;
    AcGePoint2dArray points;
    AcGeDoubleArray weights;
    s.getDefinitionData(degree, rational, periodic, knots, points, weights);
    AcGePoint3dArray lifted;
    for (const AcGePoint2d& p : points)
        lifted.append(f.lift(p));
    if (rational)
        return new AcGeNurbCurve3d(degree, knots, lifted, weights, periodic);
    return new AcGeNurbCurve3d(degree, knots, lifted, periodic);
}

AcGeCurve2d* flatPolyline(const AcGePolyline3d& p, const Frame& f)
{
    AcGePoint2dArray flat;
    for (int i = 0; i < p.numFitPoints(); ++i)
        flat.append(f.flat(p.fitPointAt(i)));
    return new AcGePolyline2d(p.knots(), flat);
}

AcGeCurve3d* liftPolyline(const AcGePolyline2d& p, const Frame& f)
{
    AcGePoint3dArray lifted;
    for (int i = 0; i < p.numFitPoints(); ++i)
        lifted.append(f.lift(p.fitPointAt(i)));
    return new AcGePolyline3d(p.knots(), lifted);
}

AcGeCurve2d* flatComposite(const AcGeCompositeCurve3d& c, const AcGePlane& plane)
{
    AcGeVoidPointerArray pieces, flat;
    c.getCurveList(pieces);
    for (void* p : pieces) {
        std::unique_ptr<AcGeCurve3d> piece(static_cast<AcGeCurve3d*>(p));
        flat.append(toPlane(*piece, plane));
    }
    return new AcGeCompositeCurve2d(flat);
}

AcGeCurve3d* liftComposite(const AcGeCompositeCurve2d& c, const AcGePlane& plane)
{
    AcGeVoidPointerArray pieces, lifted;
    c.getCurveList(pieces);
    for (void* p : pieces) {
        std::unique_ptr<AcGeCurve2d> piece(static_cast<AcGeCurve2d*>(p));
        lifted.append(toSpace(*piece, plane));
    }
    return new AcGeCompositeCurve3d(lifted);
}

} // namespace

AcGeCurve2d* toPlane(const AcGeCurve3d& curve, const AcGePlane& plane)
{
    const Frame f(plane);
    switch (curve.type()) {
    case AcGe::kLineSeg3d:
        return flatLinear<AcGeLineSeg2d, AcGeLineSeg3d>(curve, f);
    case AcGe::kLine3d:
        return flatLinear<AcGeLine2d, AcGeLine3d>(curve, f);
    case AcGe::kRay3d:
        return flatLinear<AcGeRay2d, AcGeRay3d>(curve, f);
    case AcGe::kCircArc3d:
        return flatArc(static_cast<const AcGeCircArc3d&>(curve), f);
    case AcGe::kEllipArc3d:
        return flatEllipse(static_cast<const AcGeEllipArc3d&>(curve), f);
    case AcGe::kNurbCurve3d:
        return flatNurbs(static_cast<const AcGeNurbCurve3d&>(curve), f);
    case AcGe::kPolyline3d:
        return flatPolyline(static_cast<const AcGePolyline3d&>(curve), f);
    case AcGe::kCompositeCrv3d:
        return flatComposite(static_cast<const AcGeCompositeCurve3d&>(curve), plane);
    default:
        return nullptr;
    }
}

AcGeCurve3d* toSpace(const AcGeCurve2d& curve, const AcGePlane& plane)
{
    const Frame f(plane);
    switch (curve.type()) {
    case AcGe::kLineSeg2d:
        return liftLinear<AcGeLineSeg3d, AcGeLineSeg2d>(curve, f);
    case AcGe::kLine2d:
        return liftLinear<AcGeLine3d, AcGeLine2d>(curve, f);
    case AcGe::kRay2d:
        return liftLinear<AcGeRay3d, AcGeRay2d>(curve, f);
    case AcGe::kCircArc2d:
        return liftArc(static_cast<const AcGeCircArc2d&>(curve), f);
    case AcGe::kEllipArc2d:
        return liftEllipse(static_cast<const AcGeEllipArc2d&>(curve), f);
    case AcGe::kNurbCurve2d:
        return liftNurbs(static_cast<const AcGeNurbCurve2d&>(curve), f);
    case AcGe::kPolyline2d:
        return liftPolyline(static_cast<const AcGePolyline2d&>(curve), f);
    case AcGe::kCompositeCrv2d:
        return liftComposite(static_cast<const AcGeCompositeCurve2d&>(curve), plane);
    default:
        return nullptr;
    }
}

} // namespace GePlanar
