// Corbelkit's own result codes and the curve-type codes that name a curve's role in a drawing.
// Curve types are plain integers grouped in ranges; only the range bounds carry names.
#pragma once

#include "CorbelkitExport.h"

namespace Mavcad {

// The answers of the curve filter's tests: met or not met.
enum ErrorStatus { eOk = 0, eInvalidInput = 3 };

enum CurveType : int {
    kAssistantLineFirst = -1008,
    kAssistantLineLast = -1000,
    kVentralLineFirst = 99,
    kVentralLineLast = 109,
    kBoxLineFirst = 200,
    kBoxLineLast = 217,
    kLinkLineFirst = 300,
    kLinkLineLast = 327,
    kMainCurveFirst = 2003,
    kMainCurveLast = 2008
};

} // namespace Mavcad
