// Database curves as geometry curves (segments, arcs, ellipses, NURBS curves, composites) and
// chains of geometry segments back as lightweight polylines with bulges; region boundaries as
// database curves.
#include "MavGeDbCurve.h"

#include "MavHelpers.h"
#include "MavUtils.h"

#include "AcDb2dPolyline.h"
#include "AcDbArc.h"
#include "AcDbCircle.h"
#include "AcDbEllipse.h"
#include "AcDbLine.h"
#include "AcDbPolyline.h"
#include "AcDbRegion.h"
#include "AcDbSpline.h"
#include "AcGeCircArc2d.h"
#include "AcGeCircArc3d.h"
#include "AcGeCompositeCurve2d.h"
#include "AcGeCompositeCurve3d.h"
#include "AcGeEllipArc3d.h"
#include "AcGeKnotVector.h"
#include "AcGeLineSeg2d.h"
#include "AcGeLineSeg3d.h"
#include "AcGeNurbCurve3d.h"
#include "AcGeVoidPointerArray.h"
#include "acut.h"

#include <cmath>
#include <new>
#include <utility>
#include <vector>

namespace {

constexpr double kKnotTolerance = 1e-9;
constexpr double kNoWidth = -1.0;

// The conversion could not make a curve.
constexpr Acad::ErrorStatus kNotConverted = Acad::eNotImplementedYet;

AcGeNurbCurve3d* nurbsOf(const AcDbSpline* pSpline, bool& failed)
{
    int degree = 0;
    bool rational = false;
    bool closed = false;
    bool periodic = false;
    AcGePoint3dArray controlPoints;
    AcGeDoubleArray knots;
    AcGeDoubleArray weights;
    double controlTol = 0.0;
    double knotTol = 0.0;
    failed
        = pSpline->getNurbsData(degree, rational, closed, periodic, controlPoints, knots, weights, controlTol, knotTol)
        != Acad::eOk;
    if (failed)
        return nullptr;
    const AcGeKnotVector knotVector(knots, kKnotTolerance);
    AcGeNurbCurve3d* pNurb = rational
        ? new (std::nothrow) AcGeNurbCurve3d(degree, knotVector, controlPoints, weights, periodic)
        : new (std::nothrow) AcGeNurbCurve3d(degree, knotVector, controlPoints, periodic);
    if (pNurb != nullptr && closed)
        pNurb->makeClosed();
    return pNurb;
}

// Step 5 of the database-curve conversion: the NURBS data, then the fit data on top.
AcGeCurve3d* splineCurve(const AcDbSpline* pSpline)
{
    if (pSpline == nullptr || (pSpline->numControlPoints() == 0 && !pSpline->hasFitData()))
        return nullptr;
    bool failed = false;
    AcGeNurbCurve3d* pNurb = nurbsOf(pSpline, failed);
    if (pNurb == nullptr || !pSpline->hasFitData())
        return pNurb;
    AcGePoint3dArray fitPoints;
    int degree = 0;
    double fitTolerance = 0.0;
    bool tangentsExist = false;
    AcGeVector3d startTangent;
    AcGeVector3d endTangent;
    if (pSpline->getFitData(fitPoints, degree, fitTolerance, tangentsExist, startTangent, endTangent) != Acad::eOk)
        return pNurb;
    AcGeTol tol;
    tol.setEqualPoint(fitTolerance);
    if (tangentsExist)
        pNurb->setFitData(fitPoints, startTangent, endTangent, tol);
    else
        pNurb->setFitData(degree, fitPoints, tol);
    return pNurb;
}

// Step 4: the ellipse's radii from its centre's nearest point and its radius ratio.
AcGeCurve3d* ellipseCurve(const AcDbEllipse* pEllipse)
{
    AcGePoint3d nearest;
    pEllipse->getClosestPointTo(pEllipse->center(), nearest, true);
    const double minorRadius = pEllipse->center().distanceTo(nearest);
    const double majorRadius = minorRadius / pEllipse->radiusRatio();
    double endAngle = pEllipse->endParam();
    if (endAngle < pEllipse->startParam())
        endAngle += 2.0 * kPi;
    return new (std::nothrow) AcGeEllipArc3d(pEllipse->center(), pEllipse->majorAxis().normal(),
        pEllipse->minorAxis().normal(), majorRadius, minorRadius, pEllipse->startParam(), endAngle);
}

// The segments of a polyline that are lines or arcs, closing segment left out.
template <class Segment, class LineSeg, class CircArc>
void polylineSegments(const AcDbPolyline* pPolyline, AcGeVoidPointerArray& segments)
{
    const unsigned int count = pPolyline->numVerts();
    for (unsigned int i = 0; i + 1 < count; ++i) {
        Segment* pSegment = nullptr;
        if (pPolyline->segType(i) == AcDbPolyline::kLine) {
            auto* pLine = new (std::nothrow) LineSeg();
            if (pLine != nullptr)
                pPolyline->getLineSegAt(i, *pLine);
            pSegment = pLine;
        } else if (pPolyline->segType(i) == AcDbPolyline::kArc) {
            auto* pArc = new (std::nothrow) CircArc();
            if (pArc != nullptr)
                pPolyline->getArcSegAt(i, *pArc);
            pSegment = pArc;
        } else {
            continue;
        }
        segments.append(pSegment);
    }
}

// One segment is handed out as it is; several as a composite that owns them.
template <class Curve, class Composite>
Curve* segmentsAsCurve(AcGeVoidPointerArray& segments)
{
    if (segments.isEmpty())
        return nullptr;
    if (segments.length() == 1)
        return static_cast<Curve*>(segments[0]);
    return new (std::nothrow) Composite(segments);
}

template <class Curve, class Composite>
Curve* compositeOf(Curve* pPiece)
{
    AcGeVoidPointerArray pieces;
    pieces.append(pPiece);
    return new (std::nothrow) Composite(pieces);
}

void addVertex(AcDbPolyline* pPolyline, const AcGePoint3d& point, double bulge)
{
    pPolyline->addVertexAt(pPolyline->numVerts(), AcGePoint2d(point.x, point.y), bulge, kNoWidth, kNoWidth);
}

// A chain of 3-D lines and arcs as it is read for the polyline: per segment its kind (0 line,
// 1 arc), start and end point and bulge.
struct ChainSegment {
    int type = 0;
    AcGePoint3d start;
    AcGePoint3d end;
    double bulge = 0.0;
};

// Step 1 and 2 of the chain conversion; false when a piece is neither a line nor an arc.
bool readChain(const AcGeCompositeCurve3d* pComposite, std::vector<ChainSegment>& chain)
{
    AcGeVoidPointerArray copies;
    pComposite->getCurveList(copies);
    bool convertible = true;
    for (void* p : copies) {
        auto* pPiece = static_cast<AcGeCurve3d*>(p);
        ChainSegment segment;
        if (pPiece != nullptr && pPiece->type() == AcGe::kCircArc3d) {
            // An arc turning about -Z runs clockwise in plan: its bulge is negative.
            const auto* pArc = static_cast<const AcGeCircArc3d*>(pPiece);
            const double bulge = std::tan((pArc->endAng() - pArc->startAng()) * 0.25);
            segment = {1, pArc->startPoint(), pArc->endPoint(), pArc->normal().z < 0.0 ? -bulge : bulge};
        } else if (pPiece != nullptr && pPiece->type() == AcGe::kLineSeg3d) {
            const auto* pLine = static_cast<const AcGeLineSeg3d*>(pPiece);
            segment = {0, pLine->startPoint(), pLine->endPoint(), 0.0};
        } else {
            convertible = false;
        }
        chain.push_back(segment);
        delete pPiece;
    }
    return convertible;
}

// Steps 4 and 5: arcs turned to run along the chain; the vertices in travel order.
void orientChain(std::vector<ChainSegment>& chain)
{
    const int n = static_cast<int>(chain.size());
    int first = -1;
    for (int i = 0; i < n && first < 0; ++i) {
        if (chain[i].type == 0)
            first = i;
    }
    auto reverse = [](ChainSegment& s) {
        std::swap(s.start, s.end);
        s.bulge = -s.bulge;
    };
    if (first < 0) {
        // Only arcs: the first starting where the second ends means they run backwards.
        if (n > 1 && chain[0].start == chain[1].end) {
            for (ChainSegment& s : chain)
                reverse(s);
        }
        return;
    }
    for (int i = first + 1; i < n; ++i) {
        if (chain[i].type == 1 && chain[i].start != chain[i - 1].end)
            reverse(chain[i]);
    }
    for (int i = first - 1; i >= 0; --i) {
        if (chain[i].type == 1 && chain[i].end != chain[i + 1].start)
            reverse(chain[i]);
    }
}

} // namespace

