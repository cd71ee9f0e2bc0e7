// DXF: 13 xLine1Point, 14 xLine2Point, 10 dimLinePoint, 50 rotation, 52 oblique (rotation and oblique in degrees).
#include "AcDbRotatedDimension.h"

#include "AcDbDxfFiler.h"
#include "DbDxfFields.h"
#include "DbGeometry.h"

ACRX_DEFINE_DXF_MEMBERS(AcDbRotatedDimension, AcDbDimension, L"DIMENSION")

AcDbRotatedDimension::AcDbRotatedDimension(double rotation, const AcGePoint3d& xLine1Point,
    const AcGePoint3d& xLine2Point, const AcGePoint3d& dimLinePoint, const ACHAR* dimText, AcDbObjectId dimStyle)
    : m_xLine1Point(xLine1Point)
    , m_xLine2Point(xLine2Point)
    , m_dimLinePoint(dimLinePoint)
    , m_rotation(rotation)
{
    initDimension(dimText, dimStyle);
}

Acad::ErrorStatus AcDbRotatedDimension::dxfOutFields(AcDbDxfFiler* filer) const
{
    AcDbDimension::dxfOutFields(filer);
    filer->writeSubclass(L"AcDbAlignedDimension");
    filer->writePoint3d(13, m_xLine1Point);
    filer->writePoint3d(14, m_xLine2Point);
    filer->writeAngle(50, m_rotation);
    filer->writeAngle(52, m_oblique);
    filer->writeSubclass(L"AcDbRotatedDimension");
    return Acad::eOk;
}

Acad::ErrorStatus AcDbRotatedDimension::dxfInFields(AcDbDxfFiler* filer)
{
    AcDbDimension::dxfInFields(filer);
    using namespace DbDxfFields;
    const Acad::ErrorStatus es = DbDxfFields::read(filer, L"AcDbAlignedDimension",
        { Point { 13, m_xLine1Point }, Point { 14, m_xLine2Point }, Angle { 50, m_rotation },
            Angle { 52, m_oblique } });
    if (es != Acad::eOk)
        return es;
    filer->atSubclassData(L"AcDbRotatedDimension");
    return Acad::eOk;
}

bool AcDbRotatedDimension::computeGraphics(Graphics& g) const
{
    // Measured along the rotation's direction in the dimension's plane.
    AcGeVector3d dir = DbGeometry::ocsXAxis(normal());
    dir.rotateBy(m_rotation, normal());
    linearGraphics(m_xLine1Point, m_xLine2Point, dimLineThrough(m_dimLinePoint), dir, g);
    return true;
}

void AcDbRotatedDimension::transformDefinitionPoints(const AcGeMatrix3d& xform)
{
    AcGeVector3d dir = DbGeometry::ocsXAxis(normal());
    dir.rotateBy(m_rotation, normal());
    dir.transformBy(xform);
    m_xLine1Point.transformBy(xform);
    m_xLine2Point.transformBy(xform);
    m_dimLinePoint.transformBy(xform);
    m_rotation = DbGeometry::ocsAngle(normal(), dir);
}
