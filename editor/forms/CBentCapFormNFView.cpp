#include "CBentCapFormNFView.h"

#include "EditorMessageBoxes.h"

CBentCapFormNFView::CBentCapFormNFView() : CBentCapFormBaseView(IDD) {}

void CBentCapFormNFView::OnInitialUpdate()
{
    m_grpSketch.Create(L"墩柱参数示意：", WS_CHILD | WS_VISIBLE | BS_GROUPBOX, CRect(8, 8, 720, 420), this, 0xFFFF);
    m_wndSketch.Create(L"", WS_CHILD | WS_VISIBLE, CRect(16, 28, 712, 412), this, 1079);
    AddLabel(L"图示说明：", CRect(8, 428, 720, 448));
    AddLabel(L"1、受界面限制，本图没有按比例绘制，不能作为剪力筋判断依据。\n"
             L"2、本图仅示意整体立面上弯起钢筋和支座上弯起钢筋，且没有示意钢筋的相连性。\n"
             L"3、在图示中双击间距数值可以进行修改。",
             CRect(8, 450, 720, 520));
}

int CBentCapFormNFView::LoadData()
{
    m_wndSketch.m_nAbutment = m_pBasicGeometry ? m_pBasicGeometry->nAbutmentCap : 0;
    m_wndSketch.m_pDesign = m_pPierInfo;
    m_wndSketch.m_nPier = GetPier();
    m_wndSketch.m_pFont = m_pLogFont;
    m_wndSketch.m_aLeftSpacings.RemoveAll();
    m_wndSketch.m_aRightSpacings.RemoveAll();
    m_wndSketch.Invalidate();
    return 1;
}

BOOL CBentCapFormNFView::IsDerivedPier() const
{
    if (!m_pPierInfo)
        return FALSE;
    const int n = static_cast<int>(m_pPierInfo->GetSupportDistances().GetSize());
    const int index = GetPier() - 1;
    return n % 2 ? index > n / 2 : index >= n / 2;
}

// The derived half of a symmetric skeleton is edited through its partner; elsewhere a double
// click on a spacing is the pier sketch's to take.
void CBentCapFormNFView::OnLButtonDblClk(UINT, CPoint point)
{
    if (m_pPierInfo && m_pPierInfo->GetBarSkeletonSymmetric() && IsDerivedPier()) {
        ShowInformation(L"对称情况下，本墩柱不能进行修改操作，请修改其对称墩柱！", L"不能操作", GetSafeHwnd());
        return;
    }
    ClientToScreen(&point);
    m_wndSketch.ScreenToClient(&point);
    CRect client;
    m_wndSketch.GetClientRect(&client);
    if (point.x < 0 || point.y < 0 || point.x > client.Width() || point.y > client.Height())
        return;
    if (m_wndSketch.EditSpacingAt(point))
        MarkModified();
}
