// The library's geometry calculations: static members on points, curves, intersections,
// lengths and angles, in a class that holds no data.
#pragma once

#include "AcArray.h"
#include "AcDb.h"
#include "AcDbObjectId.h"
#include "AcGePoint3d.h"
#include "AcGeVector2d.h"
#include "AcGeVector3d.h"
#include "AcadErrorStatus.h"
#include "CString.h"
#include "CorbelkitExport.h"

class AcDbArc;
class AcDbCurve;
class AcDbText;
class AcGeCurve2d;
class AcGeCurve3d;
class AcGePolyline2d;

class CORBELKIT_API MavCounter {
public:
    MavCounter();
    MavCounter(const MavCounter& other);
    virtual ~MavCounter();

    // Angles, directions and numeric helpers: azimuths in (0, 2pi], angles between vectors and
    // curves, bulges, offsets of geometry curves, rounding and number texts.
    static void vectorToAngle(AcGeVector2d vector, double& azimuth);
    static void vectorToAngle(AcGeVector3d vector, double& azimuth);
    static Acad::ErrorStatus getCurveAzimuthAtPoint(AcDbCurve* pCurve, const AcGePoint3d& point, AcGeVector3d& dir);
    static Acad::ErrorStatus getCurveAzimuthAtPoint(AcDbObjectId id, const AcGePoint3d& point, AcGeVector3d& dir);
    static Acad::ErrorStatus getCurveEndAzimuth(AcDbCurve* pCurve, double& azimuth);
    static Acad::ErrorStatus getCurveEndAzimuth(AcDbObjectId id, double& azimuth);
    static Acad::ErrorStatus getCurveStartEndAzimuth(AcDbCurve* pCurve, double& start, double& end);
    static Acad::ErrorStatus getCurveStartEndAzimuth(AcDbObjectId id, double& start, double& end);
    static Acad::ErrorStatus getGeLineAzimuth(const AcGeCurve2d* pCurve, double& azimuth);
    static Acad::ErrorStatus getGeLineAzimuth(const AcGePolyline2d* pPolyline, double& azimuth);
    static int getAngleOf2Vector(AcGeVector3d first, AcGeVector3d second, double& angle);
    static Acad::ErrorStatus getAngleBetweenCurves(
        const AcDbCurve* pCurve1, const AcDbCurve* pCurve2, AcDb::Intersect mode, double& angle);
    static Acad::ErrorStatus getAngleBetweenCurves(
        const AcDbObjectId& id1, const AcDbObjectId& id2, AcDb::Intersect mode, double& angle);
    static Acad::ErrorStatus tellRealDirection(
        const AcGePoint3d& pick, const AcDbCurve* pCurve1, const AcDbCurve* pCurve2, int& dir);
    static AcGeVector3d averageVector(const AcGeVector3d& first, const AcGeVector3d& second);
    static void calculateBulge(const AcDbArc* pArc, double& bulge);
    static void calculateBulge(double radius, double chord, int major, double& bulge);
    static Acad::ErrorStatus offsetGeCurve(const AcGeCurve3d* pCurve, double dist, AcGeCurve3d*& pOffset);
    static Acad::ErrorStatus offsetGeCurve(const AcGeCurve2d* pCurve, double dist, AcGeCurve2d*& pOffset);
    static Acad::ErrorStatus getFirstDerivInGeCurve(
        const AcGeCurve3d* pCurve, const AcGePoint3d& point, AcGeVector3d& deriv);
    static double radiansToDegrees(double radians);
    static int doubleToInt(double value);
    static CString precisionChange(double value, int decimals);
    static int sumAcArray(const AcArray<int>& values);
    static double maxValueInAcArray(const AcArray<double>& values);
    static void AcGePoint3d_adsPt(AcGePoint3d point, double (&adsPoint)[3]);
    MavCounter& operator=(const MavCounter& other);

    // Numeric helpers: degrees, minutes and seconds of an angle and their text, the unit weight
    // of a bar, the size of a text, reductions over number lists; five reserved operations.
    static void degreesToDFM(double degrees, int& wholeDegrees, int& minutes, double& seconds);
    static void degreesToDFM(double degrees, int decimals, int mode, CString& text);
    static double density(int diameter);
    static double widthOfText(const AcDbText* pText);
    static double widthOfText(const AcDbObjectId& id);
    static int maxValueInAcArray(const AcArray<int>& values);
    static int minValueInAcArray(const AcArray<int>& values);
    static double minValueInAcArray(const AcArray<double>& values);
    static double sumAcArray(const AcArray<double>& values);
    static int summate(const AcArray<int>& values);
    static double summate(const AcArray<double>& values);
    static void adsPt_AcGePoint3d(double* const adsPoint, AcGePoint3d& point);
    static Acad::ErrorStatus getPolylineLength(AcDbObjectId id, double& length);
    static Acad::ErrorStatus getStartEndPointInArc(const AcDbObjectId& id, AcGePoint3d& start, AcGePoint3d& end);
    static Acad::ErrorStatus getStartEndPointInLine(const AcDbObjectId& id, AcGePoint3d& start, AcGePoint3d& end);
    static Acad::ErrorStatus getStartEndPointInPolyLine(
        const AcDbObjectId& id, AcGePoint3d& start, AcGePoint3d& end);
    static Acad::ErrorStatus getStartEndPointIn2dPolyLine(
        const AcDbObjectId& id, AcGePoint3d& start, AcGePoint3d& end);
};
