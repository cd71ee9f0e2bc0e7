#include "CBentCapFormHPView.h"

#include "CBentCapStirrupDlg.h"
#include "CMenu.h"
#include "EditorMessageBoxes.h"
#include "KeyState.h"
#include "NumericField.h"
#include "NumericHelpers.h"

#include <QWidget>

#include <utility>

namespace {

const UINT kStirrupListId = 1054;
const UINT kDeleteSteel = 32775;
const UINT kModifySteel = 32776;
const UINT kAddSteel = 32778;
const UINT kSortSteel = 32779;
const wchar_t* const kBeamHeight = L"梁高";
// A stirrup drawn across its columns as a line: its left end, its run over a column and its
// right end.
const wchar_t kStart = L'├', kEnd = L'┤', kRun = L'─';

// The cell texts of one stirrup row, column by column from 1.
CString CellText(int column, int start, int end)
{
    const CString run(kRun, 1);
    if (start != -1 && end != -1 && start != end) {
        if (column == start)
            return CString(kStart, 1) + run + run + run;
        if (column == end)
            return run + run + run + CString(kEnd, 1);
        return column > start && column < end ? run + run + run + run : CString();
    }
    if (start != -1 && start == end)
        return column == start ? CString(kStart, 1) + run + run + CString(kEnd, 1) : CString();
    if (start != -1)
        return column == start ? CString(kStart, 1) + run + run : CString();
    return column == end ? run + run + CString(kEnd, 1) : CString();
}

// A stirrup's place in the sort: its start column, or its end column without a start.
int SortKey(const CBent_PAFSteel& stirrup)
{
    return stirrup.GetStartColumn() != -1 ? stirrup.GetStartColumn() : stirrup.GetEndColumn();
}

} // namespace

CBentCapFormHPView::CBentCapFormHPView() : CBentCapFormBaseView(IDD) {}

void CBentCapFormHPView::OnInitialUpdate()
{
    CreateSpacingControls();
    AddLabel(L"箍筋参数：", CRect(8, 176, 300, 196));
    m_wndList.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS, CRect(8, 198, 720, 360),
                     this, kStirrupListId);
    AddLabel(L"箍筋示意：", CRect(8, 368, 300, 388));
    // Tall enough for the numbers above the section and the selected stirrup's numbers below.
    m_wndSketch.Create(L"", WS_CHILD | WS_VISIBLE, CRect(8, 390, 720, 700), this, 1024);
    // Moves over the sketch reach the form without a button held, for the sketch's cursor.
    if (QWidget* sketch = m_wndSketch.GetWidget())
        sketch->setMouseTracking(true);
}

void CBentCapFormHPView::CreateSpacingControls()
{
    const DWORD combo = WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWN;
    const DWORD check = WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX;
    AddLabel(L"箍筋间距：", CRect(8, 12, 84, 32));
    m_cboSpacing.Create(combo, CRect(88, 8, 168, 32), this, 1056);
    m_pLblDense = AddLabel(L"加密间距：", CRect(180, 12, 256, 32), 1063);
    m_cboDense.Create(combo, CRect(260, 8, 340, 32), this, 1057);
    m_pLblSkew = AddLabel(L"斜布间距：", CRect(352, 12, 428, 32), 1067);
    m_cboSkew.Create(combo, CRect(432, 8, 512, 32), this, 1058);
    m_chkDensify.Create(L"墩柱范围内箍筋加密布置（对桥墩盖梁，变高段内的直布箍筋和斜布箍筋始终加密布置，对桥台盖梁）",
                        check, CRect(8, 44, 720, 64), this, 1062);
    m_pLblEdgeOuter = AddLabel(L"边柱外侧：", CRect(8, 80, 84, 100), 1064);
    m_cboEdgeOuter.Create(combo, CRect(88, 76, 168, 100), this, 1059);
    m_pLblEdgeInner = AddLabel(L"边柱内侧：", CRect(180, 80, 256, 100), 1065);
    m_cboEdgeInner.Create(combo, CRect(260, 76, 340, 100), this, 1060);
    m_pLblMiddle = AddLabel(L"中柱半侧：", CRect(352, 80, 428, 100), 1066);
    m_cboMiddle.Create(combo, CRect(432, 76, 512, 100), this, 1061);
    m_chkSeismic.Create(L"抗震箍筋（直线段加5倍d）", check, CRect(8, 116, 400, 136), this, 1110);
}

