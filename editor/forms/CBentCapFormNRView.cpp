#include "CBentCapFormNRView.h"

#include "DesignLimits.h"
#include "EditorMessageBoxes.h"
#include "LenientNumber.h"
#include "NumericField.h"
#include "NumericHelpers.h"

namespace {

const UINT kCheckStyle = WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX;
const UINT kListStyle = WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST;

void SetRadioPair(CButton& first, CButton& second, BOOL secondChosen)
{
    first.SetCheck(secondChosen ? BST_UNCHECKED : BST_CHECKED);
    second.SetCheck(secondChosen ? BST_CHECKED : BST_UNCHECKED);
}

int Checked(const CButton& button) { return button.GetCheck() == BST_CHECKED ? 1 : 0; }

CString Number(int n)
{
    CString text;
    text.Format(L"%d", n);
    return text;
}

} // namespace

CBentCapFormNRView::CBentCapFormNRView() : CBentCapFormBaseView(IDD) {}

void CBentCapFormNRView::OnInitialUpdate()
{
    CreateRadioGroups();
    CreateCountControls();
    CreateSymmetryChecks();
}

void CBentCapFormNRView::CreateRadioGroups()
{
    m_grpCap.Create(L"盖梁类型", CRect(8, 8, 268, 56), this);
    m_grpCap.AddRadio(m_radPier, L"桥墩盖梁", CRect(10, 22, 120, 42), 1000);
    m_grpCap.AddRadio(m_radAbutment, L"桥台盖梁", CRect(130, 22, 250, 42), 1001);
    m_grpType.Create(L"结构类型", CRect(8, 60, 268, 108), this);
    m_grpType.AddRadio(m_radPlain, L"普通钢筋", CRect(10, 22, 120, 42), 1005);
    m_grpType.AddRadio(m_radPrestressed, L"预应力筋", CRect(130, 22, 250, 42), 1006, FALSE);
    AddLabel(L"结构说明：本系统目前不支持预应力盖梁", CRect(276, 80, 620, 100));
    m_grpWeld.Create(L"焊缝类型", CRect(8, 112, 268, 160), this);
    m_grpWeld.AddRadio(m_radDoubleWeld, L"双面焊缝", CRect(10, 22, 120, 42), 1003);
    m_grpWeld.AddRadio(m_radSingleWeld, L"单面焊缝", CRect(130, 22, 250, 42), 1002);
    AddLabel(L"焊缝宽度", CRect(276, 128, 340, 148));
    m_edtWeldWidth.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, CRect(344, 126, 424, 148), this, 1004);
    AddLabel(L"焊缝说明：焊缝宽度为0表示采用标准焊缝", CRect(430, 128, 720, 148));
    m_grpBend.Create(L"下弯方式", CRect(8, 164, 268, 212), this);
    m_grpBend.AddRadio(m_radNormalBend, L"正截面下弯", CRect(10, 22, 120, 42), 1014);
    m_grpBend.AddRadio(m_radSkewBend, L"斜截面下弯", CRect(130, 22, 250, 42), 1015);
    // The check's text runs on in static 1018 below it.
    m_chkEndsFixed.Create(L"当最外侧钢筋为整体立面上弯起钢筋时，", kCheckStyle, CRect(276, 172, 720, 192), this, 1016);
    m_pEndsFixedLine2 = AddLabel(L"端部值固定", CRect(294, 192, 720, 210), 1018);
}

void CBentCapFormNRView::CreateCountControls()
{
    AddLabel(L"墩柱个数（最多九个）", CRect(8, 224, 168, 244));
    m_cboPierCount.Create(kListStyle, CRect(172, 220, 252, 244), this, 1012);
    for (int n = 1; n <= 9; ++n)
        m_cboPierCount.AddString(Number(n));
    m_chkEqualMiddle.Create(L"墩柱个数大于2时，中间等墩间距", kCheckStyle, CRect(276, 222, 620, 242), this, 1017);
    AddLabel(L"钢筋排数（钢筋总列数）", CRect(8, 254, 168, 274));
    m_cboRowCount.Create(kListStyle, CRect(172, 250, 252, 274), this, 1013);
    // Only the counts a section can be drawn with are offered.
    for (int n = 1; n <= kMaxBarColumns; ++n)
        m_cboRowCount.AddString(Number(n));
    AddLabel(L"排数说明：钢筋排数是指断面图中钢筋列的总列数，并非骨架个数。", CRect(276, 254, 720, 274));
    AddLabel(L"截面形式", CRect(8, 284, 168, 304));
    m_cboSectionForm.Create(kListStyle | WS_DISABLED, CRect(172, 280, 252, 304), this, 1019);
    m_cboSectionForm.AddString(L"矩形");
    m_cboSectionForm.AddString(L"Ｌ形");
    AddLabel(L"对斜交盖梁，钢筋骨架放置时采用以下方式：", CRect(276, 284, 720, 304));
    // The picture of the bend-down modes and the column count (bitmap 140).
    AddLabel(L"下弯及钢筋排数示意", CRect(276, 308, 720, 328));
    AddPicture(CRect(276, 330, 720, 500), 140);
}

