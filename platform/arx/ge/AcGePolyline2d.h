// A plane polyline: straight pieces through its fit points (a spline of degree 1).
// Parameter i + f lies the fraction f along the piece from fit point i to i + 1, unless
// knots are given, one per fit point.
#pragma once

#include "AcGePoint2dArray.h"
#include "AcGeSplineEnt2d.h"

class AcGePolyline2d : public AcGeSplineEnt2d {
public:
    AcGePolyline2d() = default;
    explicit AcGePolyline2d(const AcGePoint2dArray& points);
    // One knot per point (or the clamped form with the end knots doubled).
    AcGePolyline2d(const AcGeKnotVector& knots, const AcGePoint2dArray& points);
    // Points on the curve whose chords stay within apprEps of it.
    AcGePolyline2d(const AcGeCurve2d& crv, double apprEps);

    int numFitPoints() const { return numControlPoints(); }
    AcGePoint2d fitPointAt(int idx) const { return controlPointAt(idx); }
    AcGePolyline2d& setFitPointAt(int idx, const AcGePoint2d& point);
    bool hasFitData() const override { return true; }
    // The pieces offset and joined at the corners; a polyline again when only straight
    // pieces result, else a composite curve.
    void getTrimmedOffset(double distance, AcGeVoidPointerArray& offsetCurveList,
                          AcGe::OffsetCrvExtType extensionType = AcGe::kFillet,
                          const AcGeTol& tol = AcGeContext::gTol) const override;

    AcGe::EntityId type() const override { return AcGe::kPolyline2d; }
    bool isKindOf(AcGe::EntityId entType) const override;
    AcGePolyline2d* copy() const override { return new AcGePolyline2d(*this); }
};
