// A filled triangle or quadrilateral (a 2-D solid). Its corners run in DXF order: the third
// and fourth corners are swapped against the drawn outline.
#pragma once

#include "AcDbEntity.h"

class AcDbSolid : public AcDbEntity {
public:
    ACRX_DECLARE_MEMBERS(AcDbSolid);

    AcDbSolid() = default;
    AcDbSolid(const AcGePoint3d& pt0, const AcGePoint3d& pt1, const AcGePoint3d& pt2);
    AcDbSolid(const AcGePoint3d& pt0, const AcGePoint3d& pt1, const AcGePoint3d& pt2, const AcGePoint3d& pt3);

    // Corner 0 to 3; eInvalidIndex for another index.
    Acad::ErrorStatus getPointAt(Adesk::UInt16 idx, AcGePoint3d& pntRes) const;
    Acad::ErrorStatus setPointAt(Adesk::UInt16 idx, const AcGePoint3d& pt);
    double thickness() const { return mThickness; }
    Acad::ErrorStatus setThickness(double t) { return setField(mThickness, t); }
    AcGeVector3d normal() const { return mNormal; }
    Acad::ErrorStatus setNormal(const AcGeVector3d& n) { return setField(mNormal, n); }

    Acad::ErrorStatus getGeomExtents(AcDbExtents& extents) const override;
    bool getGeCurves(std::vector<std::unique_ptr<AcGeCurve3d>>& curves, bool extended) const override;
    Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform) override;

    Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;
    Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;

private:
    AcGePoint3d mPoints[4];
    double mThickness = 0.0;
    AcGeVector3d mNormal { 0.0, 0.0, 1.0 };
};
