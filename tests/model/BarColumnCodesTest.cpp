// Per-column strengthening codes: the thousands digit survives every digit edit, and a value
// that would carry into a neighbouring digit is refused.
#include "BarColumnCodes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

struct DigitCase {
    const char* name;
    int code;
    int value;
    int place;  // 2 hundreds, 1 tens, 0 units
    BOOL accepted;
    int expected;
};

BOOL Apply(int& code, const DigitCase& c)
{
    if (c.place == 0)
        return SetCodeUnits(code, c.value);
    return SetCodeDigit(code, c.value, c.place == 2);
}

} // namespace

TEST(BarColumnCodes, DigitEditsNormaliseThousandsAndRefuseCarries)
{
    const DigitCase cases[] = {
        {"hundreds of a strengthened column", 1234, 7, 2, TRUE, 1734},
        {"tens of a skeleton column", 9234, 0, 1, TRUE, 9204},
        {"units drop an unknown thousands digit", 5234, 1, 0, TRUE, 231},
        {"nine in every place stays in its place", 1000, 9, 2, TRUE, 1900},
        {"tens nine next to hundreds nine", 9900, 9, 1, TRUE, 9990},
        {"units nine next to tens nine", 1990, 9, 0, TRUE, 1999},
        {"plain column keeps thousands 0", 234, 5, 1, TRUE, 254},
        {"hundreds 10 would make a strengthened column a 2xxx", 1234, 10, 2, FALSE, 1234},
        {"tens 10 would carry into hundreds", 9294, 10, 1, FALSE, 9294},
        {"units 12 would carry into tens", 1230, 12, 0, FALSE, 1230},
        {"negative digit would borrow from the next", 9100, -1, 2, FALSE, 9100},
        {"negative units", 1111, -3, 0, FALSE, 1111},
    };
    for (const DigitCase& c : cases) {
        int code = c.code;
        EXPECT_EQ(Apply(code, c), c.accepted) << c.name;
        EXPECT_EQ(code, c.expected) << c.name;
    }
}

TEST(BarColumnCodes, ThousandsDigitClassifiesTheColumn)
{
    EXPECT_TRUE(IsSkeletonCode(9000));
    EXPECT_TRUE(IsSkeletonCode(9999));
    EXPECT_FALSE(IsSkeletonCode(8999));
    EXPECT_FALSE(IsSkeletonCode(10000));
    EXPECT_TRUE(IsStrengthenedCode(1000));
    EXPECT_TRUE(IsStrengthenedCode(1999));
    EXPECT_FALSE(IsStrengthenedCode(999));
    EXPECT_FALSE(IsStrengthenedCode(-1000));

    int code = 1234;
    SetSkeletonCode(code, TRUE);
    EXPECT_EQ(code, 9000);
    SetSkeletonCode(code, FALSE);
    EXPECT_EQ(code, 0);
}

TEST(BarColumnCodes, ReadingTheLayerDigits)
{
    EXPECT_EQ(GetCodeDigit(9123, TRUE), 1);
    EXPECT_EQ(GetCodeDigit(9123, FALSE), 2);
    EXPECT_EQ(GetCodeUnits(9123), 3);
    EXPECT_EQ(GetCodeDigit(1056, TRUE), 0);
}

TEST(BarColumnCodes, CodedLengthRange)
{
    EXPECT_TRUE(IsBarCodeInRange(80000.0));
    EXPECT_TRUE(IsBarCodeInRange(99998.999));
    EXPECT_FALSE(IsBarCodeInRange(99999.0));
    EXPECT_FALSE(IsBarCodeInRange(79999.999));
    EXPECT_FALSE(IsBarCodeInRange(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_FALSE(IsBarCodeInRange(std::numeric_limits<double>::infinity()));
}
