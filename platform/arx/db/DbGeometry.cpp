// Geometry helpers shared by the entity classes.
#include "DbGeometry.h"

#include "AcDb2dPolyline.h"
#include "AcDb2dVertex.h"
#include "AcDb3dPolyline.h"
#include "AcDb3dPolylineVertex.h"
#include "AcDbArc.h"
#include "AcDbCircle.h"
#include "AcDbDimension.h"
#include "AcDbDimStyleTableRecord.h"
#include "AcDbDxfFiler.h"
#include "AcDbDxfReader.h"
#include "AcDbEllipse.h"
#include "AcDbEntity.h"
#include "AcDbHostApplicationServices.h"
#include "AcDbLine.h"
#include "AcDbSpline.h"
#include "AcGeCircArc2d.h"
#include "AcGeCircArc3d.h"
#include "AcGeCompositeCurve2d.h"
#include "AcGeEllipArc3d.h"
#include "AcGeKnotVector.h"
#include "AcGeLineSeg2d.h"
#include "AcGeLineSeg3d.h"
#include "AcGeNurbCurve3d.h"
#include "DbCurveModel.h"
#include "GeNumerics.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace DbGeometry {

namespace {

    using GeNumerics::kTwoPi;

} // namespace

AcGeVector3d ocsXAxis(const AcGeVector3d& normal)
{
    return normal.perpVector();
}

double ocsAngle(const AcGeVector3d& normal, const AcGeVector3d& v)
{
    const AcGeVector3d n = normal.normal();
    const AcGeVector3d x = ocsXAxis(n);
    const AcGeVector3d y = n.crossProduct(x);
    double a = std::atan2(v.dotProduct(y), v.dotProduct(x));
    if (a < 0.0)
        a += kTwoPi;
    return a;
}

AcGePoint3d toOcs(const AcGeVector3d& normal, const AcGePoint3d& p)
{
    return AcGeMatrix3d::worldToPlane(normal) * p;
}

AcGePoint3d fromOcs(const AcGeVector3d& normal, const AcGePoint3d& p)
{
    return AcGeMatrix3d::planeToWorld(normal) * p;
}

void addBulgeSegment(DbCurveModel& model, const AcGePoint3d& p0, const AcGePoint3d& p1, double bulge,
    const AcGeVector3d& normal, double param)
{
    const AcGeVector3d chord = p1 - p0;
    if (bulge == 0.0 || chord.length() <= 0.0) {
        model.add(new AcGeLineSeg3d(p0, p1), param, param + 1.0, 0.0, 1.0);
        return;
    }
    // The centre lies off the chord's middle by (1 - b^2) / (4b) of the chord, to its left
    // for a counter-clockwise (positive) bulge.
    const AcGeVector3d n = normal.normal();
    const AcGeVector3d left = n.crossProduct(chord);
    const AcGePoint3d center = p0 + chord * 0.5 + left * ((1.0 - bulge * bulge) / (4.0 * bulge));
    const double radius = center.distanceTo(p0);
    const double sweep = 4.0 * std::atan(std::fabs(bulge));
    // The arc turns about +normal or -normal so that its own parameter runs with the travel.
    const AcGeVector3d axis = bulge > 0.0 ? n : -n;
    model.add(
        new AcGeCircArc3d(center, axis, (p0 - center).normal(), radius, 0.0, sweep), param, param + 1.0, 0.0, sweep);
}

AcGeCurve2d* bulgeSegment2d(const AcGePoint2d& p0, const AcGePoint2d& p1, double bulge)
{
    if (bulge == 0.0 || p0.isEqualTo(p1))
        return new AcGeLineSeg2d(p0, p1);
    // Through the arc's middle, which lies a sagitta of bulge times the half chord to the
    // right of the chord for a counter-clockwise arc.
    const AcGeVector2d chord = p1 - p0;
    const AcGePoint2d middle = p0 + chord * 0.5 + AcGeVector2d(chord.y, -chord.x) * (0.5 * bulge);
    return new AcGeCircArc2d(p0, middle, p1);
}

