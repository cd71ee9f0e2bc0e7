// DXF: 10 center, 15 chordPoint, 40 leaderLength.
#include "AcDbRadialDimension.h"

#include "AcDbDxfFiler.h"

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
    if (!filer->atSubclassData(L"AcDbRadialDimension"))
        return Acad::eInvalidInput;
    filer->readSubclass([&](const AcDbDxfGroup& g) {
        switch (g.code) {
        case 15:
            m_chordPoint = filer->readPoint3d(g);
            break;
        case 40:
            m_leaderLength = g.asDouble();
            break;
        default:
            break;
        }
    });
    return Acad::eOk;
}
