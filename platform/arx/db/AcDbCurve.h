// Base of the curve entities: parameters, points and distances along the curve, derivatives,
// closest points, splitting, offsetting and extending. Each curve class describes its geometry
// as a chain of geometry-library spans (buildModel) and the spans it splits into; the queries
// are answered here from that description. A class with no description answers
// eNotImplementedYet.
#pragma once

#include "AcDbEntity.h"
#include "AcGeDoubleArray.h"

class DbCurveModel;

class AcDbCurve : public AcDbEntity {
public:
    ACRX_DECLARE_MEMBERS(AcDbCurve);

    virtual bool isClosed() const { return false; }
    virtual bool isPeriodic() const { return false; }
    virtual Acad::ErrorStatus getStartParam(double& param) const;
    virtual Acad::ErrorStatus getEndParam(double& param) const;
    virtual Acad::ErrorStatus getStartPoint(AcGePoint3d& point) const;
    virtual Acad::ErrorStatus getEndPoint(AcGePoint3d& point) const;
    virtual Acad::ErrorStatus getPointAtParam(double param, AcGePoint3d& point) const;
    virtual Acad::ErrorStatus getParamAtPoint(const AcGePoint3d& point, double& param) const;
    virtual Acad::ErrorStatus getDistAtParam(double param, double& dist) const;
    virtual Acad::ErrorStatus getParamAtDist(double dist, double& param) const;
    virtual Acad::ErrorStatus getDistAtPoint(const AcGePoint3d& point, double& dist) const;
    virtual Acad::ErrorStatus getPointAtDist(double dist, AcGePoint3d& point) const;
    virtual Acad::ErrorStatus getFirstDeriv(double param, AcGeVector3d& firstDeriv) const;
    virtual Acad::ErrorStatus getFirstDeriv(const AcGePoint3d& point, AcGeVector3d& firstDeriv) const;
    virtual Acad::ErrorStatus getSecondDeriv(double param, AcGeVector3d& secDeriv) const;
    virtual Acad::ErrorStatus getClosestPointTo(
        const AcGePoint3d& givenPnt, AcGePoint3d& pointOnCurve, bool extend = false) const;
    virtual Acad::ErrorStatus getClosestPointTo(const AcGePoint3d& givenPnt, const AcGeVector3d& direction,
        AcGePoint3d& pointOnCurve, bool extend = false) const;
    virtual Acad::ErrorStatus getOffsetCurves(double offsetDist, AcDbVoidPtrArray& offsetCurves) const;
    virtual Acad::ErrorStatus getSplitCurves(const AcGeDoubleArray& params, AcDbVoidPtrArray& curveSegments) const;
    virtual Acad::ErrorStatus getSplitCurves(const AcGePoint3dArray& points, AcDbVoidPtrArray& curveSegments) const;
    virtual Acad::ErrorStatus extend(double newParam);
    virtual Acad::ErrorStatus extend(bool extendStart, const AcGePoint3d& toPoint);
    virtual Acad::ErrorStatus getArea(double& area) const;

    // Every curve's spans for intersections and extents.
    bool getGeCurves(std::vector<std::unique_ptr<AcGeCurve3d>>& curves, bool extended) const override;

protected:
    // The curve as geometry-library spans over the entity's parameter; false when it has none.
    virtual bool buildModel(DbCurveModel& model) const;
    // A new curve (same class where it can be) from parameter p0 to p1; for a closed curve p1
    // may run past the end parameter, across the start. Null when the class cannot split.
    virtual AcDbCurve* subCurve(double p0, double p1) const;
    // Whether an offset keeps its distance from this curve everywhere; a crossed or collapsed
    // offset comes nearer somewhere.
    bool isCleanOffset(const AcDbCurve& offset, double distance) const;
    // Takes the geometry-library spans of an offset: each becomes a curve with this curve's
    // properties, appended in order. eInvalidOffset when there are none, or when a span makes no
    // curve or one that is not clean; the spans not yet taken are then freed.
    Acad::ErrorStatus appendOffsetSpans(
        const AcDbVoidPtrArray& spans, double distance, AcDbVoidPtrArray& offsetCurves) const;
    // Splits at parameters already known to lie on the curve.
    Acad::ErrorStatus splitAtParams(std::vector<double> params, AcDbVoidPtrArray& curveSegments) const;
};
