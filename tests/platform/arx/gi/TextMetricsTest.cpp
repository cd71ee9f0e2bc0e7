// The text metrics: widths of narrow and wide characters, width factor and slant, the box
// and placement of a single line, and multiline texts with their formatting codes.
#include "TextMetrics.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;

TEST(TextMetricsTest, WidthsOfNarrowAndWideCharactersWithTheWidthFactor)
{
    struct Case {
        const wchar_t* text;
        double height, widthFactor, expected;
    };
    for (const Case& c : {Case{L"", 10, 1, 0}, Case{L"12", 10, 1, 14}, Case{L"盖梁", 10, 1, 20},
                          Case{L"盖梁", 10, 0.7, 14}, Case{L"N1", 5, 1, 7.25}, Case{L"Φ25", 2.5, 0.8, 4.2},
                          Case{L"（）", 3, 1, 6}, Case{L"ll", 10, 1, 6}}) {
        SCOPED_TRACE(testing::Message() << "case " << c.expected);
        EXPECT_NEAR(TextMetrics::measure(c.text, c.height, c.widthFactor), c.expected, 1e-9);
    }
    EXPECT_TRUE(TextMetrics::isWide(L'钢'));
    EXPECT_TRUE(TextMetrics::isWide(0xFF0C)); // full-width comma
    EXPECT_FALSE(TextMetrics::isWide(L'A'));
    EXPECT_DOUBLE_EQ(TextMetrics::charWidth(L'0'), 0.7);
    EXPECT_LT(TextMetrics::charWidth(L'i'), TextMetrics::charWidth(L'm'));
}

TEST(TextMetricsTest, BoxSpansWhatItsCharactersReachAndWidensWithTheSlant)
{
    // Digits and capitals stand on the baseline; a wide character hangs the lower part of its
    // em square under the baseline; descenders and brackets reach the descent; the deepest
    // counts. Every box ends at the cap height.
    struct Case {
        const wchar_t* text;
        double minY, maxY;
    };
    const double wide = -10.0 * (1.0 - 0.88) / 0.88;
    for (const Case& c : {Case{L"AB", 0.0, 10.0}, Case{L"14", 0.0, 10.0}, Case{L"直径", wide, 10.0},
                          Case{L"(mm)", -3.0, 10.0}, Case{L"Kg", -3.0, 10.0}, Case{L"长度1", wide, 10.0},
                          Case{L"N1/2", -3.0, 10.0}, Case{L"5&32", -3.0, 10.0}, Case{L"", -3.0, 10.0}}) {
        SCOPED_TRACE(testing::Message() << std::wstring(c.text).size() << " characters, " << c.minY);
        const TextMetrics::Box b = TextMetrics::box(c.text, 10);
        EXPECT_NEAR(b.minY, c.minY, 1e-9);
        EXPECT_NEAR(b.maxY, c.maxY, 1e-9);
    }
    const TextMetrics::Box plain = TextMetrics::box(L"AB", 10);
    EXPECT_DOUBLE_EQ(plain.minX, 0.0);
    EXPECT_DOUBLE_EQ(plain.maxX, 15.0);
    const TextMetrics::Box slanted = TextMetrics::box(L"ABg", 10, 1.0, kPi / 12);
    EXPECT_NEAR(slanted.maxX, TextMetrics::measure(L"ABg", 10) + 10.0 * std::tan(kPi / 12), 1e-9);
    EXPECT_NEAR(slanted.minX, -3.0 * std::tan(kPi / 12), 1e-9);
    EXPECT_DOUBLE_EQ(TextMetrics::measure(L"AB", 10, 1.0, kPi / 12), 15.0);
}

TEST(TextMetricsTest, PlacementFollowsTheAlignmentModes)
{
    // "盖梁" at height 10 is 20 wide.
    struct Case {
        int horz, vert;
        double x, y;
    };
    for (const Case& c : {Case{0, 0, 0, 0}, Case{1, 0, -10, 0}, Case{2, 0, -20, 0}, Case{4, 0, -10, -5},
                          Case{0, 1, 0, 3}, Case{0, 2, 0, -5}, Case{0, 3, 0, -10}, Case{2, 3, -20, -10}}) {
        SCOPED_TRACE(testing::Message() << c.horz << "/" << c.vert);
        const TextMetrics::Placement p = TextMetrics::place(L"盖梁", 10, 1.0, 0.0, c.horz, c.vert);
        EXPECT_DOUBLE_EQ(p.originX, c.x);
        EXPECT_DOUBLE_EQ(p.originY, c.y);
        EXPECT_DOUBLE_EQ(p.width, 20.0);
    }
    // Aligned scales the height, fit the width factor, to span the distance between the points.
    const TextMetrics::Placement aligned = TextMetrics::place(L"盖梁", 10, 1.0, 0.0, 3, 0, 40.0);
    EXPECT_DOUBLE_EQ(aligned.height, 20.0);
    EXPECT_DOUBLE_EQ(aligned.widthFactor, 1.0);
    const TextMetrics::Placement fit = TextMetrics::place(L"盖梁", 10, 1.0, 0.0, 5, 0, 40.0);
    EXPECT_DOUBLE_EQ(fit.height, 10.0);
    EXPECT_DOUBLE_EQ(fit.widthFactor, 2.0);
    EXPECT_DOUBLE_EQ(fit.width, 40.0);
}

