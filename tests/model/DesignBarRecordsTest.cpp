// Design bar records: family defaults, column text, per-support lists and their index rules.
#include "CBent_LBLSteel.h"
#include "CBent_LPBSteel.h"
#include "CBent_LPMSteel.h"
#include "CBent_LPPSteel.h"
#include "CBent_LPTSteel.h"
#include "CBent_LTLSteel.h"
#include "CBent_LUBSteel.h"
#include "CBent_LUMSteel.h"
#include "CBent_LUPSteel.h"
#include "CBent_LUTSteel.h"
#include "CBent_PAFSteel.h"
#include "RealList.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<double> Values(const CArray<double, const double&>& list)
{
    std::vector<double> out;
    for (INT_PTR i = 0; i < list.GetSize(); ++i)
        out.push_back(list[i]);
    return out;
}

CBent_LUTSteel UpperBar(std::vector<double> left, std::vector<double> right)
{
    CBent_LUTSteel bar;
    EXPECT_TRUE(bar.SetColumnLists(Reals(left), Reals(right)));
    return bar;
}

std::vector<double> Lefts(const CBent_LUTSteel& bar)
{
    std::vector<double> out;
    for (int i = 0; i < bar.GetColumnListSize(); ++i)
        out.push_back(bar.GetLeftAxisDistanceAt(i));
    return out;
}

std::vector<double> Rights(const CBent_LUTSteel& bar)
{
    std::vector<double> out;
    for (int i = 0; i < bar.GetColumnListSize(); ++i)
        out.push_back(bar.GetRightAxisDistanceAt(i));
    return out;
}

} // namespace

TEST(DesignBarRecords, FamiliesStartWithTheirKindAndDefaults)
{
    struct Case {
        const char* family;
        const CBent_BASSteel& bar;
        int kind;
    };
    const CBent_LTLSteel ltl;
    const CBent_LBLSteel lbl;
    const CBent_LUPSteel lup;
    const CBent_LUMSteel lum;
    const CBent_LPPSteel lpp;
    const CBent_LPMSteel lpm;
    const CBent_LUTSteel lut;
    const CBent_LPTSteel lpt;
    const CBent_LUBSteel lub;
    const CBent_LPBSteel lpb;
    const CBent_PAFSteel paf;
    const Case cases[] = {{"LTL", ltl, 0}, {"LBL", lbl, 1}, {"LUP", lup, 2}, {"LUM", lum, 3},
                          {"LPP", lpp, 2}, {"LPM", lpm, 3}, {"LUT", lut, 4}, {"LPT", lpt, 5},
                          {"LUB", lub, 6}, {"LPB", lpb, 7}, {"PAF", paf, 0}};
    for (const Case& c : cases) {
        EXPECT_EQ(c.bar.GetKind(), c.kind) << c.family;
        EXPECT_EQ(c.bar.GetBarType(), 1) << c.family;
        EXPECT_EQ(c.bar.GetDiameter(), 28) << c.family;
        EXPECT_EQ(c.bar.GetColumnText(), CString(L"111111111111111")) << c.family;
    }
    EXPECT_EQ(ltl.GetLeftDistance(), 50.0);
    EXPECT_EQ(ltl.GetRightDistance(), 50.0);
    EXPECT_EQ(lup.GetLeftDistance(), 0.0);
    EXPECT_EQ(lut.GetBendSetting(), 30);
    EXPECT_EQ(lut.GetBendType(), 0);
    EXPECT_EQ(lut.GetColumnListSize(), 0);
    EXPECT_EQ(lpt.GetBendSetting(), 30);
    EXPECT_EQ(lpt.GetConnectFlag(), 0);
    EXPECT_EQ(lub.GetBendSetting(), 45);
    EXPECT_EQ(lub.GetBendDownParameter(), 1);
    EXPECT_EQ(lpb.GetBendSetting(), 45);
    EXPECT_EQ(lpb.GetBendDownParameter(), 1);
    EXPECT_EQ(lpb.GetFurtherValue(), 0);
    EXPECT_EQ(paf.GetStartColumn(), 0);
    EXPECT_EQ(paf.GetEndColumn(), 0);
}

