// A plane NURBS curve, given by its definition data (degree, knots, control points and
// optional weights) or by fit points, which are interpolated by a cubic through them at
// chord-length parameters from 0 (end tangents given, or estimated from the end points).
#pragma once

#include "AcGeDoubleArray.h"
#include "AcGePoint2dArray.h"
#include "AcGeSplineEnt2d.h"
#include "GeNurbFitT.h"

class AcGeEllipArc2d;
class AcGeLineSeg2d;

class AcGeNurbCurve2d : public AcGeSplineEnt2d {
public:
    AcGeNurbCurve2d();
    AcGeNurbCurve2d(int degree, const AcGeKnotVector& knots, const AcGePoint2dArray& controlPoints,
                    bool isPeriodic = false);
    AcGeNurbCurve2d(int degree, const AcGeKnotVector& knots, const AcGePoint2dArray& controlPoints,
                    const AcGeDoubleArray& weights, bool isPeriodic = false);
    AcGeNurbCurve2d(const AcGePoint2dArray& fitPoints, const AcGeVector2d& startTangent,
                    const AcGeVector2d& endTangent, bool startTangentDefined = true, bool endTangentDefined = true,
                    const AcGeTol& fitTolerance = AcGeContext::gTol);
    explicit AcGeNurbCurve2d(const AcGePoint2dArray& fitPoints, const AcGeTol& fitTolerance = AcGeContext::gTol);
    // The exact rational form of the elliptical arc.
    explicit AcGeNurbCurve2d(const AcGeEllipArc2d& ellipse);
    explicit AcGeNurbCurve2d(const AcGeLineSeg2d& linSeg);

    void getDefinitionData(int& degree, bool& rational, bool& periodic, AcGeKnotVector& knots,
                           AcGePoint2dArray& controlPoints, AcGeDoubleArray& weights) const;
    bool isPeriodic() const { return mPeriodic; }
    using AcGeCurve2d::isPeriodic;
    int numWeights() const { return isRational() ? numControlPoints() : 0; }
    double weightAt(int idx) const;
    AcGeNurbCurve2d& setWeightAt(int idx, double val);
    AcGeNurbCurve2d& setControlPointAt(int idx, const AcGePoint2d& pnt);

    bool hasFitData() const override { return mFit.has(); }
    int numFitPoints() const { return mFit.numPoints(); }
    bool getFitPointAt(int index, AcGePoint2d& point) const;
    bool getFitData(AcGePoint2dArray& fitPoints, AcGeTol& fitTolerance, bool& tangentsExist,
                    AcGeVector2d& startTangent, AcGeVector2d& endTangent) const;
    bool getFitTolerance(AcGeTol& fitTolerance) const;
    bool getFitTangents(AcGeVector2d& startTangent, AcGeVector2d& endTangent) const;
    // Replace the curve by the one through the fit points.
    bool setFitData(const AcGePoint2dArray& fitPoints, const AcGeVector2d& startTangent,
                    const AcGeVector2d& endTangent, const AcGeTol& fitTol = AcGeContext::gTol);
    bool setFitData(int degree, const AcGePoint2dArray& fitPoints, const AcGeTol& fitTol = AcGeContext::gTol);
    bool purgeFitData();

    // Closes an open curve with a straight piece from its end back to its start.
    AcGeNurbCurve2d& makeClosed();
    AcGeNurbCurve2d& hardTrimByParams(double newStartParam, double newEndParam);
    AcGeNurbCurve2d& insertKnot(double newKnot);

    AcGe::EntityId type() const override { return AcGe::kNurbCurve2d; }
    bool isKindOf(AcGe::EntityId entType) const override;
    AcGeNurbCurve2d* copy() const override { return new AcGeNurbCurve2d(*this); }
    AcGeNurbCurve2d& transformBy(const AcGeMatrix2d& xfm) override;
    AcGeNurbCurve2d& reverseParam() override;
    bool setInterval(const AcGeInterval& range) override;

private:
    bool mPeriodic = false;
    GeNurbFitT<AcGePoint2d, AcGeVector2d> mFit;
};