void CBentCapFormNRView::CreateSymmetryChecks()
{
    m_grpSymmetry.Create(L"对称设置", CRect(8, 340, 268, 500), this);
    const struct {
        CButton* check;
        const wchar_t* text;
        UINT nID;
    } checks[] = {{&m_chkGeneral, L"一般构造对称", 1007},   {&m_chkSpacing, L"墩柱间距对称", 1008},
                  {&m_chkStirrups, L"断面箍筋对称", 1011},  {&m_chkArrangement, L"骨架编排对称", 1010},
                  {&m_chkSkeleton, L"钢筋骨架对称", 1009},  {&m_chkStrengthening, L"加强钢筋对称", 1020}};
    int top = 360;
    for (const auto& c : checks) {
        c.check->Create(c.text, kCheckStyle, CRect(20, top, 250, top + 20), this, c.nID);
        top += 22;
    }
}

BOOL CBentCapFormNRView::OnCommand(WPARAM wParam, LPARAM)
{
    const UINT nID = LOWORD(wParam);
    const UINT code = HIWORD(wParam);
    if ((nID == 1014 || nID == 1015) && code == BN_CLICKED)
        OnBendModeChange();
    else if (nID == 1012 && code == CBN_SELCHANGE)
        OnPierCountChange();
    else if (nID == 1013 && code == CBN_SELCHANGE)
        OnRowCountChange();
    else if (nID == 1009 && code == BN_CLICKED)
        OnSymmetry();
    else
        return FALSE;
    return TRUE;
}

int CBentCapFormNRView::LoadData()
{
    if (!m_pPierInfo || !m_pBasicGeometry)
        return 1;
    const CBent_PierInfo& design = *m_pPierInfo;
    const CBent_MoreInfo& more = design.GetMoreInfo();
    // 1. Radios and checks from their fields, the weld width as text.
    SetRadioPair(m_radPier, m_radAbutment, m_pBasicGeometry->nAbutmentCap != 0);
    SetRadioPair(m_radPlain, m_radPrestressed, more.GetCapType() != 0);
    SetRadioPair(m_radDoubleWeld, m_radSingleWeld, more.GetWeldType() != 0);
    m_edtWeldWidth.SetWindowText(FormatFixed(more.GetWeldWidth(), -7));
    SetRadioPair(m_radNormalBend, m_radSkewBend, more.GetBendDownMode() != 0);
    m_chkEndsFixed.SetCheck(more.GetOuterUpperFixed() ? BST_CHECKED : BST_UNCHECKED);
    m_chkEqualMiddle.SetCheck(design.GetSupportCount() ? BST_CHECKED : BST_UNCHECKED);
    m_cboSectionForm.SetCurSel(m_pBasicGeometry->nSectionForm != 0 ? 1 : 0);
    m_chkGeneral.SetCheck(design.GetGeneralSymmetric() ? BST_CHECKED : BST_UNCHECKED);
    m_chkSpacing.SetCheck(design.GetColumnSpacingSymmetric() ? BST_CHECKED : BST_UNCHECKED);
    m_chkStirrups.SetCheck(design.GetSectionStirrupsSymmetric() ? BST_CHECKED : BST_UNCHECKED);
    m_chkArrangement.SetCheck(design.GetSkeletonArrangementSymmetric() ? BST_CHECKED : BST_UNCHECKED);
    m_chkSkeleton.SetCheck(design.GetBarSkeletonSymmetric() ? BST_CHECKED : BST_UNCHECKED);
    m_chkStrengthening.SetCheck(design.GetStrengtheningSymmetric() ? BST_CHECKED : BST_UNCHECKED);
    // 2. The two counts.
    const int supports = static_cast<int>(design.GetSupportDistances().GetSize());
    m_cboRowCount.SetCurSel(m_cboRowCount.FindStringExact(-1, Number(design.GetMainFace().GetBarColumnCount())));
    m_cboPierCount.SetCurSel(supports - 1);
    // 3. Equal middle spacings only with more than two piers; 4. the bend-down controls.
    m_chkEqualMiddle.EnableWindow(supports > 2);
    UpdateBendControls();
    return 1;
}

