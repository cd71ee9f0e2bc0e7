// The fixed colour set of the editor's sketches: black ground, white outline, magenta dash-dot
// axes, yellow dimensions and texts, green for the highlighted or selected item, red bars.
#pragma once

#include "WinGdi.h"

inline constexpr COLORREF kSketchBackground = RGB(0, 0, 0);
inline constexpr COLORREF kSketchOutline = RGB(255, 255, 255);
inline constexpr COLORREF kSketchAxis = RGB(255, 0, 255);
inline constexpr COLORREF kSketchDimension = RGB(255, 255, 0);
inline constexpr COLORREF kSketchHighlight = RGB(0, 255, 0);
inline constexpr COLORREF kSketchBar = RGB(255, 0, 0);
inline constexpr COLORREF kSketchSpare = RGB(0, 0, 255);
