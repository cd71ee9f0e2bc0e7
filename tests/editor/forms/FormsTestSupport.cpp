#include "FormsTestSupport.h"

void FormsTest::SetUp()
{
    EditorWindowTest::SetUp();
    m_frame = std::make_unique<CMainFrame>();
    ASSERT_TRUE(m_frame->LoadFrame());
}

void FormsTest::TearDown()
{
    m_frame.reset();
    EditorWindowTest::TearDown();
}

void FormsTest::OpenSample()
{
    ASSERT_EQ(m_frame->LoadGltFile(Wide(Sample())), 1);
}

bool FormsTest::Choose(int code)
{
    CBentCapClassView& view = m_frame->GetClassView();
    const HTREEITEM item = view.FindItemByCode(view.GetTreeCtrl().GetRootItem(), code);
    if (!item)
        return false;
    view.GetTreeCtrl().SelectItem(item);
    return true;
}

std::vector<std::wstring> FormsTest::BoxTexts()
{
    std::vector<std::wstring> texts;
    for (const auto& box : m_boxes->Boxes())
        texts.push_back(L"[" + box.caption + L"] " + box.text);
    return texts;
}

CString TextOf(const CWnd& wnd)
{
    CString text;
    wnd.GetWindowText(text);
    return text;
}

CWnd* FindControl(const CWnd* window, UINT nID)
{
    if (!window || !window->GetWidget())
        return nullptr;
    for (QWidget* child : window->GetWidget()->findChildren<QWidget*>()) {
        CWnd* wnd = CWnd::FromWidget(child);
        if (wnd && wnd != window && wnd->GetWidget() == child && wnd->GetDlgCtrlID() == nID)
            return wnd;
    }
    return nullptr;
}
