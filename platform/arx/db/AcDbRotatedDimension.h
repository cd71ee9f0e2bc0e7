// A linear dimension measured along a direction at a rotation angle: two extension-line
// origins and a point on the dimension line.
#pragma once

#include "AcDbDimension.h"

class AcDbRotatedDimension : public AcDbDimension {
public:
    ACRX_DECLARE_MEMBERS(AcDbRotatedDimension);

    AcDbRotatedDimension() = default;
    AcDbRotatedDimension(double rotation, const AcGePoint3d& xLine1Point, const AcGePoint3d& xLine2Point,
        const AcGePoint3d& dimLinePoint, const ACHAR* dimText = nullptr, AcDbObjectId dimStyle = AcDbObjectId::kNull);

    AcGePoint3d xLine1Point() const { return m_xLine1Point; }
    Acad::ErrorStatus setXLine1Point(const AcGePoint3d& v) { return setField(m_xLine1Point, v); }
    AcGePoint3d xLine2Point() const { return m_xLine2Point; }
    Acad::ErrorStatus setXLine2Point(const AcGePoint3d& v) { return setField(m_xLine2Point, v); }
    AcGePoint3d dimLinePoint() const { return m_dimLinePoint; }
    Acad::ErrorStatus setDimLinePoint(const AcGePoint3d& v) { return setField(m_dimLinePoint, v); }
    double rotation() const { return m_rotation; }
    Acad::ErrorStatus setRotation(double v) { return setField(m_rotation, v); }
    double oblique() const { return m_oblique; }
    Acad::ErrorStatus setOblique(double v) { return setField(m_oblique, v); }

    Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;
    Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;

protected:
    bool computeGraphics(Graphics& g) const override;
    void transformDefinitionPoints(const AcGeMatrix3d& xform) override;
    int dxfDimensionType() const override { return 0; }
    AcGePoint3d dxfDefinitionPoint() const override { return m_dimLinePoint; }
    void setDxfDefinitionPoint(const AcGePoint3d& p) override { m_dimLinePoint = p; }

private:
    AcGePoint3d m_xLine1Point;
    AcGePoint3d m_xLine2Point;
    AcGePoint3d m_dimLinePoint;
    double m_rotation = 0.0;
    double m_oblique = 0.0;
};
