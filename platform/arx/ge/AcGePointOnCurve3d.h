// A parameter on a space curve, with the point and derivatives there. The curve is
// referred to, not owned: it must outlive this object.
#pragma once

#include "AcGePoint3d.h"
#include "AcGeVector3d.h"

class AcGeCurve3d;

class AcGePointOnCurve3d {
public:
    AcGePointOnCurve3d() = default;
    AcGePointOnCurve3d(const AcGeCurve3d& crv, double param = 0.0);

    const AcGeCurve3d* curve() const { return mCurve; }
    double parameter() const { return mParam; }
    AcGePoint3d point() const;
    AcGePoint3d point(double param);
    AcGeVector3d deriv(int order) const;

    AcGePointOnCurve3d& setCurve(const AcGeCurve3d& crv);
    AcGePointOnCurve3d& setParameter(double param);

private:
    const AcGeCurve3d* mCurve = nullptr;
    double mParam = 0.0;
};
