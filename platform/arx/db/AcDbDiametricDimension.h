// A diameter dimension: two opposite points on the circle and the leader length.
#pragma once

#include "AcDbDimension.h"

class AcDbDiametricDimension : public AcDbDimension {
public:
    ACRX_DECLARE_MEMBERS(AcDbDiametricDimension);

    AcDbDiametricDimension() = default;
    AcDbDiametricDimension(const AcGePoint3d& chordPoint, const AcGePoint3d& farChordPoint, double leaderLength,
        const ACHAR* dimText = nullptr, AcDbObjectId dimStyle = AcDbObjectId::kNull);

    AcGePoint3d chordPoint() const { return m_chordPoint; }
    Acad::ErrorStatus setChordPoint(const AcGePoint3d& v) { return setField(m_chordPoint, v); }
    AcGePoint3d farChordPoint() const { return m_farChordPoint; }
    Acad::ErrorStatus setFarChordPoint(const AcGePoint3d& v) { return setField(m_farChordPoint, v); }
    double leaderLength() const { return m_leaderLength; }
    Acad::ErrorStatus setLeaderLength(double v) { return setField(m_leaderLength, v); }

    Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;
    Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;

protected:
    bool computeGraphics(Graphics& g) const override;
    void transformDefinitionPoints(const AcGeMatrix3d& xform) override;
    int dxfDimensionType() const override { return 3; }
    AcGePoint3d dxfDefinitionPoint() const override { return m_farChordPoint; }
    void setDxfDefinitionPoint(const AcGePoint3d& p) override { m_farChordPoint = p; }

private:
    AcGePoint3d m_chordPoint;
    AcGePoint3d m_farChordPoint;
    double m_leaderLength = 0.0;
};
