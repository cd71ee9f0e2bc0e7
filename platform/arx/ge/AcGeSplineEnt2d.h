// Base of the plane spline curves (NURBS curves and polylines): a degree, a knot vector and
// control points, evaluated as a B-spline. The parameter runs over the knots' valid range.
#pragma once

#include "AcGeCurve2d.h"
#include "AcGeKnotVector.h"
#include "GeNurbs.h"

class AcGeSplineEnt2d : public AcGeCurve2d {
public:
    bool isKindOf(AcGe::EntityId entType) const override;
    AcGeSplineEnt2d* copy() const override = 0;

    bool isRational() const;
    int degree() const { return mSpline.degree; }
    int order() const { return mSpline.degree + 1; }
    int numKnots() const { return static_cast<int>(mSpline.knots.size()); }
    AcGeKnotVector knots() const;
    double knotAt(int idx) const { return mSpline.knots.at(static_cast<std::size_t>(idx)); }
    int numControlPoints() const { return mSpline.numPoints(); }
    AcGePoint2d controlPointAt(int idx) const;
    double startParam() const;
    double endParam() const;
    AcGePoint2d startPoint() const { return evalPoint(startParam()); }
    AcGePoint2d endPoint() const { return evalPoint(endParam()); }
    virtual bool hasFitData() const = 0;

    void getInterval(AcGeInterval& range) const override;
    bool setInterval(const AcGeInterval& range) override;
    AcGeSplineEnt2d& reverseParam() override;
    AcGePoint2d evaluate(double t, AcGeVector2d* d1, AcGeVector2d* d2) const override;
    std::vector<double> breakParams() const override;
    AcGeSplineEnt2d& transformBy(const AcGeMatrix2d& xfm) override;

protected:
    AcGeSplineEnt2d() = default;

    AcGeVector2d higherDeriv(double t, int order) const override;

    GeNurbs::Curve mSpline;
};
