// An elliptical arc in the plane: P(t) = center + majorRadius cos t majorAxis +
// minorRadius sin t minorAxis, t over [startAng, endAng]. The angles are these parameters
// (eccentric angles), not polar angles; a full ellipse runs over [0, 2pi].
#pragma once

#include "AcGeCurve2d.h"
#include "GeEllipseT.h"

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

    AcGePoint2d center() const { return mShape.center; }
    AcGeVector2d majorAxis() const { return mShape.majorAxis; }
    AcGeVector2d minorAxis() const { return mShape.minorAxis; }
    double majorRadius() const { return mShape.majorRadius; }
    double minorRadius() const { return mShape.minorRadius; }
    double startAng() const { return mShape.startAng; }
    double endAng() const { return mShape.endAng; }
    AcGePoint2d startPoint() const { return evalPoint(mShape.startAng); }
    AcGePoint2d endPoint() const { return evalPoint(mShape.endAng); }
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
    GeEllipseT<AcGePoint2d, AcGeVector2d> mShape;
};
