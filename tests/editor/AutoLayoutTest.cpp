#include "AutoSpacingCommands.h"
#include "CAutoStirrupLayout.h"
#include "CScopedMessageBoxAnswerer.h"
#include "FakeCommandHost.h"
#include "NumericHelpers.h"
#include "SpacingFormula.h"
#include "WinUser.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

namespace {

std::vector<double> Values(const CArray<double, const double&>& list)
{
    std::vector<double> values;
    for (INT_PTR i = 0; i < list.GetSize(); ++i)
        values.push_back(list[i]);
    return values;
}

std::vector<double> Parsed(const CString& formula)
{
    CArray<double, const double&> spacings;
    EXPECT_EQ(ParseSpacingFormula(formula, spacings), SpacingFormulaStatus::Valid) << formula.ToUtf8();
    return Values(spacings);
}

double Sum(const std::vector<double>& values)
{
    double sum = 0;
    for (double v : values)
        sum += v;
    return sum;
}

std::vector<std::pair<int, int>> Stirrups(const CBent_PierInfo& design)
{
    std::vector<std::pair<int, int>> columns;
    const auto& stirrups = design.GetMainFace().GetStirrups();
    for (INT_PTR i = 0; i < stirrups.GetSize(); ++i)
        columns.emplace_back(stirrups[i].GetStartColumn(), stirrups[i].GetEndColumn());
    return columns;
}

void AddStirrup(CBent_PierInfo& design, int start, int end)
{
    CBent_PAFSteel stirrup;
    stirrup.SetStartColumn(start);
    stirrup.SetEndColumn(end);
    design.GetMainFace().GetStirrups().Add(stirrup);
}

std::vector<std::wstring> Texts(const CScriptedMessageBoxAnswerer& boxes)
{
    std::vector<std::wstring> texts;
    for (const auto& box : boxes.Boxes())
        texts.push_back(box.caption + L"|" + box.text);
    return texts;
}

} // namespace

TEST(SpacingFormulaTest, SkeletonFormulas)
{
    const struct {
        double width, cover;
        int columns;
        const wchar_t* formula;
    } cases[] = {
        {100, 5, 5, L"4*22.5"},
        {101, 5, 6, L"5*18.2"},
        {100.4, 5, 6, L"2*18.1+1*18+2*18.1"},
        {100.3, 5, 6, L"1*18+3*18.1+1*18"},
        // An odd remainder over an even count of spacings still gives every spacing.
        {100.1, 5, 5, L"1*22.5+1*22.6+2*22.5"},
        {100, 5, 1, L""},
    };
    for (const auto& c : cases) {
        CString formula = L"old";
        EXPECT_EQ(FormatSkeletonSpacing(c.width, c.cover, c.columns, formula), 1);
        EXPECT_EQ(formula, c.formula) << c.width << " " << c.columns;
    }
}

TEST(SpacingFormulaTest, SideFormulas)
{
    const struct {
        double height;
        int bars;
        const wchar_t* formula;
    } cases[] = {
        {100, 4, L"3*30"},
        {100.2, 5, L"2*22.6+2*22.5"},
        {100.1, 5, L"3*22.5+1*22.6"},
        {100, 0, L""},
    };
    for (const auto& c : cases) {
        CString formula;
        EXPECT_EQ(FormatSideSpacing(c.height, 5, 5, c.bars, formula), 1);
        EXPECT_EQ(formula, c.formula) << c.height;
    }
}

// Every proposal reads back as one spacing per gap, filling the clear length in tenths.
TEST(SpacingFormulaTest, ProposalsFillTheirLengths)
{
    for (int tenths = 300; tenths <= 2000; tenths += 7)
        for (int count = 2; count <= 40; ++count) {
            const double length = tenths / 10.0 + 10.0;
            CString skeleton, side;
            FormatSkeletonSpacing(length, 5, count, skeleton);
            FormatSideSpacing(length, 4, 6, count, side);
            for (const CString& formula : {skeleton, side}) {
                const std::vector<double> spacings = Parsed(formula);
                ASSERT_EQ(spacings.size(), static_cast<size_t>(count - 1)) << formula.ToUtf8();
                EXPECT_NEAR(Sum(spacings), tenths / 10.0, 1e-6) << formula.ToUtf8();
            }
        }
}

