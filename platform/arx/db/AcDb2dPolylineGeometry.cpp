// The 2-D polyline as a curve: a simple 2-D polyline is a lightweight polyline with vertex
// objects, so it answers through a lightweight copy of its vertices (fit and spline-fit
// polylines through their vertices as they stand).
#include "AcDb2dPolyline.h"

#include "AcDb2dVertex.h"
#include "AcDbPolyline.h"
#include "DbCurveModel.h"

#include <memory>

namespace {

std::unique_ptr<AcDbPolyline> lightweightOf(const AcDb2dPolyline& source)
{
    auto lw = std::make_unique<AcDbPolyline>();
    unsigned int i = 0;
    for (const AcDb2dVertex* v : source.vertexObjects()) {
        const AcGePoint3d p = v->position();
        lw->addVertexAt(i++, AcGePoint2d(p.x, p.y), v->bulge(), v->startWidth(), v->endWidth());
    }
    lw->setClosed(source.isClosed());
    lw->setElevation(source.elevation());
    lw->setNormal(source.normal());
    return lw;
}

AcDb2dPolyline* fromLightweight(const AcDbPolyline& lw, const AcDb2dPolyline& like)
{
    AcGePoint3dArray points;
    AcGeDoubleArray bulges;
    for (unsigned int i = 0; i < lw.numVerts(); ++i) {
        AcGePoint2d p;
        double b = 0.0;
        lw.getPointAt(i, p);
        lw.getBulgeAt(i, b);
        points.append(AcGePoint3d(p.x, p.y, lw.elevation()));
        bulges.append(b);
    }
    auto* poly = new AcDb2dPolyline(AcDb::k2dSimplePoly, points, lw.elevation(), lw.isClosed(),
        like.defaultStartWidth(), like.defaultEndWidth(), &bulges);
    poly->setNormal(lw.normal());
    poly->setThickness(like.thickness());
    return poly;
}

} // namespace

bool AcDb2dPolyline::buildModel(DbCurveModel& model) const
{
    return lightweightOf(*this)->buildModel(model);
}

AcDbCurve* AcDb2dPolyline::subCurve(double p0, double p1) const
{
    std::unique_ptr<AcDbCurve> span(lightweightOf(*this)->subCurve(p0, p1));
    auto* lw = AcDbPolyline::cast(span.get());
    return lw ? fromLightweight(*lw, *this) : nullptr;
}

Acad::ErrorStatus AcDb2dPolyline::getOffsetCurves(double offsetDist, AcDbVoidPtrArray& offsetCurves) const
{
    AcDbVoidPtrArray lwSpans;
    if (Acad::ErrorStatus es = lightweightOf(*this)->getOffsetCurves(offsetDist, lwSpans); es != Acad::eOk)
        return es;
    for (int i = 0; i < lwSpans.length(); ++i) {
        std::unique_ptr<AcDbPolyline> lw(static_cast<AcDbPolyline*>(lwSpans[i]));
        AcDb2dPolyline* poly = fromLightweight(*lw, *this);
        copyEntityPropertiesTo(poly);
        offsetCurves.append(poly);
    }
    return Acad::eOk;
}

namespace {

// Writes a lightweight copy's vertices back into the vertex objects, each opened for the
// time of the change.
Acad::ErrorStatus takeVertices(const AcDbPolyline& lw, const std::vector<AcDb2dVertex*>& vertices, double elevation)
{
    unsigned int i = 0;
    for (AcDb2dVertex* v : vertices) {
        AcGePoint2d p;
        double bulge = 0.0, sw = 0.0, ew = 0.0;
        lw.getPointAt(i, p);
        lw.getBulgeAt(i, bulge);
        lw.getWidthsAt(i++, sw, ew);
        const bool reopen = v->isDatabaseResident() && !v->isWriteEnabled();
        if (reopen && v->openFor(AcDb::kForWrite, false) != Acad::eOk)
            return Acad::eWasOpenForWrite;
        v->setPosition(AcGePoint3d(p.x, p.y, elevation));
        v->setBulge(bulge);
        v->setStartWidth(sw);
        v->setEndWidth(ew);
        if (reopen)
            v->close();
    }
    return Acad::eOk;
}

} // namespace

Acad::ErrorStatus AcDb2dPolyline::transformBy(const AcGeMatrix3d& xform)
{
    if (Acad::ErrorStatus es = checkWritable(); es != Acad::eOk)
        return es;
    const std::unique_ptr<AcDbPolyline> lw = lightweightOf(*this);
    if (Acad::ErrorStatus es = lw->transformBy(xform); es != Acad::eOk)
        return es;
    mNormal = lw->normal();
    mElevation = lw->elevation();
    return takeVertices(*lw, vertexObjects(), mElevation);
}

Acad::ErrorStatus AcDb2dPolyline::extend(bool extendStart, const AcGePoint3d& toPoint)
{
    if (Acad::ErrorStatus es = checkWritable(); es != Acad::eOk)
        return es;
    const std::unique_ptr<AcDbPolyline> lw = lightweightOf(*this);
    if (Acad::ErrorStatus es = lw->extend(extendStart, toPoint); es != Acad::eOk)
        return es;
    return takeVertices(*lw, vertexObjects(), mElevation);
}

Acad::ErrorStatus AcDb2dPolyline::explode(AcDbVoidPtrArray& entitySet) const
{
    AcDbVoidPtrArray exploded;
    if (Acad::ErrorStatus es = lightweightOf(*this)->explode(exploded); es != Acad::eOk)
        return es;
    for (int i = 0; i < exploded.length(); ++i) {
        auto* ent = static_cast<AcDbEntity*>(exploded[i]);
        copyEntityPropertiesTo(ent);
        entitySet.append(ent);
    }
    return Acad::eOk;
}