Acad::ErrorStatus MavGeDbCurve::convertAcDbLineToAcGeLineSeg3d(const AcDbLine* pLine, AcGeLineSeg3d*& pGeLine)
{
    pGeLine = nullptr;
    if (pLine == nullptr)
        return Acad::eInvalidInput;
    pGeLine = new (std::nothrow) AcGeLineSeg3d(pLine->startPoint(), pLine->endPoint());
    return Acad::eOk;
}

Acad::ErrorStatus MavGeDbCurve::convertAcDbArcToAcGeCircArc3d(const AcDbArc* pArc, AcGeCircArc3d*& pGeArc)
{
    pGeArc = nullptr;
    if (pArc == nullptr)
        return Acad::eInvalidInput;
    pGeArc = new (std::nothrow) AcGeCircArc3d(pArc->center(), pArc->normal(), pArc->normal().perpVector(),
        pArc->radius(), pArc->startAngle(), pArc->endAngle());
    return Acad::eOk;
}

Acad::ErrorStatus MavGeDbCurve::convertAcDbArcToAcGeCircArc2d(const AcDbArc* pArc, AcGeCircArc2d*& pGeArc)
{
    pGeArc = nullptr;
    if (pArc == nullptr)
        return Acad::eInvalidInput;
    AcGePoint3d start;
    AcGePoint3d end;
    AcGePoint3d middle;
    double startParam = 0.0;
    double endParam = 0.0;
    pArc->getStartPoint(start);
    pArc->getEndPoint(end);
    pArc->getStartParam(startParam);
    pArc->getEndParam(endParam);
    const Acad::ErrorStatus es = pArc->getPointAtParam((startParam + endParam) / 2.0, middle);
    if (es != Acad::eOk)
        return es;
    pGeArc = new (std::nothrow) AcGeCircArc2d(
        MavUtils::fromAcGePoint3d(start), MavUtils::fromAcGePoint3d(middle), MavUtils::fromAcGePoint3d(end));
    return es;
}

