// The elevation-bar form: one bar kind of the whole elevation or of a pier in the grid, the
// values a symmetric skeleton derives shown as "M", and the typed rows stored into the design
// (with the partner pier mirrored) when the form is left.
#include "CBentCapFormRBView.h"
#include "FormsTestSupport.h"

namespace {

class ElevationBarFormTest : public FormsTest {
protected:
    void SetUp() override
    {
        FormsTest::SetUp();
        OpenSample();
    }
    CBentCapFormRBView* Show(int code)
    {
        EXPECT_TRUE(Choose(code)) << code;
        auto* form = Current<CBentCapFormRBView>();
        EXPECT_NE(form, nullptr) << code;
        return form;
    }
    CGridCtrl& Grid(int code) { return *Show(code)->GetGridCtrl(); }
    // A row's texts from column 0; read-only cells marked with a trailing "#".
    static std::vector<std::wstring> Row(const CGridCtrl& grid, int row)
    {
        std::vector<std::wstring> texts;
        for (int col = 0; col < grid.GetColumnCount(); ++col)
            texts.push_back(std::wstring(grid.GetItemText(row, col).GetString()) +
                            (row >= grid.GetFixedRowCount() && col > 0 && !grid.IsCellEditable(row, col) ? L"#" : L""));
        return texts;
    }
    CBent_FaceInfo& Face() { return Design().GetMainFace(); }
    CBent_PoleInfo& Support(int i) { return Face().GetSupports()[i]; }
    using Texts = std::vector<std::wstring>;
};

} // namespace

TEST_F(ElevationBarFormTest, WholeElevationUpperBentBarsHaveTwoHeaderRowsPerPier)
{
    CGridCtrl& grid = Grid(103);
    ASSERT_EQ(grid.GetRowCount(), 4);
    ASSERT_EQ(grid.GetColumnCount(), 7);
    EXPECT_EQ(grid.GetFixedRowCount(), 2);
    EXPECT_EQ(grid.GetFixedColumnCount(), 1);
    for (int col = 0; col < 7; ++col)
        EXPECT_EQ(grid.GetColumnWidth(col), 70) << col;
    EXPECT_EQ(Row(grid, 0), (Texts{L"编号", L"墩柱1", L"", L"墩柱2", L"", L"墩柱3", L""}));
    EXPECT_EQ(Row(grid, 1), (Texts{L"", L"轴左距", L"轴右距", L"轴左距", L"轴右距", L"轴左距", L"轴右距"}));
    // "编号" over both header rows, each pier over its two columns.
    EXPECT_EQ(grid.GetMergeOwner(1, 0), CCellID(0, 0));
    EXPECT_EQ(grid.GetMergeOwner(0, 4), CCellID(0, 3));
    // Three piers under symmetry: the middle pier's right and the third pier are derived.
    EXPECT_EQ(Row(grid, 2), (Texts{L"N1", L"90", L"90", L"90", L"M#", L"M#", L"M#"}));
    EXPECT_EQ(Row(grid, 3), (Texts{L"N2", L"130", L"130", L"130", L"M#", L"M#", L"M#"}));
    EXPECT_EQ(grid.GetItemFormat(2, 1), static_cast<UINT>(DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS));
    EXPECT_TRUE(grid.GetSingleRowSelection());
}

