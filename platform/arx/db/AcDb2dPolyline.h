// A 2-D polyline with vertex objects (AcDb2dVertex): simple, curve-fit or spline-fit, in a
// plane given by normal and elevation.
#pragma once

#include "AcDbCurve.h"
#include "AcDbVertexSequence.h"
#include "AcGeDoubleArray.h"

class AcDb2dVertex;

class AcDb2dPolyline : public AcDbCurve {
public:
    ACRX_DECLARE_MEMBERS(AcDb2dPolyline);

    AcDb2dPolyline() = default;
    AcDb2dPolyline(AcDb::Poly2dType type, const AcGePoint3dArray& vertices, double elevation = 0.0, bool closed = false,
        double defStartWidth = 0.0, double defEndWidth = 0.0, const AcGeDoubleArray* bulges = nullptr);

    Acad::ErrorStatus appendVertex(AcDb2dVertex* pVertex);
    Acad::ErrorStatus appendVertex(AcDbObjectId& objId, AcDb2dVertex* pVertex);
    // The caller deletes the iterator.
    AcDbObjectIterator* vertexIterator() const;
    // The live vertices, for the database's own classes.
    std::vector<AcDb2dVertex*> vertexObjects() const;

    AcDb::Poly2dType polyType() const { return mType; }
    Acad::ErrorStatus setPolyType(AcDb::Poly2dType type) { return setField(mType, type); }
    bool isClosed() const override { return mClosed; }
    Acad::ErrorStatus makeClosed() { return setField(mClosed, true); }
    Acad::ErrorStatus makeOpen() { return setField(mClosed, false); }
    bool isLinetypeGenerationOn() const { return mPlinegen; }
    Acad::ErrorStatus setLinetypeGenerationOn() { return setField(mPlinegen, true); }
    Acad::ErrorStatus setLinetypeGenerationOff() { return setField(mPlinegen, false); }
    double elevation() const { return mElevation; }
    Acad::ErrorStatus setElevation(double e) { return setField(mElevation, e); }
    double thickness() const { return mThickness; }
    Acad::ErrorStatus setThickness(double t) { return setField(mThickness, t); }
    AcGeVector3d normal() const { return mNormal; }
    Acad::ErrorStatus setNormal(const AcGeVector3d& n) { return setField(mNormal, n); }
    double defaultStartWidth() const { return mDefStartWidth; }
    Acad::ErrorStatus setDefaultStartWidth(double w) { return setField(mDefStartWidth, w); }
    double defaultEndWidth() const { return mDefEndWidth; }
    Acad::ErrorStatus setDefaultEndWidth(double w) { return setField(mDefEndWidth, w); }
    // Erases the resident vertices, for a polyline that another takes the place of.
    void eraseVertices() { mVertices.eraseAll(); }

    void objectAddedToDatabase() override;
    void subObjectIds(AcDbObjectIdArray& ids) const override { mVertices.appendIds(ids); }
    AcDbHandle sequenceEndHandle() const override { return mVertices.sequenceEndHandle(); }
    void setSequenceEndHandle(AcDbHandle h) override { mVertices.setSequenceEndHandle(h); }
    // For the DXF reader.
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
    AcDb::Poly2dType mType = AcDb::k2dSimplePoly;
    bool mClosed = false;
    bool mPlinegen = false;
    double mElevation = 0.0;
    double mThickness = 0.0;
    AcGeVector3d mNormal { 0.0, 0.0, 1.0 };
    double mDefStartWidth = 0.0;
    double mDefEndWidth = 0.0;
};
