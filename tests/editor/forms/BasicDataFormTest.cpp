// The basic-data form: the sample's values in its controls, edited values back in the design,
// the pier-count and column-count changes with their questions, and the symmetry on commit.
#include "CBentCapFormNRView.h"
#include "DesignLimits.h"
#include "FormsTestSupport.h"

namespace {

template <class T>
std::vector<T> Values(const CArray<T, const T&>& list)
{
    std::vector<T> values;
    for (INT_PTR i = 0; i < list.GetSize(); ++i)
        values.push_back(list[i]);
    return values;
}

class BasicDataFormTest : public FormsTest {
protected:
    void SetUp() override
    {
        FormsTest::SetUp();
        OpenSample();
        ASSERT_TRUE(Choose(200));
        m_form = Current<CBentCapFormNRView>();
        ASSERT_NE(m_form, nullptr);
    }
    CButton& Button(UINT nID) { return ControlOf<CButton>(m_form, nID); }
    CComboBox& Combo(UINT nID) { return ControlOf<CComboBox>(m_form, nID); }
    int Checked(UINT nID) { return Button(nID).GetCheck(); }
    std::vector<double> Spacings()
    {
        return Values<double>(Design().GetSupportDistances());
    }
    std::vector<int> Sections()
    {
        return Values<int>(Design().GetSectionPositions());
    }
    void SetSections(std::initializer_list<int> codes)
    {
        Design().GetSectionPositions().RemoveAll();
        for (int code : codes)
            Design().GetSectionPositions().Add(code);
    }
    CBentCapFormNRView* m_form = nullptr;
};

} // namespace

TEST_F(BasicDataFormTest, ShowsTheSample)
{
    const struct {
        UINT nID;
        int checked;
    } shown[] = {{1000, 1}, {1001, 0}, {1005, 1}, {1006, 0}, {1003, 1}, {1002, 0}, {1014, 1}, {1015, 0},
                 {1016, 1}, {1017, 0}, {1007, 1}, {1008, 1}, {1011, 1}, {1010, 1}, {1009, 1}, {1020, 1}};
    for (const auto& s : shown)
        EXPECT_EQ(Checked(s.nID), s.checked) << s.nID;
    EXPECT_EQ(TextOf(ControlOf<CEdit>(m_form, 1004)), CString(L"16"));
    EXPECT_EQ(Combo(1012).GetCurSel(), 2);
    CString columns;
    Combo(1013).GetLBText(Combo(1013).GetCurSel(), columns);
    EXPECT_EQ(columns, CString(std::to_wstring(Design().GetMainFace().GetBarColumnCount()).c_str()));
    EXPECT_EQ(Combo(1019).GetCurSel(), 0);
    // Fixed by the template: no prestressed caps, no change of the section form here.
    EXPECT_FALSE(Button(1006).IsWindowEnabled());
    EXPECT_FALSE(Combo(1019).IsWindowEnabled());
    EXPECT_TRUE(Button(1017).IsWindowEnabled());
}

TEST_F(BasicDataFormTest, WritesEditedValuesBack)
{
    Button(1016).Click();
    for (UINT nID : {1001U, 1002U, 1015U, 1017U, 1007U, 1008U, 1011U, 1010U, 1009U, 1020U})
        Button(nID).Click();
    ControlOf<CEdit>(m_form, 1004).SetWindowText(L"2.5");
    ASSERT_TRUE(Choose(0));
    const CBent_MoreInfo& more = Design().GetMoreInfo();
    const struct {
        const char* field;
        double stored;
        double expected;
    } rows[] = {
        {"abutment cap", double(Geometry().nAbutmentCap), 1},
        {"weld type", double(more.GetWeldType()), 1},
        {"weld width", more.GetWeldWidth(), 2.5},
        {"bend-down mode", double(more.GetBendDownMode()), 1},
        {"outer ends fixed", double(more.GetOuterUpperFixed()), 0},
        {"equal middle spacing", double(Design().GetSupportCount()), 1},
        {"general symmetric", double(Design().GetGeneralSymmetric()), 0},
        {"spacing symmetric", double(Design().GetColumnSpacingSymmetric()), 0},
        {"stirrups symmetric", double(Design().GetSectionStirrupsSymmetric()), 0},
        {"arrangement symmetric", double(Design().GetSkeletonArrangementSymmetric()), 0},
        {"skeleton symmetric", double(Design().GetBarSkeletonSymmetric()), 0},
        {"strengthening symmetric", double(Design().GetStrengtheningSymmetric()), 0},
    };
    for (const auto& row : rows)
        EXPECT_EQ(row.stored, row.expected) << row.field;
    EXPECT_EQ(Project().m_nModified, 1);
}

TEST_F(BasicDataFormTest, EnablesTheBendAndSpacingChecks)
{
    Button(1015).Click();
    EXPECT_FALSE(Button(1016).IsWindowEnabled());
    Button(1014).Click();
    EXPECT_TRUE(Button(1016).IsWindowEnabled());
    m_boxes->SetAnswerForCaption(L"确认继续", IDYES);
    Combo(1012).ChooseItem(1);
    EXPECT_FALSE(Button(1017).IsWindowEnabled());
}

