#include "CBentCapClassView.h"

#include "FormMessages.h"

namespace {

const UINT kTreeId = 1000;
const wchar_t* const kBarTexts[4] = {L"顶板直筋", L"底板直筋", L"上弯起筋", L"下弯起筋"};

} // namespace

CBentCapClassView::~CBentCapClassView()
{
    m_wndTree.DestroyWindow();
}

void CBentCapClassView::SetProject(CBentCapProject* pProject)
{
    m_pProject = pProject;
    m_pPierInfo = pProject ? &pProject->m_PierInfo : nullptr;
    m_pBasicGeometry = pProject ? &pProject->m_BasicGeometry : nullptr;
}

int CBentCapClassView::SaveData() { return 0; }

int CBentCapClassView::LoadData()
{
    BuildTree(m_pPierInfo ? static_cast<int>(m_pPierInfo->GetSupportDistances().GetSize()) : 0);
    return 0;
}

int CBentCapClassView::OnCreate()
{
    if (CView::OnCreate() == -1)
        return -1;
    CRect rect;
    GetClientRect(&rect);
    const DWORD style = WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS;
    return m_wndTree.Create(style, rect, this, kTreeId) ? 0 : -1;
}

void CBentCapClassView::OnSize(UINT nType, int cx, int cy)
{
    CView::OnSize(nType, cx, cy);
    if (m_wndTree.GetSafeHwnd())
        m_wndTree.SetWindowPos(nullptr, 0, 0, cx, cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CBentCapClassView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_UPDATE_DATA)
        return OnUpdateData(wParam, lParam);
    if (message == WM_SELECT_TREE_ITEM)
        return OnSelectCategory(wParam, lParam);
    return CView::WindowProc(message, wParam, lParam);
}

LRESULT CBentCapClassView::OnUpdateData(WPARAM wParam, LPARAM)
{
    if (wParam == 1)
        LoadData();
    else if (wParam == 0)
        SaveData();
    return 0;
}

LRESULT CBentCapClassView::OnSelectCategory(WPARAM wParam, LPARAM)
{
    if (HTREEITEM hItem = FindItemByCode(m_wndTree.GetRootItem(), static_cast<int>(wParam)))
        m_wndTree.SelectItem(hItem);
    return 0;
}

HTREEITEM CBentCapClassView::FindItemByCode(HTREEITEM hItem, int nCode) const
{
    if (!hItem)
        return nullptr;
    if (static_cast<int>(m_wndTree.GetItemData(hItem)) == nCode)
        return hItem;
    for (HTREEITEM child = m_wndTree.GetChildItem(hItem); child; child = m_wndTree.GetNextSiblingItem(child))
        if (HTREEITEM found = FindItemByCode(child, nCode))
            return found;
    return nullptr;
}

int CBentCapClassView::GetSelectedCode() const
{
    const HTREEITEM hItem = m_wndTree.GetSelectedItem();
    return hItem ? static_cast<int>(m_wndTree.GetItemData(hItem)) : -1;
}

HTREEITEM CBentCapClassView::InsertCategory(const wchar_t* text, int nCode, HTREEITEM hParent, int nRemembered)
{
    const HTREEITEM hItem = m_wndTree.InsertItem(text, hParent);
    m_wndTree.SetItemData(hItem, static_cast<DWORD_PTR>(static_cast<unsigned>(nCode)));
    if (nCode != 0 && nCode == nRemembered)
        m_wndTree.SelectItem(hItem);
    return hItem;
}

void CBentCapClassView::InsertBarItems(HTREEITEM hParent, int nSupport, BOOL bLast, int nRemembered)
{
    for (int k = 1; k <= 4; ++k)
        if (!(bLast && k == 2))
            InsertCategory(kBarTexts[k - 1], 100 + 10 * nSupport + k, hParent, nRemembered);
    m_wndTree.Expand(hParent, TVE_EXPAND);
}

void CBentCapClassView::BuildTree(int nSupports)
{
    // 1. The code of the selection, 2. a clean tree.
    const int remembered = m_wndTree.GetSelectedItem() ? GetSelectedCode() : 0;
    m_bBuilding = true;
    m_wndTree.DeleteAllItems();
    m_hPrevItem = nullptr;
    // 3. The categories in their order, 4. the groups expanded, 5. the remembered one selected.
    const HTREEITEM root = InsertCategory(L"设计参数", 0, TVI_ROOT, remembered);
    InsertCategory(L"基本资料", 200, root, remembered);
    InsertCategory(L"一般构造", 201, root, remembered);
    InsertCategory(L"墩柱间距", 209, root, remembered);
    InsertCategory(L"保护层", 202, root, remembered);
    InsertCategory(L"钢筋等级", 203, root, remembered);
    InsertCategory(L"剖面位置", 208, root, remembered);
    const HTREEITEM bars = InsertCategory(L"骨架钢筋", 1, root, remembered);
    InsertBarItems(InsertCategory(L"整体立面", 10, bars, remembered), 0, FALSE, remembered);
    for (int n = 1; n <= nSupports; ++n) {
        CString text;
        text.Format(L"%d#墩柱", n);
        InsertBarItems(InsertCategory(text, 10 + n, bars, remembered), n, n == nSupports, remembered);
    }
    InsertCategory(L"加强钢筋", 204, root, remembered);
    InsertCategory(L"侧面钢筋", 205, root, remembered);
    InsertCategory(L"断面箍筋", 206, root, remembered);
    InsertCategory(L"骨架编排", 207, root, remembered);
    m_wndTree.Expand(root, TVE_EXPAND);
    m_wndTree.Expand(bars, TVE_EXPAND);
    if (GetSelectedCode() != remembered || remembered == 0)
        m_wndTree.SelectItem(root);
    m_bBuilding = false;
    // The selection the rebuild ends on runs the protocol: the frame ignores its own category.
    OnSelChanged(m_wndTree.GetSelectedItem());
}

BOOL CBentCapClassView::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult)
{
    const auto* notice = reinterpret_cast<const NMTREEVIEW*>(lParam);
    if (notice->hdr.hwndFrom != m_wndTree.m_hWnd || notice->hdr.code != TVN_SELCHANGED)
        return FALSE;
    if (!m_bBuilding)
        OnSelChanged(notice->itemNew.hItem);
    *pResult = 0;
    return TRUE;
}

BOOL CBentCapClassView::AskFrame(HTREEITEM hItem)
{
    CWnd* frame = FindProtocolFrame(this);
    if (!frame)
        return TRUE;
    int verdict = 1;
    frame->SendMessage(WM_SELECT_CATEGORY, static_cast<WPARAM>(m_wndTree.GetItemData(hItem)),
                       reinterpret_cast<LPARAM>(&verdict));
    return verdict != 0;
}

void CBentCapClassView::OnSelChanged(HTREEITEM hNew)
{
    // The reselection after a refusal is swallowed; a selection of no item asks nothing.
    if (m_nAccept != 1) {
        m_nAccept = 1;
        return;
    }
    if (!hNew)
        return;
    if (AskFrame(hNew)) {
        m_hPrevItem = hNew;
        return;
    }
    m_nAccept = 0;
    m_wndTree.SelectItem(m_hPrevItem);
    m_nAccept = 1;
}
