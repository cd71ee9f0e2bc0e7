// A circular arc: centre, radius, normal, and start and end angles (radians, counter-clockwise
// about the normal from the arc's own X axis).
#pragma once

#include "AcDbCurve.h"

class AcDbArc : public AcDbCurve {
public:
    ACRX_DECLARE_MEMBERS(AcDbArc);

    AcDbArc() = default;
    AcDbArc(const AcGePoint3d& center, double radius, double startAngle, double endAngle);
    AcDbArc(const AcGePoint3d& center, const AcGeVector3d& normal, double radius, double startAngle, double endAngle);

    AcGePoint3d center() const { return mCenter; }
    Acad::ErrorStatus setCenter(const AcGePoint3d& p) { return setField(mCenter, p); }
    double radius() const { return mRadius; }
    Acad::ErrorStatus setRadius(double r);
    double startAngle() const { return mStartAngle; }
    Acad::ErrorStatus setStartAngle(double a) { return setField(mStartAngle, a); }
    double endAngle() const { return mEndAngle; }
    Acad::ErrorStatus setEndAngle(double a) { return setField(mEndAngle, a); }
    AcGeVector3d normal() const { return mNormal; }
    Acad::ErrorStatus setNormal(const AcGeVector3d& n);
    double thickness() const { return mThickness; }
    Acad::ErrorStatus setThickness(double t) { return setField(mThickness, t); }

    Acad::ErrorStatus getOffsetCurves(double offsetDist, AcDbVoidPtrArray& offsetCurves) const override;
    Acad::ErrorStatus extend(double newParam) override;
    Acad::ErrorStatus extend(bool extendStart, const AcGePoint3d& toPoint) override;
    Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform) override;
    // Scaled unevenly an arc is no longer one: the copy is an elliptical arc.
    Acad::ErrorStatus getTransformedCopy(const AcGeMatrix3d& xform, AcDbEntity*& pEnt) const override;

    Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;
    Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;

protected:
    bool buildModel(DbCurveModel& model) const override;
    AcDbCurve* subCurve(double p0, double p1) const override;

private:
    AcGePoint3d mCenter;
    double mRadius = 0.0;
    double mStartAngle = 0.0;
    double mEndAngle = 0.0;
    AcGeVector3d mNormal { 0.0, 0.0, 1.0 };
    double mThickness = 0.0;
};