TEST_F(BasicDataFormTest, ThePierCountChangeAsksAndReshapesTheLists)
{
    m_boxes->SetAnswerForCaption(L"确认继续", IDYES);
    // The same count asks nothing.
    Combo(1012).ChooseItem(2);
    EXPECT_TRUE(m_boxes->Boxes().empty());
    // 3 -> 5 inserts before the last; the section codes move with the count.
    SetSections({0, 2, 3, 5});
    Combo(1012).ChooseItem(4);
    EXPECT_EQ(Spacings(), (std::vector<double>{220, 410, 100, 100, 220}));
    EXPECT_EQ(Sections(), (std::vector<int>{0, 2, 3, 7}));
    EXPECT_EQ(Design().GetMainFace().GetSupports().GetSize(), 5);
    EXPECT_EQ(Project().m_nModified, 1);
    // The tree and the form follow the new count.
    EXPECT_NE(m_frame->GetClassView().FindItemByCode(m_frame->GetClassView().GetTreeCtrl().GetRootItem(), 15), nullptr);
    EXPECT_EQ(Combo(1012).GetCurSel(), 4);
    // 5 -> 3 removes before the last, 3 -> 1 keeps the first.
    Combo(1012).ChooseItem(2);
    EXPECT_EQ(Spacings(), (std::vector<double>{220, 410, 220}));
    Combo(1012).ChooseItem(0);
    EXPECT_EQ(Spacings(), (std::vector<double>{220}));
    EXPECT_EQ(BoxTexts(),
              (std::vector<std::wstring>{
                  L"[确认继续] 系统将在最后一个墩柱前添加一个或多个墩柱，您需要手工修改墩柱间距，是否需要继续？",
                  L"[确认继续] 系统将删除最后一个墩柱前的一个或多个墩柱，您需要手工修改墩柱间距，是否需要继续？",
                  L"[确认继续] 系统将删除第一个墩柱外所有支座，是否需要继续？"}));
    Combo(1012).ChooseItem(2);
    EXPECT_EQ(Spacings(), (std::vector<double>{220, 100, 100}));
    EXPECT_EQ(BoxTexts().back(),
              L"[确认继续] 系统将在当前墩柱后添加一个或多个墩柱，您需要手工修改墩柱间距，是否需要继续？");
}

TEST_F(BasicDataFormTest, SectionCodesFollowAShrinkingAndAGrowingCount)
{
    m_boxes->SetAnswerForCaption(L"确认继续", IDYES);
    Combo(1012).ChooseItem(3);  // four piers
    SetSections({0, 2, 4, 6});
    Combo(1012).ChooseItem(2);
    EXPECT_EQ(Sections(), (std::vector<int>{0, 2, 5}));
    Combo(1012).ChooseItem(3);
    SetSections({0, 2, 4, 6});
    Combo(1012).ChooseItem(4);
    EXPECT_EQ(Sections(), (std::vector<int>{0, 2, 4, 7}));
}

TEST_F(BasicDataFormTest, ANoKeepsThePierCount)
{
    m_boxes->SetAnswerForCaption(L"确认继续", IDNO);
    const std::vector<double> before = Spacings();
    Combo(1012).ChooseItem(5);
    EXPECT_EQ(Spacings(), before);
    EXPECT_EQ(Combo(1012).GetCurSel(), 2);
    EXPECT_EQ(Project().m_nModified, 0);
}

TEST_F(BasicDataFormTest, TheColumnCountResizesTheCodes)
{
    Combo(1013).ChooseItem(19);
    EXPECT_EQ(Design().GetMainFace().GetBarColumnCount(), 20);
    EXPECT_EQ(Design().GetExtendSteel().GetCodeCount(), 20);
    EXPECT_EQ(Project().m_nModified, 1);
    // The list offers only the counts a section can be drawn with.
    ASSERT_EQ(Combo(1013).GetCount(), kMaxBarColumns);
    CString last;
    Combo(1013).GetLBText(kMaxBarColumns - 1, last);
    EXPECT_EQ(last, L"20");
}

TEST_F(BasicDataFormTest, SpacingSymmetryMirrorsOnCommit)
{
    Design().GetSupportDistances().RemoveAll();
    for (double e : {1.0, 2.0, 3.0, 4.0, 5.0, 6.0})
        Design().GetSupportDistances().Add(e);
    ASSERT_EQ(m_form->SaveData(), 1);
    EXPECT_EQ(Spacings(), (std::vector<double>{1, 2, 3, 4, 3, 1}));
}

TEST_F(BasicDataFormTest, GeneralSymmetryCopiesTheLeftEnd)
{
    Geometry().dRightAngle = 80;
    Geometry().dRightEndHeight = 1;
    ASSERT_EQ(m_form->SaveData(), 1);
    EXPECT_EQ(Geometry().dRightAngle, Geometry().dLeftAngle);
    EXPECT_EQ(Geometry().dRightEndHeight, Geometry().dLeftEndHeight);
}

TEST_F(BasicDataFormTest, SkeletonSymmetryIsConfirmed)
{
    Button(1009).Click();  // cleared: nothing asked
    EXPECT_TRUE(m_boxes->Boxes().empty());
    m_boxes->SetAnswerForCaption(L"确认对称", IDNO);
    Button(1009).Click();
    EXPECT_EQ(Checked(1009), BST_UNCHECKED);
    EXPECT_EQ(BoxTexts(), (std::vector<std::wstring>{
                              L"[确认对称] 选择钢筋骨架对称时，系统将自动对骨架进行对称处理，该操作不能撤销，是否需要继续？"}));
    m_boxes->SetAnswerForCaption(L"确认对称", IDYES);
    Button(1009).Click();
    EXPECT_EQ(Checked(1009), BST_CHECKED);
}
