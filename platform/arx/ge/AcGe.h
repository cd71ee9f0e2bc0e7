// Kinds and options shared by the geometry classes: entity kinds answered by type()
// and isKindOf(), and how offset curves close the gaps at corners.
#pragma once

namespace AcGe {

// The numbers of the kinds that the system's code compares with literal values are fixed:
// 10 circular arc 2d, 11 circular arc 3d, 17 elliptical arc 3d, 22 line segment 2d,
// 23 line segment 3d, 39 spline 3d, 46 composite curve 2d.
enum EntityId {
    kEntity2d = 0,
    kEntity3d = 1,
    kCurve2d = 2,
    kCurve3d = 3,
    kLinearEnt2d = 4,
    kLinearEnt3d = 5,
    kLine2d = 6,
    kLine3d = 7,
    kRay2d = 8,
    kRay3d = 9,
    kCircArc2d = 10,
    kCircArc3d = 11,
    kPlanarEnt = 12,
    kPlane = 13,
    kEllipArc2d = 16,
    kEllipArc3d = 17,
    kLineSeg2d = 22,
    kLineSeg3d = 23,
    kSplineEnt2d = 38,
    kSplineEnt3d = 39,
    kNurbCurve2d = 40,
    kNurbCurve3d = 41,
    kPolyline2d = 42,
    kPolyline3d = 43,
    kCompositeCrv2d = 46,
    kCompositeCrv3d = 47,
};

// Offset pieces of a curve with corners are joined by an arc (fillet), a straight cut
// (chamfer) or by extending the two pieces until they meet.
enum OffsetCrvExtType {
    kFillet,
    kChamfer,
    kExtend,
};

} // namespace AcGe
