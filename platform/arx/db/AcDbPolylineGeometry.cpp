// The lightweight polyline as a curve: segments by bulge, parameter i + f (a length fraction
// on a line, an angle fraction on an arc), split spans, offsets, extension, transformation
// and explosion into lines and arcs.
#include "AcDbPolyline.h"

#include "AcDbArc.h"
#include "AcDbLine.h"
#include "AcGeCircArc2d.h"
#include "AcGeCircArc3d.h"
#include "AcGeLineSeg2d.h"
#include "AcGeLineSeg3d.h"
#include "DbCurveModel.h"
#include "DbGeometry.h"
#include "GeOffset.h"

#include <cmath>
#include <memory>

unsigned int AcDbPolyline::numSegs() const
{
    const auto n = numVerts();
    if (n < 2)
        return 0;
    return mClosed ? n : n - 1;
}

AcGePoint2d AcDbPolyline::segPoint(unsigned int i, double f) const
{
    const auto n = numVerts();
    const AcGePoint2d p0 = mVertices[i % n].point;
    const AcGePoint2d p1 = mVertices[(i + 1) % n].point;
    const double bulge = mVertices[i % n].bulge;
    if (bulge == 0.0 || p0.isEqualTo(p1))
        return p0 + (p1 - p0) * f;
    // Rotate the start about the centre by the fraction of the included angle.
    const AcGeVector2d chord = p1 - p0;
    const AcGePoint2d center
        = p0 + chord * 0.5 + AcGeVector2d(-chord.y, chord.x) * ((1.0 - bulge * bulge) / (4.0 * bulge));
    AcGeVector2d radial = p0 - center;
    radial.rotateBy(4.0 * std::atan(bulge) * f);
    return center + radial;
}

AcDbPolyline::SegType AcDbPolyline::segType(unsigned int index) const
{
    const auto n = numVerts();
    if (n == 0)
        return kEmpty;
    if (n == 1)
        return index == 0 ? kPoint : kEmpty;
    if (index >= numSegs())
        return kEmpty;
    if (mVertices[index].point.isEqualTo(mVertices[(index + 1) % n].point))
        return kCoincident;
    return mVertices[index].bulge != 0.0 ? kArc : kLine;
}

