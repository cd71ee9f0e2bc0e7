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

    Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;
    Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;

private:
    AcGePoint3d mCenter;
    double mRadius = 0.0;
    AcGeVector3d mNormal { 0.0, 0.0, 1.0 };
    double mThickness = 0.0;
};