bool chainToVertices(const AcGeCurve2d& chain, std::vector<AcGePoint2d>& points, std::vector<double>& bulges)
{
    std::vector<const AcGeCurve2d*> spans;
    AcGeVoidPointerArray list;
    if (chain.type() == AcGe::kCompositeCrv2d) {
        static_cast<const AcGeCompositeCurve2d&>(chain).getCurveList(list);
        for (int i = 0; i < list.length(); ++i)
            spans.push_back(static_cast<const AcGeCurve2d*>(list[i]));
    } else {
        spans.push_back(&chain);
    }
    bool ok = true;
    AcGePoint2d last;
    for (const AcGeCurve2d* span : spans) {
        AcGeInterval range;
        span->getInterval(range);
        const AcGePoint2d start = span->evalPoint(range.lowerBound());
        last = span->evalPoint(range.upperBound());
        if (span->type() == AcGe::kLineSeg2d) {
            points.push_back(start);
            bulges.push_back(0.0);
        } else if (span->type() == AcGe::kCircArc2d) {
            const auto* arc = static_cast<const AcGeCircArc2d*>(span);
            const double b = std::tan((arc->endAng() - arc->startAng()) / 4.0);
            points.push_back(start);
            bulges.push_back(arc->isClockWise() ? -b : b);
        } else {
            ok = false;
        }
    }
    points.push_back(last);
    bulges.push_back(0.0);
    // The list the composite handed over holds copies the caller owns.
    if (chain.type() == AcGe::kCompositeCrv2d)
        for (int i = 0; i < list.length(); ++i)
            delete static_cast<AcGeCurve2d*>(list[i]);
    return ok;
}

bool isUniform(const AcGeMatrix3d& xform, double& scale)
{
    AcGeVector3d x = AcGeVector3d::kXAxis, y = AcGeVector3d::kYAxis, z = AcGeVector3d::kZAxis;
    x.transformBy(xform);
    y.transformBy(xform);
    z.transformBy(xform);
    scale = x.length();
    const double tol = 1e-9 * std::max(scale, 1e-300);
    return scale > 0.0 && std::fabs(y.length() - scale) <= tol && std::fabs(z.length() - scale) <= tol
        && std::fabs(x.dotProduct(y)) <= tol * scale && std::fabs(y.dotProduct(z)) <= tol * scale
        && std::fabs(z.dotProduct(x)) <= tol * scale;
}

bool isMirroring(const AcGeMatrix3d& xform)
{
    return xform.det() < 0.0;
}

void addCurveExtents(const AcGeCurve3d& curve, AcDbExtents& extents)
{
    AcGeInterval range;
    curve.getInterval(range);
    if (!range.isBounded())
        return;
    const double lo = range.lowerBound();
    const double hi = range.upperBound();
    extents.addPoint(curve.evalPoint(lo));
    extents.addPoint(curve.evalPoint(hi));
    const AcGe::EntityId kind = curve.type();
    if (kind == AcGe::kLineSeg3d)
        return;
    if (kind == AcGe::kCircArc3d || kind == AcGe::kEllipArc3d) {
        // C + a cos t + b sin t is extreme along axis i where tan t = b_i / a_i.
        AcGePoint3d c;
        AcGeVector3d a, b;
        if (kind == AcGe::kCircArc3d) {
            const auto& arc = static_cast<const AcGeCircArc3d&>(curve);
            c = arc.center();
            a = arc.refVec().normal() * arc.radius();
            b = arc.normal().crossProduct(arc.refVec()).normal() * arc.radius();
        } else {
            const auto& ell = static_cast<const AcGeEllipArc3d&>(curve);
            c = ell.center();
            a = ell.majorAxis().normal() * ell.majorRadius();
            b = ell.minorAxis().normal() * ell.minorRadius();
        }
        for (int i = 0; i < 3; ++i) {
            const double t0 = std::atan2(b[i], a[i]);
            for (double t : { t0, t0 + std::numbers::pi }) {
                double u = t;
                while (u < lo)
                    u += kTwoPi;
                while (u - kTwoPi >= lo)
                    u -= kTwoPi;
                if (u <= hi)
                    extents.addPoint(c + a * std::cos(u) + b * std::sin(u));
            }
        }
        return;
    }
    constexpr int kSamples = 512;
    for (int i = 1; i < kSamples; ++i)
        extents.addPoint(curve.evalPoint(lo + (hi - lo) * i / kSamples));
    for (double t : curve.breakParams())
        if (t > lo && t < hi)
            extents.addPoint(curve.evalPoint(t));
}

