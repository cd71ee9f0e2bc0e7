// Base of the straight plane curves. Parameter t gives pointOnLine + t * vector, where
// vector is the defining vector (for a segment, end minus start), so a segment runs over [0, 1].
#pragma once

#include "AcGeCurve2d.h"
#include "GeLinearT.h"

class AcGeLine2d;

class AcGeLinearEnt2d : public AcGeCurve2d {
public:
    bool isKindOf(AcGe::EntityId entType) const override;
    AcGeLinearEnt2d* copy() const override = 0;

    AcGePoint2d pointOnLine() const { return mPoint; }
    // The unit direction (zero for a degenerate segment).
    AcGeVector2d direction() const { return mVector.normal(); }
    void getLine(AcGeLine2d& line) const;
    void getPerpLine(const AcGePoint2d& pnt, AcGeLine2d& perpLine) const;

    // The single crossing point within both entities; false when parallel or apart.
    bool intersectWith(const AcGeLinearEnt2d& line, AcGePoint2d& intPnt,
                       const AcGeTol& tol = AcGeContext::gTol) const;
    // The common part of two collinear entities, new and owned by the caller.
    bool overlap(const AcGeLinearEnt2d& line, AcGeLinearEnt2d*& overlap,
                 const AcGeTol& tol = AcGeContext::gTol) const;
    bool isParallelTo(const AcGeLinearEnt2d& line, const AcGeTol& tol = AcGeContext::gTol) const;
    bool isPerpendicularTo(const AcGeLinearEnt2d& line, const AcGeTol& tol = AcGeContext::gTol) const;
    bool isColinearTo(const AcGeLinearEnt2d& line, const AcGeTol& tol = AcGeContext::gTol) const;

    AcGePoint2d evaluate(double t, AcGeVector2d* d1, AcGeVector2d* d2) const override;
    double paramOf(const AcGePoint2d& pnt, const AcGeTol& tol = AcGeContext::gTol) const override;
    AcGePoint2d closestPointTo(const AcGePoint2d& pnt, const AcGeTol& tol = AcGeContext::gTol) const override;
    double length(double fromParam, double toParam, double tol = AcGeContext::gTol.equalPoint()) const override;
    double paramAtLength(double datumParam, double length, bool posParamDir = true,
                         double tol = AcGeContext::gTol.equalPoint()) const override;
    bool isClosed(const AcGeTol& tol = AcGeContext::gTol) const override;
    double sweptArea(double t0, double t1) const override;
    AcGeLinearEnt2d& transformBy(const AcGeMatrix2d& xfm) override;
    void getTrimmedOffset(double distance, AcGeVoidPointerArray& offsetCurveList,
                          AcGe::OffsetCrvExtType extensionType = AcGe::kFillet,
                          const AcGeTol& tol = AcGeContext::gTol) const override;

protected:
    friend struct GeLinearT<AcGeLinearEnt2d>;

    AcGeLinearEnt2d() = default;
    AcGeLinearEnt2d(const AcGePoint2d& pnt, const AcGeVector2d& vec) : mPoint(pnt), mVector(vec) {}

    // The unbounded parameter of the foot of the perpendicular from pnt.
    double footParam(const AcGePoint2d& pnt) const;

    AcGePoint2d mPoint;
    AcGeVector2d mVector{1.0, 0.0};
};
