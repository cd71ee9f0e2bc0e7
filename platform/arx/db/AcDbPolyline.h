// A lightweight polyline: planar vertices with bulge (tan of a quarter of the segment's
// included angle, counter-clockwise positive) and start and end widths, at one elevation.
#pragma once

#include "AcDbCurve.h"
#include "AcGePoint2d.h"

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
    // Takes the vertices of a simple 2-D polyline. With transferId this (new) polyline takes
    // the source's id and place; the source, open for write, is deleted and the pointer nulled.
    Acad::ErrorStatus convertFrom(AcDbEntity*& pPolyline, bool transferId = true);

    Acad::ErrorStatus getStartPoint(AcGePoint3d& point) const override;
    Acad::ErrorStatus getEndPoint(AcGePoint3d& point) const override;

    Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;
    Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;

private:
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
