// An angular dimension between two lines, each given by two points, with a point on the
// dimension arc.
#pragma once

#include "AcDbDimension.h"

class AcDb2LineAngularDimension : public AcDbDimension {
public:
    ACRX_DECLARE_MEMBERS(AcDb2LineAngularDimension);

    AcDb2LineAngularDimension() = default;
    AcDb2LineAngularDimension(const AcGePoint3d& xLine1Start, const AcGePoint3d& xLine1End,
        const AcGePoint3d& xLine2Start, const AcGePoint3d& xLine2End, const AcGePoint3d& arcPoint,
        const ACHAR* dimText = nullptr, AcDbObjectId dimStyle = AcDbObjectId::kNull);

    AcGePoint3d xLine1Start() const { return m_xLine1Start; }
    Acad::ErrorStatus setXLine1Start(const AcGePoint3d& v) { return setField(m_xLine1Start, v); }
    AcGePoint3d xLine1End() const { return m_xLine1End; }
    Acad::ErrorStatus setXLine1End(const AcGePoint3d& v) { return setField(m_xLine1End, v); }
    AcGePoint3d xLine2Start() const { return m_xLine2Start; }
    Acad::ErrorStatus setXLine2Start(const AcGePoint3d& v) { return setField(m_xLine2Start, v); }
    AcGePoint3d xLine2End() const { return m_xLine2End; }
    Acad::ErrorStatus setXLine2End(const AcGePoint3d& v) { return setField(m_xLine2End, v); }
    AcGePoint3d arcPoint() const { return m_arcPoint; }
    Acad::ErrorStatus setArcPoint(const AcGePoint3d& v) { return setField(m_arcPoint, v); }

    Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;
    Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;

protected:
    bool computeGraphics(Graphics& g) const override;
    void transformDefinitionPoints(const AcGeMatrix3d& xform) override;
    int dxfDimensionType() const override { return 2; }
    AcGePoint3d dxfDefinitionPoint() const override { return m_xLine2End; }
    void setDxfDefinitionPoint(const AcGePoint3d& p) override { m_xLine2End = p; }

private:
    AcGePoint3d m_xLine1Start;
    AcGePoint3d m_xLine1End;
    AcGePoint3d m_xLine2Start;
    AcGePoint3d m_xLine2End;
    AcGePoint3d m_arcPoint;
};
