// An ellipse or elliptical arc: centre, major axis (vector from the centre), normal, ratio
// of minor to major axis, and start and end parameters (eccentric angles).
#pragma once

#include "AcDbCurve.h"

#include <numbers>

class AcDbEllipse : public AcDbCurve {
public:
    ACRX_DECLARE_MEMBERS(AcDbEllipse);

    AcDbEllipse() = default;
    AcDbEllipse(const AcGePoint3d& center, const AcGeVector3d& unitNormal, const AcGeVector3d& majorAxis,
        double radiusRatio, double startAngle = 0.0, double endAngle = 2.0 * std::numbers::pi);

    AcGePoint3d center() const { return mCenter; }
    Acad::ErrorStatus setCenter(const AcGePoint3d& p) { return setField(mCenter, p); }
    AcGeVector3d normal() const { return mNormal; }
    AcGeVector3d majorAxis() const { return mMajorAxis; }
    AcGeVector3d minorAxis() const;
    double radiusRatio() const { return mRatio; }
    Acad::ErrorStatus setRadiusRatio(double ratio);
    // Sets centre, normal, major axis, ratio and parameters at once; ratio in (0, 1].
    Acad::ErrorStatus set(const AcGePoint3d& center, const AcGeVector3d& unitNormal, const AcGeVector3d& majorAxis,
        double radiusRatio, double startAngle = 0.0, double endAngle = 2.0 * std::numbers::pi);
    double startParam() const { return mStartParam; }
    double endParam() const { return mEndParam; }
    Acad::ErrorStatus setStartParam(double p) { return setField(mStartParam, p); }
    Acad::ErrorStatus setEndParam(double p) { return setField(mEndParam, p); }

    bool isClosed() const override;

    Acad::ErrorStatus getOffsetCurves(double offsetDist, AcDbVoidPtrArray& offsetCurves) const override;
    Acad::ErrorStatus extend(double newParam) override;
    Acad::ErrorStatus extend(bool extendStart, const AcGePoint3d& toPoint) override;
    Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform) override;
    bool isPeriodic() const override { return isClosed(); }

    Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;
    Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;

protected:
    bool buildModel(DbCurveModel& model) const override;
    AcDbCurve* subCurve(double p0, double p1) const override;

private:
    AcGePoint3d mCenter;
    AcGeVector3d mNormal { 0.0, 0.0, 1.0 };
    AcGeVector3d mMajorAxis { 1.0, 0.0, 0.0 };
    double mRatio = 1.0;
    double mStartParam = 0.0;
    double mEndParam = 2.0 * std::numbers::pi;
};
