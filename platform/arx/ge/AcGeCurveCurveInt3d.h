// Intersections of two space curves. With a plane normal, the curves are projected onto a
// plane with that normal and their projections intersected (points reported on curve 1);
// with the zero vector (AcGeVector3d::kIdentity) they must really meet. Curves in one plane
// are intersected in that plane exactly as plane curves; others in closed form (lines,
// arcs) or numerically. Conventions as for AcGeCurveCurveInt2d.
#pragma once

#include "AcGeCurve3d.h"
#include "AcGeInterval.h"
#include "AcGePointOnCurve3d.h"

#include <vector>

class AcGeCurveCurveInt3d {
public:
    AcGeCurveCurveInt3d() = default;
    AcGeCurveCurveInt3d(const AcGeCurve3d& curve1, const AcGeCurve3d& curve2,
                        const AcGeVector3d& planeNormal = AcGeVector3d::kIdentity,
                        const AcGeTol& tol = AcGeContext::gTol);

    AcGeCurveCurveInt3d& set(const AcGeCurve3d& curve1, const AcGeCurve3d& curve2,
                             const AcGeVector3d& planeNormal = AcGeVector3d::kIdentity,
                             const AcGeTol& tol = AcGeContext::gTol);
    const AcGeCurve3d* curve1() const { return mCurve1; }
    const AcGeCurve3d* curve2() const { return mCurve2; }
    AcGeVector3d planeNormal() const { return mPlaneNormal; }
    AcGeTol tolerance() const { return mTol; }

    int numIntPoints() const { return static_cast<int>(mHits.size()); }
    AcGePoint3d intPoint(int intNum) const;
    void getIntParams(int intNum, double& param1, double& param2) const;
    void getPointOnCurve1(int intNum, AcGePointOnCurve3d& pntOnCrv) const;
    void getPointOnCurve2(int intNum, AcGePointOnCurve3d& pntOnCrv) const;
    bool isTangential(int intNum) const;
    bool isTransversal(int intNum) const { return !isTangential(intNum); }

    int overlapCount() const { return static_cast<int>(mOverlaps.size()); }
    void getOverlapRanges(int overlapNum, AcGeInterval& range1, AcGeInterval& range2) const;
    AcGeCurveCurveInt3d& changeCurveOrder();

    struct Hit {
        double param1;
        double param2;
    };
    struct Overlap {
        AcGeInterval range1;
        AcGeInterval range2;
    };

private:
    void compute();
    bool computeInPlane(const AcGePlane& plane);
    bool commonPlane(AcGePlane& plane) const;
    void computeInSpace();

    const AcGeCurve3d* mCurve1 = nullptr;
    const AcGeCurve3d* mCurve2 = nullptr;
    AcGeVector3d mPlaneNormal;
    AcGeTol mTol;
    std::vector<Hit> mHits;
    std::vector<Overlap> mOverlaps;
};
