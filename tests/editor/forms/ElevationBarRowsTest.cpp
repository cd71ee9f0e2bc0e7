// Bar rows of the elevation-bar form: the cells a bar shows, with "M" for what a symmetric
// skeleton derives, and a typed row stored with the partner pier's values.
#include "ElevationBarRows.h"

#include <gtest/gtest.h>

namespace {

class ElevationBarRowsTest : public ::testing::Test {
protected:
    void Piers(int n)
    {
        m_design.GetSupportDistances().RemoveAll();
        m_design.InitSupports(n);
        m_design.GetMainFace().SetSupportCount(n);
        m_design.SetBarSkeletonSymmetric(1);
    }
    std::vector<std::wstring> Texts(ElevationBarView view, int j = 0)
    {
        std::vector<std::wstring> texts;
        for (const ElevationBarCell& cell : ElevationBarRowCells(m_design, view, j))
            texts.push_back(cell.text.GetString());
        return texts;
    }
    CBent_PoleInfo& Support(int i) { return m_design.GetMainFace().GetSupports()[i]; }
    CBent_PierInfo m_design;
};

CBent_LPPSteel Straight(double left, double right)
{
    CBent_LPPSteel bar;
    bar.SetLeftDistance(left);
    bar.SetRightDistance(right);
    return bar;
}

std::vector<CString> Row(std::initializer_list<const wchar_t*> texts)
{
    std::vector<CString> row;
    for (const wchar_t* text : texts)
        row.emplace_back(text);
    return row;
}

} // namespace

TEST_F(ElevationBarRowsTest, LockedPiersShowMirroredValuesAndStoreNothing)
{
    Piers(4);
    for (int i = 0; i < 4; ++i) {
        Support(i).GetLPPSteels().Add(Straight(10 + i, 20 + i));
        CBent_LPMSteel bottom;
        bottom.SetLeftDistance(5);
        Support(i).GetLPMSteels().Add(bottom);
    }
    EXPECT_EQ(Texts({0, 1}), (std::vector<std::wstring>{L"10", L"20"}));
    EXPECT_EQ(Texts({2, 1}), (std::vector<std::wstring>{L"M", L"M"}));
    EXPECT_EQ(Texts({3, 2}), (std::vector<std::wstring>{L"5", L"0"}));
    EXPECT_EQ(StoreElevationBarRow(m_design, {3, 1}, 0, Row({L"1", L"2"})), 0);
    EXPECT_EQ(Support(3).GetLPPSteels()[0].GetLeftDistance(), 13);
    // Storing pier 1 makes pier 4 its mirror, pier 2 pier 3.
    EXPECT_EQ(StoreElevationBarRow(m_design, {0, 1}, 0, Row({L"7", L"8"})), 1);
    EXPECT_EQ(MirrorPartnerSupport(m_design, {0, 1}), 1);
    EXPECT_EQ(Support(3).GetLPPSteels()[0].GetLeftDistance(), 8);
    EXPECT_EQ(Support(3).GetLPPSteels()[0].GetRightDistance(), 7);
    EXPECT_EQ(MirrorPartnerSupport(m_design, {1, 1}), 1);
    EXPECT_EQ(Support(2).GetLPPSteels()[0].GetLeftDistance(), 21);
}

TEST_F(ElevationBarRowsTest, TheMiddlePierTakesItsLeftForItsRight)
{
    Piers(3);
    CBent_LPTSteel upper;
    upper.SetAxisDistances(30, 40);
    Support(1).GetLPTSteels().Add(upper);
    EXPECT_EQ(Texts({1, 3}), (std::vector<std::wstring>{L"否", L"30", L"M"}));
    EXPECT_EQ(StoreElevationBarRow(m_design, {1, 3}, 0, Row({L"是", L"X", L"M"})), 1);
    const CBent_LPTSteel& stored = Support(1).GetLPTSteels()[0];
    EXPECT_EQ(stored.GetConnectFlag(), 1);
    EXPECT_EQ(stored.GetLeftAxisDistance(), 99999);
    EXPECT_EQ(stored.GetRightAxisDistance(), 99999);
    EXPECT_EQ(MirrorPartnerSupport(m_design, {1, 3}), 0);
}

