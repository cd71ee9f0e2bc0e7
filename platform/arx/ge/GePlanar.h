// Conversions between space curves lying in a plane and plane curves in that plane's own
// coordinates (origin and orthonormal axes of the plane), keeping the parameterisation.
// Space curves off the plane are projected onto it.
#pragma once

class AcGeCurve2d;
class AcGeCurve3d;
class AcGePlane;

namespace GePlanar {

// New curves owned by the caller; null for a kind that has no counterpart.
AcGeCurve2d* toPlane(const AcGeCurve3d& curve, const AcGePlane& plane);
AcGeCurve3d* toSpace(const AcGeCurve2d& curve, const AcGePlane& plane);

} // namespace GePlanar
