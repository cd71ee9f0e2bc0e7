// DXF: 10 center, 15 chordPoint, 40 leaderLength.
#include "AcDbRadialDimension.h"

#include "AcDbDxfFiler.h"
#include "DbDxfFields.h"
#include "DbGeometry.h"

#include <algorithm>

ACRX_DEFINE_DXF_MEMBERS(AcDbRadialDimension, AcDbDimension, L"DIMENSION")

AcDbRadialDimension::AcDbRadialDimension(const AcGePoint3d& center, const AcGePoint3d& chordPoint, double leaderLength,
    const ACHAR* dimText, AcDbObjectId dimStyle)
    : m_center(center)
    , m_chordPoint(chordPoint)
    , m_leaderLength(leaderLength)
{
    initDimension(dimText, dimStyle);
}

Acad::ErrorStatus AcDbRadialDimension::dxfOutFields(AcDbDxfFiler* filer) const
{
    AcDbDimension::dxfOutFields(filer);
    filer->writeSubclass(L"AcDbRadialDimension");
    filer->writePoint3d(15, m_chordPoint);
    filer->writeDouble(40, m_leaderLength);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbRadialDimension::dxfInFields(AcDbDxfFiler* filer)
{
    AcDbDimension::dxfInFields(filer);
    using namespace DbDxfFields;
    return DbDxfFields::read(
        filer, L"AcDbRadialDimension", { Point { 15, m_chordPoint }, Real { 40, m_leaderLength } });
}

bool AcDbRadialDimension::computeGraphics(Graphics& g) const
{
    const AcGeVector3d out = m_chordPoint - m_center;
    if (out.isZeroLength())
        return false;
    const AcGeVector3d u = out.normal();
    g.value = out.length();
    g.prefix = L"R";
    // The line runs from the centre through the chord point and on by the leader length,
    // where the text sits; the arrow points at the curve from inside.
    const AcGePoint3d end = m_chordPoint + u * std::max(m_leaderLength, 0.0);
    g.lines.push_back({ m_center, end });
    g.arrows.push_back({ m_chordPoint, u, false });
    g.textPoint = m_leaderLength > 0.0 ? end : m_center + out * 0.5;
    g.textDirection = u;
    g.dimensionLine = 0;
    g.definitionPoints = { m_center, m_chordPoint };
    return true;
}

void AcDbRadialDimension::transformDefinitionPoints(const AcGeMatrix3d& xform)
{
    double scale = 1.0;
    DbGeometry::isUniform(xform, scale);
    m_center.transformBy(xform);
    m_chordPoint.transformBy(xform);
    m_leaderLength *= scale;
}
