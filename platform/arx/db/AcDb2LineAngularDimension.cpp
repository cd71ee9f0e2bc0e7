// DXF: 13 xLine1Start, 14 xLine1End, 15 xLine2Start, 10 xLine2End, 16 arcPoint.
#include "AcDb2LineAngularDimension.h"

#include "AcDbDxfFiler.h"

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
    if (!filer->atSubclassData(L"AcDb2LineAngularDimension"))
        return Acad::eInvalidInput;
    filer->readSubclass([&](const AcDbDxfGroup& g) {
        switch (g.code) {
        case 13:
            m_xLine1Start = filer->readPoint3d(g);
            break;
        case 14:
            m_xLine1End = filer->readPoint3d(g);
            break;
        case 15:
            m_xLine2Start = filer->readPoint3d(g);
            break;
        case 16:
            m_arcPoint = filer->readPoint3d(g);
            break;
        default:
            break;
        }
    });
    return Acad::eOk;
}
