#include "CMainFrame.h"

#include "CBent_HlFile.h"
#include "CCmdUI.h"
#include "CCorbeldeskApp.h"
#include "DesignRegistry.h"
#include "EditorCommands.h"
#include "FrameTitle.h"
#include "NumericHelpers.h"
#include "QtText.h"

#include <QAction>
#include <QApplication>
#include <QFontInfo>
#include <QKeySequence>
#include <QWidget>

#include <cwchar>

namespace {

const wchar_t* const kTitleUntitled = L"Veltra盖梁绘图系统-无标题";

struct MenuItem {
    UINT nID;  // 0 a separator
    const wchar_t* text;
};

void AppendPopup(CMenu& bar, const wchar_t* title, std::initializer_list<MenuItem> items)
{
    CMenu popup;
    popup.CreatePopupMenu();
    for (const MenuItem& item : items) {
        if (item.nID)
            popup.AppendMenu(MF_STRING, item.nID, item.text);
        else
            popup.AppendMenu(MF_SEPARATOR);
    }
    bar.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(popup.Detach()), title);
}

// Commands offered only where a form takes them (the bar commands): shown, not offered
// elsewhere. The recent-file list is the framework's, to which the editor adds no file: it
// stays empty.
bool IsUnavailable(UINT nID)
{
    switch (nID) {
    case ID_FILE_MRU_FILE1:
    case ID_DELETE_STEEL:
    case ID_MODIFY_STEEL:
    case ID_ADD_STEEL:
    case ID_SORT_STEEL:
        return true;
    default:
        return false;
    }
}

} // namespace

CMainFrame::CMainFrame()
{
    m_Project.Reset();
}

// The frame gone, no design is handed to the drawing plug-in any more.
CMainFrame::~CMainFrame()
{
    WriteRegString(L"CurGltFile", CString());
}

BOOL CMainFrame::LoadFrame()
{
    return Create(nullptr, kTitleUntitled, WS_OVERLAPPEDWINDOW, CRect(0, 0, 961, 796), nullptr, IDR_MAINFRAME);
}

int CMainFrame::OnCreate()
{
    if (CFrameWnd::OnCreate() == -1)
        return -1;
    BuildMenu();
    if (!BuildBars())
        return -1;
    // A new frame holds an untitled design: no file for the plug-in yet.
    WriteRegString(L"CurGltFile", CString());
    RefreshViews(TRUE);
    return 0;
}

// The tree, the current form over the information view; the summary form first.
BOOL CMainFrame::OnCreateClient()
{
    m_pForm = FormFactoryForCategory(0)();
    if (!m_wndSplitter.CreateStatic(this, 1, 2) || !m_wndSplitter.CreateView(0, 0, &m_wndTreePane, CSize(150, 100))
        || !m_wndSplitter2.CreateStatic(&m_wndSplitter, 2, 1, WS_CHILD | WS_VISIBLE, m_wndSplitter.IdFromRowCol(0, 1))
        || !m_wndSplitter2.CreateView(0, 0, m_pForm.get(), CSize(100, 600))
        || !m_wndSplitter2.CreateView(1, 0, &m_wndInfoPane, CSize(100, 200))) {
        m_wndSplitter2.DestroyWindow();
        m_wndSplitter.DestroyWindow();
        return FALSE;
    }
    m_wndSplitter.RecalcLayout();
    m_nCurrentCategory = 0;
    m_pClassView = &m_wndTreePane;
    m_pInfoView = &m_wndInfoPane;
    const QFont font = QApplication::font();
    // A font given in points has no pixel size of its own: the size it is shown with counts.
    m_LogFont.lfHeight = -QFontInfo(font).pixelSize();
    m_LogFont.lfWeight = font.bold() ? FW_BOLD : FW_NORMAL;
    std::wcsncpy(m_LogFont.lfFaceName, font.family().toStdWString().c_str(), LF_FACESIZE - 1);
    ConnectPanes();
    return TRUE;
}