TEST(DesignBarRecords, ResetKeepsTheFamily)
{
    CBent_LTLSteel top;
    top.SetLeftDistance(80);
    top.SetColumnText(L"1101");
    top.Reset();
    EXPECT_EQ(top.GetKind(), 0);
    EXPECT_EQ(top.GetLeftDistance(), 50.0);
    EXPECT_EQ(top.GetColumnText(), CString(L"110111111111111"));

    CBent_LPBSteel lower;
    lower.SetDistancesAndRadius(1, 2, 3);
    lower.Reset();
    EXPECT_EQ(lower.GetKind(), 7);
    EXPECT_EQ(lower.GetRadiusOrHeight(), 0.0);
}

TEST(DesignBarRecords, SetColumnCountCutsPadsAndClearsFirstColumn)
{
    struct Case {
        const wchar_t* text;
        int kind;
        int n;
        BOOL flag;
        BOOL accepted;
        const wchar_t* expected;
    };
    const Case cases[] = {
        {L"11111", 1, 3, FALSE, TRUE, L"111"},
        {L"1101", 1, 6, TRUE, TRUE, L"010111"},
        {L"1101", 2, 6, TRUE, TRUE, L"110111"},
        {L"1101", 0, 6, TRUE, TRUE, L"110111"},
        {L"1101", 3, 2, TRUE, TRUE, L"01"},
        {L"1101", 1, 0, TRUE, TRUE, L""},   // nothing left to clear
        {L"1101", 1, 21, FALSE, FALSE, L"1101"},  // past the drawable columns
        {L"1101", 1, -1, FALSE, FALSE, L"1101"},
    };
    for (const Case& c : cases) {
        CBent_BASSteel bar;
        bar.SetKind(c.kind);
        bar.SetColumnText(c.text);
        EXPECT_EQ(bar.SetColumnCount(c.n, c.flag), c.accepted) << c.n;
        EXPECT_EQ(bar.GetColumnText(), CString(c.expected)) << c.n;
    }
}

TEST(DesignBarRecords, UpperBentUpListsResizeFromTheMiddle)
{
    CBent_LUTSteel grow = UpperBar({1, 2, 3}, {11, 12, 13});
    EXPECT_TRUE(grow.ResizeColumnLists(4));
    EXPECT_EQ(Lefts(grow), (std::vector<double>{1, 2, 2, 3}));
    EXPECT_EQ(Rights(grow), (std::vector<double>{11, 12, 12, 13}));

    CBent_LUTSteel shrink = UpperBar({1, 2, 3, 4}, {11, 12, 13, 14});
    EXPECT_TRUE(shrink.ResizeColumnLists(2));
    EXPECT_EQ(Lefts(shrink), (std::vector<double>{1, 4}));
    EXPECT_EQ(Rights(shrink), (std::vector<double>{11, 14}));

    EXPECT_FALSE(shrink.ResizeColumnLists(10));
    EXPECT_EQ(shrink.GetColumnListSize(), 2);

    CBent_LUBSteel lower;
    ASSERT_TRUE(lower.SetColumnLists(Reals({1, 2}), Reals({3, 4}), Reals({5, 6})));
    EXPECT_TRUE(lower.ResizeColumnLists(3));
    EXPECT_EQ(lower.GetRadiusOrHeightAt(1), 5.0);  // a two-entry list repeats its first
    EXPECT_EQ(lower.GetRadiusOrHeightAt(2), 6.0);
}

TEST(DesignBarRecords, UpperBentUpIndexNegativeMeansLastPastEndThrows)
{
    CBent_LUTSteel bar = UpperBar({1, 2, 3}, {11, 12, 13});
    EXPECT_EQ(bar.GetLeftAxisDistanceAt(-1), 3.0);
    EXPECT_EQ(bar.GetRightAxisDistanceAt(-5), 13.0);
    bar.SetRightAxisDistanceAt(-1, 99);
    EXPECT_EQ(bar.GetRightAxisDistanceAt(2), 99.0);

    EXPECT_THROW(bar.GetLeftAxisDistanceAt(3), CInvalidArgException);
    EXPECT_THROW(bar.SetLeftAxisDistanceAt(3, 7), CInvalidArgException);
    EXPECT_EQ(Lefts(bar), (std::vector<double>{1, 2, 3}));

    CBent_LUTSteel empty;
    EXPECT_THROW(empty.GetLeftAxisDistanceAt(-1), CInvalidArgException);
    EXPECT_THROW(empty.SetRightAxisDistanceAt(-1, 5), CInvalidArgException);
    EXPECT_EQ(empty.GetColumnListSize(), 0);
}

