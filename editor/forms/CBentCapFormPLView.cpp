#include "CBentCapFormPLView.h"

#include "FormGrid.h"
#include "LenientNumber.h"
#include "NumericHelpers.h"
#include "PierSpacingRules.h"

namespace {

const UINT kGridId = 1001;
const UINT kSketchId = 1024;
const int kColumnWidth = 100;
const wchar_t* const kAutomatic = L"自动";
const wchar_t* const kPierNote =
    L"1、墩柱个数及中间是否等分间距在“基本资料”中设置。\n2、墩柱间距表中“自动”项由系统自动计算";

} // namespace

CBentCapFormPLView::CBentCapFormPLView() : CBentCapFormBaseView(IDD) {}

CBentCapFormPLView::~CBentCapFormPLView()
{
    if (m_pGridCtrl && m_pGridCtrl->GetSafeHwnd())
        m_pGridCtrl->DestroyWindow();
}

void CBentCapFormPLView::OnInitialUpdate()
{
    AddLabel(L"墩柱间距示意图：", CRect(8, 8, 300, 28));
    m_wndSketch.m_pFont = m_pLogFont;
    m_wndSketch.Create(L"", WS_CHILD | WS_VISIBLE, CRect(8, 28, 720, 168), this, kSketchId);
    AddLabel(L"墩柱间距表：", CRect(8, 174, 300, 192));
    m_pGridCtrl = CreateFormGrid(this, CRect(8, 192, 720, 258), kGridId);
    AddLabel(kPierNote, CRect(8, 266, 720, 306));
    if (m_pBasicGeometry)
        m_wndSketch.m_nAbutment = m_pBasicGeometry->nAbutmentCap;
    m_wndSketch.m_nColumnCount = PierCount();
}

int CBentCapFormPLView::PierCount() const
{
    return m_pPierInfo ? static_cast<int>(m_pPierInfo->GetSupportDistances().GetSize()) : 0;
}

void CBentCapFormPLView::WriteCell(int nRow, int nCol, const CString& text)
{
    CGridItem item;
    item.mask = GVIF_TEXT | GVIF_FORMAT;
    item.row = nRow;
    item.col = nCol;
    item.nFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS;
    item.szText = text;
    m_pGridCtrl->SetItem(&item);
}

void CBentCapFormPLView::FillGrid()
{
    m_pGridCtrl->DeleteAllItems();
    if (!m_pPierInfo)
        return;
    const int n = PierCount();
    m_pGridCtrl->SetRowCount(2);
    m_pGridCtrl->SetColumnCount(n + 1);
    m_pGridCtrl->SetFixedRowCount(1);
    m_pGridCtrl->SetFixedColumnCount(1);
    for (int col = 0; col <= n; ++col)
        m_pGridCtrl->SetColumnWidth(col, kColumnWidth);
    WriteCell(0, 0, L"序号");
    WriteCell(1, 0, L"间距");
    const BOOL equalMiddle = m_pPierInfo->GetSupportCount() != 0;
    const BOOL symmetric = m_pPierInfo->GetColumnSpacingSymmetric() != 0;
    const CArray<double, const double&>& spacings = m_pPierInfo->GetSupportDistances();
    for (int i = 0; i < n; ++i) {
        CString title;
        title.Format(L"L(%d)", i + 1);
        WriteCell(0, i + 1, title);
        if (IsAutomaticSpacing(i, n, equalMiddle, symmetric)) {
            WriteCell(1, i + 1, kAutomatic);
            m_pGridCtrl->SetCellReadOnly(1, i + 1);
        } else {
            WriteCell(1, i + 1, FormatFixed(spacings[i], -7));
            m_pGridCtrl->SetCellNumeric(1, i + 1);
        }
    }
    m_pGridCtrl->Invalidate();
}

int CBentCapFormPLView::LoadData()
{
    if (!m_pGridCtrl)
        return 1;
    FillGrid();
    m_wndSketch.m_aColumnX.RemoveAll();
    if (m_pBasicGeometry)
        m_wndSketch.m_nAbutment = m_pBasicGeometry->nAbutmentCap;
    m_wndSketch.m_nColumnCount = PierCount();
    m_wndSketch.Invalidate();
    return 1;
}

int CBentCapFormPLView::SaveData()
{
    if (!m_pPierInfo || !m_pGridCtrl)
        return 1;
    // The grid was built for the pier count it shows; a changed count is not read back.
    const int n = PierCount();
    if (m_pGridCtrl->GetColumnCount() != n + 1)
        return 1;
    const BOOL symmetric = m_pPierInfo->GetColumnSpacingSymmetric() != 0;
    CArray<double, const double&>& spacings = m_pPierInfo->GetSupportDistances();
    for (int i = 0; i < n; ++i) {
        const CString text = m_pGridCtrl->GetItemText(1, i + 1);
        if (text == kAutomatic)
            continue;
        if (StoreSupportSpacing(spacings, i, ReadLeadingReal(text), symmetric))
            MarkModified();
    }
    return 1;
}
