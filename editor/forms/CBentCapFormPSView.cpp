#include "CBentCapFormPSView.h"

#include <algorithm>
#include <vector>

namespace {

const UINT kSectionListId = 1026;

} // namespace

CBentCapFormPSView::CBentCapFormPSView() : CBentCapFormBaseView(IDD) {}

void CBentCapFormPSView::OnInitialUpdate()
{
    // The sketch's elevation is 700 pixels long with the cut marks above and below it.
    m_grpSketch.Create(L"剖面位置示意：", WS_CHILD | WS_VISIBLE | BS_GROUPBOX, CRect(8, 8, 760, 356), this, 0xFFFF);
    m_wndSketch.Create(L"", WS_CHILD | WS_VISIBLE, CRect(16, 28, 752, 348), this, 1075);
    m_grpList.Create(L"剖面位置：", WS_CHILD | WS_VISIBLE | BS_GROUPBOX, CRect(8, 364, 260, 616), this, 0xFFFF);
    m_wndList.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOTIFY, CRect(16, 384, 252, 608), this, kSectionListId);
    AddLabel(L"剖面位置说明：", CRect(272, 372, 760, 392));
    m_wndDescription.Create(L"", WS_CHILD | WS_VISIBLE | SS_LEFT, CRect(272, 396, 760, 436), this, 1027);
}

BOOL CBentCapFormPSView::OnCommand(WPARAM wParam, LPARAM)
{
    if (LOWORD(wParam) != kSectionListId || HIWORD(wParam) != LBN_SELCHANGE)
        return FALSE;
    OnSectionChange();
    return TRUE;
}

int CBentCapFormPSView::PierCount() const
{
    return m_pPierInfo ? static_cast<int>(m_pPierInfo->GetSupportDistances().GetSize()) : 0;
}

int CBentCapFormPSView::WholeMidSpanCode() const
{
    const int n = PierCount();
    return n % 2 ? n / 2 + 1 : n + n / 2;
}

int CBentCapFormPSView::LoadData()
{
    if (!m_pPierInfo || !m_wndList.GetSafeHwnd())
        return 1;
    // 1. The items of the pier count.
    const int n = PierCount();
    m_wndList.ResetContent();
    m_wndList.AddString(L"跨中");
    for (int k = 1; k <= n; ++k) {
        CString text;
        text.Format(L"墩柱%d", k);
        m_wndList.AddString(text);
    }
    for (int k = 1; k < n; ++k) {
        CString text;
        text.Format(L"跨中%d", k);
        m_wndList.AddString(text);
    }
    // 2. The stored sections ticked and marked; codes without an item are left out.
    m_aMarked.clear();
    const CArray<int, const int&>& positions = m_pPierInfo->GetSectionPositions();
    for (INT_PTR i = 0; i < positions.GetSize(); ++i)
        if (positions[i] >= 0 && positions[i] < m_wndList.GetCount()) {
            m_wndList.SetCheck(positions[i], BST_CHECKED);
            m_aMarked.push_back(positions[i]);
        }
    // 3. The whole-beam mid-span as the section it is; 4. nothing highlighted.
    if (!m_aMarked.empty() && m_aMarked.front() == 0)
        m_aMarked.front() = WholeMidSpanCode();
    m_nHighlighted = -1;
    m_wndDescription.SetWindowText(L"");
    m_wndSketch.m_pFont = m_pLogFont;
    m_wndSketch.m_nAbutment = m_pBasicGeometry ? m_pBasicGeometry->nAbutmentCap : 0;
    m_wndSketch.m_nColumnCount = PierCount();
    m_wndSketch.m_aColumnX.RemoveAll();
    ShowInSketch();
    return 1;
}

int CBentCapFormPSView::SaveData()
{
    if (!m_pPierInfo || !m_wndList.GetSafeHwnd())
        return 1;
    CArray<int, const int&> ticked;
    for (int i = 0; i < m_wndList.GetCount(); ++i)
        if (m_wndList.GetCheck(i) == BST_CHECKED)
            ticked.Add(i);
    // The same sections in another order are no change: the file keeps its order.
    CArray<int, const int&>& stored = m_pPierInfo->GetSectionPositions();
    std::vector<int> storedCodes;
    for (INT_PTR i = 0; i < stored.GetSize(); ++i)
        storedCodes.push_back(stored[i]);
    std::sort(storedCodes.begin(), storedCodes.end());
    std::vector<int> tickedCodes;
    for (INT_PTR i = 0; i < ticked.GetSize(); ++i)
        tickedCodes.push_back(ticked[i]);
    if (tickedCodes != storedCodes) {
        stored.Copy(ticked);
        MarkModified();
    }
    return 1;
}

void CBentCapFormPSView::CollectMarked()
{
    m_aMarked.clear();
    for (int i = 0; i < m_wndList.GetCount(); ++i)
        if (m_wndList.GetCheck(i) == BST_CHECKED)
            m_aMarked.push_back(i);
    if (!m_aMarked.empty() && m_aMarked.front() == 0)
        m_aMarked.front() = WholeMidSpanCode();
}

void CBentCapFormPSView::OnSectionChange()
{
    // 1. What the selected item is.
    const int n = PierCount();
    const int b = m_wndList.GetCurSel();
    CString text;
    if (b == 0 && n % 2)
        text.Format(L"全梁跨中，本项目墩柱个数为%d个，故跨中实际上是墩柱%d", n, n / 2 + 1);
    else if (b == 0)
        text.Format(L"全梁跨中，本项目墩柱个数为%d个，故跨中实际上是跨中%d", n, n / 2);
    else if (b >= 1 && b <= n)
        text.Format(L"第%d墩柱断面", b);
    else if (b > n)
        text.Format(L"第%d墩柱和第%d墩柱之间的跨中断面", b - n, b - n + 1);
    // 2. Shown, with the ticks marked; 3. the selected section highlighted.
    m_wndDescription.SetWindowText(text);
    CollectMarked();
    m_nHighlighted = b == 0 ? WholeMidSpanCode() : b;
    ShowInSketch();
}

void CBentCapFormPSView::ShowInSketch()
{
    m_wndSketch.m_aPositions.RemoveAll();
    for (int code : m_aMarked)
        m_wndSketch.m_aPositions.Add(code);
    m_wndSketch.m_nSelected = m_nHighlighted;
    m_wndSketch.Invalidate();
}