Acad::ErrorStatus MavGeDbCurve::convertAcDbSplineToAcGeNurbCurve3d(const AcDbSpline* pSpline, AcGeNurbCurve3d*& pNurb)
{
    pNurb = nullptr;
    if (pSpline == nullptr)
        return Acad::eInvalidInput;
    // 1. Through the fit points, with the spline's tangents.
    if (pSpline->hasFitData()) {
        AcGePoint3dArray fitPoints;
        int degree = 0;
        double fitTolerance = 0.0;
        bool tangentsExist = false;
        AcGeVector3d startTangent;
        AcGeVector3d endTangent;
        pSpline->getFitData(fitPoints, degree, fitTolerance, tangentsExist, startTangent, endTangent);
        AcGeTol tol;
        tol.setEqualPoint(fitTolerance);
        pNurb = new (std::nothrow)
            AcGeNurbCurve3d(fitPoints, startTangent, endTangent, tangentsExist, tangentsExist, tol);
        return Acad::eOk;
    }
    // 2. From the NURBS data.
    bool failed = false;
    pNurb = nurbsOf(pSpline, failed);
    return failed ? kNotConverted : Acad::eOk;
}

int MavGeDbCurve::GetRegionBoundaryPolyline(AcDbRegion* pRegion, AcArray<void*>*& curves)
{
    if (pRegion == nullptr)
        return 0;
    if (curves == nullptr)
        curves = new AcArray<void*>();
    // 1. The region's pieces.
    AcDbVoidPtrArray pieces;
    if (pRegion->explode(pieces) != Acad::eOk) {
        for (void* p : pieces)
            delete static_cast<AcDbEntity*>(p);
        return 0;
    }
    // 2. Closed curves as they are; open ones as geometry curves.
    int count = 0;
    AcGeVoidPointerArray geCurves;
    for (void* p : pieces) {
        auto* pPiece = static_cast<AcDbEntity*>(p);
        const AcDbCurve* pCurve = AcDbCurve::cast(pPiece);
        if (pCurve != nullptr && pCurve->isClosed()) {
            curves->append(pPiece);
            ++count;
            continue;
        }
        AcGeCurve3d* pGeCurve = nullptr;
        if (const AcDbLine* pLine = AcDbLine::cast(pPiece)) {
            AcGeLineSeg3d* pSeg = nullptr;
            convertAcDbLineToAcGeLineSeg3d(pLine, pSeg);
            pGeCurve = pSeg;
        } else if (const AcDbArc* pArc = AcDbArc::cast(pPiece)) {
            AcGeCircArc3d* pGeArc = nullptr;
            convertAcDbArcToAcGeCircArc3d(pArc, pGeArc);
            pGeCurve = pGeArc;
        } else if (const AcDbSpline* pSpline = AcDbSpline::cast(pPiece)) {
            AcGeNurbCurve3d* pNurb = nullptr;
            convertAcDbSplineToAcGeNurbCurve3d(pSpline, pNurb);
            pGeCurve = pNurb;
        } else if (const AcDbEllipse* pEllipse = AcDbEllipse::cast(pPiece)) {
            AcGeEllipArc3d* pGeEllipse = nullptr;
            convertAcDbEllipseToAcGeEllipArc3d(pEllipse, pGeEllipse);
            pGeCurve = pGeEllipse;
        }
        if (pGeCurve != nullptr)
            geCurves.append(pGeCurve);
        delete pPiece;
    }
    // 3. The open pieces joined into one polyline.
    if (!geCurves.isEmpty()) {
        auto* pComposite = new (std::nothrow) AcGeCompositeCurve3d(geCurves);
        if (pComposite == nullptr) {
            for (void* p : geCurves)
                delete static_cast<AcGeCurve3d*>(p);
            return -count;
        }
        AcDbPolyline* pPolyline = nullptr;
        convertGeCurveToPolyline(pComposite, pPolyline);
        delete pComposite;
        if (pPolyline != nullptr) {
            curves->append(pPolyline);
            ++count;
        }
    }
    // 4. How many curves were handed out.
    return count;
}

