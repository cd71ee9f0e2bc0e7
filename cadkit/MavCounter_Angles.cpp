// Directions as azimuths in (0, 2pi] (+X is 2pi), angles between vectors and between curves at
// their meeting point, bulges, offsets and derivatives of geometry curves, and the small numeric
// helpers of the geometry class.
#include "MavCounter.h"

#include "MavGeDbCurve.h"
#include "MavHelpers.h"
#include "MavUtils.h"

#include "AcDbArc.h"
#include "AcDbCurve.h"
#include "AcDbServices.h"
#include "AcGeCircArc2d.h"
#include "AcGeCurve2d.h"
#include "AcGeCurve3d.h"
#include "AcGePlane.h"
#include "AcGePolyline2d.h"
#include "AcGeVoidPointerArray.h"

#include <cmath>
#include <memory>

namespace {

// The azimuth of (dx, dy) by the four quadrant rules, tested in this order.
double azimuthOf(double dx, double dy)
{
    // The zero vector has no direction; it is given the azimuth of +X so that no caller
    // reads an unset value.
    if (dx == 0.0 && dy == 0.0)
        return kPi + kPi;
    const double a = std::fabs(std::atan(dy / dx));
    if (dx >= 0.0 && dy > 0.0)
        return a;
    if (dx < 0.0 && dy >= 0.0)
        return kPi - a;
    if (dx <= 0.0 && dy < 0.0)
        return kPi + a;
    return kPi + kPi - a;
}

// The azimuth of the curve's tangent at a parameter.
Acad::ErrorStatus tangentAzimuth(const AcDbCurve* pCurve, double param, double& azimuth)
{
    AcGeVector3d deriv;
    const Acad::ErrorStatus es = pCurve->getFirstDeriv(param, deriv);
    if (es == Acad::eOk)
        MavCounter::vectorToAngle(deriv.normal(), azimuth);
    return es;
}

// Of several meeting points, the one at which the two curves come closest to each other.
AcGePoint3d realIntersectPoint(const AcDbCurve* pCurve1, const AcDbCurve* pCurve2, const AcGePoint3dArray& points)
{
    AcGePoint3d best = points[0];
    double least = 1e16;
    for (const AcGePoint3d& candidate : points) {
        AcGePoint3d on1;
        AcGePoint3d on2;
        pCurve1->getClosestPointTo(candidate, on1, false);
        pCurve2->getClosestPointTo(candidate, on2, false);
        if (on1.distanceTo(on2) < least) {
            least = on1.distanceTo(on2);
            best = candidate;
        }
    }
    return best;
}

AcGeVector3d tangentNear(const AcDbCurve* pCurve, const AcGePoint3d& point)
{
    AcGePoint3d onCurve;
    AcGeVector3d deriv;
    pCurve->getClosestPointTo(point, onCurve, false);
    pCurve->getFirstDeriv(onCurve, deriv);
    return deriv;
}

// Keeps the first curve of an offset list and deletes the rest.
template <class Curve>
Curve* firstOffset(AcGeVoidPointerArray& curves)
{
    Curve* kept = nullptr;
    for (void* p : curves) {
        auto* pCurve = static_cast<Curve*>(p);
        if (kept == nullptr && pCurve != nullptr)
            kept = pCurve;
        else
            delete pCurve;
    }
    return kept;
}

} // namespace

void MavCounter::vectorToAngle(AcGeVector2d vector, double& azimuth) { azimuth = azimuthOf(vector.x, vector.y); }

void MavCounter::vectorToAngle(AcGeVector3d vector, double& azimuth) { azimuth = azimuthOf(vector.x, vector.y); }

Acad::ErrorStatus MavCounter::getCurveAzimuthAtPoint(AcDbCurve* pCurve, const AcGePoint3d& point, AcGeVector3d& dir)
{
    if (pCurve == nullptr)
        return Acad::eInvalidInput;
    AcGePoint3d onCurve;
    double param = 0.0;
    pCurve->getClosestPointTo(point, onCurve, false);
    Acad::ErrorStatus es = pCurve->getParamAtPoint(onCurve, param);
    if (es != Acad::eOk)
        return es;
    AcGeVector3d deriv;
    es = pCurve->getFirstDeriv(param, deriv);
    if (es == Acad::eOk)
        dir = deriv.normal();
    return es;
}

Acad::ErrorStatus MavCounter::getCurveAzimuthAtPoint(AcDbObjectId id, const AcGePoint3d& point, AcGeVector3d& dir)
{
    return OnCurveOfId(id, L"getCurveAzimuthAtPoint",
        [&](AcDbCurve* pCurve) { getCurveAzimuthAtPoint(pCurve, point, dir); });
}

