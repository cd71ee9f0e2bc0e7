// DXF: 15 chordPoint, 10 farChordPoint, 40 leaderLength.
#include "AcDbDiametricDimension.h"

#include "AcDbDxfFiler.h"
#include "DbDxfFields.h"
#include "DbGeometry.h"

ACRX_DEFINE_DXF_MEMBERS(AcDbDiametricDimension, AcDbDimension, L"DIMENSION")

AcDbDiametricDimension::AcDbDiametricDimension(const AcGePoint3d& chordPoint, const AcGePoint3d& farChordPoint,
    double leaderLength, const ACHAR* dimText, AcDbObjectId dimStyle)
    : m_chordPoint(chordPoint)
    , m_farChordPoint(farChordPoint)
    , m_leaderLength(leaderLength)
{
    initDimension(dimText, dimStyle);
}

Acad::ErrorStatus AcDbDiametricDimension::dxfOutFields(AcDbDxfFiler* filer) const
{
    AcDbDimension::dxfOutFields(filer);
    filer->writeSubclass(L"AcDbDiametricDimension");
    filer->writePoint3d(15, m_chordPoint);
    filer->writeDouble(40, m_leaderLength);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbDiametricDimension::dxfInFields(AcDbDxfFiler* filer)
{
    AcDbDimension::dxfInFields(filer);
    using namespace DbDxfFields;
    return DbDxfFields::read(
        filer, L"AcDbDiametricDimension", { Point { 15, m_chordPoint }, Real { 40, m_leaderLength } });
}

bool AcDbDiametricDimension::computeGraphics(Graphics& g) const
{
    const AcGeVector3d across = m_farChordPoint - m_chordPoint;
    if (across.isZeroLength())
        return false;
    const AcGeVector3d u = across.normal();
    g.value = across.length();
    g.prefix = L"%%c";
    g.lines.push_back({ m_chordPoint, m_farChordPoint });
    g.arrows.push_back({ m_chordPoint, -u, false });
    g.arrows.push_back({ m_farChordPoint, u, true });
    g.textPoint = m_chordPoint + across * 0.5;
    g.textDirection = u;
    g.dimensionLine = 0;
    g.definitionPoints = { m_chordPoint, m_farChordPoint };
    return true;
}

void AcDbDiametricDimension::transformDefinitionPoints(const AcGeMatrix3d& xform)
{
    double scale = 1.0;
    DbGeometry::isUniform(xform, scale);
    m_chordPoint.transformBy(xform);
    m_farChordPoint.transformBy(xform);
    m_leaderLength *= scale;
}