MavGeDbCurve::MavGeDbCurve(const MavGeDbCurve&) { }

MavGeDbCurve& MavGeDbCurve::operator=(const MavGeDbCurve&) { return *this; }

Acad::ErrorStatus MavGeDbCurve::convertDbCurveToGeCurve(const AcDbCurve* pCurve, AcGeCurve3d*& pGeCurve)
{
    pGeCurve = nullptr;
    if (pCurve == nullptr)
        return kNotConverted;
    const AcGeVector3d normal = AcGeVector3d::kZAxis;
    const AcGeVector3d reference = AcGeVector3d::kXAxis;
    if (const AcDbLine* pLine = AcDbLine::cast(pCurve)) {
        pGeCurve = new (std::nothrow) AcGeLineSeg3d(pLine->startPoint(), pLine->endPoint());
    } else if (const AcDbArc* pArc = AcDbArc::cast(pCurve)) {
        pGeCurve = new (std::nothrow)
            AcGeCircArc3d(pArc->center(), normal, reference, pArc->radius(), pArc->startAngle(), pArc->endAngle());
    } else if (const AcDbCircle* pCircle = AcDbCircle::cast(pCurve)) {
        pGeCurve = new (std::nothrow) AcGeCircArc3d(pCircle->center(), normal, pCircle->radius());
    } else if (const AcDbEllipse* pEllipse = AcDbEllipse::cast(pCurve)) {
        pGeCurve = ellipseCurve(pEllipse);
    } else if (const AcDbSpline* pSpline = AcDbSpline::cast(pCurve)) {
        pGeCurve = splineCurve(pSpline);
    } else if (const AcDb2dPolyline* pPoly2d = AcDb2dPolyline::cast(pCurve)) {
        AcDbPolyline* pTemporary = nullptr;
        if (convertPoly2dToLWPoly(pPoly2d, pTemporary) == Acad::eOk && pTemporary != nullptr) {
            convertPolylineToGeCurve(pTemporary, pGeCurve);
            delete pTemporary;
        }
    } else if (const AcDbPolyline* pPolyline = AcDbPolyline::cast(pCurve)) {
        convertPolylineToGeCurve(pPolyline, pGeCurve);
    }
    return pGeCurve != nullptr ? Acad::eOk : kNotConverted;
}

Acad::ErrorStatus MavGeDbCurve::convertPolylineToGeCurve(const AcDbPolyline* pPolyline, AcGeCurve3d*& pGeCurve)
{
    pGeCurve = nullptr;
    if (pPolyline == nullptr)
        return Acad::eOk;
    AcGeVoidPointerArray segments;
    polylineSegments<AcGeCurve3d, AcGeLineSeg3d, AcGeCircArc3d>(pPolyline, segments);
    pGeCurve = segmentsAsCurve<AcGeCurve3d, AcGeCompositeCurve3d>(segments);
    return Acad::eOk;
}

