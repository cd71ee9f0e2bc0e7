// DXF: position 10, widths 40/41, bulge 42, flags 70 (8 curve-fit, 16 spline frame, 1 extra).
#include "AcDb2dVertex.h"

#include "AcDbDxfFiler.h"

ACRX_DEFINE_DXF_MEMBERS(AcDb2dVertex, AcDbVertex, L"VERTEX")

AcDb2dVertex::AcDb2dVertex(
    const AcGePoint3d& position, double bulge, double startWidth, double endWidth, double tangent)
    : mPosition(position)
    , mBulge(bulge)
    , mStartWidth(startWidth)
    , mEndWidth(endWidth)
    , mTangent(tangent)
{
}

Acad::ErrorStatus AcDb2dVertex::dxfOutFields(AcDbDxfFiler* filer) const
{
    AcDbVertex::dxfOutFields(filer);
    filer->writeSubclass(L"AcDb2dVertex");
    filer->writePoint3d(10, mPosition);
    if (mStartWidth != 0.0)
        filer->writeDouble(40, mStartWidth);
    if (mEndWidth != 0.0)
        filer->writeDouble(41, mEndWidth);
    if (mBulge != 0.0)
        filer->writeDouble(42, mBulge);
    const int flags = mType == AcDb::k2dCurveFitVertex
        ? 1
        : (mType == AcDb::k2dSplineCtlVertex ? 16 : (mType == AcDb::k2dSplineFitVertex ? 8 : 0));
    filer->writeInt16(70, flags);
    if (mTangent != 0.0)
        filer->writeAngle(50, mTangent);
    return Acad::eOk;
}

Acad::ErrorStatus AcDb2dVertex::dxfInFields(AcDbDxfFiler* filer)
{
    AcDbVertex::dxfInFields(filer);
    if (!filer->atSubclassData(L"AcDb2dVertex"))
        return Acad::eInvalidInput;
    filer->readSubclass([&](const AcDbDxfGroup& g) {
        switch (g.code) {
        case 10:
            mPosition = filer->readPoint3d(g);
            break;
        case 40:
            mStartWidth = g.asDouble();
            break;
        case 41:
            mEndWidth = g.asDouble();
            break;
        case 42:
            mBulge = g.asDouble();
            break;
        case 50:
            mTangent = filer->readAngle(g);
            break;
        case 70: {
            const int f = g.asInt();
            mType = (f & 16)
                ? AcDb::k2dSplineCtlVertex
                : ((f & 8) ? AcDb::k2dSplineFitVertex : ((f & 1) ? AcDb::k2dCurveFitVertex : AcDb::k2dVertex));
            break;
        }
        default:
            break;
        }
    });
    return Acad::eOk;
}
