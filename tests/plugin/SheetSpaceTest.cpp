// The room on the sheets: an item that fits keeps its place; one that does not takes the next
// free place along its row, then in the rows under it, then on a later sheet; none when no
// sheet has room.
#include "SheetSpace.h"

#include "CGLGZ_CapDraw.h"

#include <gtest/gtest.h>

namespace {

using Box = SheetSpace::Box;

// Two sheets of 100 x 100, the second 150 under the first, each with a corner taken at its
// bottom right (a title table), and a box taken at the top left of the first.
SheetSpace TwoSheets()
{
    SheetSpace space;
    space.AddSheet({ 0, 0, 100, 100 });
    space.AddSheet({ 0, -150, 100, -50 });
    space.Take({ 50, 0, 100, 20 });
    space.Take({ 50, -150, 100, -130 });
    space.Take({ 0, 60, 40, 100 });
    return space;
}

TEST(SheetSpace, AnItemKeepsItsPlaceOrTakesTheNextFreeOne)
{
    const SheetSpace space = TwoSheets();
    constexpr double m = SheetSpace::kMargin;
    constexpr double g = SheetSpace::kGap;
    struct Case {
        const char* what;
        Box item;
        bool fits;
        std::optional<std::pair<double, double>> place;
    } cases[] = {
        { "clear of all, inside", { 45, 40, 60, 55 }, true, std::pair(45.0, 40.0) },
        { "touching a box taken", { 40, 70, 60, 90 }, true, std::pair(40.0 + g, 70.0) },
        { "on the box taken: further along its row", { 30, 70, 50, 90 }, false, std::pair(40.0 + g, 70.0) },
        { "too wide beside the box taken: the row under it", { 10, 50, 70, 80 }, false, std::pair(m, 60.0 - g - 30.0) },
        { "in the title table: its row from the left", { 60, 10, 90, 30 }, false, std::pair(m, 10.0) },
        { "off the sheet's right side: its row from the left", { 90, 30, 120, 50 }, false, std::pair(m, 30.0) },
        { "too wide beside either title table: no place", { 0, 0, 60, 95 }, false, std::nullopt },
        { "higher than any sheet: no place", { 0, 0, 20, 120 }, false, std::nullopt },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(space.Fits(c.item), c.fits);
        const auto place = space.FindPlace(c.item, space.SheetOf(c.item));
        ASSERT_EQ(place.has_value(), c.place.has_value());
        if (!place)
            continue;
        EXPECT_NEAR(place->first, c.place->first, 1e-9);
        EXPECT_NEAR(place->second, c.place->second, 1e-9);
    }
    // The next sheet takes what the first has no room for, from its top left.
    const auto next = space.FindPlace({ 0, 0, 40, 90 }, 0);
    ASSERT_TRUE(next.has_value());
    EXPECT_NEAR(next->first, m, 1e-9);
    EXPECT_NEAR(next->second, -50.0 - m - 90.0, 1e-9);
}

TEST(SheetSpace, AnItemDropsDownItsColumnOnItsOwnSheet)
{
    const SheetSpace space = TwoSheets();
    constexpr double g = SheetSpace::kGap;
    // Under the box taken at the top left, by its overlap and the gap.
    const auto drop = space.FindDrop({ 10, 50, 30, 70 });
    ASSERT_TRUE(drop.has_value());
    EXPECT_NEAR(*drop, 70.0 - (60.0 - g), 1e-9);
    // No drop takes a box past the sheet's bottom, nor sets free a box wider than the sheet.
    EXPECT_FALSE(space.FindDrop({ 10, 5, 30, 65 }).has_value());
    EXPECT_FALSE(space.FindDrop({ -10, 30, 30, 50 }).has_value());
}

TEST(SheetSpace, AnItemThatFollowsAnotherTakesThePlacesAfterItInReadingOrder)
{
    SheetSpace space = TwoSheets();
    constexpr double m = SheetSpace::kMargin;
    constexpr double g = SheetSpace::kGap;
    // The one it follows stands at the top right of the first sheet: the next comes in the row
    // under it, right of the box at the top left (its own place, lower left, is not looked at).
    const Box previous { 60, 80, 90, 98 };
    space.Take(previous);
    const auto next = space.FindPlace({ 0, 30, 15, 45 }, 0, previous);
    ASSERT_TRUE(next.has_value());
    EXPECT_NEAR(next->first, 40.0 + g, 1e-9);
    EXPECT_NEAR(next->second, 80.0 - g - 15.0, 1e-9);
    // Without one to follow, an item first tries further along its own row.
    const auto own = space.FindPlace({ 30, 30, 45, 45 }, 0);
    ASSERT_TRUE(own.has_value());
    EXPECT_NEAR(own->first, 30.0, 1e-9);
    EXPECT_TRUE(space.After({ m, 43, m + 15, 58 }, previous));
    EXPECT_TRUE(space.After({ 92, 70, 95, 90 }, previous));
    EXPECT_FALSE(space.After({ 92, 85, 95, 99 }, previous));
    EXPECT_FALSE(space.After({ 0, 82, 20, 96 }, previous));
    EXPECT_TRUE(space.After({ 0, -100, 20, -60 }, previous));
    EXPECT_FALSE(space.After(previous, { 0, -100, 20, -60 }));
}

TEST(SheetSpace, AnItemBelongsToTheNearestSheet)
{
    const SheetSpace space = TwoSheets();
    EXPECT_EQ(space.SheetOf({ 10, 10, 20, 20 }), 0);
    EXPECT_EQ(space.SheetOf({ 10, -60, 20, -40 }), 1);
    EXPECT_EQ(space.SheetOf({ 110, -20, 130, 0 }), 0);
}

// A sheet's items move onto the sheet before it together when their block fits there, else one
// after another in reading order; not at all when one of them finds no room. Its notes stay.
TEST(SheetSpace, ASheetsItemsMoveOntoTheSheetBeforeOneAfterAnotherWhenTheirBlockDoesNotFit)
{
    SheetSpace space;
    space.AddSheet({ 0, 0, 100, 100 });
    space.AddSheet({ 0, -150, 100, -50 });
    space.Take({ 50, 0, 100, 20 });
    space.Take({ 0, 40, 100, 60 });
    using Placed = CGLGZ_CapDraw::Placed;
    auto item = [](Box box, bool notes = false) { return Placed { AcDbObjectIdArray(), box, 1, notes, AcGeVector3d() }; };
    std::vector<Placed> placed { item({ 10, -70, 90, -55 }), item({ 10, -120, 90, -105 }), item({ 60, -148, 98, -130 }, true) };
    ASSERT_TRUE(CGLGZ_CapDraw::ShiftsOntoSheetBefore(space, 1, placed));
    std::vector<Box> moved;
    for (const Placed& p : placed) {
        if (p.notes) {
            EXPECT_EQ(p.shift.length(), 0.0);
            continue;
        }
        const Box b { p.box.x0 + p.shift.x, p.box.y0 + p.shift.y, p.box.x1 + p.shift.x, p.box.y1 + p.shift.y };
        EXPECT_EQ(space.SheetOf(b), 0);
        EXPECT_TRUE(space.Fits(b)) << b.x0 << "," << b.y0;
        moved.push_back(b);
    }
    ASSERT_EQ(moved.size(), 2u);
    EXPECT_FALSE(moved[0].Overlaps(moved[1], 0.0));
    EXPECT_GT(moved[0].y0, moved[1].y1);  // the first in reading order stays above
    // A third that finds no room keeps the sheet.
    placed.push_back(item({ 10, -100, 90, -75 }));
    EXPECT_FALSE(CGLGZ_CapDraw::ShiftsOntoSheetBefore(space, 1, placed));
}

} // namespace
