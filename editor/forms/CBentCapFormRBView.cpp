#include "CBentCapFormRBView.h"

#include "ContextMenuRelay.h"
#include "ElevationBarRows.h"
#include "FormGrid.h"

namespace {

const UINT kGridId = 1001;
const UINT kSketchId = 1073;
const int kColumnWidth = 70;
const UINT kCellFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS;

} // namespace

CBentCapFormRBView::CBentCapFormRBView() : CBentCapFormBaseView(IDD) {}

CBentCapFormRBView::~CBentCapFormRBView()
{
    if (m_pGridCtrl && m_pGridCtrl->GetSafeHwnd())
        m_pGridCtrl->DestroyWindow();
}

void CBentCapFormRBView::OnInitialUpdate()
{
    AddLabel(L"钢筋示意图：", CRect(8, 8, 300, 28));
    m_wndSketch.m_pFont = m_pLogFont;
    m_wndSketch.Create(L"", WS_CHILD | WS_VISIBLE, CRect(8, 28, 720, 168), this, kSketchId);
    AddLabel(L"钢筋信息：", CRect(8, 174, 300, 192));
    m_pGridCtrl = CreateFormGrid(this, CRect(8, 192, 720, 340), kGridId);
    m_pGridCtrl->SetSingleRowSelection(TRUE);
    RelayContextMenu(*m_pGridCtrl);
    if (m_nCategoryCode != -1)
        m_view = ElevationBarViewOf(m_nCategoryCode);
    UpdateSketch();
}

int CBentCapFormRBView::PierCount() const
{
    return m_pPierInfo ? static_cast<int>(m_pPierInfo->GetSupportDistances().GetSize()) : 0;
}

int CBentCapFormRBView::DataColumnCount() const
{
    const int n = PierCount();
    if (m_view.nPier < 0) {
        switch (m_view.nKind) {
        case 3: return 2 * n;
        case 4: return 1 + 3 * n;
        default: return 2;
        }
    }
    switch (m_view.nKind) {
    case 3: return 3;
    case 4: return 4;
    default: return 2;
    }
}

void CBentCapFormRBView::WriteCell(int nRow, int nCol, const CString& text)
{
    CGridItem item;
    item.mask = GVIF_TEXT | GVIF_FORMAT;
    item.row = nRow;
    item.col = nCol;
    item.nFormat = kCellFormat;
    item.szText = text;
    m_pGridCtrl->SetItem(&item);
}

void CBentCapFormRBView::UpdateSketch()
{
    m_wndSketch.m_aColumnX.RemoveAll();
    m_wndSketch.m_nAbutment = m_pBasicGeometry ? m_pBasicGeometry->nAbutmentCap : 0;
    m_wndSketch.m_nColumnCount = PierCount();
    m_wndSketch.m_nSupport = m_view.nPier;
    m_wndSketch.m_nKind = m_view.nKind;
    if (m_wndSketch.GetSafeHwnd())
        m_wndSketch.Invalidate();
}

int CBentCapFormRBView::LoadData()
{
    if (!m_pGridCtrl)
        return 1;
    FillGrid();
    UpdateSketch();
    return 1;
}

int CBentCapFormRBView::SaveData()
{
    StoreGrid();
    return 1;
}

void CBentCapFormRBView::WriteHeaders()
{
    const int n = PierCount();
    const bool whole = m_view.nPier < 0;
    WriteCell(0, 0, L"编号");
    if (whole && m_view.nKind == 3) {
        m_pGridCtrl->MergeCells(0, 0, 1, 0);
        for (int i = 0; i < n; ++i) {
            CString title;
            title.Format(L"墩柱%d", i + 1);
            WriteCell(0, 1 + 2 * i, title);
            m_pGridCtrl->MergeCells(0, 1 + 2 * i, 0, 1);
            WriteCell(1, 1 + 2 * i, L"轴左距");
            WriteCell(1, 2 + 2 * i, L"轴右距");
        }
        return;
    }
    if (whole && m_view.nKind == 4) {
        m_pGridCtrl->MergeCells(0, 0, 1, 0);
        WriteCell(0, 1, L"下弯类型");
        m_pGridCtrl->MergeCells(0, 1, 1, 0);
        for (int i = 0; i < n; ++i) {
            CString title;
            title.Format(L"墩柱%d", i + 1);
            WriteCell(0, 2 + 3 * i, title);
            m_pGridCtrl->MergeCells(0, 2 + 3 * i, 0, 2);
            WriteCell(1, 2 + 3 * i, L"轴左距");
            WriteCell(1, 3 + 3 * i, L"轴右距");
            WriteCell(1, 4 + 3 * i, L"下弯值");
        }
        return;
    }
    std::vector<const wchar_t*> titles;
    if (!whole && m_view.nKind == 2)
        titles = {L"轴右距", L"轴左距"};
    else if (!whole && m_view.nKind == 3)
        titles = {L"相连", L"轴左距", L"轴右距"};
    else if (!whole && m_view.nKind == 4)
        titles = {L"下弯类型", L"轴左距", L"轴右距", L"下弯值"};
    else
        titles = {L"轴左距", L"轴右距"};
    for (std::size_t c = 0; c < titles.size(); ++c)
        WriteCell(0, static_cast<int>(c) + 1, titles[c]);
}