TEST(SpacingFormulaTest, ParsedFormulas)
{
    const struct {
        const wchar_t* formula;
        SpacingFormulaStatus status;
        std::vector<double> spacings;
    } cases[] = {
        {L"2*12.5+1*12+2*12.5", SpacingFormulaStatus::Valid, {12.5, 12.5, 12, 12.5, 12.5}},
        {L" 2 * 3 + 4 ", SpacingFormulaStatus::Valid, {3, 3, 4}},
        {L"  ", SpacingFormulaStatus::Empty, {}},
        {L"2*", SpacingFormulaStatus::BadTerm, {}},
        {L"0*5", SpacingFormulaStatus::BadTerm, {}},
        {L"1.5*5", SpacingFormulaStatus::BadTerm, {}},
        {L"2*-5", SpacingFormulaStatus::BadTerm, {}},
        {L"2*0", SpacingFormulaStatus::BadTerm, {}},
        {L"a*5", SpacingFormulaStatus::BadTerm, {}},
        {L"2*5cm", SpacingFormulaStatus::BadTerm, {}},
        {L"5++5", SpacingFormulaStatus::BadTerm, {}},
        {L"5+", SpacingFormulaStatus::BadTerm, {}},
        {L"99999999*1", SpacingFormulaStatus::BadTerm, {}},
    };
    for (const auto& c : cases) {
        CArray<double, const double&> spacings;
        spacings.Add(-1);
        EXPECT_EQ(ParseSpacingFormula(c.formula, spacings), c.status) << CString(c.formula).ToUtf8();
        const std::vector<double> expected =
            c.status == SpacingFormulaStatus::Valid ? c.spacings : std::vector<double>{-1};
        EXPECT_EQ(Values(spacings), expected);
    }
}

TEST(SpacingFormulaTest, StirrupColumns)
{
    const struct {
        int stirrups, columns;
        std::vector<int> starts, ends;
    } cases[] = {
        {3, 8, {0, 1, 4}, {3, 6, 7}},
        {2, 6, {0, 1}, {4, 5}},
        {2, 8, {0, 2}, {5, 7}},
        {1, 5, {0}, {4}},
    };
    for (const auto& c : cases) {
        CArray<int, const int&> starts, ends;
        ASSERT_EQ(DivideStirrupColumns(c.stirrups, c.columns, starts, ends), 1);
        std::vector<int> s, e;
        for (INT_PTR i = 0; i < starts.GetSize(); ++i)
            s.push_back(starts[i]), e.push_back(ends[i]);
        EXPECT_EQ(s, c.starts) << c.stirrups << " " << c.columns;
        EXPECT_EQ(e, c.ends) << c.stirrups << " " << c.columns;
    }
    for (auto [k, n] : {std::pair{2, 3}, std::pair{1, 9}, std::pair{0, 0}, std::pair{0, 4}, std::pair{-1, 4}}) {
        CArray<int, const int&> starts, ends;
        starts.Add(7);
        EXPECT_EQ(DivideStirrupColumns(k, n, starts, ends), 0);
        EXPECT_EQ(starts.GetSize(), 1);
    }
}

// Every layout the columns allow: from the first column to the last, symmetric, neighbours
// overlapping, every stirrup over two to eight columns.
TEST(SpacingFormulaTest, StirrupLayoutsCoverTheSection)
{
    for (int k = 1; k <= 10; ++k)
        for (int n = 2 * k; n <= 8 * k && n <= 40; ++n) {
            CArray<int, const int&> starts, ends;
            ASSERT_EQ(DivideStirrupColumns(k, n, starts, ends), 1);
            ASSERT_EQ(starts.GetSize(), k);
            EXPECT_EQ(starts[0], 0);
            EXPECT_EQ(ends[k - 1], n - 1);
            for (int j = 0; j < k; ++j) {
                EXPECT_EQ(starts[j] + ends[k - 1 - j], n - 1) << k << " " << n;
                EXPECT_GE(ends[j] - starts[j], 1);
                if (j + 1 < k) {
                    EXPECT_LE(starts[j + 1], ends[j]) << k << " " << n;
                }
            }
        }
}

namespace {

class SkeletonDialog : public CAutoSkeletonSpacingDialog {
public:
    BOOL Run(CSkeletonSpacingChoice& choice) override
    {
        shown = choice.GetFormula();
        return TRUE;
    }
    CString shown;
};

class SideDialog : public CAutoSideSpacingDialog {
public:
    BOOL Run(CSideSpacingChoice&) override { return TRUE; }
};

// Five bar columns over a width of 100 with side covers of 5.
FakeCommandHost SkeletonHost()
{
    FakeCommandHost host;
    host.design.SetBarColumnCount(5);
    host.design.SetSideCover(5);
    host.geometry.dWidth = 100;
    host.geometry.dMiddleHeight = 100;
    host.design.SetTopCover(5);
    host.design.SetBottomCover(5);
    host.category = 207;
    return host;
}

} // namespace

