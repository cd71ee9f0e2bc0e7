// An infinite plane given by an origin and two axes; its normal is uAxis x vAxis.
// Points in plane coordinates are origin + u * uAxis + v * vAxis.
#pragma once

#include "AcGeContext.h"
#include "AcGeEntity3d.h"
#include "AcGePoint3d.h"
#include "AcGeVector3d.h"

class AcGeMatrix3d;

class AcGePlane : public AcGeEntity3d {
public:
    // The XY plane.
    constexpr AcGePlane() = default;
    // Axes chosen by the arbitrary-axis rule from the normal.
    AcGePlane(const AcGePoint3d& origin, const AcGeVector3d& normal);
    AcGePlane(const AcGePoint3d& origin, const AcGeVector3d& uAxis, const AcGeVector3d& vAxis);
    // The plane through three points, origin at org and axes towards pntU and pntV.
    AcGePlane(const AcGePoint3d& pntU, const AcGePoint3d& org, const AcGePoint3d& pntV);
    // The plane a x + b y + c z + d = 0.
    AcGePlane(double a, double b, double c, double d);

    static const AcGePlane kXYPlane;
    static const AcGePlane kYZPlane;
    static const AcGePlane kZXPlane;

    AcGePlane& set(const AcGePoint3d& origin, const AcGeVector3d& normal);
    AcGePlane& set(const AcGePoint3d& origin, const AcGeVector3d& uAxis, const AcGeVector3d& vAxis);
    AcGePlane& set(const AcGePoint3d& pntU, const AcGePoint3d& org, const AcGePoint3d& pntV);
    AcGePlane& set(double a, double b, double c, double d);

    AcGePoint3d pointOnPlane() const { return mOrigin; }
    AcGeVector3d normal() const;
    void get(AcGePoint3d& origin, AcGeVector3d& uAxis, AcGeVector3d& vAxis) const;
    void getCoefficients(double& a, double& b, double& c, double& d) const;

    // Positive on the side the normal points to.
    double signedDistanceTo(const AcGePoint3d& pnt) const;
    double distanceTo(const AcGePoint3d& pnt) const;
    AcGePoint3d closestPointTo(const AcGePoint3d& pnt) const;
    bool isOn(const AcGePoint3d& pnt, const AcGeTol& tol = AcGeContext::gTol) const override;
    bool isParallelTo(const AcGePlane& plane, const AcGeTol& tol = AcGeContext::gTol) const;
    bool isCoplanarTo(const AcGePlane& plane, const AcGeTol& tol = AcGeContext::gTol) const;

    AcGe::EntityId type() const override { return AcGe::kPlane; }
    bool isKindOf(AcGe::EntityId entType) const override;
    AcGePlane* copy() const override { return new AcGePlane(*this); }
    AcGePlane& transformBy(const AcGeMatrix3d& mat) override;

private:
    AcGePoint3d mOrigin;
    AcGeVector3d mU{1.0, 0.0, 0.0};
    AcGeVector3d mV{0.0, 1.0, 0.0};
};