int CBentCapFormHPView::ColumnCount() const { return m_pPierInfo ? m_pPierInfo->GetMainFace().GetBarColumnCount() : 0; }

void CBentCapFormHPView::BuildColumns()
{
    while (m_wndList.GetColumnCount() > 0)
        m_wndList.DeleteColumn(0);
    m_wndList.InsertColumn(0, L"箍筋编号", LVCFMT_LEFT, 80);
    const int nc = ColumnCount();
    for (int i = 1; i <= nc; ++i) {
        const bool middle = nc % 2 ? i == nc / 2 + 1 : i == nc / 2 || i == nc / 2 + 1;
        CString title;
        title.Format(middle ? L"●%d" : L"列%d", i);
        m_wndList.InsertColumn(i, title, LVCFMT_LEFT, 40);
    }
}

void CBentCapFormHPView::RefreshStirrupList()
{
    const int nc = ColumnCount();
    CArray<CBent_PAFSteel, const CBent_PAFSteel&>& stirrups = Face().GetStirrups();
    // Stirrups past the columns go, ends past them are cut.
    for (INT_PTR i = stirrups.GetSize() - 1; i >= 0; --i)
        if (stirrups[i].GetStartColumn() > nc)
            stirrups.RemoveAt(i);
    m_wndList.DeleteAllItems();
    for (INT_PTR k = 0; k < stirrups.GetSize(); ++k) {
        CBent_PAFSteel& stirrup = stirrups[k];
        if (stirrup.GetEndColumn() > nc)
            stirrup.SetEndColumn(nc);
        const int start = stirrup.GetStartColumn();
        const int end = stirrup.GetEndColumn();
        CString name;
        name.Format(L"N%d(%d～%d)", static_cast<int>(k + 1), start, end);
        const int row = m_wndList.InsertItem(static_cast<int>(k), name);
        for (int column = 1; column <= nc; ++column)
            m_wndList.SetItemText(row, column, CellText(column, start, end));
    }
    if (m_nSelectedRow >= m_wndList.GetItemCount())
        m_nSelectedRow = -1;
    if (m_nSelectedRow >= 0)
        m_wndList.SetItemState(m_nSelectedRow, LVIS_SELECTED, LVIS_SELECTED);
    ShowInSketch();
}

int CBentCapFormHPView::LoadData()
{
    if (!m_pPierInfo || !m_pProject || !m_wndList.GetSafeHwnd())
        return 1;
    // 1. The columns, 2. the stirrups.
    BuildColumns();
    RefreshStirrupList();
    // 3. The spacings and densified ranges with their presets.
    const CBent_MoreInfo& more = m_pPierInfo->GetMoreInfo();
    const double factor = m_pProject->GetLoadFactor();
    const struct {
        CComboBox* combo;
        double value;
    } spacings[] = {{&m_cboSpacing, more.GetStirrupSpacing()},
                    {&m_cboDense, more.GetDenseStirrupSpacing()},
                    {&m_cboSkew, more.GetSkewStirrupSpacing()}};
    for (const auto& s : spacings) {
        s.combo->ResetContent();
        for (int mm = 80; mm <= 240; mm += 10)
            s.combo->AddString(FormatFixed(mm * factor, -7));
        s.combo->SetWindowText(FormatFixed(s.value, -7));
    }
    const struct {
        CComboBox* combo;
        double value;
    } ranges[] = {{&m_cboEdgeOuter, more.GetDenseRangeEdgeOuter()},
                  {&m_cboEdgeInner, more.GetDenseRangeEdgeInner()},
                  {&m_cboMiddle, more.GetDenseHalfRangeMiddle()}};
    for (const auto& r : ranges) {
        r.combo->ResetContent();
        r.combo->AddString(kBeamHeight);
        for (int mm : {600, 800, 1000, 1200, 1300, 1400, 1500, 1600, 1700, 1800, 1900, 2000})
            r.combo->AddString(FormatFixed(mm * factor, -7));
        r.combo->SetWindowText(r.value < 0 ? CString(kBeamHeight) : FormatFixed(r.value, -7));
    }
    m_chkDensify.SetCheck(more.GetDensifyInPierRanges() ? BST_CHECKED : BST_UNCHECKED);
    m_chkSeismic.SetCheck(more.GetSeismicStirrups() ? BST_CHECKED : BST_UNCHECKED);
    const BOOL abutment = m_pBasicGeometry && m_pBasicGeometry->nAbutmentCap;
    m_cboSkew.EnableWindow(abutment);
    if (m_pLblSkew)
        m_pLblSkew->EnableWindow(abutment);
    UpdateDenseControls();
    return 1;
}

