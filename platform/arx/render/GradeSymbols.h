// The bar-grade symbols of the system's shape font (fsdb_e.shx): in its texts "&" is the
// symbol of grade II bars (HRB335, a circle crossed by an upright stroke standing on a foot)
// and "^" the symbol of grade III bars (HRB400, the upright stroke with a foot and a head).
// The drawing keeps the characters; only pictures show the symbols, outlined in the same unit
// cell as the font's characters (x 0..1 across, y 0..1 from the baseline to the cap height).
#pragma once

#include <QPainterPath>

#include <string>

class GradeSymbols {
public:
    // The character that stands for the symbol in a display list (in the private use area),
    // or the character itself when the font has no symbol for it.
    static wchar_t displayChar(wchar_t ch, bool shapeFont);
    // Whether a text style's font file is the system's shape font.
    static bool isShapeFont(const std::wstring& fontFile);
    static bool isSymbol(wchar_t displayChar);
    static const QPainterPath& cellOutline(wchar_t displayChar);
};