AcDbCurve* curveFromGe(const AcGeCurve3d& curve)
{
    AcGeInterval range;
    curve.getInterval(range);
    switch (curve.type()) {
    case AcGe::kLineSeg3d: {
        const auto& seg = static_cast<const AcGeLineSeg3d&>(curve);
        return new AcDbLine(seg.startPoint(), seg.endPoint());
    }
    case AcGe::kCircArc3d: {
        const auto& arc = static_cast<const AcGeCircArc3d&>(curve);
        if (arc.endAng() - arc.startAng() >= kTwoPi - 1e-12)
            return new AcDbCircle(arc.center(), arc.normal(), arc.radius());
        return new AcDbArc(arc.center(), arc.normal(), arc.radius(),
            ocsAngle(arc.normal(), arc.startPoint() - arc.center()),
            ocsAngle(arc.normal(), arc.endPoint() - arc.center()));
    }
    case AcGe::kEllipArc3d: {
        const auto& ell = static_cast<const AcGeEllipArc3d&>(curve);
        if (ell.majorRadius() <= 0.0 || ell.minorRadius() <= 0.0)
            return nullptr;
        const bool closed = ell.endAng() - ell.startAng() >= kTwoPi - 1e-12;
        return new AcDbEllipse(ell.center(), ell.normal().normal(), ell.majorAxis().normal() * ell.majorRadius(),
            ell.minorRadius() / ell.majorRadius(), closed ? 0.0 : ell.startAng(), closed ? kTwoPi : ell.endAng());
    }
    case AcGe::kNurbCurve3d: {
        const auto& nurbs = static_cast<const AcGeNurbCurve3d&>(curve);
        int degree = 0;
        bool rational = false, periodic = false;
        AcGeKnotVector knots;
        AcGePoint3dArray points;
        AcGeDoubleArray weights;
        nurbs.getDefinitionData(degree, rational, periodic, knots, points, weights);
        AcGeDoubleArray knotList;
        for (int i = 0; i < knots.length(); ++i)
            knotList.append(knots[i]);
        auto* spline = new AcDbSpline();
        if (spline->setNurbsData(degree, rational, nurbs.isClosed(), periodic, points, knotList, weights)
            != Acad::eOk) {
            delete spline;
            return nullptr;
        }
        return spline;
    }
    default:
        return nullptr;
    }
}

AcDbEntity* copyEntity(const AcDbEntity* entity)
{
    if (entity == nullptr)
        return nullptr;
    // The entity's own DXF fields carry every datum; its handle, owner and reactors (the
    // groups before its first subclass marker) stay with the original.
    AcDbDatabase* db = entity->database() ? entity->database() : acdbHostApplicationServices()->workingDatabase();
    if (db == nullptr)
        return nullptr;
    std::string text;
    AcDbDxfFiler out(db, text);
    entity->dxfOutFields(&out);
    std::vector<AcDbDxfGroup> groups;
    if (!AcDbDxfReader::tokenize(text, groups))
        return nullptr;
    const auto first = std::find_if(groups.begin(), groups.end(), [](const AcDbDxfGroup& g) { return g.code == 100; });
    groups.erase(groups.begin(), first);
    auto* copy = AcDbEntity::cast(entity->isA()->create());
    if (copy == nullptr)
        return nullptr;
    AcDbDxfFiler in(db, groups);
    if (copy->dxfInFields(&in) != Acad::eOk) {
        delete copy;
        return nullptr;
    }
    // Extended data travels with the copy.
    std::string xtext;
    AcDbDxfFiler xout(db, xtext);
    entity->dxfOutXData(&xout);
    std::vector<AcDbDxfGroup> xgroups;
    if (!xtext.empty() && AcDbDxfReader::tokenize(xtext, xgroups))
        copy->dxfInXData(xgroups);
    // A dimension keeps its style's variables and overrides, and draws into a block of its own.
    if (const auto* dim = AcDbDimension::cast(entity)) {
        auto* copied = AcDbDimension::cast(copy);
        AcDbDimStyleTableRecord* data = nullptr;
        if (dim->getDimstyleData(data) == Acad::eOk) {
            copied->setDimstyleData(data);
            delete data;
        }
        copied->setDimBlockId(AcDbObjectId::kNull);
    }
    // Polyline vertices are objects of their own: each is copied into the new polyline.
    if (const auto* poly = AcDb2dPolyline::cast(entity))
        for (const AcDb2dVertex* v : poly->vertexObjects())
            if (auto* vc = AcDb2dVertex::cast(copyEntity(v)))
                AcDb2dPolyline::cast(copy)->appendVertex(vc);
    if (const auto* poly = AcDb3dPolyline::cast(entity))
        for (const AcDb3dPolylineVertex* v : poly->vertexObjects())
            if (auto* vc = AcDb3dPolylineVertex::cast(copyEntity(v)))
                AcDb3dPolyline::cast(copy)->appendVertex(vc);
    return copy;
}

} // namespace DbGeometry