void CBentCapFormRBView::FillGrid()
{
    m_pGridCtrl->DeleteAllItems();
    if (m_nCategoryCode == -1 || !m_pPierInfo)
        return;
    m_view = ElevationBarViewOf(m_nCategoryCode);
    if (m_view.nPier >= PierCount() || m_view.nKind < 1 || m_view.nKind > 4)
        return;
    const int fixedRows = m_view.nPier < 0 && m_view.nKind >= 3 ? 2 : 1;
    const int bars = ElevationBarCount(*m_pPierInfo, m_view);
    const int columns = 1 + DataColumnCount();
    m_pGridCtrl->SetRowCount(bars + fixedRows);
    m_pGridCtrl->SetColumnCount(columns);
    m_pGridCtrl->SetFixedRowCount(fixedRows);
    m_pGridCtrl->SetFixedColumnCount(1);
    for (int col = 0; col < columns; ++col)
        m_pGridCtrl->SetColumnWidth(col, kColumnWidth);
    WriteHeaders();
    for (int j = 0; j < bars; ++j) {
        CString label;
        label.Format(L"N%d", j + 1);
        WriteCell(fixedRows + j, 0, label);
        FillBarRow(j);
    }
    m_pGridCtrl->Invalidate();
}

void CBentCapFormRBView::FillBarRow(int j)
{
    const int row = m_pGridCtrl->GetFixedRowCount() + j;
    const std::vector<ElevationBarCell> cells = ElevationBarRowCells(*m_pPierInfo, m_view, j);
    for (std::size_t c = 0; c < cells.size(); ++c) {
        const int col = static_cast<int>(c) + 1;
        WriteCell(row, col, cells[c].text);
        if (cells[c].readOnly)
            m_pGridCtrl->SetCellReadOnly(row, col);
        if (cells[c].numberCheck)
            m_pGridCtrl->SetCellNumeric(row, col, cells[c].numberCheck);
        if (!cells[c].choices.empty()) {
            CStringArray choices;
            for (const CString& choice : cells[c].choices)
                choices.Add(choice);
            m_pGridCtrl->AddListCell(row, col);
            m_pGridCtrl->SetCellListItems(row, col, choices);
        }
    }
}

void CBentCapFormRBView::StoreGrid()
{
    if (!m_pPierInfo || !m_pGridCtrl || m_pGridCtrl->GetColumnCount() == 0)
        return;
    if (IsLockedPier(*m_pPierInfo, m_view.nPier))
        return;
    // Only a grid that still matches the design is read back.
    const int bars = ElevationBarCount(*m_pPierInfo, m_view);
    if (m_pGridCtrl->GetRowCount() - m_pGridCtrl->GetFixedRowCount() != bars ||
        m_pGridCtrl->GetColumnCount() != 1 + DataColumnCount())
        return;
    for (int j = 0; j < bars; ++j)
        StoreBarRow(j);
    if (m_view.nPier >= 0 && m_pPierInfo->GetBarSkeletonSymmetric())
        MirrorPartnerSupport(*m_pPierInfo, m_view);
}

void CBentCapFormRBView::StoreBarRow(int j)
{
    const int row = m_pGridCtrl->GetFixedRowCount() + j;
    std::vector<CString> texts;
    for (int col = 1; col < m_pGridCtrl->GetColumnCount(); ++col)
        texts.push_back(m_pGridCtrl->GetItemText(row, col));
    if (StoreElevationBarRow(*m_pPierInfo, m_view, j, texts))
        MarkModified();
}

LRESULT CBentCapFormRBView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_CONTEXTMENU) {
        OnContextMenu(CPoint(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))));
        return 0;
    }
    return CBentCapFormBaseView::WindowProc(message, wParam, lParam);
}
