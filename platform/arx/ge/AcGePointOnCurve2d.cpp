// Points on plane curves: evaluated on demand, so they follow the curve if it changes.
#include "AcGePointOnCurve2d.h"

#include "AcGeCurve2d.h"

AcGePointOnCurve2d::AcGePointOnCurve2d(const AcGeCurve2d& crv, double param) : mCurve(&crv), mParam(param)
{
}

AcGePoint2d AcGePointOnCurve2d::point() const
{
    return mCurve ? mCurve->evalPoint(mParam) : AcGePoint2d::kOrigin;
}

AcGePoint2d AcGePointOnCurve2d::point(double param)
{
    mParam = param;
    return point();
}

AcGeVector2d AcGePointOnCurve2d::deriv(int order) const
{
    if (!mCurve || order < 1)
        return AcGeVector2d::kIdentity;
    AcGeVector2dArray derivs;
    mCurve->evalPoint(mParam, order, derivs);
    return derivs[order - 1];
}

AcGePointOnCurve2d& AcGePointOnCurve2d::setCurve(const AcGeCurve2d& crv)
{
    mCurve = &crv;
    return *this;
}

AcGePointOnCurve2d& AcGePointOnCurve2d::setParameter(double param)
{
    mParam = param;
    return *this;
}
