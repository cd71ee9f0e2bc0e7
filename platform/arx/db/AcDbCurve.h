// Base of the curve entities: parameters, points and distances along the curve, derivatives,
// closest points, splitting, offsetting and extending. Each curve class answers for its own
// geometry; this base answers eNotImplementedYet.
#pragma once

#include "AcDbEntity.h"
#include "AcGeDoubleArray.h"

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
};
