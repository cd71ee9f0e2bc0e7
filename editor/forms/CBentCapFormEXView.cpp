#include "CBentCapFormEXView.h"

#include "NumericField.h"
#include "NumericHelpers.h"

#include <cmath>

namespace {

const double kPi = 3.1415926;

} // namespace

// One group of the form: its title, the length's label, the edit, the form list and its items,
// and the ids of the statics that go grey with it.
struct CBentCapFormEXView::Group {
    UINT titleId;
    const wchar_t* title;
    UINT lengthLabelId;
    const wchar_t* lengthLabel;
    UINT formLabelId;
    CEdit* edit;
    UINT editId;
    CComboBox* combo;
    UINT comboId;
    std::vector<const wchar_t*> forms;
};

CBentCapFormEXView::CBentCapFormEXView() : CBentCapFormBaseView(IDD) {}

void CBentCapFormEXView::CreateGroup(const Group& group, int top)
{
    AddLabel(group.title, CRect(8, top, 400, top + 20), group.titleId);
    CStatic* length = AddLabel(group.lengthLabel, CRect(20, top + 26, 80, top + 46), group.lengthLabelId);
    if (group.edit == &m_edtOuter)
        m_pOuterLength = length;
    group.edit->Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, CRect(84, top + 24, 164, top + 46), this,
                       group.editId);
    AddLabel(L"形式：", CRect(180, top + 26, 228, top + 46), group.formLabelId);
    group.combo->Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST, CRect(232, top + 22, 420, top + 46), this,
                        group.comboId);
    for (const wchar_t* form : group.forms)
        group.combo->AddString(form);
}

void CBentCapFormEXView::OnInitialUpdate()
{
    const Group groups[] = {
        {0xFFFF, L"边柱负弯矩加强钢筋（内侧）：", 0xFFFF, L"长度a：", 0xFFFF, &m_edtInner, 240, &m_cboInner, 242,
         {L"距离墩柱轴线（等长）"}},
        {0xFFFF, L"边柱负弯矩加强钢筋（外侧）：", 1045, L"长度b：", 0xFFFF, &m_edtOuter, 241, &m_cboOuter, 243,
         {L"距离墩柱轴线（等长）", L"距离构造边缘（变长）", L"距离墩柱轴线（变长）"}},
        {1030, L"跨中正弯矩加强钢筋（两侧）：", 1034, L"长度e：", 1035, &m_edtMidSpan, 244, &m_cboMidSpan, 245,
         {L"距离跨中轴线（等长）"}},
        {1031, L"中柱负弯矩加强钢筋（两侧）：", 1032, L"长度d：", 1033, &m_edtMiddle, 246, &m_cboMiddle, 247,
         {L"距离墩柱轴线（等长）"}},
    };
    int top = 8;
    for (const Group& group : groups) {
        CreateGroup(group, top);
        top += 56;
    }
    m_chkDecrement.Create(L"加强钢筋多层布置时，长度逐层递减。递减值：", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX,
                          CRect(8, top, 340, top + 20), this, 1028);
    m_edtDecrement.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, CRect(344, top - 2, 424, top + 20), this,
                          1029);
    AddLabel(L"加强钢筋长度说明：\n"
             L"1、无论斜截面下弯还是正截面下弯，中柱加强钢筋和跨中加强钢筋始终等长，且相对墩柱轴线（跨中加强钢筋相对跨中轴线）左右对称。\n"
             L"2、斜截面下弯方式下，边柱加强钢筋始终等长（内外侧分别等长），是否相对墩柱轴线对称取决于内外两侧距离是否相等。\n"
             L"3、正截面下弯方式下，边柱加强钢筋内侧始终等长，外侧是否等长取决于外侧距离形式，采用“距离墩柱轴线（等长）”时，外侧始终等长，否则外侧随一般构造变长分布。",
             CRect(8, top + 30, 720, top + 170));
    m_wndSketch.Create(L"", WS_CHILD | WS_VISIBLE, CRect(8, top + 180, 720, top + 380), this, 1076);
}

