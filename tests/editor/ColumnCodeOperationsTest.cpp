#include "CBent_ExtendSteel.h"
#include "ColumnCodeOperations.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

CBent_ExtendSteel WithCodes(const std::vector<int>& codes)
{
    CBent_ExtendSteel steel;
    for (int code : codes)
        steel.GetCodes().Add(code);
    return steel;
}

std::vector<int> Codes(const CBent_ExtendSteel& steel)
{
    std::vector<int> codes;
    for (int i = 0; i < steel.GetCodeCount(); ++i)
        codes.push_back(steel.GetCodeAt(i));
    return codes;
}

} // namespace

// The strengthening-bar dialog's seven choices on one code list.
TEST(ColumnCodeOperationsTest, DialogChoicesChangeTheirDigitsOnly)
{
    const std::vector<int> codes = {9000, 1234, 567, 1999, 9210};
    struct Case {
        const char* name;
        void (*apply)(CBent_ExtendSteel&);
        std::vector<int> expected;
    } cases[] = {
        {"clear edge", [](CBent_ExtendSteel& e) { e.ClearCodeHundreds(); }, {9000, 1034, 67, 1099, 9010}},
        {"clear middle", [](CBent_ExtendSteel& e) { e.ClearCodeTens(); }, {9000, 1204, 507, 1909, 9200}},
        {"clear mid-span", [](CBent_ExtendSteel& e) { e.ClearCodeUnits(); }, {9000, 1230, 560, 1990, 9210}},
        {"edge to middle", [](CBent_ExtendSteel& e) { e.CopyCodeHundredsToTens(); }, {9000, 1224, 557, 1999, 9220}},
        {"middle to edge", [](CBent_ExtendSteel& e) { e.CopyCodeTensToHundreds(); }, {9000, 1334, 667, 1999, 9110}},
        {"plate bars to strengthening", [](CBent_ExtendSteel& e) { e.ReplacePlateBarsWithStrengthening(); },
         {9000, 345, 567, 1999, 9210}},
        {"first layer to plate bars", [](CBent_ExtendSteel& e) { e.ReplaceFirstLayerWithPlateBars(); },
         {9000, 1234, 1456, 1999, 9210}},
    };
    for (const Case& c : cases) {
        CBent_ExtendSteel steel = WithCodes(codes);
        c.apply(steel);
        EXPECT_EQ(Codes(steel), c.expected) << c.name;
    }
}

TEST(ColumnCodeOperationsTest, ConversionsOfPlateBarsAndLayers)
{
    CBent_ExtendSteel steel = WithCodes({1021, 120, 1902, 9111});
    steel.ReplacePlateBarsWithStrengthening();
    // A digit 9 has no further layer to take: such a code is left as it is.
    EXPECT_EQ(Codes(steel), (std::vector<int>{132, 120, 1902, 9111}));
    EXPECT_EQ(steel.ReplaceFirstLayerWithPlateBars(), 4);
    EXPECT_EQ(Codes(steel), (std::vector<int>{1021, 120, 1902, 9111}));
}

TEST(ColumnCodeOperationsTest, MirrorCodesCopiesTheLeftHalfOntoTheRight)
{
    CBent_ExtendSteel odd = WithCodes({9000, 1210, 0, 1111, 9000});
    EXPECT_EQ(odd.MirrorCodes(), 5);
    EXPECT_EQ(Codes(odd), (std::vector<int>{9000, 1210, 0, 1210, 9000}));
    CBent_ExtendSteel even = WithCodes({1, 2, 3, 4});
    EXPECT_EQ(even.MirrorCodes(), 4);
    EXPECT_EQ(Codes(even), (std::vector<int>{1, 2, 2, 1}));
}

TEST(ColumnCodeOperationsTest, DigitsOfOneCode)
{
    int code = 1234;
    EXPECT_EQ(GetCodeDigit(code, TRUE), 2);
    EXPECT_EQ(GetCodeDigit(code, FALSE), 3);
    EXPECT_EQ(GetCodeUnits(code), 4);
    EXPECT_EQ(SetCodeThousands(code, 9), 4);
    EXPECT_EQ(code, 9234);
    EXPECT_EQ(SetCodeThousands(code, 0), 4);
    EXPECT_EQ(code, 234);
    EXPECT_EQ(SetCodeThousands(code, 10), 4);
    EXPECT_EQ(code, 234);
}