Acad::ErrorStatus MavGeDbCurve::convertPolylineToGeCurve(const AcDbPolyline* pPolyline, AcGeCurve2d*& pGeCurve)
{
    pGeCurve = nullptr;
    if (pPolyline == nullptr)
        return Acad::eOk;
    AcGeVoidPointerArray segments;
    polylineSegments<AcGeCurve2d, AcGeLineSeg2d, AcGeCircArc2d>(pPolyline, segments);
    pGeCurve = segmentsAsCurve<AcGeCurve2d, AcGeCompositeCurve2d>(segments);
    return Acad::eOk;
}

Acad::ErrorStatus MavGeDbCurve::convertAcDbLineToGeCurve(const AcDbLine* pLine, AcGeCurve2d*& pGeCurve)
{
    pGeCurve = nullptr;
    if (pLine == nullptr)
        return Acad::eOk;
    return createGeCurveBaseOnLine(pLine->startPoint(), pLine->endPoint(), pGeCurve);
}

Acad::ErrorStatus MavGeDbCurve::convertAcDbArcToGeCurve(const AcDbArc* pArc, AcGeCurve2d*& pGeCurve)
{
    pGeCurve = nullptr;
    if (pArc == nullptr)
        return Acad::eOk;
    AcGeCircArc2d* pGeArc = nullptr;
    convertAcDbArcToAcGeCircArc2d(pArc, pGeArc);
    if (pGeArc != nullptr)
        pGeCurve = compositeOf<AcGeCurve2d, AcGeCompositeCurve2d>(pGeArc);
    return Acad::eOk;
}

Acad::ErrorStatus MavGeDbCurve::convertAcDbCircleToAcGeCircArc3d(const AcDbCircle* pCircle, AcGeCircArc3d*& pGeArc)
{
    pGeArc = nullptr;
    if (pCircle == nullptr)
        return Acad::eOk;
    pGeArc = new (std::nothrow) AcGeCircArc3d(pCircle->center(), pCircle->normal(), pCircle->radius());
    return Acad::eOk;
}

Acad::ErrorStatus MavGeDbCurve::convertAcDbEllipseToAcGeEllipArc3d(const AcDbEllipse* pEllipse, AcGeEllipArc3d*& pGeArc)
{
    pGeArc = nullptr;
    if (pEllipse == nullptr)
        return Acad::eOk;
    const AcGeVector3d major = pEllipse->majorAxis();
    const AcGeVector3d minor = pEllipse->minorAxis();
    pGeArc = new (std::nothrow) AcGeEllipArc3d(pEllipse->center(), major.normal(), minor.normal(), major.length(),
        minor.length(), pEllipse->startParam(), pEllipse->endParam());
    return Acad::eOk;
}

Acad::ErrorStatus MavGeDbCurve::convertPoly2dToLWPoly(const AcDb2dPolyline* pPoly2d, AcDbPolyline*& pPolyline)
{
    if (pPoly2d == nullptr)
        return Acad::eInvalidInput;
    const AcDb::Poly2dType type = pPoly2d->polyType();
    if (type != AcDb::k2dSimplePoly && type != AcDb::k2dFitCurvePoly)
        return kNotConverted;
    auto* pNew = new (std::nothrow) AcDbPolyline();
    if (pNew == nullptr)
        return kNotConverted;
    AcDbEntity* pSource = const_cast<AcDb2dPolyline*>(pPoly2d);
    if (pNew->convertFrom(pSource, false) != Acad::eOk) {
        delete pNew;
        pPolyline = nullptr;
        return kNotConverted;
    }
    pPolyline = pNew;
    return Acad::eOk;
}

Acad::ErrorStatus MavGeDbCurve::createGeCurveBaseOnLine(
    const AcGePoint3d& start, const AcGePoint3d& end, AcGeCurve3d*& pGeCurve)
{
    pGeCurve = compositeOf<AcGeCurve3d, AcGeCompositeCurve3d>(new (std::nothrow) AcGeLineSeg3d(start, end));
    return Acad::eOk;
}

Acad::ErrorStatus MavGeDbCurve::createGeCurveBaseOnLine(
    const AcGePoint3d& start, const AcGePoint3d& end, AcGeCurve2d*& pGeCurve)
{
    pGeCurve = compositeOf<AcGeCurve2d, AcGeCompositeCurve2d>(
        new (std::nothrow) AcGeLineSeg2d(MavUtils::fromAcGePoint3d(start), MavUtils::fromAcGePoint3d(end)));
    return Acad::eOk;
}

