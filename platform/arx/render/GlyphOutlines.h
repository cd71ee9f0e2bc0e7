// Character outlines of the CJK font the host draws text with (Noto Sans CJK), scaled into
// a unit cell: x 0..1 across the character's measured width, y 0..1 from the baseline to the
// cap height (y up). A wide character's em square fills the cell's width and its height from
// the descender to the ascender; a narrow one is stretched from its own advance and cap height.
#pragma once

#include <QPainterPath>

class GlyphOutlines {
public:
    static const QPainterPath& cellOutline(wchar_t ch, bool wide);
};
