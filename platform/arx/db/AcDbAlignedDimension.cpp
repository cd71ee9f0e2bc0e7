// DXF: 13 xLine1Point, 14 xLine2Point, 10 dimLinePoint, 52 oblique (rotation and oblique in degrees).
#include "AcDbAlignedDimension.h"

#include "AcDbDxfFiler.h"
#include "DbDxfFields.h"

ACRX_DEFINE_DXF_MEMBERS(AcDbAlignedDimension, AcDbDimension, L"DIMENSION")

AcDbAlignedDimension::AcDbAlignedDimension(const AcGePoint3d& xLine1Point, const AcGePoint3d& xLine2Point,
    const AcGePoint3d& dimLinePoint, const ACHAR* dimText, AcDbObjectId dimStyle)
    : m_xLine1Point(xLine1Point)
    , m_xLine2Point(xLine2Point)
    , m_dimLinePoint(dimLinePoint)
{
    initDimension(dimText, dimStyle);
}

Acad::ErrorStatus AcDbAlignedDimension::dxfOutFields(AcDbDxfFiler* filer) const
{
    AcDbDimension::dxfOutFields(filer);
    filer->writeSubclass(L"AcDbAlignedDimension");
    filer->writePoint3d(13, m_xLine1Point);
    filer->writePoint3d(14, m_xLine2Point);
    filer->writeAngle(52, m_oblique);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbAlignedDimension::dxfInFields(AcDbDxfFiler* filer)
{
    AcDbDimension::dxfInFields(filer);
    using namespace DbDxfFields;
    return DbDxfFields::read(filer, L"AcDbAlignedDimension",
        { Point { 13, m_xLine1Point }, Point { 14, m_xLine2Point }, Angle { 52, m_oblique } });
}

bool AcDbAlignedDimension::computeGraphics(Graphics& g) const
{
    const AcGeVector3d dir = m_xLine2Point - m_xLine1Point;
    if (dir.isZeroLength())
        return false;
    linearGraphics(m_xLine1Point, m_xLine2Point, dimLineThrough(m_dimLinePoint), dir, g);
    return true;
}

void AcDbAlignedDimension::transformDefinitionPoints(const AcGeMatrix3d& xform)
{
    m_xLine1Point.transformBy(xform);
    m_xLine2Point.transformBy(xform);
    m_dimLinePoint.transformBy(xform);
}