Acad::ErrorStatus AcDbPolyline::getLineSegAt(unsigned int index, AcGeLineSeg2d& ln) const
{
    if (index >= numSegs())
        return Acad::eInvalidIndex;
    if (mVertices[index].bulge != 0.0)
        return Acad::eNotApplicable;
    ln.set(mVertices[index].point, mVertices[(index + 1) % numVerts()].point);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getLineSegAt(unsigned int index, AcGeLineSeg3d& ln) const
{
    if (index >= numSegs())
        return Acad::eInvalidIndex;
    if (mVertices[index].bulge != 0.0)
        return Acad::eNotApplicable;
    AcGePoint3d a, b;
    getPointAt(index, a);
    getPointAt((index + 1) % numVerts(), b);
    ln.set(a, b);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getArcSegAt(unsigned int index, AcGeCircArc2d& arc) const
{
    if (index >= numSegs())
        return Acad::eInvalidIndex;
    if (segType(index) != kArc)
        return Acad::eNotApplicable;
    std::unique_ptr<AcGeCurve2d> seg(DbGeometry::bulgeSegment2d(
        mVertices[index].point, mVertices[(index + 1) % numVerts()].point, mVertices[index].bulge));
    arc = static_cast<const AcGeCircArc2d&>(*seg);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getArcSegAt(unsigned int index, AcGeCircArc3d& arc) const
{
    if (index >= numSegs())
        return Acad::eInvalidIndex;
    if (segType(index) != kArc)
        return Acad::eNotApplicable;
    AcGePoint3d a, b;
    getPointAt(index, a);
    getPointAt((index + 1) % numVerts(), b);
    DbCurveModel one;
    DbGeometry::addBulgeSegment(one, a, b, mVertices[index].bulge, mNormal, 0.0);
    arc = static_cast<const AcGeCircArc3d&>(*one.spans().front().curve);
    return Acad::eOk;
}

bool AcDbPolyline::buildModel(DbCurveModel& model) const
{
    const auto n = numVerts();
    if (n == 0)
        return false;
    if (n == 1) {
        AcGePoint3d p;
        getPointAt(0u, p);
        model.add(new AcGeLineSeg3d(p, p), 0.0, 0.0, 0.0, 1.0);
        return true;
    }
    for (unsigned int i = 0; i < numSegs(); ++i) {
        AcGePoint3d a, b;
        getPointAt(i, a);
        getPointAt((i + 1) % n, b);
        DbGeometry::addBulgeSegment(model, a, b, mVertices[i].bulge, mNormal, static_cast<double>(i));
    }
    model.setClosed(mClosed);
    return true;
}

AcDbCurve* AcDbPolyline::subCurve(double p0, double p1) const
{
    const auto n = numVerts();
    if (n < 2)
        return nullptr;
    auto* span = new AcDbPolyline();
    span->mElevation = mElevation;
    span->mNormal = mNormal;
    span->mThickness = mThickness;
    span->mPlinegen = mPlinegen;
    span->mConstantWidth = mConstantWidth;
    // Walk the segments from p0 to p1 (past the last vertex of a closed polyline, on from
    // vertex 0), cutting the first and last; a cut arc keeps its centre, so its bulge is the
    // tangent of the same fraction of the quarter angle.
    const double eps = 1e-12 * std::max(1.0, p1);
    double at = p0;
    while (at < p1 - eps) {
        auto seg = static_cast<unsigned int>(std::floor(at + eps));
        if (seg >= numSegs() && !mClosed)
            seg = numSegs() - 1;
        const double segEnd = std::min(static_cast<double>(seg) + 1.0, p1);
        const double f0 = at - seg;
        const double f1 = segEnd - seg;
        const Vertex& v = mVertices[seg % n];
        const double width = v.endWidth - v.startWidth;
        span->mVertices.push_back({ segPoint(seg, f0), std::tan(std::atan(v.bulge) * (f1 - f0)),
            v.startWidth + width * f0, v.startWidth + width * f1 });
        at = segEnd;
    }
    const auto last = static_cast<unsigned int>(std::max(0.0, std::ceil(p1 - eps) - 1.0));
    span->mVertices.push_back({ segPoint(last, p1 - last), 0.0, 0.0, 0.0 });
    return span;
}

Acad::ErrorStatus AcDbPolyline::getOffsetCurves(double offsetDist, AcDbVoidPtrArray& offsetCurves) const
{
    const auto n = numVerts();
    if (n < 2)
        return Acad::eDegenerateGeometry;
    std::vector<std::unique_ptr<AcGeCurve2d>> owned;
    std::vector<const AcGeCurve2d*> spans;
    for (unsigned int i = 0; i < numSegs(); ++i) {
        if (segType(i) == kCoincident)
            continue;
        owned.emplace_back(
            DbGeometry::bulgeSegment2d(mVertices[i].point, mVertices[(i + 1) % n].point, mVertices[i].bulge));
        spans.push_back(owned.back().get());
    }
    if (spans.empty())
        return Acad::eDegenerateGeometry;
    // The library offsets to the left of the travel; the polyline's rule is the right.
    std::unique_ptr<AcGeCurve2d> chain(
        GeOffset::offsetChain(spans, mClosed, -offsetDist, AcGe::kExtend, AcGeContext::gTol));
    if (!chain)
        return Acad::eInvalidOffset;
    std::vector<AcGePoint2d> points;
    std::vector<double> bulges;
    if (!DbGeometry::chainToVertices(*chain, points, bulges))
        return Acad::eInvalidOffset;
    auto* offset = new AcDbPolyline();
    offset->mElevation = mElevation;
    offset->mNormal = mNormal;
    offset->mThickness = mThickness;
    offset->mPlinegen = mPlinegen;
    offset->mClosed = mClosed;
    // A closed offset comes back to its first point, which the closed polyline implies.
    if (mClosed && points.size() > 1 && points.front().isEqualTo(points.back())) {
        points.pop_back();
        bulges.pop_back();
    }
    for (std::size_t i = 0; i < points.size(); ++i)
        offset->mVertices.push_back({ points[i], bulges[i], 0.0, 0.0 });
    // An offset too deep for the polyline crosses itself: nothing is made of it.
    if (!isCleanOffset(*offset, offsetDist)) {
        delete offset;
        return Acad::eInvalidOffset;
    }
    copyEntityPropertiesTo(offset);
    offsetCurves.append(offset);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::extend(double newParam)
{
    if (mClosed)
        return Acad::eNotApplicable;
    if (numVerts() < 2)
        return Acad::eDegenerateGeometry;
    const double end = numSegs();
    AcGePoint2d p;
    if (newParam < 0.0)
        p = segPoint(0, newParam);
    else if (newParam > end)
        p = segPoint(numSegs() - 1, newParam - (end - 1.0));
    else
        return Acad::eInvalidInput;
    return extend(newParam < 0.0, DbGeometry::fromOcs(mNormal, AcGePoint3d(p.x, p.y, mElevation)));
}

Acad::ErrorStatus AcDbPolyline::extend(bool extendStart, const AcGePoint3d& toPoint)
{
    if (Acad::ErrorStatus es = checkWritable(); es != Acad::eOk)
        return es;
    if (mClosed)
        return Acad::eNotApplicable;
    const auto n = numVerts();
    if (n < 2)
        return Acad::eDegenerateGeometry;
    const AcGePoint3d local = DbGeometry::toOcs(mNormal, toPoint);
    const AcGePoint2d target(local.x, local.y);
    // The end segment: its moving vertex, its fixed one and the bulge between them.
    const unsigned int moving = extendStart ? 0 : n - 1;
    const unsigned int fixed = extendStart ? 1 : n - 2;
    const unsigned int seg = extendStart ? 0 : n - 2;
    const AcGePoint2d a = mVertices[moving].point;
    const AcGePoint2d b = mVertices[fixed].point;
    const double bulge = mVertices[seg].bulge;
    if (a.isEqualTo(b))
        return Acad::eDegenerateGeometry;
    if (bulge == 0.0) {
        // The foot of the point on the segment's line.
        const AcGeVector2d d = a - b;
        mVertices[moving].point = b + d * ((target - b).dotProduct(d) / d.lengthSqrd());
        return Acad::eOk;
    }
    // An arc end sweeps round its centre, in its own turning sense, to the point's radial.
    const AcGeVector2d chord = mVertices[seg + 1].point - mVertices[seg].point;
    const AcGePoint2d center = mVertices[seg].point + chord * 0.5
        + AcGeVector2d(-chord.y, chord.x) * ((1.0 - bulge * bulge) / (4.0 * bulge));
    const double radius = (a - center).length();
    const AcGeVector2d radial = target - center;
    if (radial.length() <= 0.0)
        return Acad::eInvalidInput;
    const AcGePoint2d moved = center + radial.normal() * radius;
    const AcGePoint2d from = extendStart ? moved : mVertices[seg].point;
    const AcGePoint2d to = extendStart ? mVertices[seg + 1].point : moved;
    double sweep = std::atan2((from - center).x * (to - center).y - (from - center).y * (to - center).x,
        (from - center).dotProduct(to - center));
    if (bulge < 0.0)
        sweep = -sweep;
    if (sweep <= 0.0)
        sweep += 2.0 * std::numbers::pi;
    mVertices[moving].point = moved;
    mVertices[seg].bulge = (bulge > 0.0 ? 1.0 : -1.0) * std::tan(sweep / 4.0);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::transformBy(const AcGeMatrix3d& xform)
{
    if (Acad::ErrorStatus es = checkWritable(); es != Acad::eOk)
        return es;
    double scale = 1.0;
    const bool uniform = DbGeometry::isUniform(xform, scale);
    // Arcs stay arcs only under a similarity; straight segments take any affine map.
    if (!uniform && !isOnlyLines())
        return Acad::eNotApplicable;
    const AcGeVector3d x = DbGeometry::ocsXAxis(mNormal);
    AcGeVector3d tx = x, ty = mNormal.crossProduct(x), tn = mNormal;
    tx.transformBy(xform);
    ty.transformBy(xform);
    tn.transformBy(xform);
    AcGeVector3d normal = tx.crossProduct(ty);
    if (normal.isZeroLength())
        return Acad::eDegenerateGeometry;
    // The plane keeps the side its normal pointed to; a mirror reverses the turning of arcs.
    if (normal.dotProduct(tn) < 0.0)
        normal = -normal;
    normal = normal.normal();
    const bool mirrored = DbGeometry::isMirroring(xform);
    std::vector<AcGePoint3d> world;
    for (unsigned int i = 0; i < numVerts(); ++i) {
        AcGePoint3d p;
        getPointAt(i, p);
        world.push_back(xform * p);
    }
    mNormal = normal;
    for (unsigned int i = 0; i < numVerts(); ++i) {
        const AcGePoint3d local = DbGeometry::toOcs(mNormal, world[i]);
        mVertices[i].point.set(local.x, local.y);
        if (i == 0)
            mElevation = local.z;
        if (mirrored)
            mVertices[i].bulge = -mVertices[i].bulge;
        if (uniform) {
            mVertices[i].startWidth *= scale;
            mVertices[i].endWidth *= scale;
        }
    }
    if (uniform) {
        mConstantWidth *= scale;
        mThickness *= scale;
    }
    return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::explode(AcDbVoidPtrArray& entitySet) const
{
    const auto n = numVerts();
    for (unsigned int i = 0; i < numSegs(); ++i) {
        AcGePoint3d a, b;
        getPointAt(i, a);
        getPointAt((i + 1) % n, b);
        AcDbCurve* span = nullptr;
        if (segType(i) == kLine) {
            auto* line = new AcDbLine(a, b);
            line->setNormal(mNormal);
            line->setThickness(mThickness);
            span = line;
        } else if (segType(i) == kArc) {
            AcGeCircArc3d arc;
            getArcSegAt(i, arc);
            // About the polyline's normal, a clockwise segment runs from its end to its start.
            const bool ccw = mVertices[i].bulge > 0.0;
            const double s = DbGeometry::ocsAngle(mNormal, (ccw ? a : b) - arc.center());
            const double e = DbGeometry::ocsAngle(mNormal, (ccw ? b : a) - arc.center());
            auto* dbArc = new AcDbArc(arc.center(), mNormal, arc.radius(), s, e);
            dbArc->setThickness(mThickness);
            span = dbArc;
        } else {
            continue;
        }
        copyEntityPropertiesTo(span);
        entitySet.append(span);
    }
    return Acad::eOk;
}
