// A lightweight polyline: planar vertices with bulge (tan of a quarter of the segment's
// included angle, counter-clockwise positive) and start and end widths, at one elevation.
#pragma once

#include "AcDbCurve.h"
#include "AcGePoint2d.h"

class AcGeCircArc2d;
class AcGeCircArc3d;
class AcGeLineSeg2d;
class AcGeLineSeg3d;

#include <vector>

class AcDb2dPolyline;

class AcDbPolyline : public AcDbCurve {
public:
    ACRX_DECLARE_MEMBERS(AcDbPolyline);

    AcDbPolyline() = default;
    explicit AcDbPolyline(unsigned int num) { mVertices.reserve(num); }

    // Inserts before index (index = numVerts appends); eInvalidIndex beyond that.
    Acad::ErrorStatus addVertexAt(unsigned int index, const AcGePoint2d& pt, double bulge = 0.0,
        double startWidth = -1.0, double endWidth = -1.0);
    Acad::ErrorStatus removeVertexAt(unsigned int index);
    unsigned int numVerts() const { return static_cast<unsigned int>(mVertices.size()); }
    Acad::ErrorStatus getPointAt(unsigned int index, AcGePoint2d& pt) const;
    // The vertex in world coordinates (elevation and normal applied).
    Acad::ErrorStatus getPointAt(unsigned int index, AcGePoint3d& pt) const;
    Acad::ErrorStatus setPointAt(unsigned int index, const AcGePoint2d& pt);
    Acad::ErrorStatus getBulgeAt(unsigned int index, double& bulge) const;
    Acad::ErrorStatus setBulgeAt(unsigned int index, double bulge);
    Acad::ErrorStatus getWidthsAt(unsigned int index, double& startWidth, double& endWidth) const;
    Acad::ErrorStatus setWidthsAt(unsigned int index, double startWidth, double endWidth);
    // The constant width, when every segment has it (eInvalidInput otherwise).
    Acad::ErrorStatus getConstantWidth(double& width) const;
    Acad::ErrorStatus setConstantWidth(double width);
    bool isOnlyLines() const;
    enum SegType { kLine, kArc, kCoincident, kPoint, kEmpty };
    // Segment index runs to numVerts - 2 (numVerts - 1 when closed); a segment whose ends
    // coincide is kCoincident, a one-vertex polyline's only "segment" kPoint.
    SegType segType(unsigned int index) const;
    // The segment in the polyline's plane or in the world; eInvalidIndex past the segments,
    // eNotApplicable for a segment of the other kind. An arc runs with the polyline, about
    // the polyline's normal when counter-clockwise, about its opposite otherwise.
    Acad::ErrorStatus getLineSegAt(unsigned int index, AcGeLineSeg2d& ln) const;
    Acad::ErrorStatus getLineSegAt(unsigned int index, AcGeLineSeg3d& ln) const;
    Acad::ErrorStatus getArcSegAt(unsigned int index, AcGeCircArc2d& arc) const;
    Acad::ErrorStatus getArcSegAt(unsigned int index, AcGeCircArc3d& arc) const;
    bool isClosed() const override { return mClosed; }
    void setClosed(bool closed);
    bool hasPlinegen() const { return mPlinegen; }
    void setPlinegen(bool plinegen);
    double elevation() const { return mElevation; }
    void setElevation(double elevation);
    double thickness() const { return mThickness; }
    Acad::ErrorStatus setThickness(double t) { return setField(mThickness, t); }
    AcGeVector3d normal() const { return mNormal; }
    void setNormal(const AcGeVector3d& n);
    // Empties the polyline when reuse is false; otherwise keeps the first numVerts vertices.
    void reset(bool reuse, unsigned int numVerts);
    // Takes the vertices of a simple or curve-fit 2-D polyline (eInvalidInput for a spline-fit
    // one). With transferId this (new) polyline takes the source's id and place; the source,
    // open for write, is deleted and the pointer nulled.
    Acad::ErrorStatus convertFrom(AcDbEntity*& pPolyline, bool transferId = true);

    Acad::ErrorStatus getStartPoint(AcGePoint3d& point) const override;
    Acad::ErrorStatus getEndPoint(AcGePoint3d& point) const override;
    // Positive distances go to the right of the drawn direction (inside a clockwise loop);
    // corners are joined by extending the offset segments to their crossing.
    Acad::ErrorStatus getOffsetCurves(double offsetDist, AcDbVoidPtrArray& offsetCurves) const override;
    Acad::ErrorStatus extend(double newParam) override;
    Acad::ErrorStatus extend(bool extendStart, const AcGePoint3d& toPoint) override;
    Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform) override;
    // Lines and arcs, one per segment with length.
    Acad::ErrorStatus explode(AcDbVoidPtrArray& entitySet) const override;

    Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;
    Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;

protected:
    bool buildModel(DbCurveModel& model) const override;
    AcDbCurve* subCurve(double p0, double p1) const override;

private:
    // The 2-D polyline answers through a lightweight copy of itself.
    friend class AcDb2dPolyline;

    unsigned int numSegs() const;
    // The point at fraction f of segment i in the polyline's plane (f may run past 0..1).
    AcGePoint2d segPoint(unsigned int i, double f) const;

    struct Vertex {
        AcGePoint2d point;
        double bulge = 0.0;
        double startWidth = 0.0;
        double endWidth = 0.0;
    };

    std::vector<Vertex> mVertices;
    double mConstantWidth = 0.0;
    bool mClosed = false;
    bool mPlinegen = false;
    double mElevation = 0.0;
    double mThickness = 0.0;
    AcGeVector3d mNormal { 0.0, 0.0, 1.0 };
};
