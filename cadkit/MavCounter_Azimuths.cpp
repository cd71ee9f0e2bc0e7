// Directions of curves as azimuths in (0, 2pi]: a database curve's tangent at its start, at its
// middle parameter or at the point nearest a given one; unit tangents at its ends; a plane
// curve's direction at its ends and its chord turned upward; degrees to radians.
#include "MavCounter.h"

#include "MavHelpers.h"
#include "MavUtils.h"

#include "AcDbCurve.h"
#include "AcDbServices.h"
#include "AcGeCurve2d.h"

namespace {

Acad::ErrorStatus unitTangentAtParam(const AcDbCurve* pCurve, double param, AcGeVector3d& tangent)
{
    AcGeVector3d deriv;
    const Acad::ErrorStatus es = pCurve->getFirstDeriv(param, deriv);
    tangent = deriv.normal(AcGeContext::gTol);
    return es;
}

} // namespace

Acad::ErrorStatus MavCounter::getCurveStartAzimuth(AcDbCurve* pCurve, double& azimuth)
{
    if (pCurve == nullptr)
        return Acad::eInvalidInput;
    double start = 0.0;
    const Acad::ErrorStatus es = pCurve->getStartParam(start);
    if (es != Acad::eOk)
        return es;
    return AzimuthAtParam(pCurve, start, azimuth);
}

Acad::ErrorStatus MavCounter::getCurveStartAzimuth(AcDbObjectId id, double& azimuth)
{
    return OnCurveOfId(id, L"getCurveEndAzimuth", [&](AcDbCurve* pCurve) { getCurveStartAzimuth(pCurve, azimuth); });
}

Acad::ErrorStatus MavCounter::getCurveMiddleAzimuth(AcDbCurve* pCurve, double& azimuth)
{
    if (pCurve == nullptr)
        return Acad::eInvalidInput;
    double start = 0.0;
    double end = 0.0;
    Acad::ErrorStatus es = pCurve->getStartParam(start);
    if (es == Acad::eOk)
        es = pCurve->getEndParam(end);
    if (es != Acad::eOk)
        return es;
    // The middle parameter, which is not half the length on a polyline of unequal segments.
    return AzimuthAtParam(pCurve, (start + end) / 2.0, azimuth);
}

Acad::ErrorStatus MavCounter::getCurveMiddleAzimuth(AcDbObjectId id, double& azimuth)
{
    return OnCurveOfId(
        id, L"getCurveMiddleAzimuth", [&](AcDbCurve* pCurve) { getCurveMiddleAzimuth(pCurve, azimuth); });
}

Acad::ErrorStatus MavCounter::getCurveAzimuthAtPoint(AcDbCurve* pCurve, const AcGePoint3d& point, double& azimuth)
{
    if (pCurve == nullptr)
        return Acad::eInvalidInput;
    AcGePoint3d onCurve;
    Acad::ErrorStatus es = pCurve->getClosestPointTo(point, onCurve, false);
    double param = 0.0;
    if (es == Acad::eOk)
        es = pCurve->getParamAtPoint(onCurve, param);
    if (es != Acad::eOk)
        return es;
    return AzimuthAtParam(pCurve, param, azimuth);
}

Acad::ErrorStatus MavCounter::getCurveAzimuthAtPoint(AcDbObjectId id, const AcGePoint3d& point, double& azimuth)
{
    return OnCurveOfId(
        id, L"getCurveAzimuthAtPoint", [&](AcDbCurve* pCurve) { getCurveAzimuthAtPoint(pCurve, point, azimuth); });
}

Acad::ErrorStatus MavCounter::getCurveStartAzimuthEx(AcDbCurve* pCurve, AcGeVector3d& tangent)
{
    if (pCurve == nullptr)
        return Acad::eInvalidInput;
    double start = 0.0;
    const Acad::ErrorStatus es = pCurve->getStartParam(start);
    if (es != Acad::eOk)
        return es;
    return unitTangentAtParam(pCurve, start, tangent);
}

Acad::ErrorStatus MavCounter::getCurveEndAzimuthEx(AcDbCurve* pCurve, AcGeVector3d& tangent)
{
    if (pCurve == nullptr)
        return Acad::eInvalidInput;
    double end = 0.0;
    const Acad::ErrorStatus es = pCurve->getEndParam(end);
    if (es != Acad::eOk)
        return es;
    return unitTangentAtParam(pCurve, end, tangent);
}

Acad::ErrorStatus MavCounter::getGeCurveStartAzimuth(const AcGeCurve2d* pCurve, double& azimuth)
{
    AcGePoint2d start;
    if (pCurve == nullptr || !pCurve->hasStartPoint(start))
        return Acad::eInvalidInput;
    AcGeVector2d deriv;
    const Acad::ErrorStatus es = getFirstDerivInGeCurve(pCurve, start, deriv);
    vectorToAngle(deriv, azimuth);
    return es;
}

Acad::ErrorStatus MavCounter::getGeCurveEndAzimuth(const AcGeCurve2d* pCurve, double& azimuth)
{
    AcGePoint2d end;
    if (pCurve == nullptr || !pCurve->hasEndPoint(end))
        return Acad::eInvalidInput;
    AcGeVector2d deriv;
    const Acad::ErrorStatus es = getFirstDerivInGeCurve(pCurve, end, deriv);
    vectorToAngle(deriv, azimuth);
    return es;
}

Acad::ErrorStatus MavCounter::getFirstDerivInGeCurve(
    const AcGeCurve2d* pCurve, const AcGePoint2d& point, AcGeVector2d& deriv)
{
    if (pCurve == nullptr)
        return Acad::eInvalidInput;
    AcGeVector2dArray derivs;
    pCurve->evalPoint(pCurve->paramOf(point, AcGeContext::gTol), 1, derivs);
    if (!derivs.isEmpty())
        deriv = derivs[0];
    return Acad::eOk;
}

Acad::ErrorStatus MavCounter::getGeLineAzimuthEx(const AcGeCurve2d* pCurve, double& azimuth)
{
    if (pCurve == nullptr)
        return Acad::eInvalidInput;
    // 1. The chord's ends.
    AcGePoint2d start;
    AcGePoint2d end;
    pCurve->hasStartPoint(start);
    pCurve->hasEndPoint(end);
    // 2. Turned to run upward, or level.
    if (end.y < start.y)
        MavUtils::swapGePoint2d(start, end);
    // 3. Its azimuth.
    vectorToAngle(end - start, azimuth);
    return Acad::eOk;
}

double MavCounter::degreesToRadians(double degrees) { return kPi / 180.0 * degrees; }