void CBentCapFormNRView::StoreControls(double weldWidth)
{
    CBent_PierInfo& design = *m_pPierInfo;
    CBent_MoreInfo& more = design.GetMoreInfo();
    UpdateInt(m_pBasicGeometry->nAbutmentCap, Checked(m_radAbutment));
    UpdateIntField(more, &CBent_MoreInfo::GetCapType, &CBent_MoreInfo::SetCapType, Checked(m_radPrestressed));
    UpdateIntField(more, &CBent_MoreInfo::GetWeldType, &CBent_MoreInfo::SetWeldType, Checked(m_radSingleWeld));
    UpdateRealField(more, &CBent_MoreInfo::GetWeldWidth, &CBent_MoreInfo::SetWeldWidth, weldWidth);
    UpdateIntField(more, &CBent_MoreInfo::GetBendDownMode, &CBent_MoreInfo::SetBendDownMode, Checked(m_radSkewBend));
    UpdateIntField(more, &CBent_MoreInfo::GetOuterUpperFixed, &CBent_MoreInfo::SetOuterUpperFixed,
                   Checked(m_chkEndsFixed));
    UpdateInt(m_pBasicGeometry->nSectionForm, m_cboSectionForm.GetCurSel() == 1 ? 1 : 0);
    UpdateIntField(design, &CBent_PierInfo::GetSupportCount, &CBent_PierInfo::SetSupportCount,
                   Checked(m_chkEqualMiddle));
    UpdateIntField(design, &CBent_PierInfo::GetGeneralSymmetric, &CBent_PierInfo::SetGeneralSymmetric,
                   Checked(m_chkGeneral));
    UpdateIntField(design, &CBent_PierInfo::GetColumnSpacingSymmetric, &CBent_PierInfo::SetColumnSpacingSymmetric,
                   Checked(m_chkSpacing));
    UpdateIntField(design, &CBent_PierInfo::GetSectionStirrupsSymmetric,
                   &CBent_PierInfo::SetSectionStirrupsSymmetric, Checked(m_chkStirrups));
    UpdateIntField(design, &CBent_PierInfo::GetSkeletonArrangementSymmetric,
                   &CBent_PierInfo::SetSkeletonArrangementSymmetric, Checked(m_chkArrangement));
    UpdateIntField(design, &CBent_PierInfo::GetBarSkeletonSymmetric, &CBent_PierInfo::SetBarSkeletonSymmetric,
                   Checked(m_chkSkeleton));
    UpdateIntField(design, &CBent_PierInfo::GetStrengtheningSymmetric, &CBent_PierInfo::SetStrengtheningSymmetric,
                   Checked(m_chkStrengthening));
}

void CBentCapFormNRView::ApplySymmetry()
{
    CBent_PierInfo& design = *m_pPierInfo;
    CBent_BasicGeometry& g = *m_pBasicGeometry;
    // General construction: the right end follows the left.
    if (design.GetGeneralSymmetric()) {
        g.dRightWidth = g.dLeftWidth;
        g.dRightEndHeight = g.dLeftEndHeight;
        g.dRightAngle = g.dLeftAngle;
    }
    // Pier spacing: the last entry takes the first, entry n - i takes entry i.
    CArray<double, const double&>& spacings = design.GetSupportDistances();
    const int n = static_cast<int>(spacings.GetSize());
    if (design.GetColumnSpacingSymmetric() && n >= 2) {
        spacings[n - 1] = spacings[0];
        for (int i = 2; i < n - i; ++i)
            spacings[n - i] = spacings[i];
    }
    if (design.GetStrengtheningSymmetric())
        design.GetExtendSteel().MirrorCodes();
    if (design.GetBarSkeletonSymmetric())
        design.GetMainFace().ApplySymmetry();
}

int CBentCapFormNRView::SaveData()
{
    if (!m_pPierInfo || !m_pBasicGeometry || !m_cboPierCount.GetSafeHwnd())
        return 1;
    double weldWidth = 0;
    if (!ExchangeRealField(m_edtWeldWidth, weldWidth))
        return 0;
    StoreControls(weldWidth);
    ApplySymmetry();
    return 1;
}