TEST_F(ElevationBarFormTest, EveryViewShowsTheSampleBars)
{
    const struct {
        int code;
        Texts header, first;
    } cases[] = {
        {101, {L"编号", L"轴左距", L"轴右距"}, {L"N1", L"150", L"M#"}},
        {102, {L"编号", L"轴左距", L"轴右距"}, {L"N1", L"自动#", L"自动#"}},
        {111, {L"编号", L"轴左距", L"轴右距"}, {L"N1", L"200", L"200"}},
        {112, {L"编号", L"轴右距", L"轴左距"}, {L"N1", L"120", L"120"}},
        {113, {L"编号", L"相连", L"轴左距", L"轴右距"}, {L"N1", L"是", L"60", L"60"}},
        {114, {L"编号", L"下弯类型", L"轴左距", L"轴右距", L"下弯值"}, {L"N1", L"平直", L"140", L"140", L"30"}},
        // The middle pier derives its right distances; the third pier everything.
        {121, {L"编号", L"轴左距", L"轴右距"}, {L"N1", L"200", L"M#"}},
        {123, {L"编号", L"相连", L"轴左距", L"轴右距"}, {L"N1", L"是", L"60", L"M#"}},
        {131, {L"编号", L"轴左距", L"轴右距"}, {L"N1", L"M#", L"M#"}},
        {134, {L"编号", L"下弯类型", L"轴左距", L"轴右距", L"下弯值"}, {L"N1", L"M#", L"M#", L"M#", L"M#"}},
    };
    for (const auto& c : cases) {
        CGridCtrl& grid = Grid(c.code);
        EXPECT_EQ(grid.GetFixedRowCount(), 1) << c.code;
        EXPECT_EQ(Row(grid, 0), c.header) << c.code;
        EXPECT_EQ(Row(grid, 1), c.first) << c.code;
    }
    // The list cells and their choices.
    CGridCtrl& connected = Grid(113);
    EXPECT_TRUE(connected.IsListCell(1, 1));
    ASSERT_NE(connected.GetCellListItems(1, 1), nullptr);
    EXPECT_EQ(connected.GetCellListItems(1, 1)->GetSize(), 2);
    EXPECT_EQ(connected.GetCellListItems(1, 1)->GetAt(1), CString(L"是"));
    CGridCtrl& lower = Grid(104);
    EXPECT_EQ(Row(lower, 0), (Texts{L"编号", L"下弯类型", L"墩柱1", L"", L"", L"墩柱2", L"", L"", L"墩柱3", L"", L""}));
    EXPECT_EQ(Row(lower, 1).at(4), L"下弯值");
    EXPECT_EQ(lower.GetMergeOwner(1, 1), CCellID(0, 1));
    EXPECT_EQ(Row(lower, 2),
              (Texts{L"N1", L"平直", L"150", L"150", L"35", L"150", L"M#", L"35", L"M#", L"M#", L"M#"}));
    EXPECT_TRUE(lower.IsListCell(2, 1));
    EXPECT_EQ(lower.GetCellListItems(2, 1)->GetAt(0), CString(L"圆弧"));
    // The sketch draws the kind at the pier.
    auto* form = Show(123);
    EXPECT_EQ(form->GetSketch().m_nSupport, 1);
    EXPECT_EQ(form->GetSketch().m_nKind, 3);
    EXPECT_EQ(form->GetSketch().m_nColumnCount, 3);
}

TEST_F(ElevationBarFormTest, APierRowIsStoredAndItsPartnerMirroredOnLeaving)
{
    CGridCtrl& grid = Grid(113);
    grid.SetItemText(1, 1, L"否");
    grid.SetItemText(1, 2, L"55");
    grid.SetItemText(1, 3, L"X");
    grid.SetItemText(2, 2, L"40D");
    ASSERT_TRUE(Choose(200));
    const CBent_LPTSteel& bar = Support(0).GetLPTSteels()[0];
    EXPECT_EQ(bar.GetConnectFlag(), 0);
    EXPECT_DOUBLE_EQ(bar.GetLeftAxisDistance(), 55);
    EXPECT_DOUBLE_EQ(bar.GetRightAxisDistance(), 99999);
    // At a support the end marker is dropped, the length kept.
    EXPECT_DOUBLE_EQ(Support(0).GetLPTSteels()[1].GetLeftAxisDistance(), 40);
    EXPECT_EQ(Project().m_nModified, 1);
    // The third pier is the first one's mirror.
    const CBent_LPTSteel& mirror = Support(2).GetLPTSteels()[0];
    EXPECT_DOUBLE_EQ(mirror.GetLeftAxisDistance(), 99999);
    EXPECT_DOUBLE_EQ(mirror.GetRightAxisDistance(), 55);
}