void CBentCapFormHPView::UpdateDenseControls()
{
    const BOOL dense = m_chkDensify.GetCheck() == BST_CHECKED;
    const BOOL middle = dense && m_pPierInfo && m_pPierInfo->GetSupportDistances().GetSize() > 2;
    for (CWnd* wnd : {static_cast<CWnd*>(&m_cboDense), static_cast<CWnd*>(&m_cboEdgeOuter),
                      static_cast<CWnd*>(&m_cboEdgeInner), static_cast<CWnd*>(m_pLblDense),
                      static_cast<CWnd*>(m_pLblEdgeOuter), static_cast<CWnd*>(m_pLblEdgeInner)})
        if (wnd)
            wnd->EnableWindow(dense);
    m_cboMiddle.EnableWindow(middle);
    if (m_pLblMiddle)
        m_pLblMiddle->EnableWindow(middle);
}

int CBentCapFormHPView::SaveData()
{
    if (!m_pPierInfo || !m_wndList.GetSafeHwnd())
        return 1;
    // The spacings, then the dense ranges, which may also read "梁高" (stored as -1).
    CComboBox* const fields[] = {&m_cboSpacing, &m_cboDense, &m_cboSkew, &m_cboEdgeOuter, &m_cboEdgeInner, &m_cboMiddle};
    double values[6] = {};
    for (int i = 0; i < 6; ++i) {
        CString text;
        fields[i]->GetWindowText(text);
        if (i >= 3 && text == kBeamHeight)
            values[i] = -1.0;
        else if (!ExchangeRealField(*fields[i], values[i]))
            return 0;
    }
    CBent_MoreInfo& more = m_pPierInfo->GetMoreInfo();
    UpdateIntField(more, &CBent_MoreInfo::GetDensifyInPierRanges, &CBent_MoreInfo::SetDensifyInPierRanges,
                   m_chkDensify.GetCheck() == BST_CHECKED ? 1 : 0);
    UpdateIntField(more, &CBent_MoreInfo::GetSeismicStirrups, &CBent_MoreInfo::SetSeismicStirrups,
                   m_chkSeismic.GetCheck() == BST_CHECKED ? 1 : 0);
    UpdateRealField(more, &CBent_MoreInfo::GetStirrupSpacing, &CBent_MoreInfo::SetStirrupSpacing, values[0]);
    UpdateRealField(more, &CBent_MoreInfo::GetDenseStirrupSpacing, &CBent_MoreInfo::SetDenseStirrupSpacing, values[1]);
    UpdateRealField(more, &CBent_MoreInfo::GetSkewStirrupSpacing, &CBent_MoreInfo::SetSkewStirrupSpacing, values[2]);
    UpdateRealField(more, &CBent_MoreInfo::GetDenseRangeEdgeOuter, &CBent_MoreInfo::SetDenseRangeEdgeOuter, values[3]);
    UpdateRealField(more, &CBent_MoreInfo::GetDenseRangeEdgeInner, &CBent_MoreInfo::SetDenseRangeEdgeInner, values[4]);
    UpdateRealField(more, &CBent_MoreInfo::GetDenseHalfRangeMiddle, &CBent_MoreInfo::SetDenseHalfRangeMiddle,
                    values[5]);
    return 1;
}