void CBentCapFormNRView::UpdateBendControls()
{
    const BOOL normal = Checked(m_radNormalBend);
    m_chkEndsFixed.EnableWindow(normal);
    if (m_pEndsFixedLine2)
        m_pEndsFixedLine2->EnableWindow(normal);
}

void CBentCapFormNRView::OnBendModeChange() { UpdateBendControls(); }

void CBentCapFormNRView::ResizeSupportSpacings(int m, int n)
{
    CArray<double, const double&>& spacings = m_pPierInfo->GetSupportDistances();
    const double added = 1000.0 * m_pProject->GetLoadFactor();
    if (n > m && m <= 1) {
        for (int i = m; i < n; ++i)
            spacings.Add(added);
    } else if (n > m) {
        spacings.InsertAt(m - 1, added, n - m);
    } else if (n == 1) {
        spacings.SetSize(1);
    } else {
        spacings.RemoveAt(n - 1, m - n);
    }
}

void CBentCapFormNRView::RebuildSectionPositions(int m, int n)
{
    CArray<int, const int&>& positions = m_pPierInfo->GetSectionPositions();
    CArray<int, const int&> rebuilt;
    for (INT_PTR i = 0; i < positions.GetSize(); ++i)
        if (positions[i] == 0) {
            rebuilt.Add(0);
            break;
        }
    for (INT_PTR i = 0; i < positions.GetSize(); ++i)
        if (positions[i] >= 1 && positions[i] <= m && positions[i] <= n)
            rebuilt.Add(positions[i]);
    for (INT_PTR i = 0; i < positions.GetSize(); ++i) {
        const int k = positions[i] - m;
        if (positions[i] > m && k < n)
            rebuilt.Add(n + k);
    }
    positions.Copy(rebuilt);
}

void CBentCapFormNRView::OnPierCountChange()
{
    if (!m_pPierInfo || !m_pProject)
        return;
    // 1. The form's values first.
    SaveData();
    const int m = static_cast<int>(m_pPierInfo->GetSupportDistances().GetSize());
    const int n = m_cboPierCount.GetCurSel() + 1;
    // 2. The same count: nothing.
    if (n == m || n < 1)
        return;
    // 3. The user confirms.
    const wchar_t* question = nullptr;
    if (n > m)
        question = m == 1 ? L"系统将在当前墩柱后添加一个或多个墩柱，您需要手工修改墩柱间距，是否需要继续？"
                          : L"系统将在最后一个墩柱前添加一个或多个墩柱，您需要手工修改墩柱间距，是否需要继续？";
    else
        question = n == 1 ? L"系统将删除第一个墩柱外所有支座，是否需要继续？"
                          : L"系统将删除最后一个墩柱前的一个或多个墩柱，您需要手工修改墩柱间距，是否需要继续？";
    if (!AskYesNo(question, L"确认继续", GetSafeHwnd())) {
        m_cboPierCount.SetCurSel(m - 1);
        return;
    }
    // 4. Spacings, 5. the main face's supports, 6. the section positions.
    ResizeSupportSpacings(m, n);
    m_pPierInfo->GetMainFace().SetSupportCount(n);
    RebuildSectionPositions(m, n);
    // 7. The views follow the new count.
    m_chkEqualMiddle.EnableWindow(n > 2);
    MarkModified();
    NotifyDataChanged();
}

void CBentCapFormNRView::OnRowCountChange()
{
    if (!m_pPierInfo)
        return;
    SaveData();
    CString text;
    m_cboRowCount.GetLBText(m_cboRowCount.GetCurSel(), text);
    const int columns = static_cast<int>(ReadLeadingReal(text));
    m_pPierInfo->GetMainFace().SetBarColumnCount(columns);
    CBent_ExtendSteel& extend = m_pPierInfo->GetExtendSteel();
    extend.SetCodeCount(columns);
    if (m_pPierInfo->GetStrengtheningSymmetric())
        extend.MirrorCodes();
    MarkModified();
}

void CBentCapFormNRView::OnSymmetry()
{
    if (m_chkSkeleton.GetCheck() != BST_CHECKED)
        return;
    if (!AskYesNo(L"选择钢筋骨架对称时，系统将自动对骨架进行对称处理，该操作不能撤销，是否需要继续？", L"确认对称",
                  GetSafeHwnd()))
        m_chkSkeleton.SetCheck(BST_UNCHECKED);
}