BOOL CBentCapFormEXView::OnCommand(WPARAM wParam, LPARAM)
{
    if (LOWORD(wParam) == 1028 && HIWORD(wParam) == BN_CLICKED)
        OnDecrementCheck();
    else if (LOWORD(wParam) == 243 && HIWORD(wParam) == CBN_SELCHANGE)
        OnOuterFormChange();
    else
        return FALSE;
    return TRUE;
}

int CBentCapFormEXView::LoadData()
{
    if (!m_pPierInfo || !m_edtInner.GetSafeHwnd())
        return 1;
    const CBent_ExtendSteel& extend = m_pPierInfo->GetExtendSteel();
    // 1. The middle-pier and mid-span groups only where the cap has them.
    const int n = static_cast<int>(m_pPierInfo->GetSupportDistances().GetSize());
    for (UINT nID : {1031U, 1032U, 1033U})
        if (CWnd* wnd = GetDlgItem(nID))
            wnd->EnableWindow(n > 2);
    m_cboMiddle.EnableWindow(n > 2);
    m_edtMiddle.EnableWindow(n > 2);
    for (UINT nID : {1030U, 1034U, 1035U})
        if (CWnd* wnd = GetDlgItem(nID))
            wnd->EnableWindow(n > 1);
    m_cboMidSpan.EnableWindow(n > 1);
    m_edtMidSpan.EnableWindow(n > 1);
    // 2. Forms, distances and the decrement.
    m_cboOuter.SetCurSel(extend.GetEdgeOuterForm());
    m_cboInner.SetCurSel(extend.GetEdgeInnerForm());
    m_cboMiddle.SetCurSel(extend.GetMiddlePierForm());
    m_cboMidSpan.SetCurSel(extend.GetMidSpanForm());
    m_edtOuter.SetWindowText(FormatFixed(extend.GetEdgeOuterDistance(), -7));
    m_edtInner.SetWindowText(FormatFixed(extend.GetEdgeInnerDistance(), -7));
    m_edtMiddle.SetWindowText(FormatFixed(extend.GetMiddlePierDistance(), -7));
    m_edtMidSpan.SetWindowText(FormatFixed(extend.GetMidSpanDistance(), -7));
    m_chkDecrement.SetCheck(extend.GetMultiLayerDecrement() > 0 ? BST_CHECKED : BST_UNCHECKED);
    m_edtDecrement.SetWindowText(FormatFixed(extend.GetMultiLayerDecrement(), -7));
    // 3. The rules of the decrement check and the outer form.
    m_edtDecrement.EnableWindow(m_chkDecrement.GetCheck() == BST_CHECKED);
    OnOuterFormChange();
    // 4. The sketch's segments, with the cap's kind and its piers.
    BuildSegments();
    m_wndSketch.m_pFont = m_pLogFont;
    m_wndSketch.m_nAbutment = m_pBasicGeometry ? m_pBasicGeometry->nAbutmentCap : 0;
    m_wndSketch.m_nColumnCount = n;
    m_wndSketch.m_aColumnX.RemoveAll();
    m_wndSketch.m_aSpacings.RemoveAll();
    for (double segment : m_aSegments)
        m_wndSketch.m_aSpacings.Add(segment);
    m_wndSketch.Invalidate();
    return 1;
}

