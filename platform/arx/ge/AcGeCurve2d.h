// Base of the plane curves. A curve is a point function of one parameter over its interval;
// the queries here have general numerical answers that each class replaces with a closed
// form where one exists. Lengths are always positive, whatever the order of the parameters.
#pragma once

#include "AcGeEntity2d.h"
#include "AcGeInterval.h"
#include "AcGePoint2dArray.h"
#include "AcGeDoubleArray.h"
#include "AcGeVector2dArray.h"
#include "AcGeVoidPointerArray.h"

#include <vector>

class AcGePointOnCurve2d;

class AcGeCurve2d : public AcGeEntity2d {
public:
    bool isKindOf(AcGe::EntityId entType) const override;
    AcGeCurve2d* copy() const override = 0;
    bool isOn(const AcGePoint2d& pnt, const AcGeTol& tol = AcGeContext::gTol) const override;
    bool isOn(const AcGePoint2d& pnt, double& param, const AcGeTol& tol = AcGeContext::gTol) const;
    // Whether the parameter lies in the curve's interval.
    bool isOn(double param, const AcGeTol& tol = AcGeContext::gTol) const;

    virtual void getInterval(AcGeInterval& range) const = 0;
    void getInterval(AcGeInterval& range, AcGePoint2d& startPoint, AcGePoint2d& endPoint) const;
    // Trims or extends the curve to the interval; false where the class cannot.
    virtual bool setInterval(const AcGeInterval& range);
    // Runs the curve the other way; the interval keeps its bounds where the class can.
    virtual AcGeCurve2d& reverseParam() = 0;

    AcGePoint2d evalPoint(double param) const;
    AcGePoint2d evalPoint(double param, int numDeriv, AcGeVector2dArray& derivArray) const;

    virtual double paramOf(const AcGePoint2d& pnt, const AcGeTol& tol = AcGeContext::gTol) const;
    virtual AcGePoint2d closestPointTo(const AcGePoint2d& pnt, const AcGeTol& tol = AcGeContext::gTol) const;
    void getClosestPointTo(const AcGePoint2d& pnt, AcGePointOnCurve2d& pntOnCrv,
                           const AcGeTol& tol = AcGeContext::gTol) const;
    double distanceTo(const AcGePoint2d& pnt, const AcGeTol& tol = AcGeContext::gTol) const;

    virtual double length(double fromParam, double toParam, double tol = AcGeContext::gTol.equalPoint()) const;
    // The parameter at arc length `length` from datumParam, forward or backward; clamped
    // to the ends of a bounded curve.
    virtual double paramAtLength(double datumParam, double length, bool posParamDir = true,
                                 double tol = AcGeContext::gTol.equalPoint()) const;
    // The area between the curve and its chord from startParam to endParam; for a closed
    // curve over its whole interval, the area it encloses.
    bool area(double startParam, double endParam, double& value, const AcGeTol& tol = AcGeContext::gTol) const;

    virtual bool isClosed(const AcGeTol& tol = AcGeContext::gTol) const;
    virtual bool isPeriodic(double& period) const;
    bool hasStartPoint(AcGePoint2d& startPoint) const;
    bool hasEndPoint(AcGePoint2d& endPoint) const;

    // Offset curves at distance, positive to the left of the direction of travel; the
    // caller owns the curves appended to offsetCurveList.
    virtual void getTrimmedOffset(double distance, AcGeVoidPointerArray& offsetCurveList,
                                  AcGe::OffsetCrvExtType extensionType = AcGe::kFillet,
                                  const AcGeTol& tol = AcGeContext::gTol) const;
    // The pieces before and after param (null where a piece would be empty); caller owns them.
    void getSplitCurves(double param, AcGeCurve2d*& piece1, AcGeCurve2d*& piece2) const;
    void getSamplePoints(int numSample, AcGePoint2dArray& pointArray) const;
    void getSamplePoints(double fromParam, double toParam, double approxEps, AcGePoint2dArray& pointArray,
                         AcGeDoubleArray& paramArray) const;

    // The point and up to two derivatives at t; every class supplies it.
    virtual AcGePoint2d evaluate(double t, AcGeVector2d* d1, AcGeVector2d* d2) const = 0;
    // Parameters where the curve's derivatives may jump (joints of pieces, knots).
    virtual std::vector<double> breakParams() const;
    // Half the integral of x dy - y dx from t0 to t1 (the signed area swept from the origin).
    virtual double sweptArea(double t0, double t1) const;

protected:
    AcGeCurve2d() = default;
    AcGeCurve2d(const AcGeCurve2d&) = default;
    AcGeCurve2d& operator=(const AcGeCurve2d&) = default;

    // Parameter range used by the numerical queries; unbounded sides get a finite stand-in.
    void searchRange(double& lo, double& hi) const;
    // Derivatives of order three and more, where a class has them (arcs, ellipses, splines).
    virtual AcGeVector2d higherDeriv(double t, int order) const;
    // The offset of a smooth curve as a fitted spline through offset points.
    AcGeCurve2d* fittedOffset(double distance) const;
};
