// The fit data of the plane and space NURBS curves, written once over the point and vector
// types: the points the curve was made to pass through, the end tangents and the tolerance,
// kept so that the caller can read them back until an edit of the definition drops them.
#pragma once

#include "AcArray.h"
#include "AcGeTol.h"
#include "GeNurbsT.h"

#include <utility>
#include <vector>

template <class Point, class Vector>
class GeNurbFitT {
public:
    using PointArray = AcArray<Point>;

    void set(const PointArray& fitPoints, const Vector& startTangent, const Vector& endTangent, bool tangentsExist,
             const AcGeTol& fitTol)
    {
        mPoints = fitPoints;
        mStartTangent = startTangent;
        mEndTangent = endTangent;
        mTangentsExist = tangentsExist;
        mTol = fitTol;
    }

    bool has() const { return !mPoints.isEmpty(); }
    int numPoints() const { return mPoints.length(); }
    bool getPointAt(int index, Point& point) const
    {
        if (index < 0 || index >= mPoints.length())
            return false;
        point = mPoints[index];
        return true;
    }
    bool get(PointArray& fitPoints, AcGeTol& fitTolerance, bool& tangentsExist, Vector& startTangent,
             Vector& endTangent) const
    {
        if (!has())
            return false;
        fitPoints = mPoints;
        fitTolerance = mTol;
        tangentsExist = mTangentsExist;
        startTangent = mStartTangent;
        endTangent = mEndTangent;
        return true;
    }
    bool getTolerance(AcGeTol& fitTolerance) const
    {
        fitTolerance = mTol;
        return has();
    }
    bool getTangents(Vector& startTangent, Vector& endTangent) const
    {
        if (!has() || !mTangentsExist)
            return false;
        startTangent = mStartTangent;
        endTangent = mEndTangent;
        return true;
    }
    // Drops the data; whether there was any.
    bool purge()
    {
        const bool had = has();
        mPoints.removeAll();
        mTangentsExist = false;
        mStartTangent = mEndTangent = Vector::kIdentity;
        return had;
    }

    template <class Matrix>
    void transformBy(const Matrix& xfm)
    {
        for (Point& p : mPoints)
            p.transformBy(xfm);
        mStartTangent.transformBy(xfm);
        mEndTangent.transformBy(xfm);
    }
    void reverse()
    {
        mPoints.reverse();
        std::swap(mStartTangent, mEndTangent);
        mStartTangent.negate();
        mEndTangent.negate();
    }

    // The curve through the fit points: a cubic with the end tangents (estimated from the end
    // points where zero), or without tangents one of the given degree; empty with fewer than
    // two distinct points.
    GeNurbs::Curve interpolate(int degree) const
    {
        std::vector<GeNurbs::Vec3> pts;
        for (const Point& p : mPoints)
            if (pts.empty() || !p.isEqualTo(GeNurbs::fromVec<Point>(pts.back()), mTol))
                pts.push_back(GeNurbs::toVec(p));
        if (pts.size() < 2)
            return GeNurbs::Curve();
        if (degree != 3 && !mTangentsExist)
            return GeNurbs::interpolate(pts, degree);
        // Given tangents set the direction; the chord-length parameter makes them unit vectors.
        const GeNurbs::Vec3 d0 =
            mStartTangent.isZeroLength() ? GeNurbs::besselStartDeriv(pts) : GeNurbs::toVec(mStartTangent.normal());
        const GeNurbs::Vec3 dn =
            mEndTangent.isZeroLength() ? GeNurbs::besselEndDeriv(pts) : GeNurbs::toVec(mEndTangent.normal());
        return GeNurbs::interpolateCubic(pts, d0, dn);
    }

private:
    PointArray mPoints;
    Vector mStartTangent;
    Vector mEndTangent;
    bool mTangentsExist = false;
    AcGeTol mTol;
};