Acad::ErrorStatus MavCounter::getCurveEndAzimuth(AcDbCurve* pCurve, double& azimuth)
{
    if (pCurve == nullptr)
        return Acad::eInvalidInput;
    double param = 0.0;
    const Acad::ErrorStatus es = pCurve->getEndParam(param);
    if (es != Acad::eOk)
        return es;
    return tangentAzimuth(pCurve, param, azimuth);
}

Acad::ErrorStatus MavCounter::getCurveEndAzimuth(AcDbObjectId id, double& azimuth)
{
    return OnCurveOfId(id, L"getCurveEndAzimuth", [&](AcDbCurve* pCurve) { getCurveEndAzimuth(pCurve, azimuth); });
}

Acad::ErrorStatus MavCounter::getCurveStartEndAzimuth(AcDbCurve* pCurve, double& start, double& end)
{
    if (pCurve == nullptr)
        return Acad::eInvalidInput;
    double param = 0.0;
    Acad::ErrorStatus es = pCurve->getStartParam(param);
    if (es != Acad::eOk)
        return es;
    es = tangentAzimuth(pCurve, param, start);
    if (es != Acad::eOk)
        return es;
    es = pCurve->getEndParam(param);
    if (es != Acad::eOk)
        return es;
    return tangentAzimuth(pCurve, param, end);
}

Acad::ErrorStatus MavCounter::getCurveStartEndAzimuth(AcDbObjectId id, double& start, double& end)
{
    return OnCurveOfId(
        id, L"getCurveEndAzimuth", [&](AcDbCurve* pCurve) { getCurveStartEndAzimuth(pCurve, start, end); });
}

Acad::ErrorStatus MavCounter::getGeLineAzimuth(const AcGeCurve2d* pCurve, double& azimuth)
{
    if (pCurve == nullptr)
        return Acad::eInvalidInput;
    AcGePoint2d start;
    AcGePoint2d end;
    if (!pCurve->hasStartPoint(start) || !pCurve->hasEndPoint(end))
        return Acad::eInvalidInput;
    vectorToAngle(end - start, azimuth);
    return Acad::eOk;
}

Acad::ErrorStatus MavCounter::getGeLineAzimuth(const AcGePolyline2d* pPolyline, double& azimuth)
{
    if (pPolyline == nullptr || pPolyline->numFitPoints() < 1)
        return Acad::eInvalidInput;
    vectorToAngle(pPolyline->fitPointAt(pPolyline->numFitPoints() - 1) - pPolyline->fitPointAt(0), azimuth);
    return Acad::eOk;
}

int MavCounter::getAngleOf2Vector(AcGeVector3d first, AcGeVector3d second, double& angle)
{
    angle = first.angleTo(second);
    if (first.x * second.y - second.x * first.y < 0.0)
        angle = kPi + kPi - angle;
    return 1;
}

Acad::ErrorStatus MavCounter::getAngleBetweenCurves(
    const AcDbCurve* pCurve1, const AcDbCurve* pCurve2, AcDb::Intersect mode, double& angle)
{
    if (pCurve1 == nullptr || pCurve2 == nullptr)
        return Acad::eInvalidInput;
    // 1. Where the curves meet, in plan.
    AcGePoint3dArray points;
    const Acad::ErrorStatus es = pCurve1->intersectWith(pCurve2, mode, AcGePlane::kXYPlane, points);
    if (es != Acad::eOk) {
        MavUtils::errorReport(es);
        return es;
    }
    // 2. They do not meet.
    if (points.isEmpty())
        return Acad::eOk;
    // 3. The meeting point.
    const AcGePoint3d meet = points.length() == 1 ? points[0] : realIntersectPoint(pCurve1, pCurve2, points);
    // 4. The angle between the tangents there.
    angle = tangentNear(pCurve1, meet).angleTo(tangentNear(pCurve2, meet));
    return Acad::eOk;
}

Acad::ErrorStatus MavCounter::getAngleBetweenCurves(
    const AcDbObjectId& id1, const AcDbObjectId& id2, AcDb::Intersect mode, double& angle)
{
    AcDbCurve* pCurve1 = nullptr;
    Acad::ErrorStatus es = MavUtils::openCurveWithID(id1, AcDb::kForRead, pCurve1);
    if (es != Acad::eOk) {
        MavUtils::errorReport(es);
        return es;
    }
    AcDbCurve* pCurve2 = nullptr;
    es = MavUtils::openCurveWithID(id2, AcDb::kForRead, pCurve2);
    if (es != Acad::eOk) {
        MavUtils::errorReport(es);
        pCurve1->close();
        return es;
    }
    es = getAngleBetweenCurves(pCurve1, pCurve2, mode, angle);
    if (es != Acad::eOk)
        MavUtils::errorReport(es);
    pCurve1->close();
    pCurve2->close();
    return es;
}

