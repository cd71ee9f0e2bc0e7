// DXF: 66 (vertices follow), 10 (0, 0, elevation), thickness 39, flags 70 (1 closed, 2 curve
// fit, 4 spline fit, 128 linetype generation), default widths 40/41, curve type 75, 210.
#include "AcDb2dPolyline.h"

#include "AcDb2dVertex.h"
#include "AcDbDxfFiler.h"

ACRX_DEFINE_DXF_MEMBERS(AcDb2dPolyline, AcDbCurve, L"POLYLINE")

AcDb2dPolyline::AcDb2dPolyline(AcDb::Poly2dType type, const AcGePoint3dArray& vertices, double elevation, bool closed,
    double defStartWidth, double defEndWidth, const AcGeDoubleArray* bulges)
    : mType(type)
    , mClosed(closed)
    , mElevation(elevation)
    , mDefStartWidth(defStartWidth)
    , mDefEndWidth(defEndWidth)
{
    for (int i = 0; i < vertices.length(); ++i) {
        const double bulge = (bulges != nullptr && i < bulges->length()) ? (*bulges)[i] : 0.0;
        appendVertex(new AcDb2dVertex(vertices[i], bulge, defStartWidth, defEndWidth));
    }
}

Acad::ErrorStatus AcDb2dPolyline::appendVertex(AcDb2dVertex* pVertex)
{
    AcDbObjectId id;
    return appendVertex(id, pVertex);
}

Acad::ErrorStatus AcDb2dPolyline::appendVertex(AcDbObjectId& objId, AcDb2dVertex* pVertex)
{
    return mVertices.append(this, pVertex, objId);
}

AcDbObjectIterator* AcDb2dPolyline::vertexIterator() const
{
    return new AcDbObjectIterator(mVertices.items());
}

std::vector<AcDb2dVertex*> AcDb2dPolyline::vertexObjects() const
{
    std::vector<AcDb2dVertex*> out;
    for (AcDbEntity* v : mVertices.vertices())
        out.push_back(static_cast<AcDb2dVertex*>(v));
    return out;
}

void AcDb2dPolyline::objectAddedToDatabase()
{
    AcDbCurve::objectAddedToDatabase();
    mVertices.makeResident(this);
}

Acad::ErrorStatus AcDb2dPolyline::dxfOutFields(AcDbDxfFiler* filer) const
{
    AcDbCurve::dxfOutFields(filer);
    filer->writeSubclass(L"AcDb2dPolyline");
    filer->writeInt16(66, 1);
    filer->writePoint3d(10, AcGePoint3d(0.0, 0.0, mElevation));
    if (mThickness != 0.0)
        filer->writeDouble(39, mThickness);
    const int fit = mType == AcDb::k2dFitCurvePoly ? 2 : (mType == AcDb::k2dSimplePoly ? 0 : 4);
    filer->writeInt16(70, (mClosed ? 1 : 0) | fit | (mPlinegen ? 128 : 0));
    if (mDefStartWidth != 0.0)
        filer->writeDouble(40, mDefStartWidth);
    if (mDefEndWidth != 0.0)
        filer->writeDouble(41, mDefEndWidth);
    if (mType == AcDb::k2dQuadSplinePoly || mType == AcDb::k2dCubicSplinePoly)
        filer->writeInt16(75, mType == AcDb::k2dQuadSplinePoly ? 5 : 6);
    if (mNormal != AcGeVector3d::kZAxis)
        filer->writeVector3d(210, mNormal);
    return Acad::eOk;
}

Acad::ErrorStatus AcDb2dPolyline::dxfInFields(AcDbDxfFiler* filer)
{
    AcDbCurve::dxfInFields(filer);
    if (!filer->atSubclassData(L"AcDb2dPolyline"))
        return Acad::eInvalidInput;
    int flags = 0;
    int curveType = 0;
    filer->readSubclass([&](const AcDbDxfGroup& g) {
        switch (g.code) {
        case 10:
            mElevation = filer->readPoint3d(g).z;
            break;
        case 39:
            mThickness = g.asDouble();
            break;
        case 70:
            flags = g.asInt();
            break;
        case 40:
            mDefStartWidth = g.asDouble();
            break;
        case 41:
            mDefEndWidth = g.asDouble();
            break;
        case 75:
            curveType = g.asInt();
            break;
        case 210:
            mNormal = filer->readVector3d(g);
            break;
        default:
            break;
        }
    });
    mClosed = (flags & 1) != 0;
    mPlinegen = (flags & 128) != 0;
    mType = (flags & 2)
        ? AcDb::k2dFitCurvePoly
        : ((flags & 4) ? (curveType == 5 ? AcDb::k2dQuadSplinePoly : AcDb::k2dCubicSplinePoly) : AcDb::k2dSimplePoly);
    return Acad::eOk;
}
