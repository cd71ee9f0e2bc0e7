// DXF: 66, 10 (0, 0, 0), flags 70 = 8 (3-D polyline) +1 closed +4 spline fit, curve type 75.
#include "AcDb3dPolyline.h"

#include "AcDb3dPolylineVertex.h"
#include "AcDbDxfFiler.h"

ACRX_DEFINE_DXF_MEMBERS(AcDb3dPolyline, AcDbCurve, L"POLYLINE")

AcDb3dPolyline::AcDb3dPolyline(AcDb::Poly3dType type, const AcGePoint3dArray& vertices, bool closed)
    : mType(type)
    , mClosed(closed)
{
    for (const AcGePoint3d& p : vertices)
        appendVertex(new AcDb3dPolylineVertex(p));
}

Acad::ErrorStatus AcDb3dPolyline::appendVertex(AcDb3dPolylineVertex* pVertex)
{
    AcDbObjectId id;
    return appendVertex(id, pVertex);
}

Acad::ErrorStatus AcDb3dPolyline::appendVertex(AcDbObjectId& objId, AcDb3dPolylineVertex* pVertex)
{
    return mVertices.append(this, pVertex, objId);
}

AcDbObjectIterator* AcDb3dPolyline::vertexIterator() const
{
    return new AcDbObjectIterator(mVertices.items());
}

std::vector<AcDb3dPolylineVertex*> AcDb3dPolyline::vertexObjects() const
{
    std::vector<AcDb3dPolylineVertex*> out;
    for (AcDbEntity* v : mVertices.vertices())
        out.push_back(static_cast<AcDb3dPolylineVertex*>(v));
    return out;
}

void AcDb3dPolyline::objectAddedToDatabase()
{
    AcDbCurve::objectAddedToDatabase();
    mVertices.makeResident(this);
}

Acad::ErrorStatus AcDb3dPolyline::dxfOutFields(AcDbDxfFiler* filer) const
{
    AcDbCurve::dxfOutFields(filer);
    filer->writeSubclass(L"AcDb3dPolyline");
    filer->writeInt16(66, 1);
    filer->writePoint3d(10, AcGePoint3d(0.0, 0.0, 0.0));
    filer->writeInt16(70, 8 | (mClosed ? 1 : 0) | (mType != AcDb::k3dSimplePoly ? 4 : 0));
    if (mType != AcDb::k3dSimplePoly)
        filer->writeInt16(75, mType == AcDb::k3dQuadSplinePoly ? 5 : 6);
    return Acad::eOk;
}

Acad::ErrorStatus AcDb3dPolyline::dxfInFields(AcDbDxfFiler* filer)
{
    AcDbCurve::dxfInFields(filer);
    if (!filer->atSubclassData(L"AcDb3dPolyline"))
        return Acad::eInvalidInput;
    int flags = 0;
    int curveType = 0;
    filer->readSubclass([&](const AcDbDxfGroup& g) {
        if (g.code == 70)
            flags = g.asInt();
        else if (g.code == 75)
            curveType = g.asInt();
    });
    mClosed = (flags & 1) != 0;
    mType = (flags & 4) ? (curveType == 5 ? AcDb::k3dQuadSplinePoly : AcDb::k3dCubicSplinePoly) : AcDb::k3dSimplePoly;
    return Acad::eOk;
}