Acad::ErrorStatus MavCounter::tellRealDirection(
    const AcGePoint3d& pick, const AcDbCurve* pCurve1, const AcDbCurve* pCurve2, int& dir)
{
    if (pCurve1 == nullptr || pCurve2 == nullptr)
        return Acad::eInvalidInput;
    AcGePoint3d nearPick;
    AcGePoint3d start;
    pCurve1->getClosestPointTo(pick, nearPick, false);
    pCurve1->getStartPoint(start);
    AcGePoint3dArray points;
    const Acad::ErrorStatus es = pCurve1->intersectWith(pCurve2, AcDb::kOnBothOperands, AcGePlane::kXYPlane, points);
    // Without a meeting point there is no direction to tell: the flag stays.
    if (es != Acad::eOk || points.isEmpty())
        return es;
    const double a = (nearPick - start).angleTo(points[0] - nearPick);
    const bool forward = a >= 0.0 && a <= kPi / 2.0;
    if (dir != 0)
        dir = forward ? 1 : 0;
    else
        dir = forward ? 0 : 1;
    return es;
}

AcGeVector3d MavCounter::averageVector(const AcGeVector3d& first, const AcGeVector3d& second)
{
    const double length = (first.length() + second.length()) / 2.0;
    return (first.normal() + second.normal()).normal() * length;
}

void MavCounter::calculateBulge(const AcDbArc* pArc, double& bulge)
{
    if (pArc == nullptr)
        return;
    MavGeDbCurve converter;
    AcGeCircArc2d* pGeArc = nullptr;
    const Acad::ErrorStatus es = converter.convertAcDbArcToAcGeCircArc2d(pArc, pGeArc);
    if (es != Acad::eOk)
        MavUtils::errorReport(es);
    if (pGeArc == nullptr)
        return;
    bulge = std::tan((pGeArc->endAng() - pGeArc->startAng()) / 4.0);
    if (pGeArc->isClockWise())
        bulge = -bulge;
    delete pGeArc;
}

void MavCounter::calculateBulge(double radius, double chord, int major, double& bulge)
{
    double theta = 2.0 * std::asin(chord / (2.0 * radius));
    if (major != 0)
        theta = 2.0 * kPi - theta;
    bulge = std::tan(theta / 4.0);
}

Acad::ErrorStatus MavCounter::offsetGeCurve(const AcGeCurve3d* pCurve, double dist, AcGeCurve3d*& pOffset)
{
    pOffset = nullptr;
    if (pCurve == nullptr)
        return Acad::eOk;
    AcGeVoidPointerArray curves;
    pCurve->getTrimmedOffset(dist, AcGeVector3d::kZAxis, curves, AcGe::kExtend, AcGeContext::gTol);
    pOffset = firstOffset<AcGeCurve3d>(curves);
    return Acad::eOk;
}

Acad::ErrorStatus MavCounter::offsetGeCurve(const AcGeCurve2d* pCurve, double dist, AcGeCurve2d*& pOffset)
{
    pOffset = nullptr;
    if (pCurve == nullptr)
        return Acad::eOk;
    AcGeVoidPointerArray curves;
    pCurve->getTrimmedOffset(dist, curves, AcGe::kExtend, AcGeContext::gTol);
    pOffset = firstOffset<AcGeCurve2d>(curves);
    return Acad::eOk;
}

Acad::ErrorStatus MavCounter::getFirstDerivInGeCurve(
    const AcGeCurve3d* pCurve, const AcGePoint3d& point, AcGeVector3d& deriv)
{
    if (pCurve == nullptr)
        return Acad::eInvalidInput;
    const double t = pCurve->paramOf(point, AcGeContext::gTol);
    pCurve->evaluate(t, &deriv, nullptr);
    return Acad::eOk;
}

double MavCounter::radiansToDegrees(double radians) { return radians * 180.0 / kPi; }

int MavCounter::doubleToInt(double value) { return static_cast<int>(value + 0.5); }

CString MavCounter::precisionChange(double value, int decimals)
{
    static const wchar_t* const kFormats[] = {
        L"%0.0f", L"%0.1f", L"%0.2f", L"%0.3f", L"%0.4f", L"%0.5f", L"%0.6f", L"%0.7f", L"%0.8f"};
    CString text;
    if (decimals >= 0 && decimals <= 8)
        text.Format(kFormats[decimals], value);
    return text;
}

int MavCounter::sumAcArray(const AcArray<int>& values)
{
    int sum = 0;
    for (int value : values)
        sum += value;
    return sum;
}

double MavCounter::maxValueInAcArray(const AcArray<double>& values)
{
    if (values.isEmpty())
        return 0.0;
    double largest = values[0];
    for (int i = 1; i < values.length(); ++i) {
        if (values[i] > largest)
            largest = values[i];
    }
    return largest;
}

void MavCounter::AcGePoint3d_adsPt(AcGePoint3d point, double (&adsPoint)[3])
{
    adsPoint[0] = point.x;
    adsPoint[1] = point.y;
    adsPoint[2] = point.z;
}

MavCounter& MavCounter::operator=(const MavCounter&) { return *this; }