TEST(DesignBarRecords, LowerBentUpIndexOutsideListThrowsAndKeepsValues)
{
    CBent_LUBSteel bar;
    ASSERT_TRUE(bar.SetColumnLists(Reals({1, 2}), Reals({3, 4}), Reals({5, 6})));
    EXPECT_THROW(bar.GetLeftAxisDistanceAt(-1), CInvalidArgException);
    EXPECT_THROW(bar.SetRadiusOrHeightAt(-1, 9), CInvalidArgException);
    EXPECT_THROW(bar.SetRightAxisDistanceAt(2, 9), CInvalidArgException);
    EXPECT_THROW(bar.GetRadiusOrHeightAt(2), CInvalidArgException);
    CArray<double, const double&> all;
    bar.GetColumnLists(all);
    EXPECT_EQ(Values(all), (std::vector<double>{1, 3, 5, 2, 4, 6}));
}

TEST(DesignBarRecords, ColumnListsInterleaveAndRefuseUnevenLists)
{
    CBent_LUTSteel bar = UpperBar({10, 30}, {20, 40});
    CArray<double, const double&> line = Reals({7});
    bar.GetColumnLists(line);
    EXPECT_EQ(Values(line), (std::vector<double>{10, 20, 30, 40}));

    CArray<double, const double&> lefts, rights;
    EXPECT_EQ(bar.GetColumnLists(lefts, rights), 2);
    EXPECT_EQ(Values(rights), (std::vector<double>{20, 40}));

    // Uneven lists would leave a support with a left but no right distance.
    EXPECT_FALSE(bar.SetColumnLists(Reals({1, 2, 3}), Reals({4, 5})));
    EXPECT_FALSE(bar.SetColumnLists(Reals(std::vector<double>(10, 1.0)), Reals(std::vector<double>(10, 1.0))));
    EXPECT_EQ(Lefts(bar), (std::vector<double>{10, 30}));

    CBent_LUBSteel lower;
    EXPECT_FALSE(lower.SetColumnLists(Reals({1}), Reals({2}), Reals({})));
    EXPECT_EQ(lower.GetColumnListSize(), 0);
}

TEST(DesignBarRecords, MirrorListsCopiesLeftHalfOntoRightHalf)
{
    CBent_LUTSteel odd = UpperBar({1, 2, 3}, {11, 12, 13});
    odd.MirrorLists();
    EXPECT_EQ(Lefts(odd), (std::vector<double>{1, 2, 11}));
    EXPECT_EQ(Rights(odd), (std::vector<double>{11, 2, 1}));

    CBent_LUTSteel even = UpperBar({1, 2, 3, 4}, {11, 12, 13, 14});
    even.MirrorLists();
    EXPECT_EQ(Lefts(even), (std::vector<double>{1, 2, 12, 11}));
    EXPECT_EQ(Rights(even), (std::vector<double>{11, 12, 2, 1}));

    CBent_LUBSteel lower;
    ASSERT_TRUE(lower.SetColumnLists(Reals({1, 2, 3}), Reals({11, 12, 13}), Reals({21, 22, 23})));
    lower.MirrorLists();
    CArray<double, const double&> all;
    lower.GetColumnLists(all);
    EXPECT_EQ(Values(all), (std::vector<double>{1, 11, 21, 2, 2, 22, 11, 1, 21}));
}

TEST(DesignBarRecords, CopiesAreDeep)
{
    CBent_LUTSteel original = UpperBar({1, 2}, {3, 4});
    original.SetColumnText(L"101");
    CBent_LUTSteel copy(original);
    copy.SetLeftAxisDistanceAt(0, 50);
    copy.SetColumnText(L"000");
    copy.ResizeColumnLists(5);
    EXPECT_EQ(Lefts(original), (std::vector<double>{1, 2}));
    EXPECT_EQ(original.GetColumnText(), CString(L"101"));

    CBent_LUBSteel lower;
    ASSERT_TRUE(lower.SetColumnLists(Reals({1}), Reals({2}), Reals({3})));
    CBent_LUBSteel assigned;
    assigned = lower;
    assigned.SetRadiusOrHeightAt(0, 30);
    EXPECT_EQ(lower.GetRadiusOrHeightAt(0), 3.0);
    EXPECT_EQ(assigned.GetKind(), 6);
}
