#include "ApplyPierCommand.h"
#include "CScopedMessageBoxAnswerer.h"
#include "DrawScaleCommand.h"
#include "ExtendSteelCommand.h"
#include "FakeCommandHost.h"
#include "WinUser.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class FixedChoice : public CExtendSteelChoice {
public:
    explicit FixedChoice(int operation, BOOL ok = TRUE) : m_operation(operation), m_ok(ok) {}
    BOOL Choose(int& operation) override
    {
        offered = operation;
        operation = m_operation;
        return m_ok;
    }
    int offered = -1;

private:
    int m_operation;
    BOOL m_ok;
};

void SetCodes(CBent_PierInfo& design, const std::vector<int>& codes)
{
    design.GetExtendSteel().GetCodes().RemoveAll();
    for (int c : codes)
        design.GetExtendSteel().GetCodes().Add(c);
}

std::vector<int> Codes(const CBent_PierInfo& design)
{
    std::vector<int> codes;
    for (int i = 0; i < design.GetExtendSteel().GetCodeCount(); ++i)
        codes.push_back(design.GetExtendSteel().GetCodeAt(i));
    return codes;
}

} // namespace

// Each choice of the dialog, by its radio-button index, on the open design's codes.
TEST(ExtendSteelCommandTest, ChoiceChangesEveryCode)
{
    const struct {
        int operation;
        const wchar_t* text;
        std::vector<int> before, after;
    } cases[] = {
        {0, L"清除边柱加强钢筋", {1230, 9000}, {1030, 9000}},
        {1, L"清除中柱加强钢筋", {1230, 9210}, {1200, 9200}},
        {2, L"清除跨中加强钢筋", {1231, 21}, {1230, 20}},
        {3, L"将边柱加强钢筋复制到中柱", {1230}, {1220}},
        {4, L"将中柱加强钢筋复制到边柱", {1230}, {1330}},
        {5, L"非骨架顶底板筋替换为加强筋", {1021, 9021, 21}, {132, 9021, 21}},
        {6, L"第一层加强筋替换为顶底板筋", {111, 110, 9111}, {1000, 110, 9111}},
    };
    for (const auto& c : cases) {
        FakeCommandHost host;
        host.category = 206;
        SetCodes(host.design, c.before);
        FixedChoice choice(c.operation);
        RunExtendSteelCommand(host, choice);
        EXPECT_EQ(choice.offered, 1);
        EXPECT_EQ(Codes(host.design), c.after) << c.operation;
        EXPECT_EQ(GetExtendSteelOperationText(c.operation), CString(c.text));
        EXPECT_TRUE(host.modified);
        EXPECT_EQ(host.titleUpdates, 1);
        EXPECT_EQ(host.reloads, 0);
    }
    EXPECT_TRUE(GetExtendSteelOperationText(7).IsEmpty());
}

TEST(ExtendSteelCommandTest, ReloadsSkeletonAndBasicForms)
{
    for (int category : {207, 200}) {
        FakeCommandHost host;
        host.category = category;
        FixedChoice choice(0);
        RunExtendSteelCommand(host, choice);
        EXPECT_EQ(host.reloads, 1);
    }
}

TEST(ExtendSteelCommandTest, CancelChangesNothing)
{
    FakeCommandHost host;
    SetCodes(host.design, {1230});
    FixedChoice cancelled(0, FALSE);
    RunExtendSteelCommand(host, cancelled);
    FixedChoice unknown(9);
    RunExtendSteelCommand(host, unknown);
    EXPECT_EQ(Codes(host.design), std::vector<int>{1230});
    EXPECT_FALSE(host.modified);
    EXPECT_EQ(host.titleUpdates, 0);
}

// The dialog's OK asks; No keeps it open.
TEST(ExtendSteelCommandTest, ConfirmationNamesTheOperation)
{
    CScopedMessageBoxAnswerer boxes;
    boxes->QueueAnswer(IDNO);
    boxes->QueueAnswer(IDYES);
    EXPECT_FALSE(ConfirmExtendSteelOperation(3));
    EXPECT_TRUE(ConfirmExtendSteelOperation(3));
    const auto shown = boxes->Boxes();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].caption, L"确认操作");
    EXPECT_EQ(shown[0].text, L"加强钢筋操作无法撤销，确实需要进行以下操作吗？\n\n〔将边柱加强钢筋复制到中柱〕");
    EXPECT_EQ(shown[0].type & MB_TYPEMASK, MB_YESNO);
}

