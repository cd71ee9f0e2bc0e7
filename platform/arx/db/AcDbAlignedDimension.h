// A linear dimension measured along the line through its two extension-line origins.
#pragma once

#include "AcDbDimension.h"

class AcDbAlignedDimension : public AcDbDimension {
public:
    ACRX_DECLARE_MEMBERS(AcDbAlignedDimension);

    AcDbAlignedDimension() = default;
    AcDbAlignedDimension(const AcGePoint3d& xLine1Point, const AcGePoint3d& xLine2Point,
        const AcGePoint3d& dimLinePoint, const ACHAR* dimText = nullptr, AcDbObjectId dimStyle = AcDbObjectId::kNull);

    AcGePoint3d xLine1Point() const { return m_xLine1Point; }
    Acad::ErrorStatus setXLine1Point(const AcGePoint3d& v) { return setField(m_xLine1Point, v); }
    AcGePoint3d xLine2Point() const { return m_xLine2Point; }
    Acad::ErrorStatus setXLine2Point(const AcGePoint3d& v) { return setField(m_xLine2Point, v); }
    AcGePoint3d dimLinePoint() const { return m_dimLinePoint; }
    Acad::ErrorStatus setDimLinePoint(const AcGePoint3d& v) { return setField(m_dimLinePoint, v); }
    double oblique() const { return m_oblique; }
    Acad::ErrorStatus setOblique(double v) { return setField(m_oblique, v); }

    Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;
    Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;

protected:
    bool computeGraphics(Graphics& g) const override;
    void transformDefinitionPoints(const AcGeMatrix3d& xform) override;
    int dxfDimensionType() const override { return 1; }
    AcGePoint3d dxfDefinitionPoint() const override { return m_dimLinePoint; }
    void setDxfDefinitionPoint(const AcGePoint3d& p) override { m_dimLinePoint = p; }

private:
    AcGePoint3d m_xLine1Point;
    AcGePoint3d m_xLine2Point;
    AcGePoint3d m_dimLinePoint;
    double m_oblique = 0.0;
};
