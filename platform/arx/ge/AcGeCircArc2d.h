// A circular arc in the plane. Parameter = angle from refVec, counter-clockwise for a
// counter-clockwise arc and clockwise for a clockwise one, over [startAng, endAng] with
// endAng >= startAng; a full circle runs over [0, 2pi].
#pragma once

#include "AcGeCurve2d.h"
#include "GeCircArcT.h"

class AcGeLine2d;
class AcGeLinearEnt2d;

class AcGeCircArc2d : public AcGeCurve2d {
public:
    // The unit circle about the origin.
    AcGeCircArc2d();
    AcGeCircArc2d(const AcGePoint2d& cent, double radius);
    AcGeCircArc2d(const AcGePoint2d& cent, double radius, double startAngle, double endAngle,
                  const AcGeVector2d& refVec = AcGeVector2d::kXAxis, bool isClockWise = false);
    // The arc from startPoint through pnt to endPoint.
    AcGeCircArc2d(const AcGePoint2d& startPoint, const AcGePoint2d& pnt, const AcGePoint2d& endPoint);
    // The arc from startPoint to endPoint with the given bulge: with bulgeFlag, the signed
    // height of the arc over its chord; without, tan(included angle / 4). Positive bulges
    // give counter-clockwise arcs.
    AcGeCircArc2d(const AcGePoint2d& startPoint, const AcGePoint2d& endPoint, double bulge, bool bulgeFlag = true);

    AcGeCircArc2d& set(const AcGePoint2d& cent, double radius);
    AcGeCircArc2d& set(const AcGePoint2d& cent, double radius, double ang1, double ang2,
                       const AcGeVector2d& refVec = AcGeVector2d::kXAxis, bool isClockWise = false);
    AcGeCircArc2d& set(const AcGePoint2d& startPoint, const AcGePoint2d& pnt, const AcGePoint2d& endPoint);
    AcGeCircArc2d& set(const AcGePoint2d& startPoint, const AcGePoint2d& endPoint, double bulge,
                       bool bulgeFlag = true);

    AcGePoint2d center() const { return mCenter; }
    double radius() const { return mRadius; }
    double startAng() const { return mStartAng; }
    double endAng() const { return mEndAng; }
    AcGeVector2d refVec() const { return mRefVec; }
    bool isClockWise() const { return mClockWise; }
    AcGePoint2d startPoint() const { return evalPoint(mStartAng); }
    AcGePoint2d endPoint() const { return evalPoint(mEndAng); }

    AcGeCircArc2d& setCenter(const AcGePoint2d& cent);
    AcGeCircArc2d& setRadius(double radius);
    AcGeCircArc2d& setAngles(double startAng, double endAng);
    AcGeCircArc2d& setRefVec(const AcGeVector2d& vec);
    // The rest of the circle: from this arc's end round to its start.
    AcGeCircArc2d& setToComplement();

    bool isInside(const AcGePoint2d& pnt, const AcGeTol& tol = AcGeContext::gTol) const;
    // Whether a point of the circle lies within the arc's angular range.
    bool isOnArc(const AcGePoint2d& pnt, const AcGeTol& tol = AcGeContext::gTol) const;
    bool tangent(const AcGePoint2d& pnt, AcGeLine2d& line, const AcGeTol& tol = AcGeContext::gTol) const;
    // Crossings in closed form; a tangent contact counts as one point. Coincident circles
    // report no points and false.
    bool intersectWith(const AcGeLinearEnt2d& line, int& intn, AcGePoint2d& p1, AcGePoint2d& p2,
                       const AcGeTol& tol = AcGeContext::gTol) const;
    bool intersectWith(const AcGeCircArc2d& arc, int& intn, AcGePoint2d& p1, AcGePoint2d& p2,
                       const AcGeTol& tol = AcGeContext::gTol) const;

    AcGe::EntityId type() const override { return AcGe::kCircArc2d; }
    bool isKindOf(AcGe::EntityId entType) const override;
    AcGeCircArc2d* copy() const override { return new AcGeCircArc2d(*this); }
    void getInterval(AcGeInterval& range) const override;
    bool setInterval(const AcGeInterval& range) override;
    AcGeCircArc2d& reverseParam() override;
    AcGePoint2d evaluate(double t, AcGeVector2d* d1, AcGeVector2d* d2) const override;
    double paramOf(const AcGePoint2d& pnt, const AcGeTol& tol = AcGeContext::gTol) const override;
    AcGePoint2d closestPointTo(const AcGePoint2d& pnt, const AcGeTol& tol = AcGeContext::gTol) const override;
    double length(double fromParam, double toParam, double tol = AcGeContext::gTol.equalPoint()) const override;
    double paramAtLength(double datumParam, double length, bool posParamDir = true,
                         double tol = AcGeContext::gTol.equalPoint()) const override;
    bool isClosed(const AcGeTol& tol = AcGeContext::gTol) const override;
    bool isPeriodic(double& period) const override;
    double sweptArea(double t0, double t1) const override;
    AcGeCircArc2d& transformBy(const AcGeMatrix2d& xfm) override;
    void getTrimmedOffset(double distance, AcGeVoidPointerArray& offsetCurveList,
                          AcGe::OffsetCrvExtType extensionType = AcGe::kFillet,
                          const AcGeTol& tol = AcGeContext::gTol) const override;

protected:
    AcGeVector2d higherDeriv(double t, int order) const override;

private:
    friend struct GeCircArcT<AcGeCircArc2d>;

    // The second axis of the arc's frame: refVec turned a quarter in the arc's direction.
    AcGeVector2d sideVec() const;
    // The angle of pnt about the centre in the arc's sense, in [startAng, startAng + 2pi).
    double angleOf(const AcGePoint2d& pnt) const;
    // Keeps only the candidate points that lie on this arc and satisfy onOther.
    template <class OnOther>
    void keepOnBoth(int& intn, AcGePoint2d& p1, AcGePoint2d& p2, const AcGeTol& tol, OnOther onOther) const;

    AcGePoint2d mCenter;
    double mRadius = 1.0;
    double mStartAng = 0.0;
    double mEndAng = 0.0;
    AcGeVector2d mRefVec{1.0, 0.0};
    bool mClockWise = false;
};
