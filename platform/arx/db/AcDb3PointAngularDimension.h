// An angular dimension from a centre to two points, with a point on the dimension arc.
#pragma once

#include "AcDbDimension.h"

class AcDb3PointAngularDimension : public AcDbDimension {
public:
    ACRX_DECLARE_MEMBERS(AcDb3PointAngularDimension);

    AcDb3PointAngularDimension() = default;
    AcDb3PointAngularDimension(const AcGePoint3d& centerPoint, const AcGePoint3d& xLine1Point,
        const AcGePoint3d& xLine2Point, const AcGePoint3d& arcPoint, const ACHAR* dimText = nullptr,
        AcDbObjectId dimStyle = AcDbObjectId::kNull);

    AcGePoint3d centerPoint() const { return m_centerPoint; }
    Acad::ErrorStatus setCenterPoint(const AcGePoint3d& v) { return setField(m_centerPoint, v); }
    AcGePoint3d xLine1Point() const { return m_xLine1Point; }
    Acad::ErrorStatus setXLine1Point(const AcGePoint3d& v) { return setField(m_xLine1Point, v); }
    AcGePoint3d xLine2Point() const { return m_xLine2Point; }
    Acad::ErrorStatus setXLine2Point(const AcGePoint3d& v) { return setField(m_xLine2Point, v); }
    AcGePoint3d arcPoint() const { return m_arcPoint; }
    Acad::ErrorStatus setArcPoint(const AcGePoint3d& v) { return setField(m_arcPoint, v); }

    Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;
    Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;

protected:
    bool computeGraphics(Graphics& g) const override;
    void transformDefinitionPoints(const AcGeMatrix3d& xform) override;
    int dxfDimensionType() const override { return 5; }
    AcGePoint3d dxfDefinitionPoint() const override { return m_arcPoint; }
    void setDxfDefinitionPoint(const AcGePoint3d& p) override { m_arcPoint = p; }

private:
    AcGePoint3d m_centerPoint;
    AcGePoint3d m_xLine1Point;
    AcGePoint3d m_xLine2Point;
    AcGePoint3d m_arcPoint;
};
