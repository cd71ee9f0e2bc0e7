// The curve converter: database curves to the geometry library's curves and back. A converter
// holds no data; it is made for one call and deleted after use.
#pragma once

#include "AcArray.h"
#include "AcGePoint3d.h"
#include "AcadErrorStatus.h"
#include "CorbelkitExport.h"

class AcDb2dPolyline;
class AcDbArc;
class AcDbCircle;
class AcDbCurve;
class AcDbEllipse;
class AcDbLine;
class AcDbPolyline;
class AcDbRegion;
class AcDbSpline;
class AcGeCircArc2d;
class AcGeCircArc3d;
class AcGeCompositeCurve3d;
class AcGeCurve2d;
class AcGeCurve3d;
class AcGeEllipArc3d;
class AcGeLineSeg3d;
class AcGeNurbCurve3d;

class CORBELKIT_API MavGeDbCurve {
public:
    MavGeDbCurve();
    virtual ~MavGeDbCurve();

    // Curve conversions of single database curves and region boundaries.
    Acad::ErrorStatus convertAcDbLineToAcGeLineSeg3d(const AcDbLine* pLine, AcGeLineSeg3d*& pGeLine);
    Acad::ErrorStatus convertAcDbArcToAcGeCircArc3d(const AcDbArc* pArc, AcGeCircArc3d*& pGeArc);
    Acad::ErrorStatus convertAcDbArcToAcGeCircArc2d(const AcDbArc* pArc, AcGeCircArc2d*& pGeArc);
    Acad::ErrorStatus convertAcDbSplineToAcGeNurbCurve3d(const AcDbSpline* pSpline, AcGeNurbCurve3d*& pNurb);
    int GetRegionBoundaryPolyline(AcDbRegion* pRegion, AcArray<void*>*& curves);

    // Curve conversion between database curves, geometry curves and polylines.
    MavGeDbCurve(const MavGeDbCurve& other);
    MavGeDbCurve& operator=(const MavGeDbCurve& other);
    Acad::ErrorStatus convertDbCurveToGeCurve(const AcDbCurve* pCurve, AcGeCurve3d*& pGeCurve);
    Acad::ErrorStatus convertPolylineToGeCurve(const AcDbPolyline* pPolyline, AcGeCurve3d*& pGeCurve);
    Acad::ErrorStatus convertPolylineToGeCurve(const AcDbPolyline* pPolyline, AcGeCurve2d*& pGeCurve);
    Acad::ErrorStatus convertAcDbLineToGeCurve(const AcDbLine* pLine, AcGeCurve2d*& pGeCurve);
    Acad::ErrorStatus convertAcDbArcToGeCurve(const AcDbArc* pArc, AcGeCurve2d*& pGeCurve);
    Acad::ErrorStatus convertAcDbCircleToAcGeCircArc3d(const AcDbCircle* pCircle, AcGeCircArc3d*& pGeArc);
    Acad::ErrorStatus convertAcDbEllipseToAcGeEllipArc3d(const AcDbEllipse* pEllipse, AcGeEllipArc3d*& pGeArc);
    Acad::ErrorStatus convertPoly2dToLWPoly(const AcDb2dPolyline* pPoly2d, AcDbPolyline*& pPolyline);
    Acad::ErrorStatus createGeCurveBaseOnLine(const AcGePoint3d& start, const AcGePoint3d& end, AcGeCurve3d*& pGeCurve);
    Acad::ErrorStatus createGeCurveBaseOnLine(const AcGePoint3d& start, const AcGePoint3d& end, AcGeCurve2d*& pGeCurve);
    Acad::ErrorStatus createGeCurveBaseOnArc(
        const AcGePoint3d& center, double radius, double startAngle, double endAngle, AcGeCurve3d*& pGeCurve);
    Acad::ErrorStatus createGeCurveBaseOnArc(
        const AcGePoint3d& center, double radius, double startAngle, double endAngle, AcGeCurve2d*& pGeCurve);
    Acad::ErrorStatus convertGeCurveToPolyline(AcGeCompositeCurve3d* pComposite, AcDbPolyline*& pPolyline);
    Acad::ErrorStatus convertGeCurveToPolyline(const AcGeCurve2d* pGeCurve, AcDbPolyline*& pPolyline);
};