TEST(AutoSpacingCommandTest, SkeletonFormulaIsApplied)
{
    FakeCommandHost host = SkeletonHost();
    SkeletonDialog dialog;
    RunAutoSkeletonSpacingCommand(host, dialog);
    EXPECT_EQ(dialog.shown, L"4*22.5");
    EXPECT_EQ(Values(host.design.GetMoreInfo().GetSkeletonSpacings()), (std::vector<double>{22.5, 22.5, 22.5, 22.5}));
    EXPECT_EQ(host.stores, 1);
    EXPECT_TRUE(host.modified);
    EXPECT_EQ(host.titleUpdates, 1);
    EXPECT_EQ(host.reloads, 1);

    FakeCommandHost again = host;
    again.modified = false;
    RunAutoSkeletonSpacingCommand(again, dialog);
    EXPECT_FALSE(again.modified);
}

TEST(AutoSpacingCommandTest, RefusedFormulasChangeNothing)
{
    const struct {
        const wchar_t* formula;
        const wchar_t* box;
    } cases[] = {
        {L" ", L"骨架钢筋列间距表达式错误，请重新输入"},
        {L"4*22.5+x", L"间距表达式中存在错误，请检查后确认！"},
        {L"3*30", L"间距表达式中存在错误，间距个数不正确！\n钢筋列个数：5\n表达式列个数：4"},
        {L"3*22.5+22.4", L"间距表达式加保护层与盖梁宽度不合适，请重新输入！\n盖梁宽度（除去保护层）：90\n间距和：89.9"},
    };
    for (const auto& c : cases) {
        CScopedMessageBoxAnswerer boxes;
        FakeCommandHost host = SkeletonHost();
        EXPECT_FALSE(ApplySkeletonSpacingFormula(host.design, host.geometry, c.formula));
        EXPECT_EQ(Texts(boxes.Script()), std::vector<std::wstring>{std::wstring(L"表达式错误|") + c.box});
        EXPECT_TRUE(host.design.GetMoreInfo().GetSkeletonSpacings().IsEmpty());
    }
}

// Cover and column count change only while the box is ticked; unticking brings the opening
// values back, and a cover counts from the next recomputation.
TEST(AutoSpacingCommandTest, SkeletonDialogChoice)
{
    CSkeletonSpacingChoice choice(100, 5, 4);
    EXPECT_EQ(choice.GetFormula(), L"4*22.5");
    choice.SetIndex(5);
    EXPECT_EQ(choice.GetIndex(), 4);
    choice.AllowEdit(TRUE);
    choice.SetCover(10);
    EXPECT_EQ(choice.GetFormula(), L"4*22.5");
    choice.SetIndex(3);
    EXPECT_EQ(choice.GetFormula(), L"1*26.7+1*26.6+1*26.7");
    {
        CScopedMessageBoxAnswerer boxes;
        EXPECT_FALSE(choice.Confirm());
        EXPECT_EQ(boxes->Boxes().at(0).caption, L"数据不匹配");
    }
    choice.AllowEdit(FALSE);
    EXPECT_EQ(choice.GetCover(), 5);
    EXPECT_EQ(choice.GetIndex(), 4);
    EXPECT_EQ(choice.GetFormula(), L"4*22.5");

    CSideSpacingChoice side(100, 5, 5, 3);
    EXPECT_EQ(side.GetFormula(), L"3*30");
    side.SetIndex(1);
    EXPECT_EQ(side.GetFormula(), L"1*90");
    EXPECT_FALSE(side.Confirm());
    EXPECT_EQ(CSideSpacingChoice(0, 5, 5, 3).GetFormula(), L"盖梁高度错误");
}

TEST(AutoSpacingCommandTest, SkeletonDialogConfirmation)
{
    CScopedMessageBoxAnswerer boxes;
    EXPECT_FALSE(ConfirmSkeletonSpacing(0, 5, 4, 5, 4));
    EXPECT_FALSE(ConfirmSkeletonSpacing(100, 5, 1, 5, 1));
    EXPECT_EQ(boxes->Boxes().size(), 0u);
    EXPECT_FALSE(ConfirmSkeletonSpacing(100, 6, 4, 5, 4));
    EXPECT_FALSE(ConfirmSkeletonSpacing(100, 5, 5, 5, 4));
    boxes->QueueAnswer(IDNO);
    boxes->QueueAnswer(IDYES);
    EXPECT_FALSE(ConfirmSkeletonSpacing(100, 5.05, 4, 5, 4));
    EXPECT_TRUE(ConfirmSkeletonSpacing(100, 5.05, 4, 5, 4));
    const auto texts = Texts(boxes.Script());
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[0], L"数据不匹配|钢筋列数或保护层与当前项目不一致，必须先修改相应参数后方可使用本间距公式！");
    EXPECT_EQ(texts[1], texts[0]);
    EXPECT_EQ(texts[2], L"确认应用|间距公式应用后无法撤销，确实需要应用本间距公式到当前项目吗？");
    EXPECT_EQ(SkeletonSpacingFormulaText(0, 5, 4), L"盖梁宽度错误");
    EXPECT_EQ(SideSpacingFormulaText(-1, 5, 5, 3), L"盖梁高度错误");
}

