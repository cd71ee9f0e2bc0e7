// DXF: position 10, flags 70 = 32 (3-D polyline vertex), +16 for a spline frame vertex,
// +8 for a fitted one. The record name VERTEX is shared with 2-D vertices; the reader picks
// the class from the subclass marker.
#include "AcDb3dPolylineVertex.h"

#include "AcDbDxfFiler.h"

ACRX_DEFINE_DXF_MEMBERS(AcDb3dPolylineVertex, AcDbVertex, L"VERTEX")

Acad::ErrorStatus AcDb3dPolylineVertex::dxfOutFields(AcDbDxfFiler* filer) const
{
    AcDbVertex::dxfOutFields(filer);
    filer->writeSubclass(L"AcDb3dPolylineVertex");
    filer->writePoint3d(10, mPosition);
    filer->writeInt16(70, 32 | (mType == AcDb::k3dControlVertex ? 16 : 0) | (mType == AcDb::k3dFitVertex ? 8 : 0));
    return Acad::eOk;
}

Acad::ErrorStatus AcDb3dPolylineVertex::dxfInFields(AcDbDxfFiler* filer)
{
    AcDbVertex::dxfInFields(filer);
    if (!filer->atSubclassData(L"AcDb3dPolylineVertex"))
        return Acad::eInvalidInput;
    filer->readSubclass([&](const AcDbDxfGroup& g) {
        if (g.code == 10)
            mPosition = filer->readPoint3d(g);
        else if (g.code == 70)
            mType = (g.asInt() & 16) ? AcDb::k3dControlVertex
                                     : ((g.asInt() & 8) ? AcDb::k3dFitVertex : AcDb::k3dSimpleVertex);
    });
    return Acad::eOk;
}