TEST_F(ElevationBarRowsTest, WholeUpperBarsTakeThePartnerAndKeepMarkersAtTheEnds)
{
    Piers(3);
    CBent_LUTSteel bar;
    bar.ResizeColumnLists(3);
    m_design.GetMainFace().GetLUTSteels().Add(bar);
    const ElevationBarView view{-1, 3};
    EXPECT_EQ(Texts(view), (std::vector<std::wstring>{L"0", L"0", L"0", L"M", L"M", L"M"}));
    ASSERT_EQ(StoreElevationBarRow(m_design, view, 0, Row({L"12D", L"34", L"56D", L"M", L"M", L"M"})), 1);
    const CBent_LUTSteel& stored = m_design.GetMainFace().GetLUTSteels()[0];
    EXPECT_EQ(stored.GetLeftAxisDistanceAt(0), 80012);
    EXPECT_EQ(stored.GetRightAxisDistanceAt(0), 34);
    // Pier 2's marker is dropped; its right is its left.
    EXPECT_EQ(stored.GetLeftAxisDistanceAt(1), 56);
    EXPECT_EQ(stored.GetRightAxisDistanceAt(1), 56);
    // Pier 3 mirrors pier 1.
    EXPECT_EQ(stored.GetLeftAxisDistanceAt(2), 34);
    EXPECT_EQ(stored.GetRightAxisDistanceAt(2), 80012);
}

TEST_F(ElevationBarRowsTest, WholeBottomBarsAreAutomatic)
{
    Piers(2);
    CBent_LUMSteel bar;
    bar.SetLeftDistance(3);
    m_design.GetMainFace().GetLUMSteels().Add(bar);
    const std::vector<ElevationBarCell> cells = ElevationBarRowCells(m_design, {-1, 2}, 0);
    ASSERT_EQ(cells.size(), 2u);
    EXPECT_EQ(cells[0].text, CString(L"自动"));
    EXPECT_TRUE(cells[1].readOnly);
    EXPECT_EQ(StoreElevationBarRow(m_design, {-1, 2}, 0, Row({L"自动", L"自动"})), 1);
    EXPECT_EQ(m_design.GetMainFace().GetLUMSteels()[0].GetLeftDistance(), 0);
}

TEST_F(ElevationBarRowsTest, ABendTypeOtherThanArcIsStraight)
{
    Piers(2);
    m_design.SetBarSkeletonSymmetric(0);
    CBent_LPBSteel bar;
    bar.SetBendDownParameter(0);
    Support(0).GetLPBSteels().Add(bar);
    const std::vector<ElevationBarCell> cells = ElevationBarRowCells(m_design, {0, 4}, 0);
    EXPECT_EQ(cells[0].text, CString(L"圆弧"));
    EXPECT_EQ(cells[0].choices.size(), 2u);
    StoreElevationBarRow(m_design, {0, 4}, 0, Row({L"?", L"1", L"2", L"3"}));
    EXPECT_EQ(Support(0).GetLPBSteels()[0].GetBendDownParameter(), 1);
    EXPECT_EQ(Support(0).GetLPBSteels()[0].GetRadiusOrHeight(), 3);
    StoreElevationBarRow(m_design, {0, 4}, 0, Row({L"圆弧", L"1", L"2", L"3"}));
    EXPECT_EQ(Support(0).GetLPBSteels()[0].GetBendDownParameter(), 0);
}

// The cells that take numbers check what is typed into them: a plain number, or for the axis
// distances of upper bars a bar length ("X", a number with "D" after it); list cells take none.
TEST_F(ElevationBarRowsTest, NumberCellsCheckTheirTexts)
{
    Piers(2);
    m_design.SetBarSkeletonSymmetric(0);
    Support(0).GetLPTSteels().Add(CBent_LPTSteel());
    Support(0).GetLPBSteels().Add(CBent_LPBSteel());
    const std::vector<ElevationBarCell> upper = ElevationBarRowCells(m_design, {0, 3}, 0);
    const std::vector<ElevationBarCell> bent = ElevationBarRowCells(m_design, {0, 4}, 0);
    ASSERT_EQ(upper.size(), 3u);
    ASSERT_EQ(bent.size(), 4u);
    EXPECT_EQ(upper[0].numberCheck, nullptr);
    EXPECT_EQ(bent[0].numberCheck, nullptr);
    const struct {
        const wchar_t* text;
        bool number;
        bool length;
    } cases[] = {{L"35.5", true, true}, {L" 120D ", false, true}, {L"x", false, true}, {L"abc", false, false},
                 {L"D", false, false},  {L"12abc", false, false}, {L"", false, false}};
    for (const auto& c : cases) {
        EXPECT_EQ(bent[1].numberCheck(c.text) != FALSE, c.number) << c.text;
        EXPECT_EQ(upper[1].numberCheck(c.text) != FALSE, c.length) << c.text;
    }
}