TEST(AutoSpacingCommandTest, SideFormulaIsApplied)
{
    FakeCommandHost host = SkeletonHost();
    host.category = 205;
    host.design.GetMoreInfo().SetSideBarSpacing(30);
    EXPECT_EQ(InitialSideSpacingIndex(host.design, host.geometry), 3);
    SideDialog dialog;
    RunAutoSideSpacingCommand(host, dialog);
    EXPECT_EQ(Values(host.design.GetMoreInfo().GetSideSpacings()), (std::vector<double>{30, 30, 30}));
    EXPECT_TRUE(host.modified);
    EXPECT_EQ(host.reloads, 1);
    EXPECT_EQ(InitialSideSpacingIndex(host.design, host.geometry), 3);

    CScopedMessageBoxAnswerer boxes;
    EXPECT_FALSE(ApplySideSpacingFormula(host.design, host.geometry, L"2*30+29"));
    EXPECT_FALSE(ApplySideSpacingFormula(host.design, host.geometry, L""));
    EXPECT_EQ(
        Texts(boxes.Script()),
        (std::vector<std::wstring>{
            L"表达式错误|间距表达式加保护层与盖梁高度不合适，请重新输入！\n盖梁高度（除去保护层）：90\n间距和：89",
            L"表达式错误|侧面钢筋间距表达式错误，请重新输入"}));
    EXPECT_TRUE(ApplySideSpacingFormula(host.design, host.geometry, L"1*20+2*35"));
    EXPECT_EQ(InitialSideSpacingIndex(host.design, host.geometry), 3);
}

namespace {

class StirrupDialog : public CAutoStirrupDialog {
public:
    explicit StirrupDialog(int legs) : m_legs(legs) {}
    BOOL Run(CAutoStirrupLayout& layout) override
    {
        openedLegs = layout.GetLegCount();
        opened = Stirrups(layout.GetProposal());
        layout.SetLegCount(m_legs);
        return TRUE;
    }
    int openedLegs = -1;
    std::vector<std::pair<int, int>> opened;

private:
    int m_legs;
};

} // namespace

TEST(AutoStirrupTest, ProposalFromTheLegsOfThePresentStirrups)
{
    FakeCommandHost host;
    host.design.SetBarColumnCount(8);
    AddStirrup(host.design, 1, 4);
    AddStirrup(host.design, 2, 7);
    AddStirrup(host.design, 5, -1);
    host.category = 206;
    EXPECT_EQ(CAutoStirrupLayout::CountStirrupLegs(host.design.GetMainFace()), 5);

    StirrupDialog dialog(4);
    RunAutoStirrupCommand(host, dialog);
    EXPECT_EQ(dialog.openedLegs, 6);
    EXPECT_EQ(dialog.opened, (std::vector<std::pair<int, int>>{{1, 4}, {2, 7}, {5, 8}}));
    EXPECT_EQ(Stirrups(host.design), (std::vector<std::pair<int, int>>{{1, 6}, {3, 8}}));
    EXPECT_EQ(host.stores, 1);
    EXPECT_TRUE(host.modified);
    EXPECT_EQ(host.reloads, 1);
}

// The open design keeps its stirrups until the layout is applied; a layout the columns do not
// allow proposes none.
TEST(AutoStirrupTest, ProposalWorksOnACopy)
{
    CBent_PierInfo design;
    design.SetBarColumnCount(15);
    AddStirrup(design, 1, 15);
    CAutoStirrupLayout layout(design);
    EXPECT_EQ(layout.GetLegCount(), 2);
    EXPECT_TRUE(Stirrups(layout.GetProposal()).empty());
    EXPECT_FALSE(layout.SetLegCount(3));
    EXPECT_TRUE(layout.SetLegCount(0));
    EXPECT_TRUE(layout.SetLegCount(4));
    EXPECT_EQ(Stirrups(layout.GetProposal()), (std::vector<std::pair<int, int>>{{1, 11}, {5, 15}}));
    EXPECT_EQ(Stirrups(design), (std::vector<std::pair<int, int>>{{1, 15}}));
    layout.ApplyTo(design);
    EXPECT_EQ(Stirrups(design), (std::vector<std::pair<int, int>>{{1, 11}, {5, 15}}));

    CScopedMessageBoxAnswerer boxes;
    boxes->QueueAnswer(IDNO);
    EXPECT_FALSE(layout.Confirm());
    EXPECT_EQ(Texts(boxes.Script()),
              std::vector<std::wstring>{L"确认应用|箍筋布置应用后无法撤销，确实需要应用本箍筋布置到当前项目吗？"});
}
