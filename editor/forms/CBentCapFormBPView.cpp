#include "CBentCapFormBPView.h"

#include "BarColumnCodes.h"
#include "CBentCapExtendSetDlg.h"
#include "EditorMessageBoxes.h"
#include "NumericHelpers.h"
#include "SpacingExpression.h"
#include "SpacingFormula.h"

#include <algorithm>

namespace {

const wchar_t* const kNumberingNote =
    L"编排说明：\n1、图中钢筋编号7、8、9仅为示例，并不代表最终钢筋编号。\n"
    L"2、当中柱和边柱负弯矩加强钢筋完全相同时，将自动采用同一编号。\n"
    L"3、在加强钢筋多层布置情况下，如果用户设置缩减，第一层钢筋以外的钢筋编号将自动变化，变化规律是加'，例如7'或7''等。\n"
    L"4、标题括号内的数据为抗弯矩钢筋根数，其中A表示骨架中抗弯矩钢筋根数。\n"
    L"5、加强钢筋长度在“加强钢筋”中设置。";

CString Digit(int value)
{
    CString text;
    text.Format(L"%d", value);
    return text;
}

} // namespace

CBentCapFormBPView::CBentCapFormBPView() : CBentCapFormBaseView(IDD) {}

void CBentCapFormBPView::OnInitialUpdate()
{
    const DWORD child = WS_CHILD | WS_VISIBLE;
    m_grpSketch.Create(L"骨架编排示意：", child | BS_GROUPBOX, CRect(0, 0, 10, 10), this, 1123);
    m_wndSketch.Create(L"", child, CRect(0, 0, 10, 10), this, 1046);
    m_wndIcon.Create(L"", child, CRect(0, 0, 10, 10), this, 1125);
    m_wndNote.Create(kNumberingNote, child | SS_LEFT, CRect(0, 0, 10, 10), this, 1126);
    m_grpParameters.Create(L"骨架编排参数：", child | BS_GROUPBOX, CRect(0, 0, 10, 10), this, 1124);
    m_wndTable.Create(child | LVS_REPORT | LVS_SINGLESEL, CRect(0, 0, 10, 10), this, 1048);
    m_wndSpacingLabel.Create(L"钢筋列间距：", child, CRect(0, 0, 10, 10), this, 1127);
    m_radEqual.Create(L"等间距", child | BS_AUTORADIOBUTTON, CRect(0, 0, 10, 10), this, 1068);
    m_radUnequal.Create(L"不等间距", child | BS_AUTORADIOBUTTON, CRect(0, 0, 10, 10), this, 1069);
    m_wndExpressionLabel.Create(L"间距表达式（示例，4*13+12*2+4*13）：", child, CRect(0, 0, 10, 10), this, 1071);
    m_edtExpression.Create(child | WS_BORDER | ES_AUTOHSCROLL, CRect(0, 0, 10, 10), this, 1070);
    // The controls follow the form's size (OnSize); below this size the form scrolls.
    SetScrollSizes(MM_TEXT, CSize(760, 600));
    CRect client;
    GetClientRect(&client);
    OnSize(0, client.Width(), client.Height());
}

void CBentCapFormBPView::OnSize(UINT nType, int cx, int cy)
{
    CBentCapFormBaseView::OnSize(nType, cx, cy);
    if (!m_edtExpression.GetSafeHwnd())
        return;
    const int w = cx;
    const int h = std::max(cy, 600);
    const struct {
        CWnd* wnd;
        int x, y, width, height;
    } places[] = {
        {&m_grpSketch, 11, 11, w - 27, h - 211},        {&m_wndSketch, 23, 35, w - 51, h - 365},
        {&m_wndIcon, 23, h - 321, 32, 32},              {&m_wndNote, 65, h - 321, w - 93, 116},
        {&m_grpParameters, 11, h - 185, w - 27, 178},   {&m_wndTable, 23, h - 160, w - 51, 108},
        {&m_wndSpacingLabel, 23, h - 42, 84, 20},       {&m_radEqual, 111, h - 43, 70, 22},
        {&m_radUnequal, 185, h - 43, 86, 22},           {&m_wndExpressionLabel, 276, h - 42, 256, 20},
        {&m_edtExpression, 536, h - 44, w - 564, 24},
    };
    for (const auto& p : places)
        p.wnd->MoveWindow(p.x, p.y, p.width, p.height);
}

