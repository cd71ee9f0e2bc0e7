// A hatch: a pattern (SOLID or a predefined pattern with scale and angle) filling loops made
// of a polyline (vertices and bulges) or of edges (lines, arcs, elliptic arcs). Loops made
// from entities keep those entities as their associative source.
#pragma once

#include "AcDbEntity.h"
#include "AcGeCurve2d.h"
#include "AcGeDoubleArray.h"
#include "AcGePoint2d.h"
#include "AcGePoint2dArray.h"

#include <string>
#include <vector>

class AcDbHatch : public AcDbEntity {
public:
    ACRX_DECLARE_MEMBERS(AcDbHatch);

    enum HatchPatternType { kUserDefined = 0, kPreDefined = 1, kCustomDefined = 2 };
    enum HatchStyle { kNormal = 0, kOuter = 1, kIgnore = 2 };
    enum HatchLoopType { kDefault = 0, kExternal = 1, kPolyline = 2, kDerived = 4, kTextbox = 8, kOutermost = 16 };
    enum HatchEdgeType { kLine = 1, kCirArc = 2, kEllArc = 3 };

    // One edge of an edge loop, in the hatch's plane.
    struct Edge {
        HatchEdgeType type = kLine;
        AcGePoint2d start; // line start, arc or ellipse centre
        AcGePoint2d end; // line end, ellipse major-axis end (relative)
        double radius = 0.0; // arc radius, ellipse minor/major ratio
        double startAngle = 0.0; // radians
        double endAngle = 0.0;
        bool counterClockwise = true;
    };

    Acad::ErrorStatus setPattern(HatchPatternType patType, const ACHAR* patName);
    HatchPatternType patternType() const { return mPatternType; }
    const ACHAR* patternName() const { return mPatternName.c_str(); }
    bool isSolidFill() const;
    double patternAngle() const { return mPatternAngle; }
    Acad::ErrorStatus setPatternAngle(double angle) { return setField(mPatternAngle, angle); }
    double patternScale() const { return mPatternScale; }
    Acad::ErrorStatus setPatternScale(double scale);
    bool associative() const { return mAssociative; }
    Acad::ErrorStatus setAssociative(bool isAssociative) { return setField(mAssociative, isAssociative); }
    HatchStyle hatchStyle() const { return mStyle; }
    Acad::ErrorStatus setHatchStyle(HatchStyle style) { return setField(mStyle, style); }
    AcGeVector3d normal() const { return mNormal; }
    Acad::ErrorStatus setNormal(const AcGeVector3d& n) { return setField(mNormal, n); }
    double elevation() const { return mElevation; }
    Acad::ErrorStatus setElevation(double e) { return setField(mElevation, e); }

    // A loop from entities of the hatch's database: lines, arcs, circles, ellipses and
    // lightweight polylines; another entity gives eInvalidInput and no loop is added.
    Acad::ErrorStatus appendLoop(Adesk::Int32 loopType, const AcDbObjectIdArray& dbObjIds);
    Acad::ErrorStatus appendLoop(
        Adesk::Int32 loopType, const AcGePoint2dArray& vertices, const AcGeDoubleArray& bulges);
    int numLoops() const { return static_cast<int>(mLoops.size()); }
    Acad::ErrorStatus getLoopAt(
        int loopIndex, Adesk::Int32& loopType, AcGePoint2dArray& vertices, AcGeDoubleArray& bulges) const;
    Acad::ErrorStatus getLoopEdgesAt(int loopIndex, Adesk::Int32& loopType, std::vector<Edge>& edges) const;
    Acad::ErrorStatus getAssocObjIdsAt(int loopIndex, AcDbObjectIdArray& dbObjIds) const;
    Acad::ErrorStatus removeLoopAt(int loopIndex);
    // Computes the pattern lines inside the loops (even-odd: an island inside a loop stays
    // empty). SOLID has none. Done again whenever the hatch closes after a change.
    virtual Acad::ErrorStatus evaluateHatch(bool underEstimateNumLines = false);
    // The pattern lines of the last evaluation, in the hatch's plane (OCS).
    int numHatchLines() const { return static_cast<int>(mHatchLines.size()); }
    Acad::ErrorStatus getHatchLineDataAt(int index, AcGePoint2d& startPt, AcGePoint2d& endPt) const;
    Acad::ErrorStatus getHatchLinesData(AcGePoint2dArray& startPts, AcGePoint2dArray& endPts) const;

    Acad::ErrorStatus getGeomExtents(AcDbExtents& extents) const override;
    bool getGeCurves(std::vector<std::unique_ptr<AcGeCurve3d>>& curves, bool extended) const override;
    Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform) override;

    void objectAddedToDatabase() override;
    Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;
    Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;

protected:
    void subClose() override;

private:
    struct Loop {
        Adesk::Int32 type = kDefault;
        // A polyline loop has vertices; an edge loop has edges.
        std::vector<AcGePoint2d> vertices;
        std::vector<double> bulges;
        bool closed = true;
        std::vector<Edge> edges;
        std::vector<AcDbObjectId> sources;
    };

    Acad::ErrorStatus edgesFromEntity(AcDbObjectId id, Loop& loop) const;
    // The loops as plane curves in the hatch's OCS.
    std::vector<std::unique_ptr<AcGeCurve2d>> boundaryCurves() const;
    // The predefined pattern's line families as DXF writes them: angle, base point and
    // offset scaled and turned by the hatch's own scale and angle.
    void dxfOutPatternLines(AcDbDxfFiler* filer) const;

    HatchPatternType mPatternType = kPreDefined;
    std::wstring mPatternName = L"SOLID";
    double mPatternAngle = 0.0;
    double mPatternScale = 1.0;
    bool mAssociative = false;
    HatchStyle mStyle = kNormal;
    AcGeVector3d mNormal { 0.0, 0.0, 1.0 };
    double mElevation = 0.0;
    std::vector<Loop> mLoops;
    std::vector<std::pair<AcGePoint2d, AcGePoint2d>> mHatchLines;
};
