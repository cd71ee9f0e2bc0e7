// A vertex of a 2-D polyline: position (in the polyline's plane; its Z is the elevation),
// bulge and widths of the segment that starts here.
#pragma once

#include "AcDbVertex.h"

class AcDb2dVertex : public AcDbVertex {
public:
    ACRX_DECLARE_MEMBERS(AcDb2dVertex);

    AcDb2dVertex() = default;
    AcDb2dVertex(const AcGePoint3d& position, double bulge = 0.0, double startWidth = 0.0, double endWidth = 0.0,
        double tangent = 0.0);

    AcDb::Vertex2dType vertexType() const { return mType; }
    AcGePoint3d position() const { return mPosition; }
    Acad::ErrorStatus setPosition(const AcGePoint3d& p) { return setField(mPosition, p); }
    double bulge() const { return mBulge; }
    Acad::ErrorStatus setBulge(double b) { return setField(mBulge, b); }
    double startWidth() const { return mStartWidth; }
    Acad::ErrorStatus setStartWidth(double w) { return setField(mStartWidth, w); }
    double endWidth() const { return mEndWidth; }
    Acad::ErrorStatus setEndWidth(double w) { return setField(mEndWidth, w); }
    double tangent() const { return mTangent; }
    Acad::ErrorStatus setTangent(double t) { return setField(mTangent, t); }

    Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;
    Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;

private:
    AcDb::Vertex2dType mType = AcDb::k2dVertex;
    AcGePoint3d mPosition;
    double mBulge = 0.0;
    double mStartWidth = 0.0;
    double mEndWidth = 0.0;
    double mTangent = 0.0;
};
