// A vertex of a 3-D polyline: a position in world coordinates.
#pragma once

#include "AcDbVertex.h"

class AcDb3dPolylineVertex : public AcDbVertex {
public:
    ACRX_DECLARE_MEMBERS(AcDb3dPolylineVertex);

    AcDb3dPolylineVertex() = default;
    explicit AcDb3dPolylineVertex(const AcGePoint3d& position)
        : mPosition(position)
    {
    }

    AcDb::Vertex3dType vertexType() const { return mType; }
    AcGePoint3d position() const { return mPosition; }
    Acad::ErrorStatus setPosition(const AcGePoint3d& p) { return setField(mPosition, p); }

    Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;
    Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;

private:
    AcDb::Vertex3dType mType = AcDb::k3dSimpleVertex;
    AcGePoint3d mPosition;
};