int CBentCapFormEXView::SaveData()
{
    if (!m_pPierInfo || !m_edtInner.GetSafeHwnd())
        return 1;
    CEdit* const fields[] = {&m_edtOuter, &m_edtInner, &m_edtMiddle, &m_edtMidSpan, &m_edtDecrement};
    double values[5] = {};
    for (int i = 0; i < 5; ++i)
        if (!ExchangeRealField(*fields[i], values[i]))
            return 0;
    CBent_ExtendSteel& e = m_pPierInfo->GetExtendSteel();
    using X = CBent_ExtendSteel;
    UpdateIntField(e, &X::GetEdgeOuterForm, &X::SetEdgeOuterForm, m_cboOuter.GetCurSel());
    UpdateIntField(e, &X::GetEdgeInnerForm, &X::SetEdgeInnerForm, m_cboInner.GetCurSel());
    UpdateIntField(e, &X::GetMiddlePierForm, &X::SetMiddlePierForm, m_cboMiddle.GetCurSel());
    UpdateIntField(e, &X::GetMidSpanForm, &X::SetMidSpanForm, m_cboMidSpan.GetCurSel());
    UpdateRealField(e, &X::GetEdgeOuterDistance, &X::SetEdgeOuterDistance, values[0]);
    UpdateRealField(e, &X::GetEdgeInnerDistance, &X::SetEdgeInnerDistance, values[1]);
    UpdateRealField(e, &X::GetMiddlePierDistance, &X::SetMiddlePierDistance, values[2]);
    UpdateRealField(e, &X::GetMidSpanDistance, &X::SetMidSpanDistance, values[3]);
    UpdateRealField(e, &X::GetMultiLayerDecrement, &X::SetMultiLayerDecrement, values[4]);
    return 1;
}

void CBentCapFormEXView::OnDecrementCheck()
{
    const BOOL ticked = m_chkDecrement.GetCheck() == BST_CHECKED;
    m_edtDecrement.EnableWindow(ticked);
    if (!ticked)
        m_edtDecrement.SetWindowText(L"0");
}

void CBentCapFormEXView::OnOuterFormChange()
{
    if (m_pOuterLength)
        m_pOuterLength->SetWindowText(m_cboOuter.GetCurSel() == 1 ? L"长度c：" : L"长度b：");
}

double CBentCapFormEXView::Round(double x) const
{
    const int unit = m_pProject && m_pProject->m_nUnit >= 0 && m_pProject->m_nUnit <= 3 ? m_pProject->m_nUnit : 3;
    return RoundReal(x, 3 - unit);
}

void CBentCapFormEXView::BuildSegments()
{
    m_aSegments.clear();
    if (!m_pBasicGeometry)
        return;
    const CArray<double, const double&>& spacings = m_pPierInfo->GetSupportDistances();
    const int n = static_cast<int>(spacings.GetSize());
    const double angle = m_pBasicGeometry->dLeftAngle;
    const bool skewable = angle > 0 && angle < 180;
    const double sine = std::sin(angle * kPi / 180.0);
    // a. The length along the cap.
    double length = m_pBasicGeometry->dLength;
    if (length < 0 && skewable)
        length /= sine;
    length = Round(std::fabs(length));
    if (!skewable || n == 0)
        return;
    // b. The spacings, a negative one measured along the skew end.
    auto spacing = [&](int i) { return Round(spacings[i] < 0 ? -spacings[i] / sine : spacings[i]); };
    const double first = spacing(0);
    m_aSegments.push_back(first);
    if (n == 1) {
        m_aSegments.push_back(Round(length - first));
    } else {
        const double last = spacing(n - 1);
        if (m_pPierInfo->GetSupportCount()) {
            for (int i = 1; i < n; ++i)
                m_aSegments.push_back(Round((length - first - last) / (n - 1)));
        } else {
            double inner = 0;
            for (int i = 1; i < n - 1; ++i) {
                m_aSegments.push_back(spacing(i));
                inner += spacing(i);
            }
            m_aSegments.push_back(Round(length - (first + last + inner)));
        }
        m_aSegments.push_back(last);
    }
    // c. A symmetric spacing shows the left half on the right.
    if (m_pPierInfo->GetColumnSpacingSymmetric())
        for (std::size_t i = 0; i < m_aSegments.size() / 2; ++i)
            m_aSegments[m_aSegments.size() - 1 - i] = m_aSegments[i];
}
