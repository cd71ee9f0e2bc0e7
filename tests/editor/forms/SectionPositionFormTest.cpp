// The section-position form: one item per section code, the stored codes ticked, the
// explanation of the selected item and the ticked codes stored in order.
#include "CBentCapFormPSView.h"
#include "FormsTestSupport.h"

namespace {

class SectionPositionFormTest : public FormsTest {
protected:
    void SetUp() override
    {
        FormsTest::SetUp();
        OpenSample();
    }
    CBentCapFormPSView* Show(int piers, std::initializer_list<int> codes)
    {
        Design().GetSupportDistances().SetSize(piers);
        Design().GetSectionPositions().RemoveAll();
        for (int code : codes)
            Design().GetSectionPositions().Add(code);
        EXPECT_TRUE(Choose(208));
        return Current<CBentCapFormPSView>();
    }
    std::vector<std::wstring> Items(CBentCapFormPSView* form)
    {
        std::vector<std::wstring> items;
        for (int i = 0; i < form->GetSectionList().GetCount(); ++i) {
            CString text;
            form->GetSectionList().GetText(i, text);
            items.push_back(std::wstring(text.GetString()) + (form->GetSectionList().GetCheck(i) ? L"+" : L""));
        }
        return items;
    }
    CString Select(CBentCapFormPSView* form, int index)
    {
        form->GetSectionList().SetCurSel(index);
        form->OnSectionChange();
        return TextOf(ControlOf<CStatic>(form, 1027));
    }
};

} // namespace

TEST_F(SectionPositionFormTest, ThreePiers)
{
    auto* form = Show(3, {0, 2, 9});
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(Items(form), (std::vector<std::wstring>{L"跨中+", L"墩柱1", L"墩柱2+", L"墩柱3", L"跨中1", L"跨中2"}));
    EXPECT_EQ(form->GetMarkedSections(), (std::vector<int>{2, 2}));
    EXPECT_EQ(form->GetHighlightedSection(), -1);
    EXPECT_EQ(Select(form, 0), CString(L"全梁跨中，本项目墩柱个数为3个，故跨中实际上是墩柱2"));
    EXPECT_EQ(form->GetHighlightedSection(), 2);
    EXPECT_EQ(Select(form, 3), CString(L"第3墩柱断面"));
    EXPECT_EQ(Select(form, 5), CString(L"第2墩柱和第3墩柱之间的跨中断面"));
    EXPECT_EQ(form->GetHighlightedSection(), 5);
    // The code without an item is not kept.
    ASSERT_TRUE(Choose(0));
    EXPECT_EQ(Design().GetSectionPositions().GetSize(), 2);
    EXPECT_EQ(Project().m_nModified, 1);
}

TEST_F(SectionPositionFormTest, FourPiersExplainTheMidSpan)
{
    auto* form = Show(4, {});
    EXPECT_EQ(form->GetSectionList().GetCount(), 8);
    EXPECT_EQ(Select(form, 0), CString(L"全梁跨中，本项目墩柱个数为4个，故跨中实际上是跨中2"));
    EXPECT_EQ(form->GetHighlightedSection(), 6);
}

TEST_F(SectionPositionFormTest, TicksAreStoredInAscendingOrder)
{
    auto* form = Show(3, {});
    form->GetSectionList().ToggleCheck(4);
    form->GetSectionList().ToggleCheck(1);
    ASSERT_TRUE(Choose(0));
    const CArray<int, const int&>& stored = Design().GetSectionPositions();
    ASSERT_EQ(stored.GetSize(), 2);
    EXPECT_EQ(stored[0], 1);
    EXPECT_EQ(stored[1], 4);
}

TEST_F(SectionPositionFormTest, AnUnchangedListIsNoChange)
{
    // Looking at the form changes nothing, whatever order the file holds the codes in.
    auto browse = [this](std::initializer_list<int> codes) {
        Show(3, codes);
        return Choose(0);
    };
    for (const std::vector<int>& codes : {std::vector<int>{0, 1, 4}, std::vector<int>{1, 2, 4, 0}}) {
        ASSERT_TRUE(codes.size() == 3 ? browse({0, 1, 4}) : browse({1, 2, 4, 0}));
        EXPECT_EQ(Project().m_nModified, 0);
        const CArray<int, const int&>& stored = Design().GetSectionPositions();
        ASSERT_EQ(stored.GetSize(), static_cast<INT_PTR>(codes.size()));
        for (size_t i = 0; i < codes.size(); ++i)
            EXPECT_EQ(stored[static_cast<INT_PTR>(i)], codes[i]);
    }
}
