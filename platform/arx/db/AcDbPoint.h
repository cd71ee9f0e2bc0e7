// A point entity, drawn in the style of the drawing's PDMODE and PDSIZE.
#pragma once

#include "AcDbEntity.h"

class AcDbPoint : public AcDbEntity {
public:
    ACRX_DECLARE_MEMBERS(AcDbPoint);

    AcDbPoint() = default;
    explicit AcDbPoint(const AcGePoint3d& position)
        : mPosition(position)
    {
    }

    AcGePoint3d position() const { return mPosition; }
    Acad::ErrorStatus setPosition(const AcGePoint3d& p) { return setField(mPosition, p); }
    double thickness() const { return mThickness; }
    Acad::ErrorStatus setThickness(double t) { return setField(mThickness, t); }
    AcGeVector3d normal() const { return mNormal; }
    Acad::ErrorStatus setNormal(const AcGeVector3d& n) { return setField(mNormal, n); }
    // Radians: the angle of the point's X axis, for the shapes PDMODE draws.
    double ecsRotation() const { return mEcsRotation; }
    Acad::ErrorStatus setEcsRotation(double a) { return setField(mEcsRotation, a); }

    Acad::ErrorStatus getGeomExtents(AcDbExtents& extents) const override;
    bool getGeCurves(std::vector<std::unique_ptr<AcGeCurve3d>>& curves, bool extended) const override;
    Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform) override;

    Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;
    Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;

private:
    AcGePoint3d mPosition;
    double mThickness = 0.0;
    AcGeVector3d mNormal { 0.0, 0.0, 1.0 };
    double mEcsRotation = 0.0;
};
