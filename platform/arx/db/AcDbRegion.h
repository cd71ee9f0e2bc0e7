// A planar region bounded by closed loops of curves. The boundary is built from curves by
// createFromCurves; the modelling kernel's data is not kept, so the file carries none.
#pragma once

#include "AcDbEntity.h"

class AcDbRegion : public AcDbEntity {
public:
    ACRX_DECLARE_MEMBERS(AcDbRegion);

    // Regions from closed loops of the given curves (new objects owned by the caller).
    static Acad::ErrorStatus createFromCurves(const AcDbVoidPtrArray& curveSegments, AcDbVoidPtrArray& regions);
    virtual Acad::ErrorStatus getArea(double& regionArea) const;
    virtual Acad::ErrorStatus getPerimeter(double& perimeter) const;
    bool isNull() const { return true; }

    Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;
    Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
};
