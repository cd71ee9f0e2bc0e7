// A circular arc in space: centre, unit normal, unit reference vector in the arc's plane.
// Parameter = angle from refVec counter-clockwise about the normal, over [startAng, endAng]
// with endAng >= startAng; a full circle runs over [0, 2pi].
#pragma once

#include "AcGeCurve3d.h"
#include "GeCircArcT.h"

class AcGeCircArc2d;
class AcGeLinearEnt3d;

class AcGeCircArc3d : public AcGeCurve3d {
public:
    // The unit circle about the origin in the XY plane.
    AcGeCircArc3d();
    // A full circle; the reference vector is normal.perpVector().
    AcGeCircArc3d(const AcGePoint3d& cent, const AcGeVector3d& nrm, double radius);
    AcGeCircArc3d(const AcGePoint3d& cent, const AcGeVector3d& nrm, const AcGeVector3d& refVec, double radius,
                  double startAngle = 0.0, double endAngle = 6.283185307179586);
    // The arc from startPoint through pnt to endPoint.
    AcGeCircArc3d(const AcGePoint3d& startPoint, const AcGePoint3d& pnt, const AcGePoint3d& endPoint);

    AcGeCircArc3d& set(const AcGePoint3d& cent, const AcGeVector3d& nrm, double radius);
    AcGeCircArc3d& set(const AcGePoint3d& cent, const AcGeVector3d& nrm, const AcGeVector3d& refVec, double radius,
                       double startAngle, double endAngle);
    AcGeCircArc3d& set(const AcGePoint3d& startPoint, const AcGePoint3d& pnt, const AcGePoint3d& endPoint);

    AcGePoint3d center() const { return mCenter; }
    AcGeVector3d normal() const { return mNormal; }
    AcGeVector3d refVec() const { return mRefVec; }
    double radius() const { return mRadius; }
    double startAng() const { return mStartAng; }
    double endAng() const { return mEndAng; }
    AcGePoint3d startPoint() const { return evalPoint(mStartAng); }
    AcGePoint3d endPoint() const { return evalPoint(mEndAng); }
    void getPlane(AcGePlane& plane) const;

    AcGeCircArc3d& setCenter(const AcGePoint3d& cent);
    // refVec is made perpendicular to the normal.
    AcGeCircArc3d& setAxes(const AcGeVector3d& nrm, const AcGeVector3d& refVec);
    AcGeCircArc3d& setRadius(double radius);
    AcGeCircArc3d& setAngles(double startAng, double endAng);

    bool isInside(const AcGePoint3d& pnt, const AcGeTol& tol = AcGeContext::gTol) const;
    // Whether a point of the circle lies within the arc's angular range.
    bool isOnArc(const AcGePoint3d& pnt, const AcGeTol& tol = AcGeContext::gTol) const;
    // Crossings in closed form; a tangent contact counts as one point.
    bool intersectWith(const AcGeLinearEnt3d& line, int& intn, AcGePoint3d& p1, AcGePoint3d& p2,
                       const AcGeTol& tol = AcGeContext::gTol) const;
    bool intersectWith(const AcGeCircArc3d& arc, int& intn, AcGePoint3d& p1, AcGePoint3d& p2,
                       const AcGeTol& tol = AcGeContext::gTol) const;
    // The arc in coordinates of its own plane (origin at the centre, X along refVec).
    AcGeCircArc2d toPlaneArc() const;

    AcGe::EntityId type() const override { return AcGe::kCircArc3d; }
    bool isKindOf(AcGe::EntityId entType) const override;
    AcGeCircArc3d* copy() const override { return new AcGeCircArc3d(*this); }
    void getInterval(AcGeInterval& range) const override;
    bool setInterval(const AcGeInterval& range) override;
    AcGeCircArc3d& reverseParam() override;
    AcGePoint3d evaluate(double t, AcGeVector3d* d1, AcGeVector3d* d2) const override;
    double paramOf(const AcGePoint3d& pnt, const AcGeTol& tol = AcGeContext::gTol) const override;
    AcGePoint3d closestPointTo(const AcGePoint3d& pnt, const AcGeTol& tol = AcGeContext::gTol) const override;
    double length(double fromParam, double toParam, double tol = AcGeContext::gTol.equalPoint()) const override;
    double paramAtLength(double datumParam, double length, bool posParamDir = true,
                         double tol = AcGeContext::gTol.equalPoint()) const override;
    bool isClosed(const AcGeTol& tol = AcGeContext::gTol) const override;
    bool isPeriodic(double& period) const override;
    bool isPlanar(AcGePlane& plane, const AcGeTol& tol = AcGeContext::gTol) const override;
    AcGeVector3d sweptArea(double t0, double t1) const override;
    AcGeCircArc3d& transformBy(const AcGeMatrix3d& xfm) override;
    void getTrimmedOffset(double distance, const AcGeVector3d& planeNormal, AcGeVoidPointerArray& offsetCurveList,
                          AcGe::OffsetCrvExtType extensionType = AcGe::kFillet,
                          const AcGeTol& tol = AcGeContext::gTol) const override;

protected:
    AcGeVector3d higherDeriv(double t, int order) const override;

private:
    friend struct GeCircArcT<AcGeCircArc3d>;

    AcGeVector3d sideVec() const { return mNormal.crossProduct(mRefVec); }
    // The angle of pnt (projected on the arc's plane) in [startAng, startAng + 2pi).
    double angleOf(const AcGePoint3d& pnt) const;

    AcGePoint3d mCenter;
    AcGeVector3d mNormal{0.0, 0.0, 1.0};
    AcGeVector3d mRefVec{1.0, 0.0, 0.0};
    double mRadius = 1.0;
    double mStartAng = 0.0;
    double mEndAng = 0.0;
};
