// Space curve intersection: reduced to the plane intersector whenever the curves (or their
// projections) share a plane, since drawings are almost always flat.
#include "AcGeCurveCurveInt3d.h"

#include "AcGeCircArc3d.h"
#include "AcGeCurveCurveInt2d.h"
#include "AcGeLinearEnt3d.h"
#include "GeCurveCurveIntT.h"
#include "GePlanar.h"

#include <algorithm>
#include <memory>

AcGeCurveCurveInt3d::AcGeCurveCurveInt3d(const AcGeCurve3d& curve1, const AcGeCurve3d& curve2,
                                         const AcGeVector3d& planeNormal, const AcGeTol& tol)
{
    set(curve1, curve2, planeNormal, tol);
}

AcGeCurveCurveInt3d& AcGeCurveCurveInt3d::set(const AcGeCurve3d& curve1, const AcGeCurve3d& curve2,
                                              const AcGeVector3d& planeNormal, const AcGeTol& tol)
{
    mCurve1 = &curve1;
    mCurve2 = &curve2;
    mPlaneNormal = planeNormal;
    mTol = tol;
    compute();
    return *this;
}

void AcGeCurveCurveInt3d::compute()
{
    mHits.clear();
    mOverlaps.clear();
    AcGePlane plane;
    if (!mPlaneNormal.isZeroLength()) {
        computeInPlane(AcGePlane(AcGePoint3d::kOrigin, mPlaneNormal));
        return;
    }
    if (commonPlane(plane) && computeInPlane(plane))
        return;
    computeInSpace();
}

bool AcGeCurveCurveInt3d::computeInPlane(const AcGePlane& plane)
{
    std::unique_ptr<AcGeCurve2d> flat1(GePlanar::toPlane(*mCurve1, plane));
    std::unique_ptr<AcGeCurve2d> flat2(GePlanar::toPlane(*mCurve2, plane));
    if (!flat1 || !flat2)
        return false;
    const AcGeCurveCurveInt2d flatInt(*flat1, *flat2, mTol);
    for (int i = 0; i < flatInt.numIntPoints(); ++i) {
        Hit h{};
        flatInt.getIntParams(i, h.param1, h.param2);
        mHits.push_back(h);
    }
    for (int i = 0; i < flatInt.overlapCount(); ++i) {
        Overlap o;
        flatInt.getOverlapRanges(i, o.range1, o.range2);
        mOverlaps.push_back(o);
    }
    return true;
}

namespace {

bool isStraight(const AcGeCurve3d& c)
{
    return c.isKindOf(AcGe::kLinearEnt3d);
}

bool liesIn(const AcGeCurve3d& c, const AcGePlane& plane, const AcGeTol& tol)
{
    AcGePoint3dArray pts;
    AcGeInterval range;
    c.getInterval(range);
    if (!range.isBounded()) {
        const auto& line = static_cast<const AcGeLinearEnt3d&>(c);
        return plane.isOn(line.pointOnLine(), tol) && line.direction().isPerpendicularTo(plane.normal(), tol);
    }
    c.getSamplePoints(17, pts);
    return std::all_of(pts.begin(), pts.end(), [&](const AcGePoint3d& p) { return plane.isOn(p, tol); });
}

} // namespace

bool AcGeCurveCurveInt3d::commonPlane(AcGePlane& plane) const
{
    // A curved planar curve fixes the plane; two straight ones need their directions.
    for (const AcGeCurve3d* c : {mCurve1, mCurve2}) {
        if (!isStraight(*c) && c->isPlanar(plane, mTol))
            return liesIn(*mCurve1, plane, mTol) && liesIn(*mCurve2, plane, mTol);
    }
    if (!isStraight(*mCurve1) || !isStraight(*mCurve2))
        return false;
    const auto& a = static_cast<const AcGeLinearEnt3d&>(*mCurve1);
    const auto& b = static_cast<const AcGeLinearEnt3d&>(*mCurve2);
    AcGeVector3d n = a.direction().crossProduct(b.direction());
    if (n.isZeroLength(mTol))
        n = a.direction().crossProduct(b.pointOnLine() - a.pointOnLine());
    if (n.isZeroLength(mTol))
        n = a.direction().perpVector();
    plane.set(a.pointOnLine(), n);
    return liesIn(b, plane, mTol);
}

