// DXF: 15 centerPoint, 13 xLine1Point, 14 xLine2Point, 10 arcPoint.
#include "AcDb3PointAngularDimension.h"

#include "AcDbDxfFiler.h"
#include "DbDxfFields.h"

ACRX_DEFINE_DXF_MEMBERS(AcDb3PointAngularDimension, AcDbDimension, L"DIMENSION")

AcDb3PointAngularDimension::AcDb3PointAngularDimension(const AcGePoint3d& centerPoint, const AcGePoint3d& xLine1Point,
    const AcGePoint3d& xLine2Point, const AcGePoint3d& arcPoint, const ACHAR* dimText, AcDbObjectId dimStyle)
    : m_centerPoint(centerPoint)
    , m_xLine1Point(xLine1Point)
    , m_xLine2Point(xLine2Point)
    , m_arcPoint(arcPoint)
{
    initDimension(dimText, dimStyle);
}

Acad::ErrorStatus AcDb3PointAngularDimension::dxfOutFields(AcDbDxfFiler* filer) const
{
    AcDbDimension::dxfOutFields(filer);
    filer->writeSubclass(L"AcDb3PointAngularDimension");
    filer->writePoint3d(15, m_centerPoint);
    filer->writePoint3d(13, m_xLine1Point);
    filer->writePoint3d(14, m_xLine2Point);
    return Acad::eOk;
}

Acad::ErrorStatus AcDb3PointAngularDimension::dxfInFields(AcDbDxfFiler* filer)
{
    AcDbDimension::dxfInFields(filer);
    using namespace DbDxfFields;
    return DbDxfFields::read(filer, L"AcDb3PointAngularDimension",
        { Point { 15, m_centerPoint }, Point { 13, m_xLine1Point }, Point { 14, m_xLine2Point } });
}

bool AcDb3PointAngularDimension::computeGraphics(Graphics& g) const
{
    if (m_xLine1Point.isEqualTo(m_centerPoint) || m_xLine2Point.isEqualTo(m_centerPoint))
        return false;
    angularGraphics(m_centerPoint, m_xLine1Point, m_xLine2Point, m_arcPoint, g);
    return true;
}

void AcDb3PointAngularDimension::transformDefinitionPoints(const AcGeMatrix3d& xform)
{
    m_centerPoint.transformBy(xform);
    m_xLine1Point.transformBy(xform);
    m_xLine2Point.transformBy(xform);
    m_arcPoint.transformBy(xform);
}
