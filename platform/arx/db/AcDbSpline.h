// A spline: NURBS data (degree, knots, control points, weights) and, when it was made
// through points, its fit data (fit points, tolerance, end tangents).
#pragma once

#include "AcDbCurve.h"
#include "AcGeDoubleArray.h"

class AcDbSpline : public AcDbCurve {
public:
    ACRX_DECLARE_MEMBERS(AcDbSpline);

    AcDbSpline() = default;
    // Through fit points; order = degree + 1.
    AcDbSpline(const AcGePoint3dArray& fitPoints, int order = 4, double fitTolerance = 0.0);
    AcDbSpline(const AcGePoint3dArray& fitPoints, const AcGeVector3d& startTangent, const AcGeVector3d& endTangent,
        int order = 4, double fitTolerance = 0.0);
    AcDbSpline(int degree, bool rational, bool closed, bool periodic, const AcGePoint3dArray& controlPoints,
        const AcGeDoubleArray& knots, const AcGeDoubleArray& weights, double controlPtTol = 0.0, double knotTol = 0.0);

    int degree() const { return mDegree; }
    bool isRational() const { return !mWeights.isEmpty(); }
    bool isClosed() const override { return mClosed; }
    bool isPeriodic() const override { return mPeriodic; }
    int numControlPoints() const { return mControlPoints.length(); }
    int numFitPoints() const { return mFitPoints.length(); }
    bool hasFitData() const { return !mFitPoints.isEmpty(); }
    Acad::ErrorStatus getControlPointAt(int index, AcGePoint3d& point) const;
    Acad::ErrorStatus getFitPointAt(int index, AcGePoint3d& point) const;

    Acad::ErrorStatus getNurbsData(int& degree, bool& rational, bool& closed, bool& periodic,
        AcGePoint3dArray& controlPoints, AcGeDoubleArray& knots, AcGeDoubleArray& weights, double& controlPtTol,
        double& knotTol) const;
    Acad::ErrorStatus setNurbsData(int degree, bool rational, bool closed, bool periodic,
        const AcGePoint3dArray& controlPoints, const AcGeDoubleArray& knots, const AcGeDoubleArray& weights,
        double controlPtTol = 0.0, double knotTol = 0.0);
    Acad::ErrorStatus getFitData(AcGePoint3dArray& fitPoints, int& degree, double& fitTolerance, bool& tangentsExist,
        AcGeVector3d& startTangent, AcGeVector3d& endTangent) const;
    Acad::ErrorStatus setFitData(const AcGePoint3dArray& fitPoints, int degree, double fitTolerance,
        const AcGeVector3d& startTangent, const AcGeVector3d& endTangent);

    Acad::ErrorStatus getOffsetCurves(double offsetDist, AcDbVoidPtrArray& offsetCurves) const override;
    Acad::ErrorStatus extend(double newParam) override;
    Acad::ErrorStatus extend(bool extendStart, const AcGePoint3d& toPoint) override;
    Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform) override;

    Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;
    Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;

protected:
    bool buildModel(DbCurveModel& model) const override;
    AcDbCurve* subCurve(double p0, double p1) const override;

private:
    int mDegree = 3;
    bool mClosed = false;
    bool mPeriodic = false;
    AcGePoint3dArray mControlPoints;
    AcGeDoubleArray mKnots;
    AcGeDoubleArray mWeights;
    AcGePoint3dArray mFitPoints;
    double mFitTolerance = 0.0;
    AcGeVector3d mStartTangent;
    AcGeVector3d mEndTangent;
    double mControlPtTol = 1e-10;
    double mKnotTol = 1e-10;
};
