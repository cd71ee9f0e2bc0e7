// DXF: AcDbModelerGeometry with format version 70 and no modeller data, then AcDbRegion.
#include "AcDbRegion.h"

#include "AcDb2dPolyline.h"
#include "AcDbDxfFiler.h"
#include "AcDbPolyline.h"
#include "DbGeometry.h"

#include <algorithm>
#include <cmath>

ACRX_DEFINE_DXF_MEMBERS(AcDbRegion, AcDbEntity, L"REGION")

namespace {

bool sameSpot(const AcGePoint3d& a, const AcGePoint3d& b)
{
    return a.distanceTo(b) <= 1e-6 * std::max({ 1.0, std::fabs(a.x), std::fabs(a.y), std::fabs(a.z) });
}

} // namespace

// Every closed curve bounds a region of its own; open curves are chained end to end (either
// way round) into closed loops, each a region. Curves that close no loop are left out.
Acad::ErrorStatus AcDbRegion::createFromCurves(const AcDbVoidPtrArray& curveSegments, AcDbVoidPtrArray& regions)
{
    std::vector<const AcDbCurve*> open;
    for (int i = 0; i < curveSegments.length(); ++i) {
        const auto* curve = AcDbCurve::cast(static_cast<const AcDbEntity*>(curveSegments[i]));
        if (curve == nullptr)
            return Acad::eInvalidInput;
        if (!curve->isClosed()) {
            open.push_back(curve);
            continue;
        }
        auto* region = new AcDbRegion();
        region->mBoundary.emplace_back(AcDbCurve::cast(DbGeometry::copyEntity(curve)));
        region->mReversed.push_back(false);
        curve->copyEntityPropertiesTo(region);
        regions.append(region);
    }
    std::vector<bool> used(open.size(), false);
    for (std::size_t first = 0; first < open.size(); ++first) {
        if (used[first])
            continue;
        std::vector<std::pair<std::size_t, bool>> chain { { first, false } };
        used[first] = true;
        AcGePoint3d start, end;
        open[first]->getStartPoint(start);
        open[first]->getEndPoint(end);
        bool closed = sameSpot(start, end);
        while (!closed) {
            bool grew = false;
            for (std::size_t j = 0; j < open.size() && !grew; ++j) {
                if (used[j])
                    continue;
                AcGePoint3d s, e;
                open[j]->getStartPoint(s);
                open[j]->getEndPoint(e);
                if (sameSpot(s, end) || sameSpot(e, end)) {
                    const bool backwards = !sameSpot(s, end);
                    chain.emplace_back(j, backwards);
                    used[j] = true;
                    end = backwards ? s : e;
                    grew = true;
                }
            }
            if (!grew)
                break;
            closed = sameSpot(start, end);
        }
        if (!closed) {
            // The curves stay free for no other loop: a chain that does not close is dropped.
            continue;
        }
        auto* region = new AcDbRegion();
        for (const auto& [index, backwards] : chain) {
            region->mBoundary.emplace_back(AcDbCurve::cast(DbGeometry::copyEntity(open[index])));
            region->mReversed.push_back(backwards);
        }
        open[first]->copyEntityPropertiesTo(region);
        regions.append(region);
    }
    return Acad::eOk;
}

Acad::ErrorStatus AcDbRegion::getArea(double& regionArea) const
{
    if (mBoundary.empty())
        return Acad::eDegenerateGeometry;
    // The area the loop sweeps about the origin, each curve in the loop's direction.
    AcGeVector3d swept;
    for (std::size_t i = 0; i < mBoundary.size(); ++i) {
        if (!mBoundary[i])
            return Acad::eDegenerateGeometry;
        if (mBoundary[i]->isClosed() && mBoundary.size() == 1)
            return mBoundary[i]->getArea(regionArea);
        std::vector<std::unique_ptr<AcGeCurve3d>> spans;
        mBoundary[i]->getGeCurves(spans, false);
        for (const auto& span : spans) {
            AcGeInterval range;
            span->getInterval(range);
            const AcGeVector3d swept1 = span->sweptArea(range.lowerBound(), range.upperBound());
            swept += mReversed[i] ? -swept1 : swept1;
        }
    }
    regionArea = swept.length();
    return Acad::eOk;
}

Acad::ErrorStatus AcDbRegion::getPerimeter(double& perimeter) const
{
    if (mBoundary.empty())
        return Acad::eDegenerateGeometry;
    perimeter = 0.0;
    for (const auto& curve : mBoundary) {
        double end = 0.0, length = 0.0;
        if (!curve || curve->getEndParam(end) != Acad::eOk || curve->getDistAtParam(end, length) != Acad::eOk)
            return Acad::eDegenerateGeometry;
        perimeter += length;
    }
    return Acad::eOk;
}

bool AcDbRegion::getGeCurves(std::vector<std::unique_ptr<AcGeCurve3d>>& curves, bool) const
{
    if (mBoundary.empty())
        return false;
    for (const auto& curve : mBoundary)
        if (curve)
            curve->getGeCurves(curves, false);
    return true;
}

Acad::ErrorStatus AcDbRegion::getGeomExtents(AcDbExtents& extents) const
{
    AcDbExtents box;
    for (const auto& curve : mBoundary) {
        AcDbExtents own;
        if (curve && curve->getGeomExtents(own) == Acad::eOk)
            box.addExt(own);
    }
    if (box.isEmpty())
        return Acad::eNotApplicable;
    extents = box;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbRegion::transformBy(const AcGeMatrix3d& xform)
{
    if (Acad::ErrorStatus es = checkWritable(); es != Acad::eOk)
        return es;
    for (const auto& curve : mBoundary)
        if (curve)
            if (Acad::ErrorStatus es = curve->transformBy(xform); es != Acad::eOk)
                return es;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbRegion::explode(AcDbVoidPtrArray& entitySet) const
{
    if (mBoundary.empty())
        return Acad::eNotApplicable;
    for (const auto& curve : mBoundary) {
        if (!curve)
            continue;
        if (AcDbPolyline::cast(curve.get()) || AcDb2dPolyline::cast(curve.get())) {
            curve->explode(entitySet);
            continue;
        }
        if (AcDbEntity* copy = DbGeometry::copyEntity(curve.get()))
            entitySet.append(copy);
    }
    return Acad::eOk;
}

Acad::ErrorStatus AcDbRegion::dxfOutFields(AcDbDxfFiler* filer) const
{
    AcDbEntity::dxfOutFields(filer);
    filer->writeSubclass(L"AcDbModelerGeometry");
    filer->writeInt16(70, 1);
    filer->writeSubclass(L"AcDbRegion");
    return Acad::eOk;
}

Acad::ErrorStatus AcDbRegion::dxfInFields(AcDbDxfFiler* filer)
{
    AcDbEntity::dxfInFields(filer);
    if (filer->atSubclassData(L"AcDbModelerGeometry"))
        filer->readSubclass([](const AcDbDxfGroup&) {});
    filer->atSubclassData(L"AcDbRegion");
    return Acad::eOk;
}
