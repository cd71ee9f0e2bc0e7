#include "CBentCapFormSDView.h"

#include "CBentCapRefListDlg.h"

#include "EditorMessageBoxes.h"
#include "NumericField.h"
#include "NumericHelpers.h"
#include "SpacingExpression.h"
#include "SpacingFormula.h"

CBentCapFormSDView::CBentCapFormSDView() : CBentCapFormBaseView(IDD) {}

void CBentCapFormSDView::OnInitialUpdate()
{
    m_grpMode.Create(L"侧面钢筋间距", CRect(8, 8, 720, 60), this);
    m_grpMode.AddRadio(m_radEqual, L"侧面钢筋等间距布置", CRect(10, 22, 220, 42), 1038);
    m_grpMode.AddRadio(m_radUnequal, L"侧面钢筋不等间距布置", CRect(240, 22, 460, 42), 1039);
    m_pLblEqual = AddLabel(L"等间距值：", CRect(8, 74, 90, 94), 1042);
    m_cboEqual.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWN, CRect(94, 70, 194, 94), this, 1044);
    AddLabel(L"1、受梁高和保护层影响，骨架高度可能不是间距的整数倍，系统将自动调整间距值以均布侧面钢筋。\n"
             L"2、对桥台盖梁，两个方向侧面钢筋间距相同。",
             CRect(8, 100, 720, 140));
    m_pLblExpression = AddLabel(L"间距描述：", CRect(8, 154, 90, 174), 1043);
    m_edtExpression.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, CRect(94, 150, 500, 174), this, 1041);
    m_btnReference.Create(L"参考间距", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(510, 150, 600, 174), this, 1111);
    AddLabel(L"1、从上到下的间距表达式，不包含保护层。间距和应与骨架高度一致。间距表达式示例（本示例以cm为单位，实际输入时应与当前单位一致）：1*17+5*15+1*17\n"
             L"2、骨架高度是盖梁高度减去顶板保护层和底板保护层，所以修改盖梁高度或顶底板保护层时，应该同时修改本间距表达式。\n"
             L"3、对桥台盖梁，两个方向侧面钢筋间距相同。",
             CRect(8, 180, 720, 260));
    // The picture of the side bars (bitmap 146).
    AddPicture(CRect(8, 270, 720, 560), 146);
}

BOOL CBentCapFormSDView::OnCommand(WPARAM wParam, LPARAM)
{
    const UINT nID = LOWORD(wParam);
    if ((nID == 1038 || nID == 1039) && HIWORD(wParam) == BN_CLICKED) {
        OnSpacingMode();
        return TRUE;
    }
    if (nID == 1111 && HIWORD(wParam) == BN_CLICKED) {
        OnRefList();
        return TRUE;
    }
    return FALSE;
}

void CBentCapFormSDView::OnRefList()
{
    CBentCapRefListDlg dialog(this);
    dialog.DoModal();
}

int CBentCapFormSDView::LoadData()
{
    if (!m_pPierInfo || !m_pProject || !m_cboEqual.GetSafeHwnd())
        return 1;
    const CBent_MoreInfo& more = m_pPierInfo->GetMoreInfo();
    // 1. The equal spacings offered.
    m_cboEqual.ResetContent();
    for (int mm = 80; mm <= 200; mm += 10)
        m_cboEqual.AddString(FormatFixed(mm * m_pProject->GetLoadFactor(), -7));
    // 2. The mode, the equal spacing and the expression.
    const BOOL unequal = more.GetSideSpacings().GetSize() > 0;
    m_radEqual.SetCheck(unequal ? BST_UNCHECKED : BST_CHECKED);
    m_radUnequal.SetCheck(unequal ? BST_CHECKED : BST_UNCHECKED);
    m_cboEqual.SetWindowText(FormatFixed(more.GetSideBarSpacing(), -7));
    if (unequal)
        m_edtExpression.SetWindowText(FormatSpacingExpression(more.GetSideSpacings()));
    // 3. What can be typed.
    UpdateSpacingControls();
    return 1;
}

void CBentCapFormSDView::OnSpacingMode() { UpdateSpacingControls(); }

void CBentCapFormSDView::UpdateSpacingControls()
{
    const BOOL unequal = m_radUnequal.GetCheck() == BST_CHECKED;
    m_edtExpression.EnableWindow(unequal);
    m_btnReference.EnableWindow(unequal);
    m_cboEqual.EnableWindow(!unequal);
    if (m_pLblExpression)
        m_pLblExpression->EnableWindow(unequal);
    if (m_pLblEqual)
        m_pLblEqual->EnableWindow(!unequal);
}

int CBentCapFormSDView::SaveData()
{
    if (!m_pPierInfo || !m_pBasicGeometry || !m_cboEqual.GetSafeHwnd())
        return 1;
    return m_radUnequal.GetCheck() == BST_CHECKED ? StoreUnequal() : StoreEqual();
}

int CBentCapFormSDView::StoreUnequal()
{
    // 1. Something typed, 2. terms that stand for spacings.
    CString expression;
    m_edtExpression.GetWindowText(expression);
    expression.Trim();
    if (expression.IsEmpty()) {
        ShowInformation(L"侧面钢筋间距表达式错误，请重新输入", L"表达式错误", GetSafeHwnd());
        return 0;
    }
    CArray<double, const double&> spacings;
    if (ParseSpacingFormula(expression, spacings) != SpacingFormulaStatus::Valid) {
        ShowInformation(L"间距表达式中存在错误，请检查后确认！", L"表达式错误", GetSafeHwnd());
        return 0;
    }
    // 3. A sum other than the skeleton height is told, and stored all the same.
    double sum = 0;
    for (INT_PTR i = 0; i < spacings.GetSize(); ++i)
        sum += spacings[i];
    const double height =
        m_pBasicGeometry->dMiddleHeight - (m_pPierInfo->GetTopCover() + m_pPierInfo->GetBottomCover());
    if (!IsEqualTol(sum, height, 1e-6)) {
        CString text;
        text.Format(L"间距表达式加保护层与盖梁高度不合适，请重新输入！\n盖梁高度（除去保护层）：%s\n间距和：%s",
                    FormatFixed(height, -7).GetString(), FormatFixed(sum, -7).GetString());
        ShowInformation(text, L"表达式错误", GetSafeHwnd());
    }
    // 4. A different list replaces the stored one.
    CArray<double, const double&>& stored = m_pPierInfo->GetMoreInfo().GetSideSpacings();
    if (SpacingListsDiffer(stored, spacings)) {
        stored.Copy(spacings);
        MarkModified();
    }
    return 1;
}

int CBentCapFormSDView::StoreEqual()
{
    double spacing = 0;
    if (!ExchangeRealField(m_cboEqual, spacing))
        return 0;
    if (spacing <= 0) {
        ShowInformation(L"侧面钢筋间距错误，必须大于0！", L"间距错误", GetSafeHwnd());
        return 0;
    }
    CBent_MoreInfo& more = m_pPierInfo->GetMoreInfo();
    if (more.GetSideSpacings().GetSize() > 0) {
        more.GetSideSpacings().RemoveAll();
        MarkModified();
    }
    UpdateRealField(more, &CBent_MoreInfo::GetSideBarSpacing, &CBent_MoreInfo::SetSideBarSpacing, spacing);
    return 1;
}
