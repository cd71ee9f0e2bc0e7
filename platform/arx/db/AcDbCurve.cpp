// The curve interface without geometry: every query is answered by the curve classes.
#include "AcDbCurve.h"

ACRX_DEFINE_MEMBERS(AcDbCurve, AcDbEntity)

Acad::ErrorStatus AcDbCurve::getStartParam(double&) const
{
    return Acad::eNotImplementedYet;
}
Acad::ErrorStatus AcDbCurve::getEndParam(double&) const
{
    return Acad::eNotImplementedYet;
}
Acad::ErrorStatus AcDbCurve::getStartPoint(AcGePoint3d&) const
{
    return Acad::eNotImplementedYet;
}
Acad::ErrorStatus AcDbCurve::getEndPoint(AcGePoint3d&) const
{
    return Acad::eNotImplementedYet;
}
Acad::ErrorStatus AcDbCurve::getPointAtParam(double, AcGePoint3d&) const
{
    return Acad::eNotImplementedYet;
}
Acad::ErrorStatus AcDbCurve::getParamAtPoint(const AcGePoint3d&, double&) const
{
    return Acad::eNotImplementedYet;
}
Acad::ErrorStatus AcDbCurve::getDistAtParam(double, double&) const
{
    return Acad::eNotImplementedYet;
}
Acad::ErrorStatus AcDbCurve::getParamAtDist(double, double&) const
{
    return Acad::eNotImplementedYet;
}
Acad::ErrorStatus AcDbCurve::getDistAtPoint(const AcGePoint3d&, double&) const
{
    return Acad::eNotImplementedYet;
}
Acad::ErrorStatus AcDbCurve::getPointAtDist(double, AcGePoint3d&) const
{
    return Acad::eNotImplementedYet;
}
Acad::ErrorStatus AcDbCurve::getFirstDeriv(double, AcGeVector3d&) const
{
    return Acad::eNotImplementedYet;
}
Acad::ErrorStatus AcDbCurve::getFirstDeriv(const AcGePoint3d&, AcGeVector3d&) const
{
    return Acad::eNotImplementedYet;
}
Acad::ErrorStatus AcDbCurve::getSecondDeriv(double, AcGeVector3d&) const
{
    return Acad::eNotImplementedYet;
}
Acad::ErrorStatus AcDbCurve::getClosestPointTo(const AcGePoint3d&, AcGePoint3d&, bool) const
{
    return Acad::eNotImplementedYet;
}
Acad::ErrorStatus AcDbCurve::getClosestPointTo(const AcGePoint3d&, const AcGeVector3d&, AcGePoint3d&, bool) const
{
    return Acad::eNotImplementedYet;
}
Acad::ErrorStatus AcDbCurve::getOffsetCurves(double, AcDbVoidPtrArray&) const
{
    return Acad::eNotImplementedYet;
}
Acad::ErrorStatus AcDbCurve::getSplitCurves(const AcGeDoubleArray&, AcDbVoidPtrArray&) const
{
    return Acad::eNotImplementedYet;
}
Acad::ErrorStatus AcDbCurve::getSplitCurves(const AcGePoint3dArray&, AcDbVoidPtrArray&) const
{
    return Acad::eNotImplementedYet;
}
Acad::ErrorStatus AcDbCurve::extend(double)
{
    return Acad::eNotImplementedYet;
}
Acad::ErrorStatus AcDbCurve::extend(bool, const AcGePoint3d&)
{
    return Acad::eNotImplementedYet;
}
Acad::ErrorStatus AcDbCurve::getArea(double&) const
{
    return Acad::eNotImplementedYet;
}