void CMainFrame::BuildMenu()
{
    m_menu.CreateMenu();
    AppendPopup(m_menu, L"文件(&F)",
                {{ID_FILE_NEW, L"新建(&N)\tCtrl+N"},
                 {ID_FILE_OPEN, L"打开(&O)...\tCtrl+O"},
                 {ID_FILE_SAVE_PROJECT, L"保存(&S)\tCtrl+S"},
                 {ID_FILE_SAVE_PROJECT_AS, L"另存为(&A)..."},
                 {0, nullptr},
                 {ID_FILE_MRU_FILE1, L"最近文件"},
                 {0, nullptr},
                 {ID_APP_EXIT, L"退出(&X)"}});
    AppendPopup(m_menu, L"编辑(&E)",
                {{ID_CAP_COPY, L"盖梁复制(&C)\tCtrl+C"},
                 {0, nullptr},
                 {ID_ADD_STEEL, L"添加钢筋(&A)"},
                 {ID_DELETE_STEEL, L"删除钢筋(&D)"},
                 {ID_MODIFY_STEEL, L"修改钢筋(&E)"},
                 {ID_SORT_STEEL, L"钢筋排序(&S)"}});
    AppendPopup(m_menu, L"单位(&U)",
                {{ID_UNIT_M, L"米(&M)"}, {ID_UNIT_DM, L"分米(&D)"}, {ID_UNIT_CM, L"厘米(&C)"}, {ID_UNIT_MM, L"毫米(&H)"}});
    AppendPopup(m_menu, L"工具(&T)",
                {{ID_EXTEND_STEEL, L"加强钢筋(&J)"},
                 {ID_DRAW_SCALE, L"绘图比例(&S)"},
                 {0, nullptr},
                 {ID_BATCH_COPY, L"批量复制(&B)"},
                 {ID_BATCH_COLUMNS, L"批量调列(&L)"},
                 {0, nullptr},
                 {ID_SKELETON_SPACING, L"骨架间距(&B)"},
                 {ID_STIRRUP_LAYOUT, L"箍筋布置(&H)"},
                 {ID_SIDE_BARS, L"侧面钢筋(&S)"},
                 {0, nullptr},
                 {ID_APPLICABLE_PIERS, L"适用墩台(&U)"}});
    AppendPopup(m_menu, L"帮助(&H)", {{ID_APP_ABOUT, L"关于 盖梁绘图(&A)..."}});
    SetMenu(&m_menu);
    // Keys without a menu item of their own: Ctrl+Ins copies the cap, F4 the next message.
    const HWND self = m_hWnd;
    for (const auto& [key, command] : {std::pair{QKeySequence(Qt::CTRL | Qt::Key_Insert), UINT(ID_CAP_COPY)},
                                       std::pair{QKeySequence(Qt::Key_F4), UINT(ID_NEXT_MESSAGE)}}) {
        auto* action = new QAction(GetWidget());
        action->setShortcut(key);
        const UINT nID = command;
        QObject::connect(action, &QAction::triggered, action, [self, nID] {
            if (CWnd* wnd = CWnd::FromHandle(self))
                wnd->SendMessage(WM_COMMAND, nID, 0);
        });
        GetWidget()->addAction(action);
    }
}

BOOL CMainFrame::BuildBars()
{
    static const UINT buttons[] = {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE_PROJECT, ID_FILE_SAVE_PROJECT_AS,
                                   ID_SEPARATOR, ID_CAP_COPY, ID_DRAW_SCALE, ID_SEPARATOR, ID_ADD_STEEL,
                                   ID_MODIFY_STEEL, ID_DELETE_STEEL, ID_SORT_STEEL, ID_SEPARATOR, ID_DRAW_IN_ACAD,
                                   ID_SEPARATOR, ID_APP_ABOUT};
    static const wchar_t* const tips[] = {L"新建", L"打开", L"保存", L"另存为", nullptr, L"盖梁复制", L"绘图比例",
                                          nullptr, L"添加钢筋", L"修改钢筋", L"删除钢筋", L"钢筋排序", nullptr,
                                          L"绘图", nullptr, L"关于"};
    if (!m_wndToolBar.CreateEx(this) || !m_wndToolBar.SetButtons(buttons, 16))
        return FALSE;
    for (int i = 0; i < 16; ++i)
        if (tips[i]) {
            m_wndToolBar.SetButtonText(i, tips[i]);
            m_wndToolBar.SetButtonToolTip(i, tips[i]);
        }
    m_wndToolBar.SetButtonToolTip(m_wndToolBar.CommandToIndex(ID_DRAW_IN_ACAD), L"绘制当前项目的盖梁钢筋图");
    AddToolBar(&m_wndToolBar);
    if (!m_wndDlgBar.Create(this, 24, IDR_MAINFRAME)
        || !m_wndSummary.Create(L"", WS_CHILD | WS_VISIBLE, CRect(4, 2, 900, 22), &m_wndDlgBar, IDC_SUMMARY_TEXT))
        return FALSE;
    static const UINT indicators[] = {ID_SEPARATOR, ID_INDICATOR_NUM, ID_INDICATOR_ELEVATION_SCALE,
                                      ID_INDICATOR_SECTION_SCALE, ID_INDICATOR_COMPANY};
    if (!m_wndStatusBar.Create(this) || !m_wndStatusBar.SetIndicators(indicators, 5))
        return FALSE;
    m_wndStatusBar.SetPaneText(2, L"立面图比例：62.5");
    m_wndStatusBar.SetPaneText(3, L"剖面图比例：62.5");
    m_wndStatusBar.SetPaneText(4, L" Norvane ");
    SetStatusBar(&m_wndStatusBar);
    return TRUE;
}

void CMainFrame::UpdateFrameTitle()
{
    CString registryPath;
    SetWindowText(FormatFrameTitle(m_Project.m_strPath, m_Project.m_nModified, registryPath));
    WriteRegString(L"CurGltFile", registryPath);
}

