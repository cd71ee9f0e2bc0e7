#include "BarLengthText.h"

#include <gtest/gtest.h>

TEST(BarLengthTextTest, ParsesAbsentEndCodedAndPlainLengths)
{
    struct Case {
        const wchar_t* text;
        BOOL acceptAbsent, applyEndCode;
        double expected;
    } cases[] = {
        {L"x", TRUE, TRUE, 99999},       {L"X", FALSE, TRUE, 0},          {L"12.5d", TRUE, TRUE, 80012.5},
        {L"12.5D", TRUE, FALSE, 12.5},   {L"-3D", FALSE, TRUE, 80003},    {L" 250D ", FALSE, TRUE, 80250},
        {L"1500", TRUE, TRUE, 1500},     {L"1500mm", TRUE, TRUE, 1500},   {L"abc", TRUE, TRUE, 0},
        {L"", TRUE, TRUE, 0},            {L"D", FALSE, TRUE, 80000},      {L"xx", TRUE, TRUE, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseBarLengthText(c.text, c.acceptAbsent, c.applyEndCode), c.expected)
            << CString(c.text).ToUtf8();
}

TEST(BarLengthTextTest, FormatsCodesAsTheFormsShowThem)
{
    struct Case {
        double value;
        const wchar_t* expected;
    } cases[] = {
        {80012.5, L"12.5D"}, {99999, L"X"},        {150000, L"X"}, {1000, L"1000"},
        {80000, L"0D"},      {1.0 / 3, L"0.3333333"}, {-2.5, L"-2.5"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatBarLengthText(c.value), c.expected) << c.value;
    // What the forms show they read back.
    for (double value : {80012.5, 99999.0, 1234.5})
        EXPECT_EQ(ParseBarLengthText(FormatBarLengthText(value), TRUE, TRUE), value);
}
