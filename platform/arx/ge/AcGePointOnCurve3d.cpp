// Points on space curves: evaluated on demand, so they follow the curve if it changes.
#include "AcGePointOnCurve3d.h"

#include "AcGeCurve3d.h"

AcGePointOnCurve3d::AcGePointOnCurve3d(const AcGeCurve3d& crv, double param) : mCurve(&crv), mParam(param)
{
}

AcGePoint3d AcGePointOnCurve3d::point() const
{
    return mCurve ? mCurve->evalPoint(mParam) : AcGePoint3d::kOrigin;
}

AcGePoint3d AcGePointOnCurve3d::point(double param)
{
    mParam = param;
    return point();
}

AcGeVector3d AcGePointOnCurve3d::deriv(int order) const
{
    if (!mCurve || order < 1)
        return AcGeVector3d::kIdentity;
    AcGeVector3dArray derivs;
    mCurve->evalPoint(mParam, order, derivs);
    return derivs[order - 1];
}

AcGePointOnCurve3d& AcGePointOnCurve3d::setCurve(const AcGeCurve3d& crv)
{
    mCurve = &crv;
    return *this;
}

AcGePointOnCurve3d& AcGePointOnCurve3d::setParameter(double param)
{
    mParam = param;
    return *this;
}
