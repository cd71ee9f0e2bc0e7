// A planar region bounded by a closed loop of curves, built from curves by createFromCurves,
// which keeps copies of them as the boundary. No solid modeller stands behind it: the file
// carries the region without modeller data, and a region read from a file has no boundary.
#pragma once

#include "AcDbCurve.h"

class AcDbRegion : public AcDbEntity {
public:
    ACRX_DECLARE_MEMBERS(AcDbRegion);

    // Regions from closed loops of the given curves (new objects owned by the caller).
    static Acad::ErrorStatus createFromCurves(const AcDbVoidPtrArray& curveSegments, AcDbVoidPtrArray& regions);
    virtual Acad::ErrorStatus getArea(double& regionArea) const;
    virtual Acad::ErrorStatus getPerimeter(double& perimeter) const;
    bool isNull() const { return mBoundary.empty(); }

    Acad::ErrorStatus getGeomExtents(AcDbExtents& extents) const override;
    bool getGeCurves(std::vector<std::unique_ptr<AcGeCurve3d>>& curves, bool extended) const override;
    Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform) override;
    // The boundary's curves as new entities: polylines come apart into lines and arcs.
    Acad::ErrorStatus explode(AcDbVoidPtrArray& entitySet) const override;

    Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;
    Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;

private:
    // The loop's curves in order, each with whether the loop runs it backwards.
    std::vector<std::unique_ptr<AcDbCurve>> mBoundary;
    std::vector<bool> mReversed;
};
