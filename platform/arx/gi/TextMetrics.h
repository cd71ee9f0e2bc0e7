// The one metric model of the system's shape fonts "fsdb.shx" (wide, CJK characters) and
// "fsdb_e.shx" (narrow characters): a wide character is one text height wide, a narrow one
// takes its width from a per-character table; the style's width factor scales widths and its
// obliquing angle slants the glyphs. Texts are measured, boxed and laid out glyph by glyph
// here, and drawn glyph by glyph into the same cells, so what is measured is what is drawn.
//
// Frames: a single-line text's own frame has x along the baseline from the text's left end
// and y up from the baseline. A multiline text's frame has its origin at its location point,
// x along its direction and y up.
#pragma once

#include <string>
#include <string_view>
#include <vector>

class TextMetrics {
public:
    // The cap height is the text height; the lowest strokes of glyphs reach this far below the baseline.
    static constexpr double kDescent = 0.3;
    // A wide character is drawn in its font's em square, this much of which stands above the
    // baseline and is the text height; the rest hangs below it.
    static constexpr double kWideAscent = 0.88;
    static constexpr double kWideDescent = (1.0 - kWideAscent) / kWideAscent;
    // The two texts of a stack in a multiline text (\S) are this fraction of the height.
    static constexpr double kStackScale = 0.7;
    // Lines of a multiline text are this many heights apart (times the spacing factor).
    static constexpr double kLineSpacing = 5.0 / 3.0;

    struct Box {
        double minX = 0.0, minY = 0.0, maxX = 0.0, maxY = 0.0;
        double width() const { return maxX - minX; }
        double height() const { return maxY - minY; }
    };

    // One character in its cell: the cell's left end on the baseline (x, y) in the text's
    // frame, its width and height; oblique is the slant angle in radians.
    struct Glyph {
        wchar_t ch = 0;
        double x = 0.0, y = 0.0;
        double width = 0.0, height = 0.0;
        double oblique = 0.0;
    };

    // A horizontal stroke of a fraction stack (\Sa/b;), in the text's frame.
    struct Bar {
        double x0 = 0.0, x1 = 0.0, y = 0.0;
    };

    struct Layout {
        std::vector<Glyph> glyphs;
        std::vector<Bar> bars;
        Box box; // in the text's frame
    };

    static bool isWide(wchar_t ch);
    // A character's width as a fraction of the height (before the width factor).
    static double charWidth(wchar_t ch);
    // The advance width of a single line of text.
    static double measure(std::wstring_view text, double height, double widthFactor = 1.0, double oblique = 0.0);
    // %%c, %%d, %%p and %%% as the characters they stand for.
    static std::wstring decodeControlCodes(std::wstring_view text);

    // How far a character's strokes reach below the baseline, as a fraction of the height:
    // digits and capitals stand on the baseline, wide characters hang their em square's lower
    // part under it, descenders reach the descent.
    static double charDescent(wchar_t ch);

    // A single-line text in its own frame: glyphs from x = 0 on the baseline; the box spans
    // from the lowest its characters reach (the descent for an empty text) to the cap height,
    // widened by the slant.
    static Layout layoutLine(std::wstring_view text, double height, double widthFactor = 1.0, double oblique = 0.0);
    static Box box(std::wstring_view text, double height, double widthFactor = 1.0, double oblique = 0.0);

    // Where a single-line text sits relative to the point its alignment refers to, with the
    // platform's horizontal modes (0 left, 1 centre, 2 right, 3 aligned, 4 middle, 5 fit) and
    // vertical modes (0 baseline, 1 bottom, 2 middle, 3 top). For aligned and fit, the
    // reference point is the first point and alignedLength the distance to the second:
    // aligned scales the height, fit the width factor, so that the text spans that distance.
    struct Placement {
        double height = 0.0;
        double widthFactor = 1.0;
        double width = 0.0;
        // The left end of the baseline relative to the reference point, in the text's frame.
        double originX = 0.0, originY = 0.0;
    };
    static Placement place(std::wstring_view text, double height, double widthFactor, double oblique, int horzMode,
                           int vertMode, double alignedLength = 0.0);

    // A multiline text with the formatting codes \P (and ^J) new paragraph, \Hv; and \Hvx;
    // height, \Wv; width factor, \Qa; obliquing (degrees), \Sa^b; \Sa/b; \Sa#b; stacks,
    // \A0|1|2; alignment, \~ hard space, \\ \{ \} literals, \U+nnnn, { } scopes; font, colour,
    // underline and other display codes are read and do not change the metrics. A positive
    // wrapWidth breaks lines at spaces or between wide characters and is the box's width.
    // The attachment (1 top-left, 2 top-centre, ... 9 bottom-right) says which point of the
    // box is the text's location and how lines align in it; glyphs and box come relative to
    // that point (x along the text's direction, y up).
    static Layout layoutMText(std::wstring_view contents, double height, double widthFactor = 1.0,
                              double oblique = 0.0, double wrapWidth = 0.0, double lineSpacingFactor = 1.0,
                              int attachment = 1);
};
