// The elevation-bar commands on the design: the bar list of a category, the derived piers of a
// symmetric skeleton, and adding, deleting and sorting bars.
#include "ElevationBarCommands.h"
#include "EditorWindowTestSupport.h"
#include "WinUser.h"

namespace {

class ElevationBarCommandsTest : public EditorWindowTest {
protected:
    void SetUp() override
    {
        EditorWindowTest::SetUp();
        m_design.InitSupports(4);
        m_design.SetBarSkeletonSymmetric(1);
    }
    std::vector<std::wstring> Boxes()
    {
        std::vector<std::wstring> texts;
        for (const auto& box : m_boxes->Boxes())
            texts.push_back(L"[" + box.caption + L"] " + box.text);
        return texts;
    }
    CBent_PierInfo m_design;
};

CBent_LPTSteel Upper(double left, double right)
{
    CBent_LPTSteel bar;
    bar.SetAxisDistances(left, right);
    return bar;
}

} // namespace

TEST_F(ElevationBarCommandsTest, CategoriesNameThePierAndTheKind)
{
    const struct {
        int code, pier, kind;
    } cases[] = {{101, -1, 1}, {104, -1, 4}, {111, 0, 1}, {134, 2, 4}, {193, 8, 3}};
    for (const auto& c : cases) {
        const ElevationBarView view = ElevationBarViewOf(c.code);
        EXPECT_EQ(view.nPier, c.pier) << c.code;
        EXPECT_EQ(view.nKind, c.kind) << c.code;
    }
}

TEST_F(ElevationBarCommandsTest, TheRightHalfIsLockedUnderSymmetry)
{
    // Four piers: the third and fourth; three piers: the third only (the second is the middle).
    const bool four[] = {false, false, true, true};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(IsLockedPier(m_design, i), four[i]) << i;
    EXPECT_FALSE(IsLockedPier(m_design, -1));
    m_design.GetSupportDistances().SetSize(3);
    EXPECT_FALSE(IsLockedPier(m_design, 1));
    EXPECT_TRUE(IsLockedPier(m_design, 2));
    m_design.SetBarSkeletonSymmetric(0);
    EXPECT_FALSE(IsLockedPier(m_design, 2));
}

TEST_F(ElevationBarCommandsTest, LockedPiersRefuseEveryCommand)
{
    m_design.GetMainFace().SetSupportCount(4);
    const ElevationBarView view{3, 1};
    EXPECT_EQ(AddElevationBar(m_design, view, nullptr), 0);
    EXPECT_EQ(SortElevationBars(m_design, view, nullptr), 0);
    EXPECT_EQ(DeleteElevationBar(m_design, view, 0, nullptr), 0);
    EXPECT_EQ(ElevationBarCount(m_design, view), 0);
    EXPECT_EQ(Boxes(), std::vector<std::wstring>(
                           3, L"[不能操作] 对称情况下，本墩柱不能进行钢筋添加、修改、删除、排序操作！"));
}

TEST_F(ElevationBarCommandsTest, AddingGivesDefaultsThenCopiesTheLast)
{
    const ElevationBarView whole{-1, 4};
    ASSERT_EQ(AddElevationBar(m_design, whole, nullptr), 1);
    CBent_LUBSteel& first = m_design.GetMainFace().GetLUBSteels()[0];
    EXPECT_EQ(first.GetBendDownParameter(), 0);
    ASSERT_EQ(first.GetColumnListSize(), 4);
    EXPECT_EQ(first.GetRadiusOrHeightAt(3), 0);
    first.SetLeftAxisDistanceAt(0, 12);
    ASSERT_EQ(AddElevationBar(m_design, whole, nullptr), 1);
    EXPECT_TRUE(m_design.GetMainFace().GetLUBSteels()[1] == m_design.GetMainFace().GetLUBSteels()[0]);
    // A support's lower bent-up bar bends down by an arc.
    m_design.GetMainFace().SetSupportCount(4);
    ASSERT_EQ(AddElevationBar(m_design, ElevationBarView{0, 4}, nullptr), 1);
    EXPECT_EQ(m_design.GetMainFace().GetSupports()[0].GetLPBSteels()[0].GetBendDownParameter(), 0);
}

TEST_F(ElevationBarCommandsTest, UpperBarsOfASupportWithoutLeftDistance)
{
    m_design.GetMainFace().SetSupportCount(4);
    auto& bars = m_design.GetMainFace().GetSupports()[0].GetLPTSteels();
    for (const auto& [left, right] : {std::pair{99999.0, 3.0}, std::pair{10.0, 7.0}, std::pair{5.0, 9.0}})
        bars.Add(Upper(left, right));
    ASSERT_EQ(SortElevationBars(m_design, ElevationBarView{0, 3}, nullptr), 1);
    EXPECT_EQ(bars[0].GetLeftAxisDistance(), 99999);
    EXPECT_EQ(bars[1].GetLeftAxisDistance(), 5);
    EXPECT_EQ(bars[2].GetLeftAxisDistance(), 10);
}

TEST_F(ElevationBarCommandsTest, WholeElevationBarsSortByTheirFirstPier)
{
    auto& bars = m_design.GetMainFace().GetLUTSteels();
    for (double left : {30.0, 10.0, 20.0}) {
        CBent_LUTSteel bar;
        bar.ResizeColumnLists(4);
        bar.SetLeftAxisDistanceAt(0, left);
        bars.Add(bar);
    }
    ASSERT_EQ(SortElevationBars(m_design, ElevationBarView{-1, 3}, nullptr), 1);
    EXPECT_EQ(bars[0].GetLeftAxisDistanceAt(0), 10);
    EXPECT_EQ(bars[2].GetLeftAxisDistanceAt(0), 30);
    // Bottom straight bars keep their order and still count as sorted.
    CBent_LUMSteel straight;
    straight.SetLeftDistance(5);
    m_design.GetMainFace().GetLUMSteels().Add(straight);
    straight.SetLeftDistance(1);
    m_design.GetMainFace().GetLUMSteels().Add(straight);
    EXPECT_EQ(SortElevationBars(m_design, ElevationBarView{-1, 2}, nullptr), 1);
    EXPECT_EQ(m_design.GetMainFace().GetLUMSteels()[0].GetLeftDistance(), 5);
}

TEST_F(ElevationBarCommandsTest, DeletingAsksFirst)
{
    const ElevationBarView top{-1, 1};
    AddElevationBar(m_design, top, nullptr);
    AddElevationBar(m_design, top, nullptr);
    m_boxes->QueueAnswer(IDNO);
    EXPECT_EQ(DeleteElevationBar(m_design, top, 1, nullptr), 0);
    EXPECT_EQ(ElevationBarCount(m_design, top), 2);
    m_boxes->QueueAnswer(IDYES);
    EXPECT_EQ(DeleteElevationBar(m_design, top, 1, nullptr), 1);
    EXPECT_EQ(ElevationBarCount(m_design, top), 1);
    EXPECT_EQ(Boxes(), std::vector<std::wstring>(2, L"[确认删除] 删除的钢筋无法恢复，确实需要删除钢筋N2吗？"));
    EXPECT_EQ(DeleteElevationBar(m_design, top, 5, nullptr), 0);
}
