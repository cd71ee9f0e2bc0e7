// Intersections of two plane curves, computed on construction or set(). Lines and circular
// arcs meet in closed form; polylines and composites piece by piece; other curves by a
// numerical search. A tangent contact is one point. Where the curves share a stretch
// (collinear lines, arcs of one circle) the stretch is an overlap, reported by
// overlapCount/getOverlapRanges and not as points; stretches that only touch at an end
// give that end as a point. Points are ordered by the parameter of curve 1. The curves are
// referred to, not copied: they must outlive the intersector.
#pragma once

#include "AcGeCurve2d.h"
#include "AcGeInterval.h"
#include "AcGePointOnCurve2d.h"

#include <vector>

class AcGeCurveCurveInt2d {
public:
    AcGeCurveCurveInt2d() = default;
    AcGeCurveCurveInt2d(const AcGeCurve2d& curve1, const AcGeCurve2d& curve2,
                        const AcGeTol& tol = AcGeContext::gTol);

    AcGeCurveCurveInt2d& set(const AcGeCurve2d& curve1, const AcGeCurve2d& curve2,
                             const AcGeTol& tol = AcGeContext::gTol);
    const AcGeCurve2d* curve1() const { return mCurve1; }
    const AcGeCurve2d* curve2() const { return mCurve2; }
    AcGeTol tolerance() const { return mTol; }

    int numIntPoints() const { return static_cast<int>(mHits.size()); }
    AcGePoint2d intPoint(int intNum) const;
    void getIntParams(int intNum, double& param1, double& param2) const;
    void getPointOnCurve1(int intNum, AcGePointOnCurve2d& pntOnCrv) const;
    void getPointOnCurve2(int intNum, AcGePointOnCurve2d& pntOnCrv) const;
    // Whether the curves touch without crossing there (parallel tangents).
    bool isTangential(int intNum) const;
    bool isTransversal(int intNum) const { return !isTangential(intNum); }

    int overlapCount() const { return static_cast<int>(mOverlaps.size()); }
    void getOverlapRanges(int overlapNum, AcGeInterval& range1, AcGeInterval& range2) const;
    // Swaps the roles of the two curves.
    AcGeCurveCurveInt2d& changeCurveOrder();

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

    const AcGeCurve2d* mCurve1 = nullptr;
    const AcGeCurve2d* mCurve2 = nullptr;
    AcGeTol mTol;
    std::vector<Hit> mHits;
    std::vector<Overlap> mOverlaps;
};
