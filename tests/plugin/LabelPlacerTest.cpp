// The placing of labels: the least shift of a label along its line that keeps it a gap clear
// of the texts already placed, either way, within its reach, several boxes moving as one.
#include "LabelPlacer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <vector>

namespace {

using Quad = LabelPlacer::Quad;

Quad Rect(double x0, double y0, double x1, double y1)
{
    return { AcGePoint3d(x0, y0, 0.0), AcGePoint3d(x1, y0, 0.0), AcGePoint3d(x1, y1, 0.0), AcGePoint3d(x0, y1, 0.0) };
}

// A square of side 2 about (cx, cy) turned 45 degrees.
Quad Diamond(double cx, double cy)
{
    const double r = std::sqrt(2.0);
    return { AcGePoint3d(cx, cy - r, 0.0), AcGePoint3d(cx + r, cy, 0.0), AcGePoint3d(cx, cy + r, 0.0),
        AcGePoint3d(cx - r, cy, 0.0) };
}

const double kRoot2 = std::sqrt(2.0);
const double kGap = LabelPlacer::kGap;

struct ShiftCase {
    const char* name;
    std::vector<Quad> placed;
    std::vector<Quad> moving;
    AcGeVector3d direction;
    double least, most;
    std::optional<double> shift;
};

TEST(LabelPlacer, TheLeastShiftAlongTheLineThatClearsThePlacedTexts)
{
    const AcGeVector3d x(1.0, 0.0, 0.0);
    const AcGeVector3d up(0.0, 1.0, 0.0);
    const AcGeVector3d slope(1.0 / kRoot2, 1.0 / kRoot2, 0.0);
    const ShiftCase cases[] = {
        { "clear already", { Rect(0, 0, 10, 2) }, { Rect(11, 0, 15, 2) }, x, -20, 20, 0.0 },
        { "a gap short of the next is too close", { Rect(0, 0, 10, 2) }, { Rect(10.1, 0, 14, 2) }, x, -20, 20,
            kGap - 0.1 },
        { "over the right end goes right", { Rect(0, 0, 10, 2) }, { Rect(8, 0, 12, 2) }, x, -20, 20, 2 + kGap },
        { "over the left end goes left", { Rect(0, 0, 10, 2) }, { Rect(-2, 0, 3, 2) }, x, -20, 20, -3 - kGap },
        { "no room between two: past the nearer", { Rect(0, 0, 10, 2), Rect(12.5, 0, 20, 2) }, { Rect(7, 0, 11, 2) },
            x, -20, 20, -11 - kGap },
        { "room between two", { Rect(0, 0, 10, 2), Rect(16, 0, 20, 2) }, { Rect(8, 0, 12, 2) }, x, -20, 20,
            2 + kGap },
        { "along a slope it clears on the nearer side", { Rect(0, 0, 2, 2) }, { Rect(0.5, 0, 2.5, 2) }, slope, -20, 20,
            (1.5 + kGap) * kRoot2 },
        { "out of reach", { Rect(0, 0, 10, 2) }, { Rect(4, 0, 6, 2) }, x, -3, 3, std::nullopt },
        { "the reach's end when it clears", { Rect(0, 0, 10, 2) }, { Rect(8, 0, 12, 2) }, x, 0, 2 + kGap, 2 + kGap },
        { "moving across a text's line", { Rect(0, 0, 10, 2) }, { Rect(2, 1, 5, 3) }, up, -10, 10, 1 + kGap },
        { "moving along a text that spans the way stays blocked", { Rect(-50, 0, 50, 2) }, { Rect(2, 1, 5, 3) }, x,
            -20, 20, std::nullopt },
        { "boxes moving as one: the last to clear decides", { Rect(0, 0, 10, 2) },
            { Rect(8, 0, 12, 2), Rect(3, -3, 9, 1) }, up, -10, 10, -2 - kGap },
        { "turned boxes clear by their edges, not their extents", { Diamond(0, 0) }, { Rect(1.2, 1.2, 3, 3) }, x,
            -10, 10, 0.0 },
    };
    for (const ShiftCase& c : cases) {
        SCOPED_TRACE(c.name);
        LabelPlacer placer;
        for (const Quad& q : c.placed)
            placer.Occupy(q);
        const std::optional<double> shift = placer.FreeShift(c.moving, c.direction, c.least, c.most);
        ASSERT_EQ(shift.has_value(), c.shift.has_value());
        if (shift) {
            EXPECT_NEAR(*shift, *c.shift, 1e-9);
        }
    }
}

TEST(LabelPlacer, OverlapIsOfTheBoxesThemselves)
{
    EXPECT_TRUE(LabelPlacer::Overlap(Rect(0, 0, 2, 2), Rect(1, 1, 3, 3)));
    EXPECT_FALSE(LabelPlacer::Overlap(Rect(0, 0, 2, 2), Rect(2, 0, 4, 2)));
    EXPECT_FALSE(LabelPlacer::Overlap(Diamond(0, 0), Rect(1.2, 1.2, 3, 3)));
    EXPECT_TRUE(LabelPlacer::Overlap(Diamond(0, 0), Rect(0.5, 0.5, 3, 3)));
    LabelPlacer placer;
    placer.Occupy(Rect(0, 0, 2, 2));
    EXPECT_TRUE(placer.Covers({ Rect(5, 5, 6, 6), Rect(1, 1, 3, 3) }));
    EXPECT_FALSE(placer.Covers({ Rect(5, 5, 6, 6) }));
}

} // namespace
