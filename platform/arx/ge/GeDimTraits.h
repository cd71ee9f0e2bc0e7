// The types that go with each dimension's curves, so that logic shared by the plane and
// space classes can be written once over the curve base class and instantiated twice.
#pragma once

#include "AcGeMatrix2d.h"
#include "AcGeMatrix3d.h"
#include "AcGePoint2dArray.h"
#include "AcGePoint3dArray.h"
#include "AcGeVector2dArray.h"
#include "AcGeVector3dArray.h"

class AcGeCurve2d;
class AcGeCurve3d;

template <class Curve>
struct GeDimTraits;

template <>
struct GeDimTraits<AcGeCurve2d> {
    using Point = AcGePoint2d;
    using Vector = AcGeVector2d;
    using PointArray = AcGePoint2dArray;
    using VectorArray = AcGeVector2dArray;
    using Matrix = AcGeMatrix2d;
};

template <>
struct GeDimTraits<AcGeCurve3d> {
    using Point = AcGePoint3d;
    using Vector = AcGeVector3d;
    using PointArray = AcGePoint3dArray;
    using VectorArray = AcGeVector3dArray;
    using Matrix = AcGeMatrix3d;
};