namespace {

class ScaleDialog : public CDrawScaleDialog {
public:
    ScaleDialog(const wchar_t* elevation, const wchar_t* section, BOOL ok = TRUE)
        : m_elevation(elevation), m_section(section), m_ok(ok)
    {
    }
    BOOL Edit(CString& elevation, CString& section) override
    {
        shownElevation = elevation;
        shownSection = section;
        elevation = m_elevation;
        section = m_section;
        return m_ok;
    }
    CString shownElevation, shownSection;

private:
    CString m_elevation, m_section;
    BOOL m_ok;
};

} // namespace

TEST(DrawScaleCommandTest, TextsThatAreNoPositiveScaleFallBack)
{
    const struct {
        const wchar_t* text;
        double elevation, section;
    } cases[] = {
        {L"62.5", 62.5, 62.5}, {L" 100", 100, 100}, {L"75比例", 75, 75}, {L"0", 50, 40},
        {L"abc", 50, 40},      {L"-20", 50, 40},    {L"", 50, 40},       {L"1e999", 50, 40},
    };
    for (const auto& c : cases) {
        CBent_PierInfo design;
        StoreDrawScales(design, c.text, c.text);
        EXPECT_EQ(design.GetElevationScale(), c.elevation) << CString(c.text).ToUtf8();
        EXPECT_EQ(design.GetSectionScale(), c.section) << CString(c.text).ToUtf8();
    }
}

TEST(DrawScaleCommandTest, DialogShowsAndStoresBothScales)
{
    FakeCommandHost host;
    host.design.SetElevationScale(62.5);
    host.design.SetSectionScale(40);
    ScaleDialog dialog(L"100", L"abc");
    RunDrawScaleCommand(host, dialog);
    EXPECT_EQ(dialog.shownElevation, L"62.5");
    EXPECT_EQ(dialog.shownSection, L"40");
    EXPECT_EQ(host.design.GetElevationScale(), 100);
    EXPECT_EQ(host.design.GetSectionScale(), 40);
    EXPECT_TRUE(host.modified);
    EXPECT_EQ(host.titleUpdates, 1);

    FakeCommandHost cancelled;
    ScaleDialog cancel(L"100", L"100", FALSE);
    RunDrawScaleCommand(cancelled, cancel);
    EXPECT_EQ(cancelled.design.GetElevationScale(), 50);
    EXPECT_FALSE(cancelled.modified);
}

namespace {

class PierDialog : public CApplyPierDialog {
public:
    explicit PierDialog(const wchar_t* text) : m_text(text) {}
    BOOL Edit(CString& text) override
    {
        shown = text;
        text = m_text;
        return TRUE;
    }
    CString shown;

private:
    CString m_text;
};

} // namespace

TEST(ApplyPierCommandTest, EditedTextIsStoredAndMarksTheDesign)
{
    FakeCommandHost host;
    host.design.GetAddInfo().SetApplicableTo(L"1#墩");
    PierDialog dialog(L"1#墩～3#墩");
    RunApplyPierCommand(host, dialog);
    EXPECT_EQ(dialog.shown, L"1#墩");
    EXPECT_EQ(host.design.GetAddInfo().GetApplicableTo(), L"1#墩～3#墩");
    EXPECT_TRUE(host.modified);
    EXPECT_EQ(host.titleUpdates, 1);
    EXPECT_EQ(host.reloads, 1);

    FakeCommandHost unchanged;
    unchanged.category = 201;
    unchanged.design.GetAddInfo().SetApplicableTo(L"2#台");
    PierDialog same(L"2#台");
    RunApplyPierCommand(unchanged, same);
    EXPECT_FALSE(unchanged.modified);
    EXPECT_EQ(unchanged.titleUpdates, 1);
    EXPECT_EQ(unchanged.reloads, 0);
}
