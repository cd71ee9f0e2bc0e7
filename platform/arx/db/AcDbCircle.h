// A full circle: centre, radius, normal and thickness.
#pragma once

#include "AcDbCurve.h"

class AcDbCircle : public AcDbCurve {
public:
    ACRX_DECLARE_MEMBERS(AcDbCircle);

    AcDbCircle() = default;
    AcDbCircle(const AcGePoint3d& cntr, const AcGeVector3d& nrm, double radius);

    AcGePoint3d center() const { return mCenter; }
    Acad::ErrorStatus setCenter(const AcGePoint3d& p) { return setField(mCenter, p); }
    double radius() const { return mRadius; }
    Acad::ErrorStatus setRadius(double r);
    AcGeVector3d normal() const { return mNormal; }
    Acad::ErrorStatus setNormal(const AcGeVector3d& n);
    double thickness() const { return mThickness; }
    Acad::ErrorStatus setThickness(double t) { return setField(mThickness, t); }

    bool isClosed() const override { return true; }

    Acad::ErrorStatus getOffsetCurves(double offsetDist, AcDbVoidPtrArray& offsetCurves) const override;
    Acad::ErrorStatus extend(double newParam) override;
    Acad::ErrorStatus extend(bool extendStart, const AcGePoint3d& toPoint) override;
    Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform) override;
    bool isPeriodic() const override { return true; }
    Acad::ErrorStatus getTransformedCopy(const AcGeMatrix3d& xform, AcDbEntity*& pEnt) const override;

    Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;
    Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;

protected:
    bool buildModel(DbCurveModel& model) const override;
    AcDbCurve* subCurve(double p0, double p1) const override;

private:
    AcGePoint3d mCenter;
    double mRadius = 0.0;
    AcGeVector3d mNormal { 0.0, 0.0, 1.0 };
    double mThickness = 0.0;
};
