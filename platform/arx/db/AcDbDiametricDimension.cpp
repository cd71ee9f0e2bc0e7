// DXF: 15 chordPoint, 10 farChordPoint, 40 leaderLength.
#include "AcDbDiametricDimension.h"

#include "AcDbDxfFiler.h"

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
    if (!filer->atSubclassData(L"AcDbDiametricDimension"))
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
