// Kinds and options shared by the geometry classes: entity kinds answered by type()
// and isKindOf(), and how offset curves close the gaps at corners.
#pragma once

namespace AcGe {

enum EntityId {
    kEntity2d,
    kEntity3d,
    kPlanarEnt,
    kPlane,
    kCurve2d,
    kCurve3d,
    kLinearEnt2d,
    kLinearEnt3d,
    kLine2d,
    kLine3d,
    kLineSeg2d,
    kLineSeg3d,
    kRay2d,
    kRay3d,
    kCircArc2d,
    kCircArc3d,
    kEllipArc2d,
    kEllipArc3d,
    kSplineEnt2d,
    kSplineEnt3d,
    kNurbCurve2d,
    kNurbCurve3d,
    kPolyline2d,
    kPolyline3d,
    kCompositeCrv2d,
    kCompositeCrv3d,
};

// Offset pieces of a curve with corners are joined by an arc (fillet), a straight cut
// (chamfer) or by extending the two pieces until they meet.
enum OffsetCrvExtType {
    kFillet,
    kChamfer,
    kExtend,
};

} // namespace AcGe
