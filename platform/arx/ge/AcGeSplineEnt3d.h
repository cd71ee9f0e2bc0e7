// Base of the space spline curves (NURBS curves and polylines): a degree, a knot vector and
// control points, evaluated as a B-spline. The parameter runs over the knots' valid range.
#pragma once

#include "AcGeCurve3d.h"
#include "AcGeKnotVector.h"
#include "GeNurbs.h"

class AcGeSplineEnt3d : public AcGeCurve3d {
public:
    bool isKindOf(AcGe::EntityId entType) const override;
    AcGeSplineEnt3d* copy() const override = 0;

    bool isRational() const;
    int degree() const { return mSpline.degree; }
    int order() const { return mSpline.degree + 1; }
    int numKnots() const { return static_cast<int>(mSpline.knots.size()); }
    AcGeKnotVector knots() const;
    double knotAt(int idx) const { return mSpline.knots.at(static_cast<std::size_t>(idx)); }
    int numControlPoints() const { return mSpline.numPoints(); }
    AcGePoint3d controlPointAt(int idx) const;
    double startParam() const;
    double endParam() const;
    AcGePoint3d startPoint() const { return evalPoint(startParam()); }
    AcGePoint3d endPoint() const { return evalPoint(endParam()); }
    virtual bool hasFitData() const = 0;

    void getInterval(AcGeInterval& range) const override;
    bool setInterval(const AcGeInterval& range) override;
    AcGeSplineEnt3d& reverseParam() override;
    AcGePoint3d evaluate(double t, AcGeVector3d* d1, AcGeVector3d* d2) const override;
    std::vector<double> breakParams() const override;
    AcGeSplineEnt3d& transformBy(const AcGeMatrix3d& xfm) override;

protected:
    AcGeSplineEnt3d() = default;

    AcGeVector3d higherDeriv(double t, int order) const override;

    GeNurbs::Curve mSpline;
};
