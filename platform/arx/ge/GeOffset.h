// Offsets of chains of plane curves: each piece is offset on its own, then neighbours are
// joined at the corners by trimming where they overlap and, where they part, by extending
// them to their crossing, by a fillet arc about the corner or by a chamfer line.
#pragma once

#include "AcGe.h"
#include "AcGeContext.h"

#include <vector>

class AcGeCurve2d;

namespace GeOffset {

// The joined offset (a single curve or a composite; the caller owns it), or null when
// nothing is left of it.
AcGeCurve2d* offsetChain(const std::vector<const AcGeCurve2d*>& pieces, bool closed, double distance,
                         AcGe::OffsetCrvExtType extensionType, const AcGeTol& tol);

} // namespace GeOffset