void CBentCapFormHPView::StirrupsChanged()
{
    MarkModified();
    RefreshStirrupList();
}

void CBentCapFormHPView::OnAddSteel()
{
    if (!m_pPierInfo)
        return;
    CBentCapStirrupDlg dialog(1, ColumnCount(), ColumnCount(), this);
    if (dialog.DoModal() != IDOK)
        return;
    CBent_PAFSteel stirrup;
    stirrup.SetStartColumn(dialog.m_nStart);
    stirrup.SetEndColumn(dialog.m_nEnd);
    Face().GetStirrups().Add(stirrup);
    StirrupsChanged();
}

void CBentCapFormHPView::EditStirrup(int nRow)
{
    if (!m_pPierInfo || nRow < 0 || nRow >= Face().GetStirrups().GetSize())
        return;
    CBent_PAFSteel& stirrup = Face().GetStirrups()[nRow];
    CBentCapStirrupDlg dialog(stirrup.GetStartColumn(), stirrup.GetEndColumn(), ColumnCount(), this);
    if (dialog.DoModal() != IDOK)
        return;
    stirrup.SetStartColumn(dialog.m_nStart);
    stirrup.SetEndColumn(dialog.m_nEnd);
    StirrupsChanged();
}

void CBentCapFormHPView::OnModifySteel() { EditStirrup(m_nSelectedRow); }

void CBentCapFormHPView::OnGridDblClk() { EditStirrup(m_wndList.GetNextItem(-1, LVNI_SELECTED)); }

void CBentCapFormHPView::OnGridClick()
{
    const int row = m_wndList.GetNextItem(-1, LVNI_SELECTED);
    if (row == m_nSelectedRow)
        return;
    m_nSelectedRow = row;
    ShowInSketch();
}

void CBentCapFormHPView::OnDeleteSteel()
{
    if (!m_pPierInfo || m_nSelectedRow < 0 || m_nSelectedRow >= Face().GetStirrups().GetSize())
        return;
    CString question;
    question.Format(L"删除的钢筋无法恢复，确实需要删除%s吗？", m_wndList.GetItemText(m_nSelectedRow, 0).GetString());
    if (!AskYesNo(question, L"确认删除", GetSafeHwnd()))
        return;
    Face().GetStirrups().RemoveAt(m_nSelectedRow);
    m_nSelectedRow = -1;
    StirrupsChanged();
}

void CBentCapFormHPView::OnSortSteel()
{
    if (!m_pPierInfo || !AskYesNo(L"排序操作无法撤销，确实需要对箍筋进行排序吗？", L"确认排序", GetSafeHwnd()))
        return;
    CArray<CBent_PAFSteel, const CBent_PAFSteel&>& stirrups = Face().GetStirrups();
    for (INT_PTR i = 0; i < stirrups.GetSize(); ++i)
        for (INT_PTR j = i + 1; j < stirrups.GetSize(); ++j)
            if (SortKey(stirrups[j]) < SortKey(stirrups[i]))
                std::swap(stirrups[i], stirrups[j]);
    StirrupsChanged();
}

BOOL CBentCapFormHPView::UpdateCommandUI(CCmdUI* pCmdUI)
{
    const INT_PTR count = m_pPierInfo ? Face().GetStirrups().GetSize() : 0;
    switch (pCmdUI->m_nID) {
    case kAddSteel: pCmdUI->Enable(TRUE); return TRUE;
    case kModifySteel:
    case kDeleteSteel: pCmdUI->Enable(m_nSelectedRow >= 0); return TRUE;
    case kSortSteel: pCmdUI->Enable(count > 1); return TRUE;
    default: return FALSE;
    }
}

