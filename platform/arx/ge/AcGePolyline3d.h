// A space polyline: straight pieces through its fit points (a spline of degree 1).
// Parameter i + f lies the fraction f along the piece from fit point i to i + 1, unless
// knots are given, one per fit point.
#pragma once

#include "AcGePoint3dArray.h"
#include "AcGeSplineEnt3d.h"

class AcGePolyline3d : public AcGeSplineEnt3d {
public:
    AcGePolyline3d() = default;
    explicit AcGePolyline3d(const AcGePoint3dArray& points);
    // One knot per point (or the clamped form with the end knots doubled).
    AcGePolyline3d(const AcGeKnotVector& knots, const AcGePoint3dArray& points);
    // Points on the curve whose chords stay within apprEps of it.
    AcGePolyline3d(const AcGeCurve3d& crv, double apprEps);

    int numFitPoints() const { return numControlPoints(); }
    AcGePoint3d fitPointAt(int idx) const { return controlPointAt(idx); }
    AcGePolyline3d& setFitPointAt(int idx, const AcGePoint3d& point);
    bool hasFitData() const override { return true; }
    void getTrimmedOffset(double distance, const AcGeVector3d& planeNormal, AcGeVoidPointerArray& offsetCurveList,
                          AcGe::OffsetCrvExtType extensionType = AcGe::kFillet,
                          const AcGeTol& tol = AcGeContext::gTol) const override;

    AcGe::EntityId type() const override { return AcGe::kPolyline3d; }
    bool isKindOf(AcGe::EntityId entType) const override;
    AcGePolyline3d* copy() const override { return new AcGePolyline3d(*this); }
};