TEST(TextMetricsTest, LineLayoutPutsEachGlyphInItsMeasuredCell)
{
    const TextMetrics::Layout l = TextMetrics::layoutLine(L"A盖1", 10, 0.5);
    ASSERT_EQ(l.glyphs.size(), 3u);
    EXPECT_DOUBLE_EQ(l.glyphs[1].x, 3.75);
    EXPECT_DOUBLE_EQ(l.glyphs[1].width, 5.0);
    EXPECT_DOUBLE_EQ(l.glyphs[2].x, 8.75);
    EXPECT_DOUBLE_EQ(l.glyphs[2].x + l.glyphs[2].width, TextMetrics::measure(L"A盖1", 10, 0.5));
}

TEST(TextMetricsTest, ControlCodesStandForTheirSymbols)
{
    EXPECT_EQ(TextMetrics::decodeControlCodes(L"%%c25 %%d %%p1 100%%%"), std::wstring(L"\u00D825 \u00B0 \u00B11 100%"));
    EXPECT_EQ(TextMetrics::decodeControlCodes(L"%%x"), L"%%x");
}

TEST(TextMetricsTest, MultilineCodesChangeHeightWidthAndStack)
{
    // \H0.7x; scales the height of what follows; { } ends the change.
    TextMetrics::Layout l = TextMetrics::layoutMText(L"{\\H0.5x;AB}C", 10);
    ASSERT_EQ(l.glyphs.size(), 3u);
    EXPECT_DOUBLE_EQ(l.glyphs[0].height, 5.0);
    EXPECT_DOUBLE_EQ(l.glyphs[2].height, 10.0);
    EXPECT_DOUBLE_EQ(l.glyphs[2].x, 7.5);
    EXPECT_DOUBLE_EQ(l.box.width(), 15.0);

    // \W sets the width factor; \S3^; is a raised 3 at 0.7 of the height.
    l = TextMetrics::layoutMText(L"{\\W0.5;12}m\\S3^;", 10);
    ASSERT_EQ(l.glyphs.size(), 4u);
    EXPECT_DOUBLE_EQ(l.glyphs[1].x + l.glyphs[1].width, 7.0);
    EXPECT_DOUBLE_EQ(l.glyphs[3].height, 7.0);
    EXPECT_GT(l.glyphs[3].y, l.glyphs[2].y);
    EXPECT_DOUBLE_EQ(l.box.width(), 7.0 + 8.5 + 0.7 * 7.0);

    // A fraction puts a bar between its two texts, the wider giving the width.
    l = TextMetrics::layoutMText(L"\\S1/25;", 10);
    ASSERT_EQ(l.bars.size(), 1u);
    EXPECT_NEAR(l.bars[0].x1 - l.bars[0].x0, 2 * 0.7 * 7.0, 1e-9);

    // Literals and hard spaces.
    l = TextMetrics::layoutMText(L"a\\\\b\\{\\~c", 10);
    std::wstring chars;
    for (const auto& g : l.glyphs)
        chars.push_back(g.ch);
    EXPECT_EQ(chars, L"a\\b{ c");
}

TEST(TextMetricsTest, ParagraphsStackDownwardAndAttachmentMovesTheBox)
{
    const TextMetrics::Layout top = TextMetrics::layoutMText(L"AB\\P盖", 10, 1.0, 0.0, 0.0, 1.0, 1);
    ASSERT_EQ(top.glyphs.size(), 3u);
    EXPECT_DOUBLE_EQ(top.glyphs[0].y, -10.0);
    EXPECT_NEAR(top.glyphs[2].y, -10.0 - 10.0 * 5.0 / 3.0, 1e-9);
    EXPECT_DOUBLE_EQ(top.box.maxY, 0.0);
    EXPECT_DOUBLE_EQ(top.box.minX, 0.0);
    EXPECT_DOUBLE_EQ(top.box.width(), 15.0);
    const double h = top.box.height();

    // Middle-centre: the location is the box's centre; the shorter line centres in the box.
    const TextMetrics::Layout mid = TextMetrics::layoutMText(L"AB\\P盖", 10, 1.0, 0.0, 0.0, 1.0, 5);
    EXPECT_NEAR(mid.box.minX, -7.5, 1e-9);
    EXPECT_NEAR(mid.box.maxY, h / 2.0, 1e-9);
    EXPECT_NEAR(mid.glyphs[2].x, -5.0, 1e-9);
    // Bottom-right.
    const TextMetrics::Layout br = TextMetrics::layoutMText(L"AB\\P盖", 10, 1.0, 0.0, 0.0, 1.0, 9);
    EXPECT_NEAR(br.box.maxX, 0.0, 1e-9);
    EXPECT_NEAR(br.box.minY, 0.0, 1e-9);
}

TEST(TextMetricsTest, WrappingBreaksAtSpacesOrBetweenWideCharacters)
{
    // "AB CD" with a width of 20 (at height 10 each capital is 7.5): "AB" / "CD", the space
    // at the break dropped.
    const TextMetrics::Layout l = TextMetrics::layoutMText(L"AB CD", 10, 1.0, 0.0, 20.0);
    ASSERT_EQ(l.glyphs.size(), 4u);
    EXPECT_EQ(l.glyphs[2].ch, L'C');
    EXPECT_DOUBLE_EQ(l.glyphs[2].x, 0.0);
    EXPECT_LT(l.glyphs[2].y, l.glyphs[0].y);
    EXPECT_DOUBLE_EQ(l.box.width(), 20.0);

    const TextMetrics::Layout cjk = TextMetrics::layoutMText(L"钢筋混凝土", 10, 1.0, 0.0, 25.0);
    int lines = 0;
    double lastY = 1.0;
    for (const auto& g : cjk.glyphs) {
        if (g.y != lastY)
            ++lines;
        lastY = g.y;
        EXPECT_LE(g.x + g.width, 25.0 + 1e-9);
    }
    EXPECT_EQ(lines, 3);
}

} // namespace