void CBentCapFormHPView::OnContextMenu(CPoint point)
{
    const INT_PTR count = m_pPierInfo ? Face().GetStirrups().GetSize() : 0;
    CMenu menu;
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_STRING, kAddSteel, L"添加钢筋(&A)");
    menu.AppendMenu(MF_STRING | (m_nSelectedRow < 0 ? MF_GRAYED : 0U), kDeleteSteel, L"删除钢筋(&D)");
    menu.AppendMenu(MF_STRING | (m_nSelectedRow < 0 ? MF_GRAYED : 0U), kModifySteel, L"修改钢筋(&E)");
    menu.AppendMenu(MF_STRING | (count < 2 ? MF_GRAYED : 0U), kSortSteel, L"钢筋排序(&S)");
    menu.TrackPopupMenu(TPM_LEFTALIGN, point.x, point.y, this);
}

BOOL CBentCapFormHPView::OnCommand(WPARAM wParam, LPARAM)
{
    const UINT nID = LOWORD(wParam);
    const UINT code = HIWORD(wParam);
    if (nID == 1062 && code == BN_CLICKED) {
        UpdateDenseControls();
        return TRUE;
    }
    if (code != 0)
        return FALSE;
    switch (nID) {
    case kDeleteSteel: OnDeleteSteel(); return TRUE;
    case kModifySteel: OnModifySteel(); return TRUE;
    case kAddSteel: OnAddSteel(); return TRUE;
    case kSortSteel: OnSortSteel(); return TRUE;
    default: return FALSE;
    }
}

BOOL CBentCapFormHPView::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult)
{
    const auto* notice = reinterpret_cast<const NMITEMACTIVATE*>(lParam);
    if (notice->hdr.idFrom != kStirrupListId)
        return FALSE;
    *pResult = 0;
    if (notice->hdr.code == NM_DBLCLK) {
        OnGridDblClk();
    } else if (notice->hdr.code == NM_CLICK) {
        OnGridClick();
    } else if (notice->hdr.code == NM_RCLICK) {
        OnGridClick();
        CPoint at;
        GetCursorPos(&at);
        OnContextMenu(at);
    } else {
        return FALSE;
    }
    return TRUE;
}

void CBentCapFormHPView::ShowInSketch()
{
    m_wndSketch.m_pFont = m_pLogFont;
    m_wndSketch.m_pDesign = m_pPierInfo;
    m_wndSketch.m_nSelected = m_nSelectedRow;
    m_wndSketch.Invalidate();
}

BOOL CBentCapFormHPView::ToSketch(CPoint& point) const
{
    if (!m_wndSketch.GetSafeHwnd())
        return FALSE;
    ClientToScreen(&point);
    m_wndSketch.ScreenToClient(&point);
    CRect client;
    m_wndSketch.GetClientRect(&client);
    return point.x >= 0 && point.y >= 0 && point.x <= client.Width() && point.y <= client.Height();
}

// A press on a stirrup's leg selects that stirrup in the list and in the sketch.
void CBentCapFormHPView::OnLButtonDown(UINT nFlags, CPoint point)
{
    CPoint inSketch = point;
    int index = -1;
    if (!m_pPierInfo || !ToSketch(inSketch) || !m_wndSketch.HitTestStirrup(inSketch, index)) {
        CBentCapFormBaseView::OnLButtonDown(nFlags, point);
        return;
    }
    for (int row = 0; row < m_wndList.GetItemCount(); ++row)
        m_wndList.SetItemState(row, row == index ? LVIS_SELECTED : 0U, LVIS_SELECTED);
    m_nSelectedRow = index;
    ShowInSketch();
}

void CBentCapFormHPView::OnMouseMove(UINT nFlags, CPoint point)
{
    CPoint inSketch = point;
    if (ToSketch(inSketch))
        m_wndSketch.ShowDragCursor();
    CBentCapFormBaseView::OnMouseMove(nFlags, point);
}