BOOL CBentCapFormBPView::OnCommand(WPARAM wParam, LPARAM)
{
    const UINT nID = LOWORD(wParam);
    if ((nID == 1068 || nID == 1069) && HIWORD(wParam) == BN_CLICKED) {
        OnModeRadio();
        return TRUE;
    }
    return FALSE;
}

int CBentCapFormBPView::ColumnCount() const { return m_pPierInfo ? m_pPierInfo->GetMainFace().GetBarColumnCount() : 0; }

bool CBentCapFormBPView::HasMiddleRow() const { return m_pPierInfo && m_pPierInfo->GetSupportDistances().GetSize() > 2; }

void CBentCapFormBPView::FillColumnTable()
{
    m_wndTable.DeleteAllItems();
    while (m_wndTable.GetColumnCount() > 0)
        m_wndTable.DeleteColumn(0);
    m_wndTable.InsertColumn(0, L"", LVCFMT_LEFT, 150);
    const int nc = ColumnCount();
    for (int i = 1; i <= nc; ++i) {
        const bool middle = nc % 2 ? i == nc / 2 + 1 : i == nc / 2 || i == nc / 2 + 1;
        CString title;
        title.Format(middle ? L"●%d" : L"列%d", i);
        m_wndTable.InsertColumn(i, title, LVCFMT_LEFT, 40);
    }
    int row = 0;
    m_wndTable.InsertItem(row++, L"顶底板筋[1#2#钢筋]");
    m_wndTable.InsertItem(row++, L"边柱柱顶[负弯矩筋]");
    if (HasMiddleRow())
        m_wndTable.InsertItem(row++, L"中柱柱顶[负弯矩筋]");
    m_wndTable.InsertItem(row, L"墩柱跨中[正弯矩筋]");
}

void CBentCapFormBPView::FillColumnCodes()
{
    const CBent_ExtendSteel& extend = m_pPierInfo->GetExtendSteel();
    const bool middle = HasMiddleRow();
    const int nc = std::min(ColumnCount(), extend.GetCodeCount());
    for (int i = 1; i <= nc; ++i) {
        const int code = extend.GetCodeAt(i - 1);
        std::vector<CString> cells;
        if (IsSkeletonCode(code)) {
            cells = middle ? std::vector<CString>{L"主", L"骨", L"架", L"列"} : std::vector<CString>{L"骨", L"架", L"列"};
        } else {
            cells.push_back(IsStrengthenedCode(code) ? L"√" : L"×");
            cells.push_back(Digit(GetCodeDigit(code, TRUE)));
            if (middle)
                cells.push_back(Digit(GetCodeDigit(code, FALSE)));
            cells.push_back(Digit(GetCodeUnits(code)));
        }
        for (std::size_t row = 0; row < cells.size(); ++row)
            m_wndTable.SetItemText(static_cast<int>(row), i, cells[row]);
    }
}

int CBentCapFormBPView::LoadData()
{
    if (!m_pPierInfo || !m_edtExpression.GetSafeHwnd())
        return 1;
    m_wndSketch.m_pFont = m_pLogFont;
    m_wndSketch.m_pDesign = m_pPierInfo;
    m_wndSketch.Invalidate();
    FillColumnTable();
    FillColumnCodes();
    const CArray<double, const double&>& spacings = m_pPierInfo->GetMoreInfo().GetSkeletonSpacings();
    const BOOL unequal = spacings.GetSize() > 0;
    m_radEqual.SetCheck(unequal ? BST_UNCHECKED : BST_CHECKED);
    m_radUnequal.SetCheck(unequal ? BST_CHECKED : BST_UNCHECKED);
    m_edtExpression.SetWindowText(unequal ? FormatSpacingExpression(spacings) : CString());
    UpdateSpacingControls();
    return 1;
}

void CBentCapFormBPView::OnModeRadio() { UpdateSpacingControls(); }

void CBentCapFormBPView::UpdateSpacingControls()
{
    const BOOL unequal = m_radUnequal.GetCheck() == BST_CHECKED;
    m_wndExpressionLabel.EnableWindow(unequal);
    m_edtExpression.EnableWindow(unequal);
}

int CBentCapFormBPView::RefuseExpression(const CString& text)
{
    ShowInformation(text, L"表达式错误", GetSafeHwnd());
    return 0;
}

