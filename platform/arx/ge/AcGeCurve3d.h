// Base of the space curves. A curve is a point function of one parameter over its interval;
// the queries here have general numerical answers that each class replaces with a closed
// form where one exists. Lengths are always positive, whatever the order of the parameters.
#pragma once

#include "AcGeEntity3d.h"
#include "AcGeInterval.h"
#include "AcGePoint3dArray.h"
#include "AcGeDoubleArray.h"
#include "AcGeVector3dArray.h"
#include "AcGeVoidPointerArray.h"
#include "AcGePlane.h"

#include <vector>

class AcGePointOnCurve3d;

class AcGeCurve3d : public AcGeEntity3d {
public:
    bool isKindOf(AcGe::EntityId entType) const override;
    AcGeCurve3d* copy() const override = 0;
    bool isOn(const AcGePoint3d& pnt, const AcGeTol& tol = AcGeContext::gTol) const override;
    bool isOn(const AcGePoint3d& pnt, double& param, const AcGeTol& tol = AcGeContext::gTol) const;
    // Whether the parameter lies in the curve's interval.
    bool isOn(double param, const AcGeTol& tol = AcGeContext::gTol) const;

    virtual void getInterval(AcGeInterval& range) const = 0;
    void getInterval(AcGeInterval& range, AcGePoint3d& startPoint, AcGePoint3d& endPoint) const;
    // Trims or extends the curve to the interval; false where the class cannot.
    virtual bool setInterval(const AcGeInterval& range);
    // Runs the curve the other way; the interval keeps its bounds where the class can.
    virtual AcGeCurve3d& reverseParam() = 0;

    AcGePoint3d evalPoint(double param) const;
    AcGePoint3d evalPoint(double param, int numDeriv, AcGeVector3dArray& derivArray) const;

    virtual double paramOf(const AcGePoint3d& pnt, const AcGeTol& tol = AcGeContext::gTol) const;
    virtual AcGePoint3d closestPointTo(const AcGePoint3d& pnt, const AcGeTol& tol = AcGeContext::gTol) const;
    void getClosestPointTo(const AcGePoint3d& pnt, AcGePointOnCurve3d& pntOnCrv,
                           const AcGeTol& tol = AcGeContext::gTol) const;
    double distanceTo(const AcGePoint3d& pnt, const AcGeTol& tol = AcGeContext::gTol) const;

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
    // Whether the curve lies in one plane, and that plane (for a line, any plane through it).
    virtual bool isPlanar(AcGePlane& plane, const AcGeTol& tol = AcGeContext::gTol) const;
    bool hasStartPoint(AcGePoint3d& startPoint) const;
    bool hasEndPoint(AcGePoint3d& endPoint) const;

    // Offset curves in the plane with the given normal, at distance, positive to the left of
    // the direction of travel (planeNormal x tangent); the caller owns the appended curves.
    virtual void getTrimmedOffset(double distance, const AcGeVector3d& planeNormal, AcGeVoidPointerArray& offsetCurveList,
                                  AcGe::OffsetCrvExtType extensionType = AcGe::kFillet,
                                  const AcGeTol& tol = AcGeContext::gTol) const;
    // The pieces before and after param (null where a piece would be empty); caller owns them.
    void getSplitCurves(double param, AcGeCurve3d*& piece1, AcGeCurve3d*& piece2) const;
    void getSamplePoints(int numSample, AcGePoint3dArray& pointArray) const;
    void getSamplePoints(double fromParam, double toParam, double approxEps, AcGePoint3dArray& pointArray,
                         AcGeDoubleArray& paramArray) const;

    // The point and up to two derivatives at t; every class supplies it.
    virtual AcGePoint3d evaluate(double t, AcGeVector3d* d1, AcGeVector3d* d2) const = 0;
    // Parameters where the curve's derivatives may jump (joints of pieces, knots).
    virtual std::vector<double> breakParams() const;
    // Half the integral of C x C' from t0 to t1: the vector area swept from the origin.
    virtual AcGeVector3d sweptArea(double t0, double t1) const;

protected:
    AcGeCurve3d() = default;
    AcGeCurve3d(const AcGeCurve3d&) = default;
    AcGeCurve3d& operator=(const AcGeCurve3d&) = default;

    // Parameter range used by the numerical queries; unbounded sides get a finite stand-in.
    void searchRange(double& lo, double& hi) const;
    // Derivatives of order three and more, where a class has them (arcs, ellipses, splines).
    virtual AcGeVector3d higherDeriv(double t, int order) const;
    // The offset of a smooth curve as a fitted spline through offset points.
    AcGeCurve3d* fittedOffset(double distance, const AcGeVector3d& planeNormal) const;
};
