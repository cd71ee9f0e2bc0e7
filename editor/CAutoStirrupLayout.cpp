// The automatic stirrup layout.
#include "CAutoStirrupLayout.h"

#include "CategoryCodes.h"
#include "EditorMessageBoxes.h"
#include "SpacingFormula.h"

#include <algorithm>

namespace {

constexpr int kUnsetColumn = -1;

} // namespace

CAutoStirrupLayout::CAutoStirrupLayout(const CBent_PierInfo& design)
    : m_proposal(design), m_columns(std::max(0, design.GetMainFace().GetBarColumnCount())), m_legs(0)
{
    int legs = CountStirrupLegs(design.GetMainFace());
    if (m_columns % 2 == 0 && legs % 2 == 1)
        ++legs;
    SetLegCount(std::min(legs, m_columns));
}

int CAutoStirrupLayout::CountStirrupLegs(const CBent_FaceInfo& face)
{
    int legs = 0;
    const CArray<CBent_PAFSteel, const CBent_PAFSteel&>& stirrups = face.GetStirrups();
    for (INT_PTR i = 0; i < stirrups.GetSize(); ++i)
        legs += (stirrups[i].GetStartColumn() != kUnsetColumn ? 1 : 0) +
                (stirrups[i].GetEndColumn() != kUnsetColumn ? 1 : 0);
    return legs;
}

BOOL CAutoStirrupLayout::SetLegCount(int legs)
{
    m_legs = legs;
    CArray<CBent_PAFSteel, const CBent_PAFSteel&>& stirrups = m_proposal.GetMainFace().GetStirrups();
    stirrups.RemoveAll();
    const int closed = legs / 2;
    CArray<int, const int&> starts, ends;
    if (!DivideStirrupColumns(closed, m_columns, starts, ends))
        return closed == 0;
    for (int k = 0; k < closed; ++k) {
        CBent_PAFSteel stirrup;
        stirrup.SetStartColumn(starts[k] + 1);
        stirrup.SetEndColumn(ends[k] + 1);
        stirrups.Add(stirrup);
    }
    return TRUE;
}

BOOL CAutoStirrupLayout::Confirm(HWND owner) const
{
    return AskYesNo(L"箍筋布置应用后无法撤销，确实需要应用本箍筋布置到当前项目吗？", L"确认应用", owner);
}

void CAutoStirrupLayout::ApplyTo(CBent_PierInfo& design) const
{
    design.GetMainFace().GetStirrups().Copy(m_proposal.GetMainFace().GetStirrups());
}

void RunAutoStirrupCommand(CDesignCommandHost& host, CAutoStirrupDialog& dialog)
{
    host.StoreCurrentForm();
    CAutoStirrupLayout layout(host.GetDesign());
    if (!dialog.Run(layout))
        return;
    layout.ApplyTo(host.GetDesign());
    host.SetModified();
    host.UpdateFrameTitle();
    ReloadFormShowing(host, kCategorySectionStirrups);
}
