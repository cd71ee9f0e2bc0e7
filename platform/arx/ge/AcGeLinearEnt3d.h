// Base of the straight space curves. Parameter t gives pointOnLine + t * vector, where
// vector is the defining vector (for a segment, end minus start), so a segment runs over [0, 1].
#pragma once

#include "AcGeCurve3d.h"
#include "GeLinearT.h"

class AcGeLine3d;

class AcGeLinearEnt3d : public AcGeCurve3d {
public:
    bool isKindOf(AcGe::EntityId entType) const override;
    AcGeLinearEnt3d* copy() const override = 0;

    AcGePoint3d pointOnLine() const { return mPoint; }
    // The unit direction (zero for a degenerate segment).
    AcGeVector3d direction() const { return mVector.normal(); }
    void getLine(AcGeLine3d& line) const;
    // The plane through pnt perpendicular to the entity.
    void getPerpPlane(const AcGePoint3d& pnt, AcGePlane& plane) const;

    // Where the entity crosses the plane (within the entity); false when parallel or apart.
    bool intersectWith(const AcGePlane& plane, AcGePoint3d& intPnt, const AcGeTol& tol = AcGeContext::gTol) const;
    // The single crossing point within both entities; false when parallel, skew or apart.
    bool intersectWith(const AcGeLinearEnt3d& line, AcGePoint3d& intPnt,
                       const AcGeTol& tol = AcGeContext::gTol) const;
    // The common part of two collinear entities, new and owned by the caller.
    bool overlap(const AcGeLinearEnt3d& line, AcGeLinearEnt3d*& overlap,
                 const AcGeTol& tol = AcGeContext::gTol) const;
    bool isParallelTo(const AcGeLinearEnt3d& line, const AcGeTol& tol = AcGeContext::gTol) const;
    bool isPerpendicularTo(const AcGeLinearEnt3d& line, const AcGeTol& tol = AcGeContext::gTol) const;
    bool isColinearTo(const AcGeLinearEnt3d& line, const AcGeTol& tol = AcGeContext::gTol) const;

    AcGePoint3d evaluate(double t, AcGeVector3d* d1, AcGeVector3d* d2) const override;
    double paramOf(const AcGePoint3d& pnt, const AcGeTol& tol = AcGeContext::gTol) const override;
    AcGePoint3d closestPointTo(const AcGePoint3d& pnt, const AcGeTol& tol = AcGeContext::gTol) const override;
    double length(double fromParam, double toParam, double tol = AcGeContext::gTol.equalPoint()) const override;
    double paramAtLength(double datumParam, double length, bool posParamDir = true,
                         double tol = AcGeContext::gTol.equalPoint()) const override;
    bool isClosed(const AcGeTol& tol = AcGeContext::gTol) const override;
    AcGeVector3d sweptArea(double t0, double t1) const override;
    AcGeLinearEnt3d& transformBy(const AcGeMatrix3d& xfm) override;
    void getTrimmedOffset(double distance, const AcGeVector3d& planeNormal, AcGeVoidPointerArray& offsetCurveList,
                          AcGe::OffsetCrvExtType extensionType = AcGe::kFillet,
                          const AcGeTol& tol = AcGeContext::gTol) const override;

protected:
    friend struct GeLinearT<AcGeLinearEnt3d>;

    AcGeLinearEnt3d() = default;
    AcGeLinearEnt3d(const AcGePoint3d& pnt, const AcGeVector3d& vec) : mPoint(pnt), mVector(vec) {}

    // The unbounded parameter of the foot of the perpendicular from pnt.
    double footParam(const AcGePoint3d& pnt) const;

    AcGePoint3d mPoint;
    AcGeVector3d mVector{1.0, 0.0, 0.0};
};
