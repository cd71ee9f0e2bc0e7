// Numeric helpers of the geometry calculations: an angle in degrees, minutes and seconds and its
// text, the unit weight of a reinforcing bar, the size of a text and reductions over lists.
#include "MavCounter.h"

#include "MavHelpers.h"
#include "MavUtils.h"

#include "AcDbEntity.h"
#include "AcDbExtents.h"
#include "AcDbText.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

// The nominal diameters in millimetres that have a unit weight.
constexpr int kBarDiameters[] = {6, 7, 8, 9, 10, 12, 14, 16, 18, 20, 22, 25, 28, 32, 36, 40};

// A bar of diameter d mm holds π·d²/4 mm² of steel at 7850 kg/m³: d·d·π·19.625·0.01·0.01 kg/m.
constexpr double kQuarterSteelDensity = 19.625;
constexpr double kHundredth = 0.01;

template <class T>
T smallest(const AcArray<T>& values)
{
    if (values.isEmpty())
        return T(0);
    T result = values[0];
    for (int i = 1; i < values.length(); ++i) {
        if (values[i] < result)
            result = values[i];
    }
    return result;
}

template <class T>
T sum(const AcArray<T>& values)
{
    T total = T(0);
    for (int i = 0; i < values.length(); ++i)
        total += values[i];
    return total;
}

} // namespace

void MavCounter::degreesToDFM(double degrees, int& wholeDegrees, int& minutes, double& seconds)
{
    // (1) The size of the angle and its sign.
    const double size = std::fabs(degrees);
    const bool negative = degrees < 0.0;
    // (2) Whole degrees, the sign on them alone.
    const double whole = std::trunc(size);
    wholeDegrees = static_cast<int>(negative ? -whole : whole);
    // (3) Whole minutes.
    const double fraction = (size - whole) * 60.0;
    const double wholeMinutes = std::trunc(fraction);
    minutes = static_cast<int>(wholeMinutes);
    // (4) The seconds, unrounded.
    seconds = (fraction - wholeMinutes) * 60.0;
}

void MavCounter::degreesToDFM(double degrees, int decimals, int mode, CString& text)
{
    // (1) The split.
    int wholeDegrees = 0;
    int minutes = 0;
    double seconds = 0.0;
    degreesToDFM(degrees, wholeDegrees, minutes, seconds);
    // (2) The seconds with the decimals asked for.
    const CString secondsText = precisionChange(seconds, decimals);
    // (3) The notation of the mode.
    text = secondsText;
    if (mode == 1)
        text.Format(L"%d°%d’%s”", wholeDegrees, minutes, static_cast<const wchar_t*>(secondsText));
    else if (mode == 2)
        text.Format(L"%d度%d分%s秒", wholeDegrees, minutes, static_cast<const wchar_t*>(secondsText));
}

// A diameter without a unit weight weighs nothing, so that no quantity table counts steel for
// a bar that cannot exist.
double MavCounter::density(int diameter)
{
    if (std::find(std::begin(kBarDiameters), std::end(kBarDiameters), diameter) == std::end(kBarDiameters))
        return 0.0;
    const double d = diameter;
    return d * d * kPi * kQuarterSteelDensity * kHundredth * kHundredth;
}

double MavCounter::widthOfText(const AcDbText* pText)
{
    if (pText == nullptr)
        return 0.0;
    AcDbExtents extents;
    pText->getGeomExtents(extents);
    return extents.minPoint().distanceTo(extents.maxPoint());
}

double MavCounter::widthOfText(const AcDbObjectId& id)
{
    AcDbEntity* pEnt = nullptr;
    if (MavUtils::openEntWithID(id, AcDb::kForRead, pEnt) != Acad::eOk)
        return 0.0;
    const double width = widthOfText(AcDbText::cast(pEnt));
    pEnt->close();
    return width;
}

int MavCounter::maxValueInAcArray(const AcArray<int>& values)
{
    if (values.isEmpty())
        return 0;
    int result = values[0];
    for (int i = 1; i < values.length(); ++i) {
        if (values[i] > result)
            result = values[i];
    }
    return result;
}

int MavCounter::minValueInAcArray(const AcArray<int>& values) { return smallest(values); }

double MavCounter::minValueInAcArray(const AcArray<double>& values) { return smallest(values); }

double MavCounter::sumAcArray(const AcArray<double>& values) { return sum(values); }

int MavCounter::summate(const AcArray<int>& values) { return sum(values); }

double MavCounter::summate(const AcArray<double>& values) { return sum(values); }

void MavCounter::adsPt_AcGePoint3d(double* const adsPoint, AcGePoint3d& point)
{
    point.set(adsPoint[0], adsPoint[1], adsPoint[2]);
}

// The five operations below are reserved: they answer success and leave their outputs as given.
// The end points and lengths of curves are getStartEndPointInCurve's and getCurveLength's work.
Acad::ErrorStatus MavCounter::getPolylineLength(AcDbObjectId, double&) { return Acad::eOk; }

Acad::ErrorStatus MavCounter::getStartEndPointInArc(const AcDbObjectId&, AcGePoint3d&, AcGePoint3d&)
{
    return Acad::eOk;
}

Acad::ErrorStatus MavCounter::getStartEndPointInLine(const AcDbObjectId&, AcGePoint3d&, AcGePoint3d&)
{
    return Acad::eOk;
}

Acad::ErrorStatus MavCounter::getStartEndPointInPolyLine(const AcDbObjectId&, AcGePoint3d&, AcGePoint3d&)
{
    return Acad::eOk;
}

Acad::ErrorStatus MavCounter::getStartEndPointIn2dPolyLine(const AcDbObjectId&, AcGePoint3d&, AcGePoint3d&)
{
    return Acad::eOk;
}
