// An infinite construction line through a base point in a unit direction.
#pragma once

#include "AcDbCurve.h"

class AcDbXline : public AcDbCurve {
public:
    ACRX_DECLARE_MEMBERS(AcDbXline);

    AcGePoint3d basePoint() const { return mBasePoint; }
    Acad::ErrorStatus setBasePoint(const AcGePoint3d& p) { return setField(mBasePoint, p); }
    AcGeVector3d unitDir() const { return mUnitDir; }
    // The direction is stored normalised; a zero vector is refused.
    Acad::ErrorStatus setUnitDir(const AcGeVector3d& v);

    Acad::ErrorStatus getOffsetCurves(double offsetDist, AcDbVoidPtrArray& offsetCurves) const override;
    Acad::ErrorStatus extend(double newParam) override;
    Acad::ErrorStatus extend(bool extendStart, const AcGePoint3d& toPoint) override;
    Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform) override;

    Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;
    Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;

protected:
    bool buildModel(DbCurveModel& model) const override;
    AcDbCurve* subCurve(double p0, double p1) const override;

private:
    AcGePoint3d mBasePoint;
    AcGeVector3d mUnitDir { 1.0, 0.0, 0.0 };
};
