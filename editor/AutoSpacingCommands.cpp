// The automatic spacing commands for the skeleton columns and the side bars.
#include "AutoSpacingCommands.h"

#include "CategoryCodes.h"
#include "EditorMessageBoxes.h"
#include "NumericHelpers.h"
#include "SpacingFormula.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kSumTolerance = 1e-6;
constexpr const wchar_t* kFormulaCaption = L"表达式错误";
constexpr const wchar_t* kApplyQuestion = L"间距公式应用后无法撤销，确实需要应用本间距公式到当前项目吗？";

double Sum(const CArray<double, const double&>& values)
{
    double sum = 0.0;
    for (INT_PTR i = 0; i < values.GetSize(); ++i)
        sum += values[i];
    return sum;
}

// The formula read; a box for an empty or a bad one.
BOOL ReadFormula(const CString& formula, const wchar_t* emptyMessage, CArray<double, const double&>& spacings)
{
    switch (ParseSpacingFormula(formula, spacings)) {
    case SpacingFormulaStatus::Valid:
        return TRUE;
    case SpacingFormulaStatus::Empty:
        ShowInformation(emptyMessage, kFormulaCaption);
        return FALSE;
    case SpacingFormulaStatus::BadTerm:
        break;
    }
    ShowInformation(L"间距表达式中存在错误，请检查后确认！", kFormulaCaption);
    return FALSE;
}

// The spacings must fill the clear length; the box names both.
BOOL CheckFilled(const CArray<double, const double&>& spacings, double clear, const wchar_t* format)
{
    const double sum = Sum(spacings);
    if (std::fabs(sum - clear) < kSumTolerance)
        return TRUE;
    CString message;
    message.Format(format, FormatFixed(clear, -7), FormatFixed(sum, -7));
    ShowInformation(message, kFormulaCaption);
    return FALSE;
}

// An identical list is left as it is.
BOOL ReplaceList(CArray<double, const double&>& list, const CArray<double, const double&>& spacings)
{
    bool same = !list.IsEmpty() && list.GetSize() == spacings.GetSize();
    for (INT_PTR i = 0; same && i < list.GetSize(); ++i)
        same = std::fabs(list[i] - spacings[i]) < kSumTolerance;
    if (same)
        return FALSE;
    list.Copy(spacings);
    return TRUE;
}

} // namespace

CString SkeletonSpacingFormulaText(double width, double cover, int index)
{
    if (width <= 0.0)
        return L"盖梁宽度错误";
    CString formula;
    FormatSkeletonSpacing(width, cover, index + 1, formula);
    return formula;
}

BOOL ConfirmSkeletonSpacing(double width, double cover, int index, double openedCover, int openedIndex, HWND owner)
{
    if (!(width > 0.0 && cover > 0.0 && index >= 2))
        return FALSE;
    if (std::fabs(cover - openedCover) > 0.1 || index != openedIndex) {
        ShowInformation(L"钢筋列数或保护层与当前项目不一致，必须先修改相应参数后方可使用本间距公式！", L"数据不匹配",
                        owner);
        return FALSE;
    }
    return AskYesNo(kApplyQuestion, L"确认应用", owner);
}

CString SideSpacingFormulaText(double height, double topCover, double bottomCover, int index)
{
    if (height <= 0.0)
        return L"盖梁高度错误";
    CString formula;
    FormatSideSpacing(height, topCover, bottomCover, index + 1, formula);
    return formula;
}

BOOL ConfirmSideSpacing(double height, double topCover, double bottomCover, int index, HWND owner)
{
    if (!(height > 0.0 && topCover + bottomCover > 0.0 && index >= 2))
        return FALSE;
    return AskYesNo(kApplyQuestion, L"确认应用", owner);
}

int InitialSideSpacingIndex(const CBent_PierInfo& design, const CBent_BasicGeometry& geometry)
{
    const CBent_MoreInfo& more = design.GetMoreInfo();
    double index = static_cast<double>(more.GetSideSpacings().GetSize());
    if (more.GetSideSpacings().IsEmpty() && more.GetSideBarSpacing() > 0.0)
        index = std::trunc((geometry.dMiddleHeight - design.GetTopCover() - design.GetBottomCover()) /
                           more.GetSideBarSpacing());
    return static_cast<int>(std::clamp(index, 0.0, static_cast<double>(kSpacingCountChoices - 1)));
}

BOOL ApplySkeletonSpacingFormula(CBent_PierInfo& design, const CBent_BasicGeometry& geometry, const CString& formula)
{
    CArray<double, const double&> spacings;
    if (!ReadFormula(formula, L"骨架钢筋列间距表达式错误，请重新输入", spacings))
        return FALSE;
    const int columns = design.GetMainFace().GetBarColumnCount();
    if (spacings.GetSize() != columns - 1) {
        CString message;
        message.Format(L"间距表达式中存在错误，间距个数不正确！\n钢筋列个数：%d\n表达式列个数：%d", columns,
                       static_cast<int>(spacings.GetSize() + 1));
        ShowInformation(message, kFormulaCaption);
        return FALSE;
    }
    if (!CheckFilled(spacings, geometry.dWidth - 2.0 * design.GetSideCover(),
                     L"间距表达式加保护层与盖梁宽度不合适，请重新输入！\n盖梁宽度（除去保护层）：%s\n间距和：%s"))
        return FALSE;
    return ReplaceList(design.GetMoreInfo().GetSkeletonSpacings(), spacings);
}

BOOL ApplySideSpacingFormula(CBent_PierInfo& design, const CBent_BasicGeometry& geometry, const CString& formula)
{
    CArray<double, const double&> spacings;
    if (!ReadFormula(formula, L"侧面钢筋间距表达式错误，请重新输入", spacings))
        return FALSE;
    if (!CheckFilled(spacings, geometry.dMiddleHeight - (design.GetBottomCover() + design.GetTopCover()),
                     L"间距表达式加保护层与盖梁高度不合适，请重新输入！\n盖梁高度（除去保护层）：%s\n间距和：%s"))
        return FALSE;
    return ReplaceList(design.GetMoreInfo().GetSideSpacings(), spacings);
}

void RunAutoSkeletonSpacingCommand(CDesignCommandHost& host, CAutoSkeletonSpacingDialog& dialog)
{
    host.StoreCurrentForm();
    CBent_PierInfo& design = host.GetDesign();
    CSkeletonSpacingChoice choice(host.GetGeometry().dWidth, design.GetSideCover(),
                                  design.GetMainFace().GetBarColumnCount() - 1);
    if (!dialog.Run(choice))
        return;
    if (!ApplySkeletonSpacingFormula(design, host.GetGeometry(), choice.GetFormula()))
        return;
    host.SetModified();
    host.UpdateFrameTitle();
    ReloadFormShowing(host, kCategorySkeletonLayout);
}

void RunAutoSideSpacingCommand(CDesignCommandHost& host, CAutoSideSpacingDialog& dialog)
{
    host.StoreCurrentForm();
    CBent_PierInfo& design = host.GetDesign();
    CSideSpacingChoice choice(host.GetGeometry().dMiddleHeight, design.GetTopCover(), design.GetBottomCover(),
                              InitialSideSpacingIndex(design, host.GetGeometry()));
    if (!dialog.Run(choice))
        return;
    if (!ApplySideSpacingFormula(design, host.GetGeometry(), choice.GetFormula()))
        return;
    host.SetModified();
    host.UpdateFrameTitle();
    ReloadFormShowing(host, kCategorySideBars);
}