int CBentCapFormBPView::SaveData()
{
    if (!m_pPierInfo || !m_pBasicGeometry || !m_edtExpression.GetSafeHwnd())
        return 1;
    CArray<double, const double&>& stored = m_pPierInfo->GetMoreInfo().GetSkeletonSpacings();
    // 1. Equal spacing needs no list.
    if (m_radUnequal.GetCheck() != BST_CHECKED) {
        if (stored.GetSize() > 0) {
            stored.RemoveAll();
            MarkModified();
        }
        return 1;
    }
    // 2. Something typed; 3. terms that stand for spacings.
    CString expression;
    m_edtExpression.GetWindowText(expression);
    expression.Trim();
    if (expression.IsEmpty())
        return RefuseExpression(L"骨架钢筋列间距表达式错误，请重新输入");
    CArray<double, const double&> spacings;
    if (ParseSpacingFormula(expression, spacings) != SpacingFormulaStatus::Valid)
        return RefuseExpression(L"间距表达式中存在错误，请检查后确认！");
    // 4. One spacing fewer than columns.
    const int columns = static_cast<int>(spacings.GetSize()) + 1;
    if (ColumnCount() != columns) {
        CString text;
        text.Format(L"间距表达式中存在错误，间距个数不正确！\n钢筋列个数：%d\n表达式列个数：%d", ColumnCount(), columns);
        return RefuseExpression(text);
    }
    // 5. The spacings fill the width less the side covers.
    double sum = 0;
    for (INT_PTR i = 0; i < spacings.GetSize(); ++i)
        sum += spacings[i];
    const double width = m_pBasicGeometry->dWidth - 2 * m_pPierInfo->GetSideCover();
    if (!IsEqualTol(sum, width, 1e-6)) {
        CString text;
        text.Format(L"间距表达式加保护层与盖梁宽度不合适，请重新输入！\n盖梁宽度（除去保护层）：%s\n间距和：%s",
                    FormatFixed(width, -7).GetString(), FormatFixed(sum, -7).GetString());
        return RefuseExpression(text);
    }
    // 6. A different list replaces the stored one.
    if (SpacingListsDiffer(stored, spacings)) {
        stored.Copy(spacings);
        MarkModified();
    }
    return 1;
}

void CBentCapFormBPView::StoreColumnCode(int nColumn, int nCode)
{
    CBent_ExtendSteel& extend = m_pPierInfo->GetExtendSteel();
    const int nc = ColumnCount();
    if (nColumn < 1 || nColumn > extend.GetCodeCount())
        return;
    if (m_pPierInfo->GetStrengtheningSymmetric()) {
        const int index = nc - nColumn < nColumn && nc - nColumn < extend.GetCodeCount() ? nc - nColumn : nColumn - 1;
        extend.SetCodeAt(index, nCode);
        extend.MirrorCodes();
    } else {
        extend.SetCodeAt(nColumn - 1, nCode);
    }
    MarkModified();
    FillColumnCodes();
    m_wndSketch.Invalidate();
}

BOOL CBentCapFormBPView::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult)
{
    const auto* notice = reinterpret_cast<const NMITEMACTIVATE*>(lParam);
    if (notice->hdr.idFrom != 1048 || notice->hdr.code != NM_CLICK)
        return FALSE;
    *pResult = 0;
    if (notice->iItem >= 0)
        OnGridClick(notice->iSubItem);
    return TRUE;
}

void CBentCapFormBPView::OnGridClick(int nColumn)
{
    if (!m_pPierInfo || nColumn < 1 || nColumn > m_pPierInfo->GetExtendSteel().GetCodeCount())
        return;
    int code = m_pPierInfo->GetExtendSteel().GetCodeAt(nColumn - 1);
    const int pierCount = static_cast<int>(m_pPierInfo->GetSupportDistances().GetSize());
    CBentCapExtendSetDlg dialog(code, nColumn - 1, pierCount, this);
    if (dialog.DoModal() == IDOK)
        StoreColumnCode(nColumn, code);
}

void CBentCapFormBPView::EditAtSketch(CPoint point, bool add)
{
    if (!m_pPierInfo || !m_wndSketch.GetSafeHwnd())
        return;
    ClientToScreen(&point);
    m_wndSketch.ScreenToClient(&point);
    CRect client;
    m_wndSketch.GetClientRect(&client);
    if (point.x < 0 || point.y < 0 || point.x > client.Width() || point.y > client.Height())
        return;
    if (add)
        m_wndSketch.AddAtColumn(point);
    else
        m_wndSketch.RemoveAtColumn(point);
    MarkModified();
    FillColumnCodes();
}

void CBentCapFormBPView::OnLButtonDown(UINT, CPoint point) { EditAtSketch(point, true); }

void CBentCapFormBPView::OnRButtonDown(UINT, CPoint point) { EditAtSketch(point, false); }