Acad::ErrorStatus MavGeDbCurve::createGeCurveBaseOnArc(
    const AcGePoint3d& center, double radius, double startAngle, double endAngle, AcGeCurve3d*& pGeCurve)
{
    pGeCurve = compositeOf<AcGeCurve3d, AcGeCompositeCurve3d>(new (std::nothrow)
            AcGeCircArc3d(center, AcGeVector3d::kZAxis, AcGeVector3d::kXAxis, radius, startAngle, endAngle));
    return Acad::eOk;
}

Acad::ErrorStatus MavGeDbCurve::createGeCurveBaseOnArc(
    const AcGePoint3d& center, double radius, double startAngle, double endAngle, AcGeCurve2d*& pGeCurve)
{
    const bool clockwise = startAngle < endAngle;
    pGeCurve = compositeOf<AcGeCurve2d, AcGeCompositeCurve2d>(new (std::nothrow) AcGeCircArc2d(
        MavUtils::fromAcGePoint3d(center), radius, startAngle, endAngle, AcGeVector2d::kXAxis, clockwise));
    return Acad::eOk;
}

Acad::ErrorStatus MavGeDbCurve::convertGeCurveToPolyline(AcGeCompositeCurve3d* pComposite, AcDbPolyline*& pPolyline)
{
    if (pComposite == nullptr)
        return Acad::eOk;
    // 1-2. The pieces, each a line or an arc.
    std::vector<ChainSegment> chain;
    if (!readChain(pComposite, chain)) {
        acutPrintf(L"\nCon't Convert to Polyline.");
        return Acad::eOk;
    }
    if (chain.empty())
        return Acad::eOk;
    // 3. The polyline.
    auto* pNew = new (std::nothrow) AcDbPolyline(static_cast<unsigned int>(chain.size()));
    if (pNew == nullptr)
        return Acad::eOk;
    pPolyline = pNew;
    // 4-5. Arcs turned along the chain, one vertex per piece at its start.
    orientChain(chain);
    for (const ChainSegment& segment : chain)
        addVertex(pNew, segment.start, segment.bulge);
    // 6. The chain's end: a closed chain closes the polyline, an open one keeps its last piece.
    if (chain.back().end == chain.front().start)
        pNew->setClosed(true);
    else
        addVertex(pNew, chain.back().end, 0.0);
    return Acad::eOk;
}

Acad::ErrorStatus MavGeDbCurve::convertGeCurveToPolyline(const AcGeCurve2d* pGeCurve, AcDbPolyline*& pPolyline)
{
    if (pGeCurve == nullptr)
        return Acad::eOk;
    // 1. The pieces.
    AcGeVoidPointerArray pieces;
    const bool composite = pGeCurve->type() == AcGe::kCompositeCrv2d;
    if (composite)
        static_cast<const AcGeCompositeCurve2d*>(pGeCurve)->getCurveList(pieces);
    else
        pieces.append(const_cast<AcGeCurve2d*>(pGeCurve));
    // 2. The polyline.
    auto* pNew = new (std::nothrow) AcDbPolyline(static_cast<unsigned int>(pieces.length()));
    pPolyline = pNew;
    // 3. One vertex per line or arc at its start.
    for (void* p : pieces) {
        const auto* pPiece = static_cast<const AcGeCurve2d*>(p);
        if (pNew != nullptr && pPiece->type() == AcGe::kCircArc2d) {
            const auto* pArc = static_cast<const AcGeCircArc2d*>(pPiece);
            const double bulge = std::tan((pArc->endAng() - pArc->startAng()) * 0.25);
            const AcGePoint2d start = pArc->startPoint();
            pNew->addVertexAt(pNew->numVerts(), start, pArc->isClockWise() ? -bulge : bulge, kNoWidth, kNoWidth);
        } else if (pNew != nullptr && pPiece->type() == AcGe::kLineSeg2d) {
            const AcGePoint2d start = static_cast<const AcGeLineSeg2d*>(pPiece)->startPoint();
            pNew->addVertexAt(pNew->numVerts(), start, 0.0, kNoWidth, kNoWidth);
        }
        if (composite)
            delete pPiece;
    }
    if (pNew == nullptr)
        return Acad::eOk;
    // 4-5. The end point for an open curve; a closed curve closes the polyline instead of
    // repeating its start as a vertex.
    AcGePoint2d end;
    if (pGeCurve->isClosed())
        pNew->setClosed(true);
    else if (pGeCurve->hasEndPoint(end))
        pNew->addVertexAt(pNew->numVerts(), end, 0.0, kNoWidth, kNoWidth);
    return Acad::eOk;
}
