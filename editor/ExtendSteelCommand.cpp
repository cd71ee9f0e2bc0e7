// The strengthening-bar command.
#include "ExtendSteelCommand.h"

#include "CategoryCodes.h"
#include "EditorMessageBoxes.h"

namespace {

struct Operation {
    const wchar_t* text;
    void (*apply)(CBent_ExtendSteel&);
};

const Operation kOperations[kExtendSteelOperationCount] = {
    {L"清除边柱加强钢筋", [](CBent_ExtendSteel& s) { s.ClearCodeHundreds(); }},
    {L"清除中柱加强钢筋", [](CBent_ExtendSteel& s) { s.ClearCodeTens(); }},
    {L"清除跨中加强钢筋", [](CBent_ExtendSteel& s) { s.ClearCodeUnits(); }},
    {L"将边柱加强钢筋复制到中柱", [](CBent_ExtendSteel& s) { s.CopyCodeHundredsToTens(); }},
    {L"将中柱加强钢筋复制到边柱", [](CBent_ExtendSteel& s) { s.CopyCodeTensToHundreds(); }},
    {L"非骨架顶底板筋替换为加强筋", [](CBent_ExtendSteel& s) { s.ReplacePlateBarsWithStrengthening(); }},
    {L"第一层加强筋替换为顶底板筋", [](CBent_ExtendSteel& s) { s.ReplaceFirstLayerWithPlateBars(); }},
};

bool IsOperation(int operation) { return operation >= 0 && operation < kExtendSteelOperationCount; }

} // namespace

CString GetExtendSteelOperationText(int operation)
{
    return IsOperation(operation) ? CString(kOperations[operation].text) : CString();
}

BOOL ConfirmExtendSteelOperation(int operation, HWND owner)
{
    CString question;
    question.Format(L"加强钢筋操作无法撤销，确实需要进行以下操作吗？\n\n〔%s〕",
                    GetExtendSteelOperationText(operation));
    return AskYesNo(question, L"确认操作", owner);
}

BOOL ApplyExtendSteelOperation(CBent_ExtendSteel& steel, int operation)
{
    if (!IsOperation(operation))
        return FALSE;
    kOperations[operation].apply(steel);
    return TRUE;
}

void RunExtendSteelCommand(CDesignCommandHost& host, CExtendSteelChoice& choice)
{
    int operation = kInitialExtendSteelOperation;
    if (!choice.Choose(operation) || !ApplyExtendSteelOperation(host.GetDesign().GetExtendSteel(), operation))
        return;
    host.SetModified();
    host.UpdateFrameTitle();
    ReloadFormShowing(host, kCategorySkeletonLayout, kCategoryBasicData);
}
