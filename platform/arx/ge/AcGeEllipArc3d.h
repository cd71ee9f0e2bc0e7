// An elliptical arc in space: P(t) = center + majorRadius cos t majorAxis +
// minorRadius sin t minorAxis, t over [startAng, endAng]. The angles are these parameters
// (eccentric angles), not polar angles; a full ellipse runs over [0, 2pi].
#pragma once

#include "AcGeCurve3d.h"
#include "GeEllipseT.h"

class AcGeCircArc3d;

class AcGeEllipArc3d : public AcGeCurve3d {
public:
    // The unit circle about the origin.
    AcGeEllipArc3d();
    explicit AcGeEllipArc3d(const AcGeCircArc3d& arc);
    AcGeEllipArc3d(const AcGePoint3d& cent, const AcGeVector3d& majorAxis, const AcGeVector3d& minorAxis,
                   double majorRadius, double minorRadius, double startAngle = 0.0,
                   double endAngle = 6.283185307179586);

    AcGeEllipArc3d& set(const AcGePoint3d& cent, const AcGeVector3d& majorAxis, const AcGeVector3d& minorAxis,
                        double majorRadius, double minorRadius, double startAngle = 0.0,
                        double endAngle = 6.283185307179586);
    AcGeEllipArc3d& set(const AcGeCircArc3d& arc);

    AcGePoint3d center() const { return mShape.center; }
    AcGeVector3d majorAxis() const { return mShape.majorAxis; }
    AcGeVector3d minorAxis() const { return mShape.minorAxis; }
    double majorRadius() const { return mShape.majorRadius; }
    double minorRadius() const { return mShape.minorRadius; }
    double startAng() const { return mShape.startAng; }
    double endAng() const { return mShape.endAng; }
    AcGePoint3d startPoint() const { return evalPoint(mShape.startAng); }
    AcGePoint3d endPoint() const { return evalPoint(mShape.endAng); }
    // majorAxis x minorAxis: the parameter runs counter-clockwise about it.
    AcGeVector3d normal() const { return mShape.majorAxis.crossProduct(mShape.minorAxis); }
    void getPlane(AcGePlane& plane) const;
    bool isCircular(const AcGeTol& tol = AcGeContext::gTol) const;
    bool isInside(const AcGePoint3d& pnt, const AcGeTol& tol = AcGeContext::gTol) const;

    AcGeEllipArc3d& setCenter(const AcGePoint3d& cent);
    AcGeEllipArc3d& setMajorRadius(double rad);
    AcGeEllipArc3d& setMinorRadius(double rad);
    AcGeEllipArc3d& setAxes(const AcGeVector3d& majorAxis, const AcGeVector3d& minorAxis);
    AcGeEllipArc3d& setAngles(double startAngle, double endAngle);

    AcGe::EntityId type() const override { return AcGe::kEllipArc3d; }
    bool isKindOf(AcGe::EntityId entType) const override;
    AcGeEllipArc3d* copy() const override { return new AcGeEllipArc3d(*this); }
    void getInterval(AcGeInterval& range) const override;
    bool setInterval(const AcGeInterval& range) override;
    AcGeEllipArc3d& reverseParam() override;
    AcGePoint3d evaluate(double t, AcGeVector3d* d1, AcGeVector3d* d2) const override;
    bool isClosed(const AcGeTol& tol = AcGeContext::gTol) const override;
    bool isPeriodic(double& period) const override;
    bool isPlanar(AcGePlane& plane, const AcGeTol& tol = AcGeContext::gTol) const override;
    AcGeVector3d sweptArea(double t0, double t1) const override;
    AcGeEllipArc3d& transformBy(const AcGeMatrix3d& xfm) override;

protected:
    AcGeVector3d higherDeriv(double t, int order) const override;

private:
    GeEllipseT<AcGePoint3d, AcGeVector3d> mShape;
};
