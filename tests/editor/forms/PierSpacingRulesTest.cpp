// The pier-spacing table's rules: the derived entries for the switches, and a typed spacing
// stored with its mirrored partner.
#include "PierSpacingRules.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// "A" for a derived entry, "-" for one the user types, entry by entry.
std::string Pattern(int n, BOOL equalMiddle, BOOL symmetric)
{
    std::string pattern;
    for (int i = 0; i < n; ++i)
        pattern += IsAutomaticSpacing(i, n, equalMiddle, symmetric) ? 'A' : '-';
    return pattern;
}

} // namespace

TEST(PierSpacingRulesTest, DerivedEntries)
{
    EXPECT_EQ(Pattern(1, TRUE, TRUE), "-");
    EXPECT_EQ(Pattern(2, FALSE, TRUE), "-A");
    EXPECT_EQ(Pattern(5, FALSE, TRUE), "---AA");
    EXPECT_EQ(Pattern(6, FALSE, TRUE), "----AA");
    EXPECT_EQ(Pattern(5, TRUE, FALSE), "-AAA-");
    EXPECT_EQ(Pattern(5, TRUE, TRUE), "-AAAA");
    EXPECT_EQ(Pattern(5, FALSE, FALSE), "-----");
}

TEST(PierSpacingRulesTest, TypedSpacingsTakeTheirPartners)
{
    CArray<double, const double&> spacings;
    for (double v : {1.0, 2.0})
        spacings.Add(v);
    EXPECT_EQ(StoreSupportSpacing(spacings, 0, 1.5, TRUE), 1);
    EXPECT_EQ(spacings[1], 1.5);
    // Five piers: entry 2 goes to entry 3, entry 1 has no partner.
    spacings.RemoveAll();
    for (double v : {1.0, 2.0, 3.0, 4.0, 5.0})
        spacings.Add(v);
    StoreSupportSpacing(spacings, 2, 7, TRUE);
    StoreSupportSpacing(spacings, 1, 8, TRUE);
    EXPECT_EQ(spacings[3], 7);
    EXPECT_EQ(spacings[4], 5);
    // A value within the tolerance changes nothing.
    EXPECT_EQ(StoreSupportSpacing(spacings, 1, 8.0000001, TRUE), 0);
    EXPECT_EQ(spacings[1], 8);
    EXPECT_EQ(StoreSupportSpacing(spacings, 0, 9, FALSE), 1);
    EXPECT_EQ(spacings[4], 5);
}
