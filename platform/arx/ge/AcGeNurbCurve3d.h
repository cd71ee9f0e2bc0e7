// A space NURBS curve, given by its definition data (degree, knots, control points and
// optional weights) or by fit points, which are interpolated by a cubic through them at
// chord-length parameters from 0 (end tangents given, or estimated from the end points).
#pragma once

#include "AcGeDoubleArray.h"
#include "AcGePoint3dArray.h"
#include "AcGeSplineEnt3d.h"
#include "GeNurbFitT.h"

class AcGeEllipArc3d;
class AcGeLineSeg3d;

class AcGeNurbCurve3d : public AcGeSplineEnt3d {
public:
    AcGeNurbCurve3d();
    AcGeNurbCurve3d(int degree, const AcGeKnotVector& knots, const AcGePoint3dArray& controlPoints,
                    bool isPeriodic = false);
    AcGeNurbCurve3d(int degree, const AcGeKnotVector& knots, const AcGePoint3dArray& controlPoints,
                    const AcGeDoubleArray& weights, bool isPeriodic = false);
    AcGeNurbCurve3d(const AcGePoint3dArray& fitPoints, const AcGeVector3d& startTangent,
                    const AcGeVector3d& endTangent, bool startTangentDefined = true, bool endTangentDefined = true,
                    const AcGeTol& fitTolerance = AcGeContext::gTol);
    explicit AcGeNurbCurve3d(const AcGePoint3dArray& fitPoints, const AcGeTol& fitTolerance = AcGeContext::gTol);
    // The exact rational form of the elliptical arc.
    explicit AcGeNurbCurve3d(const AcGeEllipArc3d& ellipse);
    explicit AcGeNurbCurve3d(const AcGeLineSeg3d& linSeg);

    void getDefinitionData(int& degree, bool& rational, bool& periodic, AcGeKnotVector& knots,
                           AcGePoint3dArray& controlPoints, AcGeDoubleArray& weights) const;
    bool isPeriodic() const { return mPeriodic; }
    using AcGeCurve3d::isPeriodic;
    int numWeights() const { return isRational() ? numControlPoints() : 0; }
    double weightAt(int idx) const;
    AcGeNurbCurve3d& setWeightAt(int idx, double val);
    AcGeNurbCurve3d& setControlPointAt(int idx, const AcGePoint3d& pnt);

    bool hasFitData() const override { return mFit.has(); }
    int numFitPoints() const { return mFit.numPoints(); }
    bool getFitPointAt(int index, AcGePoint3d& point) const;
    bool getFitData(AcGePoint3dArray& fitPoints, AcGeTol& fitTolerance, bool& tangentsExist,
                    AcGeVector3d& startTangent, AcGeVector3d& endTangent) const;
    bool getFitTolerance(AcGeTol& fitTolerance) const;
    bool getFitTangents(AcGeVector3d& startTangent, AcGeVector3d& endTangent) const;
    // Replace the curve by the one through the fit points.
    bool setFitData(const AcGePoint3dArray& fitPoints, const AcGeVector3d& startTangent,
                    const AcGeVector3d& endTangent, const AcGeTol& fitTol = AcGeContext::gTol);
    bool setFitData(int degree, const AcGePoint3dArray& fitPoints, const AcGeTol& fitTol = AcGeContext::gTol);
    bool purgeFitData();

    // Closes an open curve with a straight piece from its end back to its start.
    AcGeNurbCurve3d& makeClosed();
    AcGeNurbCurve3d& hardTrimByParams(double newStartParam, double newEndParam);
    AcGeNurbCurve3d& insertKnot(double newKnot);

    AcGe::EntityId type() const override { return AcGe::kNurbCurve3d; }
    bool isKindOf(AcGe::EntityId entType) const override;
    AcGeNurbCurve3d* copy() const override { return new AcGeNurbCurve3d(*this); }
    AcGeNurbCurve3d& transformBy(const AcGeMatrix3d& xfm) override;
    AcGeNurbCurve3d& reverseParam() override;
    bool setInterval(const AcGeInterval& range) override;

private:
    bool mPeriodic = false;
    GeNurbFitT<AcGePoint3d, AcGeVector3d> mFit;
};
