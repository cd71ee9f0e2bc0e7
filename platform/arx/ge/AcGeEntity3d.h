// Base of every space geometry entity: its kind, a deep copy, and the transforms.
#pragma once

#include "AcGe.h"
#include "AcGeContext.h"
#include "AcGeMatrix3d.h"
#include "AcGePoint3d.h"

class AcGePlane;

class AcGeEntity3d {
public:
    virtual ~AcGeEntity3d() = default;

    virtual AcGe::EntityId type() const = 0;
    virtual bool isKindOf(AcGe::EntityId entType) const;
    // A new entity of the same class; the caller owns it.
    virtual AcGeEntity3d* copy() const = 0;
    virtual bool isOn(const AcGePoint3d& pnt, const AcGeTol& tol = AcGeContext::gTol) const = 0;

    virtual AcGeEntity3d& transformBy(const AcGeMatrix3d& xfm) = 0;
    AcGeEntity3d& translateBy(const AcGeVector3d& translateVec);
    AcGeEntity3d& rotateBy(double angle, const AcGeVector3d& vec, const AcGePoint3d& wrtPoint = AcGePoint3d::kOrigin);
    AcGeEntity3d& mirror(const AcGePlane& plane);
    AcGeEntity3d& scaleBy(double scaleFactor, const AcGePoint3d& wrtPoint = AcGePoint3d::kOrigin);

protected:
    AcGeEntity3d() = default;
    AcGeEntity3d(const AcGeEntity3d&) = default;
    AcGeEntity3d& operator=(const AcGeEntity3d&) = default;
};
