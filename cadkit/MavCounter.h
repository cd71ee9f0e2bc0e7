// The library's geometry calculations: static members on points, curves, intersections,
// lengths and angles, in a class that holds no data.
#pragma once

#include "AcArray.h"
#include "AcDb.h"
#include "AcDbObjectId.h"
#include "AcGePoint2d.h"
#include "AcGePoint3d.h"
#include "AcGeVector2d.h"
#include "AcGeVector3d.h"
#include "AcadErrorStatus.h"
#include "CString.h"
#include "CorbelkitExport.h"

class AcDb2dPolyline;
class AcDbArc;
class AcDbCurve;
class AcDbEntity;
class AcDbLine;
class AcDbText;
class AcDbEntity;
class AcDbExtents;
class AcDbLine;
class AcDbPolyline;
class AcGeCircArc3d;
class AcGeCurve2d;
class AcGeCurve3d;
class AcGeLineSeg2d;
class AcGeLineSeg3d;
class AcGePolyline2d;
class AcGePolyline3d;

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
    // Intersections: segments by coordinates, geometry curves, database curves in plan with the
    // extension modes, forcible intersections, division points between two boundaries.
    static void relationOfTwoLines(double x1, double y1, double x2, double y2, double x3, double y3, double x4,
        double y4, int& code, double& x, double& y);
    static Acad::ErrorStatus getIntersectPoint(const AcGeCurve2d* pCurve1, const AcGeCurve2d* pCurve2, AcGePoint2d& point);
    static Acad::ErrorStatus getIntersectPoint(const AcGeCurve2d* pCurve, const AcGeLineSeg2d* pLine, AcGePoint2d& point);
    static Acad::ErrorStatus getIntersectPoint(
        const AcGePolyline2d* pPolyline, const AcGeLineSeg2d* pLine, AcGePoint2d& point);
    static Acad::ErrorStatus getIntersectPoint(const AcGeCurve3d* pCurve1, const AcGeCurve3d* pCurve2, AcGePoint3d& point);
    static Acad::ErrorStatus getIntersectPoint(
        const AcDbObjectId& id, const AcDbEntity* pEnt, AcDb::Intersect mode, AcArray<AcGePoint3d>& points);
    static Acad::ErrorStatus getIntersectPoint(
        AcDbEntity* pEnt, const AcDbObjectId& id, AcDb::Intersect mode, AcArray<AcGePoint3d>& points);
    static Acad::ErrorStatus getIntersectPoint(
        const AcGePoint3d& p1, const AcGePoint3d& p2, const AcGeCurve2d* pCurve, AcGePoint3d& point);
    static Acad::ErrorStatus getIntersectPoint(const AcDbObjectId& id, const AcGeCurve2d* pCurve, AcGePoint3d& point);
    static Acad::ErrorStatus getIntersectPointForcibly(const AcDbObjectId& id1, const AcDbObjectId& id2, AcGePoint3d& point);
    static Acad::ErrorStatus getIntersectPointForciblyEx(
        const AcDbObjectId& id1, const AcDbObjectId& id2, AcGePoint3d& point);
    static Acad::ErrorStatus getBisecrixPointsAtLine(AcGePoint3d p1, AcGePoint3d p2, int n, AcArray<AcGePoint3d>& points);
    static Acad::ErrorStatus getBisecrixPointsAtLine(AcDbLine* pLine, int n, AcArray<AcGePoint3d>& points);
    static Acad::ErrorStatus getIntersectLineBisectrixPoints(
        AcGePoint3d base, double angle, AcDbEntity* pEnt1, AcDbEntity* pEnt2, int n, AcArray<AcGePoint3d>& points);
    static Acad::ErrorStatus getIntersectLineBisectrixPointsBaseOnAngle(const AcDbObjectId& id1,
        const AcDbObjectId& id2, const AcDbObjectId& guide, double angleOffset, int n, double step,
        AcArray<AcGePoint3d>& points);
    static Acad::ErrorStatus getIntersectLineLength(AcDbObjectId id1, AcDbObjectId id2, double& length);

    // Points on curves: stations with the direction there, equal divisions, end points, polar
    // points, corners of an extents box, rotated, middle and division points, normal points.
    static Acad::ErrorStatus getCogoOfDbCurve(
        int mode, const AcDbCurve* pCurve, double dist, AcGePoint3d& point, double& azimuth);
    static Acad::ErrorStatus getCogoOfDbCurve(
        int mode, const AcDbObjectId& id, double dist, AcGePoint3d& point, double& azimuth);
    static Acad::ErrorStatus getCogoOfDbPolyline(
        const AcDbPolyline* pPolyline, double dist, AcGePoint3d& point, double& azimuth);
    static Acad::ErrorStatus getPointAtDistInGeCurve(const AcGeCurve3d* pCurve, double dist, AcGePoint3d& point);
    static Acad::ErrorStatus getPointAtDistInGeCurve(const AcGeCurve2d* pCurve, double dist, AcGePoint2d& point);
    static Acad::ErrorStatus getPointAtDistInPlineEx(
        const AcDbPolyline* pPolyline, double along, double offset, AcGePoint3d& point);
    static Acad::ErrorStatus getEquidistantPointsAtCurve(const AcDbObjectId& id, const AcGePoint3d& from,
        const AcGePoint3d& to, int n, int mode, AcArray<AcGePoint3d>& points);
    static Acad::ErrorStatus getEquidistantPointsAtGeCurve2d(const AcGeCurve2d* pCurve, const AcGePoint3d& from,
        const AcGePoint3d& to, int n, int mode, AcArray<AcGePoint3d>& points);
    static int getArcPtByLength(AcGeCircArc3d& arc, double length, AcGePoint3d& point);
    static Acad::ErrorStatus getStartEndPointInCurve(const AcDbCurve* pCurve, AcGePoint3d& start, AcGePoint3d& end);
    static Acad::ErrorStatus getStartEndPointInCurve(const AcDbObjectId& id, AcGePoint3d& start, AcGePoint3d& end);
    static Acad::ErrorStatus getStartEndPointInPolyLine(const AcDbPolyline* pPolyline, AcGePoint3d& start, AcGePoint3d& end);
    static Acad::ErrorStatus getStartEndPointIn3dPolyLine(const AcDbObjectId& id, AcGePoint3d& start, AcGePoint3d& end);
    static void get3dPoint(AcGePoint3d base, double dist, double angle, AcGePoint3d& point);
    static void get3dPoint(AcGePoint2d base, double dist, double angle, AcGePoint2d& point);
    static void getPointsByExtent(AcDbExtents extents, AcArray<AcGePoint3d>& points);
    static int getPointOnRotation(AcGePoint3d origin, AcGePoint3d target, double angle, double dist, AcGePoint3d& point);
    static AcGePoint2d middlePointOfLine(const AcGePoint2d& p1, const AcGePoint2d& p2);
    static AcGePoint2d divisionPointOfLine(const AcGePoint2d& p1, const AcGePoint2d& p2, int n);
    static int getLineNormalPointEx(
        const AcGePoint3d& p1, const AcGePoint3d& p2, double dist, int n, AcGePoint3d& point, double& azimuth);
    static void getCenterPointOfArc(const AcGePoint3d& p1, const AcGePoint3d& p2, AcGePoint3d& center);

    // Lengths and areas: database and geometry curves, a curve between two crossings, the
    // distance along a curve to a point, enclosed areas, the heights of a triangle.
    static Acad::ErrorStatus getCurveLength(const AcDbCurve* pCurve, double& length);
    static Acad::ErrorStatus getCurveLengthEx(AcDbObjectId id, double& length, int& count);
    static Acad::ErrorStatus getGeCurveLength(const AcGeCurve3d* pCurve, double& length);
    static Acad::ErrorStatus getGeCurveLengthBetweenTwoGeCurves(
        const AcGeCurve3d* pCurve, const AcGeCurve3d* pFirst, const AcGeCurve3d* pSecond, double& length);
    static Acad::ErrorStatus getGeCurveLengthBetweenTwoGeCurves(
        const AcGeCurve2d* pCurve, const AcGeCurve2d* pFirst, const AcGeCurve2d* pSecond, double& length);
    static Acad::ErrorStatus getGeCurveArea(const AcGeCurve2d* pCurve, double& area);
    static Acad::ErrorStatus getGeCurveArea(const AcGePolyline2d* pPolyline, double& area);
    static Acad::ErrorStatus getDistAtPoint(const AcDbObjectId& id, const AcGePoint3d& point, double& dist);
    static Acad::ErrorStatus getPolylineLength(AcDbPolyline* pPolyline, double& length);
    static int getHbaseOn3Points(
        const AcGePoint2d& p1, const AcGePoint2d& p2, const AcGePoint2d& p3, AcGePoint3d& heights);

    // Intersection points of curves: entity pairs in plan with snapping, nearest or escalating
    // crossings, segments by points, geometry curves against segments, the real crossing.
    static Acad::ErrorStatus getIntersectPoint(AcDbEntity* pEnt1, AcDbEntity* pEnt2, AcGePoint3d& point);
    static Acad::ErrorStatus getIntersectPoint(AcDbObjectId id1, AcDbObjectId id2, AcGePoint3d& point);
    static Acad::ErrorStatus getIntersectPoint(AcDbObjectId id1, AcDbObjectId id2, AcGePoint3d& p1, AcGePoint3d& p2);
    static Acad::ErrorStatus getIntersectPoint(
        const AcDbObjectId& id1, const AcDbObjectId& id2, AcDb::Intersect mode, AcGePoint3d& point);
    static Acad::ErrorStatus getIntersectPoint(
        const AcDbEntity* pEnt1, const AcDbEntity* pEnt2, AcDb::Intersect mode, AcArray<AcGePoint3d>& points);
    static Acad::ErrorStatus getIntersectPoint(
        AcDbEntity* pEnt, const AcDbObjectId& id, AcDb::Intersect mode, AcGePoint3d& point);
    static Acad::ErrorStatus getIntersectPoint(AcDbEntity* pEnt, AcDbObjectId id, AcGePoint3d& point);
    static Acad::ErrorStatus getIntersectPoint(AcGePoint3d ref, AcDbEntity* pEnt, AcDbObjectId id, AcGePoint3d& point);
    static Acad::ErrorStatus getIntersectPoint(AcGePoint3d ref, AcDbEntity* pEnt1, AcDbEntity* pEnt2, AcGePoint3d& point);
    static Acad::ErrorStatus getIntersectPoint(
        const AcGePoint3d& p1, const AcGePoint3d& p2, const AcDbObjectId& id, AcGePoint3d& point);
    static Acad::ErrorStatus getIntersectPointForcibly(
        const AcDbCurve* pCurve1, const AcDbCurve* pCurve2, AcGePoint3d& point);
    static Acad::ErrorStatus getIntersectPoint(const AcGePoint3d& a1, const AcGePoint3d& a2, const AcGePoint3d& b1,
        const AcGePoint3d& b2, AcGePoint3d& point, AcDb::Intersect mode);
    static Acad::ErrorStatus getIntersectPoint(const AcGePoint2d& a1, const AcGePoint2d& a2, const AcGePoint2d& b1,
        const AcGePoint2d& b2, AcGePoint2d& point, AcDb::Intersect mode);
    static Acad::ErrorStatus getIntersectPoint(const AcGePoint2d& p1, const AcGePoint2d& p2,
        const AcArray<AcGePoint2d>& vertices, AcGePoint2d& point, AcDb::Intersect mode);
    static Acad::ErrorStatus getIntersectPoint(
        const AcGePolyline3d* pPolyline, const AcGeLineSeg3d* pLine, AcGePoint3d& point);
    static Acad::ErrorStatus getIntersectPoint(const AcGeCurve3d* pCurve, const AcGeLineSeg3d* pLine, AcGePoint3d& point);
    static Acad::ErrorStatus getRealIntersectPoint(const AcDbCurve* pCurve1, const AcDbCurve* pCurve2,
        const AcArray<AcGePoint3d>& candidates, AcGePoint3d& point);
    static Acad::ErrorStatus getIntersectLineLength(
        AcDbObjectId crossing1, AcDbObjectId crossing2, AcDbObjectId base, double& length);

    // Points on curves and segments: stations on geometry and database curves, offsets square to
    // a curve, division and middle points, nearest points, feet of perpendiculars, point sets.
    static Acad::ErrorStatus getCogoOfGeCurve(const AcGeCurve3d* pCurve, double dist, AcGePoint3d& point, double& azimuth);
    static Acad::ErrorStatus getCogoOfGeCurve(const AcGeCurve2d* pCurve, double dist, AcGePoint3d& point, double& azimuth);
    static Acad::ErrorStatus getEquidistantPointsAtGeCurve3d(const AcGeCurve3d* pCurve, const AcGePoint3d& from,
        const AcGePoint3d& to, int count, int mode, AcArray<AcGePoint3d>& points);
    static Acad::ErrorStatus getStartEndPointInGeCurve(const AcGeCurve3d* pCurve, AcGePoint3d& start, AcGePoint3d& end);
    static Acad::ErrorStatus getStartEndPointInGeCurve(const AcGeCurve2d* pCurve, AcGePoint3d& start, AcGePoint3d& end);
    static Acad::ErrorStatus getNearestPoint(const AcGeCurve3d* pCurve, AcGePoint3d& point);
    static Acad::ErrorStatus getNearestPoint(const AcGeCurve2d* pCurve, AcGePoint2d& point);
    static Acad::ErrorStatus getCogoOfDbCurve(
        int where, const AcDbCurve* pCurve, double dist, AcGePoint3d& point, AcGeVector3d& direction);
    static Acad::ErrorStatus getCogoOfDbCurve(
        int where, const AcDbObjectId& id, double dist, AcGePoint3d& point, AcGeVector3d& direction);
    static Acad::ErrorStatus getCogoOfDbPolyline(const AcDbObjectId& id, double dist, AcGePoint3d& point, double& azimuth);
    static Acad::ErrorStatus getPointAtDistInPline(AcDbObjectId id, double dist, AcGePoint3d& point);
    static Acad::ErrorStatus getPointAtDistInPlineEx(
        const AcDbObjectId& id, double along, double offset, AcGePoint3d& point);
    static Acad::ErrorStatus getPointAtDistInPlineEx(
        const AcDbObjectId& id, double along, double offset, AcGePoint3d& point, double& azimuth);
    static Acad::ErrorStatus getNormalAtDistInPline(AcDbObjectId id, double dist, AcGePoint3d& point, double& azimuth);
    static Acad::ErrorStatus getDivisionPointInCurve(const AcDbObjectId& id, int n, AcGePoint3d& point, int fromStart);
    static Acad::ErrorStatus getDivisionPointInCurveEx(
        const AcDbObjectId& id, int n, AcGePoint3d& point, int fromStart, double& azimuth);
    static Acad::ErrorStatus getMiddlePointInCurve(const AcDbCurve* pCurve, AcGePoint3d& point);
    static Acad::ErrorStatus getMiddlePointInCurve(const AcDbObjectId& id, AcGePoint3d& point);
    static Acad::ErrorStatus getMiddlePointInCurveEx(const AcDbObjectId& id, AcGePoint3d& point, double& azimuth);
    static Acad::ErrorStatus getNearestPoint(const AcDbObjectId& id, AcGePoint3d& point);
    static int isOnCurve(const AcGePoint3d& point, const AcDbObjectId& id, double tolerance);
    static void getCenterPoint(AcDbObjectId id, double (&center)[3]);
    static int getOnLinePoint(AcGePoint3d a, AcGePoint3d b, double dist, AcGePoint3d& point);
    static int getOnLinePoint(AcGePoint2d a, AcGePoint2d b, double dist, AcGePoint2d& point);
    static int getLineNormalPoint(AcGePoint3d a, AcGePoint3d b, double dist, AcGePoint3d& point);
    static int getLineNormalPoint(const AcGePoint3d& a, const AcGePoint3d& b, double dist, int atStart, AcGePoint3d& point);
    static int getLineNormalPointEx(const AcGePoint3d& a, const AcGePoint3d& b, double dist, int n, AcGePoint3d& point);
    static AcGePoint3d divisionPointOfLine(const AcGePoint3d& a, const AcGePoint3d& b, int n);
    static AcGePoint3d middlePointOfLine(const AcGePoint3d& a, const AcGePoint3d& b);
    static int extendLine(
        AcGePoint3d& a, bool outwardAtA, double lengthAtA, AcGePoint3d& b, bool outwardAtB, double lengthAtB);
    static int extendLine(
        AcGePoint2d& a, bool outwardAtA, double lengthAtA, AcGePoint2d& b, bool outwardAtB, double lengthAtB);
    static int getLinePointOnnormal(AcGePoint3d a, AcGePoint3d b, AcGePoint3d q, AcGePoint3d& foot);
    static void getMirrorPointBaseLine(
        const AcGePoint2d& a, const AcGePoint2d& b, const AcGePoint2d& p, AcGePoint2d& image);
    static Acad::ErrorStatus getOffsetPoint(const AcGePoint3d& p, double dist, AcGeVector3d vector, AcGePoint3d& point);
    static Acad::ErrorStatus getOffsetPoint(const AcGePoint3d& p, double dx, double dy, double unused, AcGePoint3d& point);
    static Acad::ErrorStatus getNearestPoint(AcGePoint3d ref, AcArray<AcGePoint3d> points, AcGePoint3d& nearest);
    static void getCenterPoint(AcArray<AcGePoint3d> points, AcGePoint3d& center);
    static Acad::ErrorStatus getMinMaxPointsInPointsArray(
        const AcArray<AcGePoint3d>& points, AcGePoint3d& lower, AcGePoint3d& upper);

    // Curve lengths and arc stations: lines, arcs, 2D polylines and any curve by id, the vertex
    // count, an arc's data in one call, and the walks along an arc in tenths of a degree.
    static Acad::ErrorStatus getGeCurveLength(const AcGeCurve2d* pCurve, double& length);
    static Acad::ErrorStatus getGeCurveLength(const AcGePolyline2d* pPolyline, double& length);
    static Acad::ErrorStatus getLineLength(AcDbLine* pLine, double& length);
    static Acad::ErrorStatus getLineLength(AcDbObjectId id, double& length);
    static Acad::ErrorStatus getArcLength(AcDbArc* pArc, double& length);
    static Acad::ErrorStatus getArcLength(AcDbObjectId id, double& length);
    static Acad::ErrorStatus get2dPolylineLength(AcDb2dPolyline* pPolyline, double& length);
    static Acad::ErrorStatus get2dPolylineLength(AcDbObjectId id, double& length);
    static Acad::ErrorStatus getCurveLength(AcDbObjectId id, double& length);
    static Acad::ErrorStatus getCurveLengthEx(AcDbCurve* pCurve, double& length, int& count);
    static Acad::ErrorStatus getDistAtPointEx(const AcDbObjectId& id, const AcGePoint3d& point, double& dist);
    static Acad::ErrorStatus getArcParams(AcDbObjectId id, AcGePoint3d& start, AcGePoint3d& end, AcGePoint3d& third,
        double& startAzimuth, double& endAzimuth, double& length);
    static int getArcParamByLength(AcGeCircArc3d& arc, double length, AcGePoint3d& point, double& angle);
    static int getArcLengthByPt(AcGeCircArc3d& arc, AcGePoint3d point, double& arcLength, double& lengthToPoint);

    // Turning side of two vectors and the fillet arc between two lines.
    static Acad::ErrorStatus tellRelationOfTwoVectors(
        const AcGeVector3d& first, const AcGeVector3d& second, int& relation);
    static int lineArcLine(const AcGePoint3d& p1, const AcGePoint3d& p2, const AcGePoint3d& p3, const AcGePoint3d& p4,
        double radius, AcGePoint3d& center, double& startAngle, double& endAngle);

    // Division points between two curves, along one cross line or along cross lines square to a
    // base curve.
    static Acad::ErrorStatus getIntersectLineBisectrixPoints(AcGePoint3d base, double angle, AcDbObjectId id1,
        AcDbObjectId id2, int n, AcArray<AcGePoint3d>& points);
    static Acad::ErrorStatus getIntersectLineBisectrixPoints(AcDbObjectId id1, AcDbObjectId id2, AcDbObjectId baseId,
        int n, double spacing, AcArray<AcGePoint3d>& points);

    // Azimuths of curves at the start, the middle parameter and a point; unit tangents at the
    // ends; directions of plane curves and upward chords; degrees to radians.
    static Acad::ErrorStatus getCurveStartAzimuth(AcDbCurve* pCurve, double& azimuth);
    static Acad::ErrorStatus getCurveStartAzimuth(AcDbObjectId id, double& azimuth);
    static Acad::ErrorStatus getCurveMiddleAzimuth(AcDbCurve* pCurve, double& azimuth);
    static Acad::ErrorStatus getCurveMiddleAzimuth(AcDbObjectId id, double& azimuth);
    static Acad::ErrorStatus getCurveAzimuthAtPoint(AcDbCurve* pCurve, const AcGePoint3d& point, double& azimuth);
    static Acad::ErrorStatus getCurveAzimuthAtPoint(AcDbObjectId id, const AcGePoint3d& point, double& azimuth);
    static Acad::ErrorStatus getCurveStartAzimuthEx(AcDbCurve* pCurve, AcGeVector3d& tangent);
    static Acad::ErrorStatus getCurveEndAzimuthEx(AcDbCurve* pCurve, AcGeVector3d& tangent);
    static Acad::ErrorStatus getGeCurveStartAzimuth(const AcGeCurve2d* pCurve, double& azimuth);
    static Acad::ErrorStatus getGeCurveEndAzimuth(const AcGeCurve2d* pCurve, double& azimuth);
    static Acad::ErrorStatus getFirstDerivInGeCurve(
        const AcGeCurve2d* pCurve, const AcGePoint2d& point, AcGeVector2d& deriv);
    static Acad::ErrorStatus getGeLineAzimuthEx(const AcGeCurve2d* pCurve, double& azimuth);
    static double degreesToRadians(double degrees);
};
