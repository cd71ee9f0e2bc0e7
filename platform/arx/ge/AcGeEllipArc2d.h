// An elliptical arc in the plane: P(t) = center + majorRadius cos t majorAxis +
// minorRadius sin t minorAxis, t over [startAng, endAng]. The angles are these parameters
// (eccentric angles), not polar angles; a full ellipse runs over [0, 2pi].
#pragma once

#include "AcGeCurve2d.h"

class AcGeCircArc2d;

class AcGeEllipArc2d : public AcGeCurve2d {
public:
    // The unit circle about the origin.
    AcGeEllipArc2d();
    explicit AcGeEllipArc2d(const AcGeCircArc2d& arc);
    AcGeEllipArc2d(const AcGePoint2d& cent, const AcGeVector2d& majorAxis, const AcGeVector2d& minorAxis,
                   double majorRadius, double minorRadius, double startAngle = 0.0,
                   double endAngle = 6.283185307179586);

    AcGeEllipArc2d& set(const AcGePoint2d& cent, const AcGeVector2d& majorAxis, const AcGeVector2d& minorAxis,
                        double majorRadius, double minorRadius, double startAngle = 0.0,
                        double endAngle = 6.283185307179586);
    AcGeEllipArc2d& set(const AcGeCircArc2d& arc);

    AcGePoint2d center() const { return mCenter; }
    AcGeVector2d majorAxis() const { return mMajorAxis; }
    AcGeVector2d minorAxis() const { return mMinorAxis; }
    double majorRadius() const { return mMajorRadius; }
    double minorRadius() const { return mMinorRadius; }
    double startAng() const { return mStartAng; }
    double endAng() const { return mEndAng; }
    AcGePoint2d startPoint() const { return evalPoint(mStartAng); }
    AcGePoint2d endPoint() const { return evalPoint(mEndAng); }
    // Whether the parameter runs clockwise (the minor axis is clockwise of the major).
    bool isClockWise() const;
    bool isCircular(const AcGeTol& tol = AcGeContext::gTol) const;
    bool isInside(const AcGePoint2d& pnt, const AcGeTol& tol = AcGeContext::gTol) const;

    AcGeEllipArc2d& setCenter(const AcGePoint2d& cent);
    AcGeEllipArc2d& setMajorRadius(double rad);
    AcGeEllipArc2d& setMinorRadius(double rad);
    AcGeEllipArc2d& setAxes(const AcGeVector2d& majorAxis, const AcGeVector2d& minorAxis);
    AcGeEllipArc2d& setAngles(double startAngle, double endAngle);

    AcGe::EntityId type() const override { return AcGe::kEllipArc2d; }
    bool isKindOf(AcGe::EntityId entType) const override;
    AcGeEllipArc2d* copy() const override { return new AcGeEllipArc2d(*this); }
    void getInterval(AcGeInterval& range) const override;
    bool setInterval(const AcGeInterval& range) override;
    AcGeEllipArc2d& reverseParam() override;
    AcGePoint2d evaluate(double t, AcGeVector2d* d1, AcGeVector2d* d2) const override;
    bool isClosed(const AcGeTol& tol = AcGeContext::gTol) const override;
    bool isPeriodic(double& period) const override;
    double sweptArea(double t0, double t1) const override;
    AcGeEllipArc2d& transformBy(const AcGeMatrix2d& xfm) override;

protected:
    AcGeVector2d higherDeriv(double t, int order) const override;

private:
    // Re-derives the principal axes from two conjugate semi-diameters u and v (the curve
    // center + u cos t + v sin t), shifting the parameters to match.
    void setFromConjugate(const AcGeVector2d& u, const AcGeVector2d& v);

    AcGePoint2d mCenter;
    AcGeVector2d mMajorAxis{1.0, 0.0};
    AcGeVector2d mMinorAxis{0.0, 1.0};
    double mMajorRadius = 1.0;
    double mMinorRadius = 1.0;
    double mStartAng = 0.0;
    double mEndAng = 0.0;
};
