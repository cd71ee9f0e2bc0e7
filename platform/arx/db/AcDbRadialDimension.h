// A radius dimension: centre, a point on the curve and the leader length.
#pragma once

#include "AcDbDimension.h"

class AcDbRadialDimension : public AcDbDimension {
public:
    ACRX_DECLARE_MEMBERS(AcDbRadialDimension);

    AcDbRadialDimension() = default;
    AcDbRadialDimension(const AcGePoint3d& center, const AcGePoint3d& chordPoint, double leaderLength,
        const ACHAR* dimText = nullptr, AcDbObjectId dimStyle = AcDbObjectId::kNull);

    AcGePoint3d center() const { return m_center; }
    Acad::ErrorStatus setCenter(const AcGePoint3d& v) { return setField(m_center, v); }
    AcGePoint3d chordPoint() const { return m_chordPoint; }
    Acad::ErrorStatus setChordPoint(const AcGePoint3d& v) { return setField(m_chordPoint, v); }
    double leaderLength() const { return m_leaderLength; }
    Acad::ErrorStatus setLeaderLength(double v) { return setField(m_leaderLength, v); }

    Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;
    Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;

protected:
    bool computeGraphics(Graphics& g) const override;
    void transformDefinitionPoints(const AcGeMatrix3d& xform) override;
    int dxfDimensionType() const override { return 4; }
    AcGePoint3d dxfDefinitionPoint() const override { return m_center; }
    void setDxfDefinitionPoint(const AcGePoint3d& p) override { m_center = p; }

private:
    AcGePoint3d m_center;
    AcGePoint3d m_chordPoint;
    double m_leaderLength = 0.0;
};