int CMainFrame::ChangeUnit(int nUnit)
{
    // 1. The form's values first; a refusal keeps the unit.
    if (!CommitCurrentForm())
        return 0;
    // 2. To millimetres, 3. the new unit, 4. from millimetres.
    CBent_HlFile file;
    file.SetPierInfo(&m_Project.m_PierInfo);
    file.SetBasicGeometry(&m_Project.m_BasicGeometry);
    file.ScaleLengths(m_Project.GetSaveFactor());
    m_Project.m_nUnit = nUnit;
    file.ScaleLengths(m_Project.GetLoadFactor());
    // 5. Views show the new values.
    RefreshViews(FALSE);
    return 1;
}

CString CMainFrame::GetSummaryText() const
{
    CString text;
    m_wndSummary.GetWindowText(text);
    return text;
}

void CMainFrame::UpdateSummaryBar()
{
    if (!m_wndSummary.GetSafeHwnd())
        return;
    const CBent_BasicGeometry& g = m_Project.m_BasicGeometry;
    const CBent_PierInfo& design = m_Project.m_PierInfo;
    CString text;
    text.Format(L"类型：%s  梁高：%s  宽度：%s  角度：%s  下弯：%s  墩柱：%d  列数：%d  骨架：%d  ",
                g.nAbutmentCap ? L"桥台" : L"桥墩", FormatFixed(g.dMiddleHeight, -7).GetString(),
                FormatFixed(g.dWidth, -7).GetString(), FormatFixed(g.dLeftAngle, -7).GetString(),
                design.GetMoreInfo().GetBendDownMode() != 0 ? L"斜弯" : L"正弯",
                static_cast<int>(design.GetSupportDistances().GetSize()), design.GetMainFace().GetBarColumnCount(),
                design.CountSkeletonColumns());
    m_wndSummary.SetWindowText(text);
}

CString CMainFrame::FormatScalePane(const wchar_t* label, double scale) const
{
    return label + FormatFixed(scale, -7);
}

LRESULT CMainFrame::OnSetDrawScale(WPARAM wParam, LPARAM lParam)
{
    const double value = *reinterpret_cast<const double*>(lParam);
    if (wParam == 1)
        m_Project.m_PierInfo.SetElevationScale(value > 0 ? value : 50.0);
    else
        m_Project.m_PierInfo.SetSectionScale(value > 0 ? value : 40.0);
    m_Project.m_nModified = 1;
    UpdateFrameTitle();
    return 0;
}

LRESULT CMainFrame::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (LRESULT result = 0; HandleFormMessage(message, wParam, lParam, result))
        return result;
    if (message == WM_SET_DRAW_SCALE) {
        const LRESULT result = OnSetDrawScale(wParam, lParam);
        UpdateCmdUI();
        return result;
    }
    return CFrameWnd::WindowProc(message, wParam, lParam);
}

BOOL CMainFrame::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT nID = LOWORD(wParam);
    switch (nID) {
    case ID_FILE_NEW: OnFileNew(); return TRUE;
    case ID_FILE_OPEN: OnFileOpen(); return TRUE;
    case ID_FILE_SAVE_PROJECT: OnFileSave(); return TRUE;
    case ID_FILE_SAVE_PROJECT_AS: OnFileSaveAs(); return TRUE;
    case ID_APP_EXIT: SendMessage(WM_CLOSE); return TRUE;
    case ID_UNIT_M: case ID_UNIT_DM: case ID_UNIT_CM: case ID_UNIT_MM:
        ChangeUnit(static_cast<int>(nID - ID_UNIT_M));
        return TRUE;
    case ID_DRAW_IN_ACAD: OnDrawInAcad(); return TRUE;
    case ID_APP_ABOUT:
        if (auto* app = dynamic_cast<CCorbeldeskApp*>(AfxGetApp()))
            app->OnAppAbout();
        return TRUE;
    default:
        if (OnToolCommand(nID))
            return TRUE;
        return CFrameWnd::OnCommand(wParam, lParam);
    }
}

void CMainFrame::OnUpdateCmdUI(CCmdUI* pCmdUI)
{
    if (m_pForm && m_pForm->UpdateCommandUI(pCmdUI))
        return;
    const UINT nID = pCmdUI->m_nID;
    if (nID >= ID_UNIT_M && nID <= ID_UNIT_MM) {
        const int unit = m_Project.m_nUnit >= 0 && m_Project.m_nUnit <= 3 ? m_Project.m_nUnit : 3;
        pCmdUI->SetCheck(static_cast<int>(nID - ID_UNIT_M) == unit);
    } else if (nID == ID_INDICATOR_COMPANY) {
        pCmdUI->SetText(L" Norvane ");
    } else if (nID == ID_INDICATOR_ELEVATION_SCALE) {
        pCmdUI->SetText(FormatScalePane(L"立面图比例：", m_Project.m_PierInfo.GetElevationScale()));
    } else if (nID == ID_INDICATOR_SECTION_SCALE) {
        pCmdUI->SetText(FormatScalePane(L"剖面图比例：", m_Project.m_PierInfo.GetSectionScale()));
    } else if (nID == ID_INDICATOR_NUM) {
        pCmdUI->Enable(FALSE);
    } else if (IsUnavailable(nID)) {
        pCmdUI->Enable(FALSE);
    }
}
