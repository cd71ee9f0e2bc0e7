// A 3-D polyline with vertex objects (AcDb3dPolylineVertex): straight segments through points
// in space, or a spline-fit curve.
#pragma once

#include "AcDbCurve.h"
#include "AcDbVertexSequence.h"

class AcDb3dPolylineVertex;

class AcDb3dPolyline : public AcDbCurve {
public:
    ACRX_DECLARE_MEMBERS(AcDb3dPolyline);

    AcDb3dPolyline() = default;
    AcDb3dPolyline(AcDb::Poly3dType type, const AcGePoint3dArray& vertices, bool closed = false);

    Acad::ErrorStatus appendVertex(AcDb3dPolylineVertex* pVertex);
    Acad::ErrorStatus appendVertex(AcDbObjectId& objId, AcDb3dPolylineVertex* pVertex);
    // The caller deletes the iterator.
    AcDbObjectIterator* vertexIterator() const;
    std::vector<AcDb3dPolylineVertex*> vertexObjects() const;

    AcDb::Poly3dType polyType() const { return mType; }
    Acad::ErrorStatus setPolyType(AcDb::Poly3dType type) { return setField(mType, type); }
    bool isClosed() const override { return mClosed; }
    Acad::ErrorStatus makeClosed() { return setField(mClosed, true); }
    Acad::ErrorStatus makeOpen() { return setField(mClosed, false); }

    void objectAddedToDatabase() override;
    void subObjectIds(AcDbObjectIdArray& ids) const override { mVertices.appendIds(ids); }
    AcDbHandle sequenceEndHandle() const override { return mVertices.sequenceEndHandle(); }
    void setSequenceEndHandle(AcDbHandle h) override { mVertices.setSequenceEndHandle(h); }
    void appendReadVertex(AcDbObjectId id) { mVertices.appendRead(id); }

    Acad::ErrorStatus getOffsetCurves(double offsetDist, AcDbVoidPtrArray& offsetCurves) const override;
    Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform) override;
    Acad::ErrorStatus extend(bool extendStart, const AcGePoint3d& toPoint) override;
    Acad::ErrorStatus explode(AcDbVoidPtrArray& entitySet) const override;

    Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;
    Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;

protected:
    bool buildModel(DbCurveModel& model) const override;
    AcDbCurve* subCurve(double p0, double p1) const override;

private:
    AcDbVertexSequence mVertices;
    AcDb::Poly3dType mType = AcDb::k3dSimplePoly;
    bool mClosed = false;
};