TEST_F(ElevationBarFormTest, TheMiddlePierKeepsItselfSymmetric)
{
    Grid(121).SetItemText(1, 1, L"180");
    ASSERT_TRUE(Choose(200));
    const CBent_LPPSteel& bar = Support(1).GetLPPSteels()[0];
    EXPECT_DOUBLE_EQ(bar.GetLeftDistance(), 180);
    EXPECT_DOUBLE_EQ(bar.GetRightDistance(), 180);
    // No other support follows the middle one.
    EXPECT_DOUBLE_EQ(Support(0).GetLPPSteels()[0].GetLeftDistance(), 200);
    EXPECT_DOUBLE_EQ(Support(2).GetLPPSteels()[0].GetLeftDistance(), 200);
}

TEST_F(ElevationBarFormTest, ALockedPierStoresNothing)
{
    const CBent_PierInfo before = Design();
    CGridCtrl& grid = Grid(134);
    grid.SetItemText(1, 2, L"999");
    ASSERT_TRUE(Choose(200));
    EXPECT_DOUBLE_EQ(Support(2).GetLPBSteels()[0].GetLeftAxisDistance(),
                     before.GetMainFace().GetSupports()[2].GetLPBSteels()[0].GetLeftAxisDistance());
    EXPECT_EQ(Project().m_nModified, 0);
}

TEST_F(ElevationBarFormTest, WholeElevationRowsAreStoredWithTheirDerivedValues)
{
    // Upper bent-up bars: an end marker survives only at the ends of the elevation; the third
    // pier takes the first one's values crosswise.
    CGridCtrl& upper = Grid(103);
    upper.SetItemText(2, 1, L"50D");
    upper.SetItemText(2, 2, L"95");
    upper.SetItemText(2, 3, L"70D");
    ASSERT_TRUE(Choose(200));
    const CBent_LUTSteel& bar = Face().GetLUTSteels()[0];
    EXPECT_DOUBLE_EQ(bar.GetLeftAxisDistanceAt(0), 80050);
    EXPECT_DOUBLE_EQ(bar.GetRightAxisDistanceAt(0), 95);
    EXPECT_DOUBLE_EQ(bar.GetLeftAxisDistanceAt(1), 70);
    EXPECT_DOUBLE_EQ(bar.GetRightAxisDistanceAt(1), 70);
    EXPECT_DOUBLE_EQ(bar.GetLeftAxisDistanceAt(2), 95);
    EXPECT_DOUBLE_EQ(bar.GetRightAxisDistanceAt(2), 80050);
    // Top straight bars: the right follows the left.
    Grid(101).SetItemText(1, 1, L"160");
    // Lower bent-up bars: any type but "圆弧" is straight.
    ASSERT_TRUE(Choose(104));
    Current<CBentCapFormRBView>()->GetGridCtrl()->SetItemText(2, 1, L"圆弧");
    ASSERT_TRUE(Choose(114));
    EXPECT_DOUBLE_EQ(Face().GetLUPSteels()[0].GetLeftDistance(), 160);
    EXPECT_DOUBLE_EQ(Face().GetLUPSteels()[0].GetRightDistance(), 160);
    EXPECT_EQ(Face().GetLUBSteels()[0].GetBendDownParameter(), 0);
    Current<CBentCapFormRBView>()->GetGridCtrl()->SetItemText(1, 1, L"弧");
    ASSERT_TRUE(Choose(102));
    EXPECT_EQ(Support(0).GetLPBSteels()[0].GetBendDownParameter(), 1);
    // Bottom straight bars always store 0 and 0.
    Face().GetLUMSteels()[0].SetLeftDistance(5);
    Face().GetLUMSteels()[0].SetRightDistance(6);
    ASSERT_TRUE(Choose(200));
    EXPECT_DOUBLE_EQ(Face().GetLUMSteels()[0].GetLeftDistance(), 0);
    EXPECT_DOUBLE_EQ(Face().GetLUMSteels()[0].GetRightDistance(), 0);
}
