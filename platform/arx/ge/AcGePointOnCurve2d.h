// A parameter on a plane curve, with the point and derivatives there. The curve is
// referred to, not owned: it must outlive this object.
#pragma once

#include "AcGePoint2d.h"
#include "AcGeVector2d.h"

class AcGeCurve2d;

class AcGePointOnCurve2d {
public:
    AcGePointOnCurve2d() = default;
    AcGePointOnCurve2d(const AcGeCurve2d& crv, double param = 0.0);

    const AcGeCurve2d* curve() const { return mCurve; }
    double parameter() const { return mParam; }
    AcGePoint2d point() const;
    AcGePoint2d point(double param);
    AcGeVector2d deriv(int order) const;

    AcGePointOnCurve2d& setCurve(const AcGeCurve2d& crv);
    AcGePointOnCurve2d& setParameter(double param);

private:
    const AcGeCurve2d* mCurve = nullptr;
    double mParam = 0.0;
};