void AcGeCurveCurveInt3d::computeInSpace()
{
    const AcGeCurve3d& a = *mCurve1;
    const AcGeCurve3d& b = *mCurve2;
    AcGePoint3d p[2];
    int n = 0;
    if (isStraight(a) && isStraight(b)) {
        n = static_cast<const AcGeLinearEnt3d&>(a).intersectWith(static_cast<const AcGeLinearEnt3d&>(b), p[0], mTol);
    } else if (a.type() == AcGe::kCircArc3d && isStraight(b)) {
        static_cast<const AcGeCircArc3d&>(a).intersectWith(static_cast<const AcGeLinearEnt3d&>(b), n, p[0], p[1], mTol);
    } else if (isStraight(a) && b.type() == AcGe::kCircArc3d) {
        static_cast<const AcGeCircArc3d&>(b).intersectWith(static_cast<const AcGeLinearEnt3d&>(a), n, p[0], p[1], mTol);
    } else if (a.type() == AcGe::kCircArc3d && b.type() == AcGe::kCircArc3d) {
        static_cast<const AcGeCircArc3d&>(a).intersectWith(static_cast<const AcGeCircArc3d&>(b), n, p[0], p[1], mTol);
    } else {
        AcGeInterval ra, rb;
        a.getInterval(ra);
        b.getInterval(rb);
        if (!ra.isBounded() || !rb.isBounded())
            return;
        GeCurveCurveIntT::search(a, ra, b, rb, mTol.equalPoint(), mHits);
    }
    for (int i = 0; i < n; ++i)
        mHits.push_back({a.paramOf(p[i], mTol), b.paramOf(p[i], mTol)});
    GeCurveCurveIntT::sortByCurve1(mHits);
}

AcGePoint3d AcGeCurveCurveInt3d::intPoint(int intNum) const
{
    return mCurve1->evalPoint(mHits.at(static_cast<std::size_t>(intNum)).param1);
}

void AcGeCurveCurveInt3d::getIntParams(int intNum, double& param1, double& param2) const
{
    const Hit& h = mHits.at(static_cast<std::size_t>(intNum));
    param1 = h.param1;
    param2 = h.param2;
}

void AcGeCurveCurveInt3d::getPointOnCurve1(int intNum, AcGePointOnCurve3d& pntOnCrv) const
{
    pntOnCrv.setCurve(*mCurve1).setParameter(mHits.at(static_cast<std::size_t>(intNum)).param1);
}

void AcGeCurveCurveInt3d::getPointOnCurve2(int intNum, AcGePointOnCurve3d& pntOnCrv) const
{
    pntOnCrv.setCurve(*mCurve2).setParameter(mHits.at(static_cast<std::size_t>(intNum)).param2);
}

bool AcGeCurveCurveInt3d::isTangential(int intNum) const
{
    return GeCurveCurveIntT::isTangential(*mCurve1, *mCurve2, mHits.at(static_cast<std::size_t>(intNum)));
}

void AcGeCurveCurveInt3d::getOverlapRanges(int overlapNum, AcGeInterval& range1, AcGeInterval& range2) const
{
    const Overlap& o = mOverlaps.at(static_cast<std::size_t>(overlapNum));
    range1 = o.range1;
    range2 = o.range2;
}

AcGeCurveCurveInt3d& AcGeCurveCurveInt3d::changeCurveOrder()
{
    GeCurveCurveIntT::swapCurves(mCurve1, mCurve2, mHits, mOverlaps);
    return *this;
}
