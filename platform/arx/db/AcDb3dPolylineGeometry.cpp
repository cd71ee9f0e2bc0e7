// The 3-D polyline as a curve: straight segments through its vertices, parameter i + f by
// length fraction.
#include "AcDb3dPolyline.h"

#include "AcDb3dPolylineVertex.h"
#include "AcDbLine.h"
#include "AcGeLineSeg3d.h"
#include "DbCurveModel.h"

#include <cmath>

namespace {

std::vector<AcGePoint3d> positionsOf(const AcDb3dPolyline& poly)
{
    std::vector<AcGePoint3d> out;
    for (const AcDb3dPolylineVertex* v : poly.vertexObjects())
        out.push_back(v->position());
    return out;
}

AcGePoint3d pointAt(const std::vector<AcGePoint3d>& pts, double param)
{
    const std::size_t n = pts.size();
    auto seg = static_cast<std::size_t>(std::floor(param));
    if (seg >= n)
        seg = n - 1;
    const double f = param - static_cast<double>(seg);
    const AcGePoint3d& a = pts[seg % n];
    const AcGePoint3d& b = pts[(seg + 1) % n];
    return a + (b - a) * f;
}

} // namespace

bool AcDb3dPolyline::buildModel(DbCurveModel& model) const
{
    const std::vector<AcGePoint3d> pts = positionsOf(*this);
    const std::size_t n = pts.size();
    if (n == 0)
        return false;
    if (n == 1) {
        model.add(new AcGeLineSeg3d(pts[0], pts[0]), 0.0, 0.0, 0.0, 1.0);
        return true;
    }
    const std::size_t segs = mClosed ? n : n - 1;
    for (std::size_t i = 0; i < segs; ++i)
        model.add(new AcGeLineSeg3d(pts[i], pts[(i + 1) % n]), static_cast<double>(i), i + 1.0, 0.0, 1.0);
    model.setClosed(mClosed);
    return true;
}

AcDbCurve* AcDb3dPolyline::subCurve(double p0, double p1) const
{
    const std::vector<AcGePoint3d> pts = positionsOf(*this);
    if (pts.size() < 2)
        return nullptr;
    AcGePoint3dArray out;
    out.append(pointAt(pts, p0));
    for (double v = std::floor(p0) + 1.0; v < p1 - 1e-12; v += 1.0)
        out.append(pts[static_cast<std::size_t>(v) % pts.size()]);
    out.append(pointAt(pts, p1));
    return new AcDb3dPolyline(AcDb::k3dSimplePoly, out, false);
}

Acad::ErrorStatus AcDb3dPolyline::getOffsetCurves(double, AcDbVoidPtrArray&) const
{
    // A space polyline has no plane in which to take a side.
    return Acad::eNotApplicable;
}

Acad::ErrorStatus AcDb3dPolyline::transformBy(const AcGeMatrix3d& xform)
{
    if (Acad::ErrorStatus es = checkWritable(); es != Acad::eOk)
        return es;
    for (AcDb3dPolylineVertex* v : vertexObjects()) {
        const bool reopen = v->isDatabaseResident() && !v->isWriteEnabled();
        if (reopen && v->openFor(AcDb::kForWrite, false) != Acad::eOk)
            return Acad::eWasOpenForWrite;
        v->setPosition(xform * v->position());
        if (reopen)
            v->close();
    }
    return Acad::eOk;
}

Acad::ErrorStatus AcDb3dPolyline::extend(bool extendStart, const AcGePoint3d& toPoint)
{
    if (Acad::ErrorStatus es = checkWritable(); es != Acad::eOk)
        return es;
    if (mClosed)
        return Acad::eNotApplicable;
    const std::vector<AcDb3dPolylineVertex*> vertices = vertexObjects();
    if (vertices.size() < 2)
        return Acad::eDegenerateGeometry;
    // The end vertex moves to the point's foot on its segment's line.
    AcDb3dPolylineVertex* moving = extendStart ? vertices.front() : vertices.back();
    const AcGePoint3d fixed = (extendStart ? vertices[1] : vertices[vertices.size() - 2])->position();
    const AcGeVector3d d = moving->position() - fixed;
    if (d.isZeroLength())
        return Acad::eDegenerateGeometry;
    const AcGePoint3d foot = fixed + d * ((toPoint - fixed).dotProduct(d) / d.lengthSqrd());
    const bool reopen = moving->isDatabaseResident() && !moving->isWriteEnabled();
    if (reopen && moving->openFor(AcDb::kForWrite, false) != Acad::eOk)
        return Acad::eWasOpenForWrite;
    moving->setPosition(foot);
    if (reopen)
        moving->close();
    return Acad::eOk;
}

Acad::ErrorStatus AcDb3dPolyline::explode(AcDbVoidPtrArray& entitySet) const
{
    const std::vector<AcGePoint3d> pts = positionsOf(*this);
    const std::size_t n = pts.size();
    if (n < 2)
        return Acad::eOk;
    for (std::size_t i = 0; i < (mClosed ? n : n - 1); ++i) {
        if (pts[i].isEqualTo(pts[(i + 1) % n]))
            continue;
        auto* line = new AcDbLine(pts[i], pts[(i + 1) % n]);
        copyEntityPropertiesTo(line);
        entitySet.append(line);
    }
    return Acad::eOk;
}
