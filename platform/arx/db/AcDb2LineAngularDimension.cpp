// DXF: 13 xLine1Start, 14 xLine1End, 15 xLine2Start, 10 xLine2End, 16 arcPoint.
#include "AcDb2LineAngularDimension.h"

#include "AcDbDxfFiler.h"
#include "DbDxfFields.h"

#include <cmath>

ACRX_DEFINE_DXF_MEMBERS(AcDb2LineAngularDimension, AcDbDimension, L"DIMENSION")

AcDb2LineAngularDimension::AcDb2LineAngularDimension(const AcGePoint3d& xLine1Start, const AcGePoint3d& xLine1End,
    const AcGePoint3d& xLine2Start, const AcGePoint3d& xLine2End, const AcGePoint3d& arcPoint, const ACHAR* dimText,
    AcDbObjectId dimStyle)
    : m_xLine1Start(xLine1Start)
    , m_xLine1End(xLine1End)
    , m_xLine2Start(xLine2Start)
    , m_xLine2End(xLine2End)
    , m_arcPoint(arcPoint)
{
    initDimension(dimText, dimStyle);
}

Acad::ErrorStatus AcDb2LineAngularDimension::dxfOutFields(AcDbDxfFiler* filer) const
{
    AcDbDimension::dxfOutFields(filer);
    filer->writeSubclass(L"AcDb2LineAngularDimension");
    filer->writePoint3d(13, m_xLine1Start);
    filer->writePoint3d(14, m_xLine1End);
    filer->writePoint3d(15, m_xLine2Start);
    filer->writePoint3d(16, m_arcPoint);
    return Acad::eOk;
}

Acad::ErrorStatus AcDb2LineAngularDimension::dxfInFields(AcDbDxfFiler* filer)
{
    AcDbDimension::dxfInFields(filer);
    using namespace DbDxfFields;
    return DbDxfFields::read(filer, L"AcDb2LineAngularDimension",
        { Point { 13, m_xLine1Start }, Point { 14, m_xLine1End }, Point { 15, m_xLine2Start },
            Point { 16, m_arcPoint } });
}

bool AcDb2LineAngularDimension::computeGraphics(Graphics& g) const
{
    // The vertex is where the two lines (unbounded) cross in the dimension's plane.
    const AcGeVector3d d1 = m_xLine1End - m_xLine1Start;
    const AcGeVector3d d2 = m_xLine2End - m_xLine2Start;
    const AcGeVector3d n = normal().normal();
    const double denom = d1.crossProduct(d2).dotProduct(n);
    if (d1.isZeroLength() || d2.isZeroLength() || std::fabs(denom) <= 1e-12 * d1.length() * d2.length())
        return false;
    const double t = (m_xLine2Start - m_xLine1Start).crossProduct(d2).dotProduct(n) / denom;
    const AcGePoint3d vertex = m_xLine1Start + d1 * t;
    // Each leg runs from the vertex towards its line's far point.
    const AcGePoint3d leg1 = m_xLine1End.isEqualTo(vertex) ? m_xLine1Start : m_xLine1End;
    const AcGePoint3d leg2 = m_xLine2End.isEqualTo(vertex) ? m_xLine2Start : m_xLine2End;
    angularGraphics(vertex, leg1, leg2, m_arcPoint, g);
    return true;
}

void AcDb2LineAngularDimension::transformDefinitionPoints(const AcGeMatrix3d& xform)
{
    m_xLine1Start.transformBy(xform);
    m_xLine1End.transformBy(xform);
    m_xLine2Start.transformBy(xform);
    m_xLine2End.transformBy(xform);
    m_arcPoint.transformBy(xform);
}
