// The check before drawing: its two refusals leave the design as read; passing applies the
// symmetry flags that are set and gives every bar of the main face the column text of the
// per-column codes.
#include "CBent_PierInfo.h"

#include <gtest/gtest.h>

namespace {

void SetAllSymmetry(CBent_PierInfo& d, int flag)
{
    d.SetGeneralSymmetric(flag);
    d.SetColumnSpacingSymmetric(flag);
    d.SetSectionStirrupsSymmetric(flag);
    d.SetSkeletonArrangementSymmetric(flag);
    d.SetBarSkeletonSymmetric(flag);
    d.SetStrengtheningSymmetric(flag);
}

CBent_PAFSteel Stirrup(int start, int end)
{
    CBent_PAFSteel s;
    s.SetStartColumn(start);
    s.SetEndColumn(end);
    return s;
}

// Three supports, five bar columns, asymmetric everywhere the flags could act, no flag set.
CBent_PierInfo SmallDesign()
{
    CBent_PierInfo d;
    SetAllSymmetry(d, 0);
    for (double distance : {1500.0, 4000.0, 2500.0})
        d.GetSupportDistances().Add(distance);
    d.GetExtendSteel().SetCodeCount(5);
    const int codes[] = {9000, 1230, 9999, 8999, 1000};
    for (int i = 0; i < 5; ++i)
        d.GetExtendSteel().SetCodeAt(i, codes[i]);

    CBent_FaceInfo& main = d.GetMainFace();
    main.SetBarColumnCount(5);
    main.GetLTLSteel().SetLeftDistance(40);
    main.GetLTLSteel().SetRightDistance(60);
    main.GetLUPSteels().Add(CBent_LUPSteel());
    main.GetSupports().SetSize(3);
    main.GetSupports()[0].GetLPMSteels().Add(CBent_LPMSteel());
    CBent_LPTSteel upper;
    upper.SetAxisDistances(700, 900);
    main.GetSupports()[0].GetLPTSteels().Add(upper);
    main.GetStirrups().Add(Stirrup(1, 2));
    main.GetStirrups().Add(Stirrup(4, 5));
    // Stirrups keep their own text.
    main.GetStirrups()[0].SetColumnText(L"11");
    d.GetEndFace().GetLUPSteels().Add(CBent_LUPSteel());
    return d;
}

} // namespace

TEST(CheckBeforeDrawing, RefusalsLeaveTheDesignAsRead)
{
    struct Case {
        bool supports, columns;
        const wchar_t* message;
    } cases[] = {
        {false, false, L"墩柱个数太少，至少需要一个墩柱"},
        {false, true, L"墩柱个数太少，至少需要一个墩柱"},
        {true, false, L"钢筋列数太少，至少需要一列钢筋"},
    };
    for (const Case& c : cases) {
        CBent_PierInfo d = SmallDesign();
        SetAllSymmetry(d, 1);
        if (!c.supports)
            d.GetSupportDistances().RemoveAll();
        if (!c.columns)
            d.GetExtendSteel().SetCodeCount(0);
        const CBent_PierInfo asRead = d;
        CString message = L"unchanged";
        EXPECT_EQ(d.CheckBeforeDrawing(message, 1), 0);
        EXPECT_EQ(message, CString(c.message));
        EXPECT_TRUE(d == asRead);
    }
}

TEST(CheckBeforeDrawing, WithoutSymmetryOnlyTheMainFaceColumnTextsChange)
{
    CBent_PierInfo d = SmallDesign();
    CBent_PierInfo expected = d;
    expected.GetMainFace().SetColumnText(L"10100");

    CString message = L"unchanged";
    EXPECT_EQ(d.CheckBeforeDrawing(message, 1), 1);
    EXPECT_EQ(message, CString(L"unchanged"));
    EXPECT_TRUE(d == expected);
    // The whole text is replaced, whatever length it had.
    EXPECT_EQ(d.GetMainFace().GetSupports()[0].GetLPMSteels()[0].GetColumnText(), CString(L"10100"));
    EXPECT_EQ(d.GetMainFace().GetStirrups()[0].GetColumnText(), CString(L"11"));
    EXPECT_EQ(d.GetEndFace().GetLUPSteels()[0].GetColumnText().GetLength(), 15);
}

TEST(CheckBeforeDrawing, EachSymmetryFlagActsOnItsOwnData)
{
    {
        CBent_PierInfo d = SmallDesign();
        d.SetColumnSpacingSymmetric(1);
        CString message;
        ASSERT_EQ(d.CheckBeforeDrawing(message, 1), 1);
        EXPECT_EQ(d.GetSupportDistances()[2], 1500.0);
        EXPECT_EQ(d.GetExtendSteel().GetCodeAt(4), 1000);
    }
    {
        CBent_PierInfo d = SmallDesign();
        d.SetStrengtheningSymmetric(1);
        CString message;
        ASSERT_EQ(d.CheckBeforeDrawing(message, 1), 1);
        const int mirrored[] = {9000, 1230, 9999, 1230, 9000};
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(d.GetExtendSteel().GetCodeAt(i), mirrored[i]) << i;
        // The column text follows the mirrored codes.
        EXPECT_EQ(d.GetMainFace().GetLTLSteel().GetColumnText(), CString(L"10101"));
        EXPECT_EQ(d.GetSupportDistances()[2], 2500.0);
    }
    {
        CBent_PierInfo d = SmallDesign();
        d.GetExtendSteel().SetCodeCount(1);
        d.SetStrengtheningSymmetric(1);
        CString message;
        ASSERT_EQ(d.CheckBeforeDrawing(message, 1), 1);
        EXPECT_EQ(d.GetExtendSteel().GetCodeAt(0), 9000);
        EXPECT_EQ(d.GetMainFace().GetLUPSteels()[0].GetColumnText(), CString(L"1"));
    }
    {
        CBent_PierInfo d = SmallDesign();
        d.SetBarSkeletonSymmetric(1);
        CString message;
        ASSERT_EQ(d.CheckBeforeDrawing(message, 1), 1);
        EXPECT_EQ(d.GetMainFace().GetLTLSteel().GetRightDistance(), 40.0);
        // The last support becomes the mirror image of the first.
        ASSERT_EQ(d.GetMainFace().GetSupports()[2].GetLPTSteels().GetSize(), 1);
        EXPECT_EQ(d.GetMainFace().GetSupports()[2].GetLPTSteels()[0].GetLeftAxisDistance(), 900.0);
    }
}

TEST(CheckBeforeDrawing, StirrupSymmetryCompletesOnlyWhenAsked)
{
    for (int complete : {0, 1}) {
        CBent_PierInfo d = SmallDesign();
        d.SetSectionStirrupsSymmetric(1);
        CString message;
        ASSERT_EQ(d.CheckBeforeDrawing(message, complete), 1);
        const auto& stirrups = d.GetMainFace().GetStirrups();
        if (complete) {
            // (4, 5) is the mirror of (1, 2): pruned, then added back as its mirror image.
            ASSERT_EQ(stirrups.GetSize(), 2);
            EXPECT_EQ(stirrups[1].GetStartColumn(), 4);
            EXPECT_EQ(stirrups[1].GetEndColumn(), 5);
        } else {
            ASSERT_EQ(stirrups.GetSize(), 1);
            EXPECT_EQ(stirrups[0].GetStartColumn(), 1);
        }
    }
}
