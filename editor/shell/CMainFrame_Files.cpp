// New, open, save, save as and close, with the one save prompt that guards new, open and
// close: no command loses a change the user did not agree to drop.
#include "CMainFrame.h"

#include "CBentCapFileDialog.h"
#include "CBent_HlFile.h"
#include "CFileDialog.h"
#include "WinUser.h"

namespace {

const wchar_t* const kDesignFilter = L"盖梁图文件(*.glt)|*.glt||";

} // namespace

BOOL CMainFrame::PromptSave()
{
    // 1. The form's values into the data.
    CommitCurrentForm();
    // 2. Nothing changed: nothing to ask.
    if (!m_Project.m_nModified)
        return TRUE;
    // 3. Save the changes first?
    CString text;
    text.Format(L"将文件改动保存到%s？", m_Project.m_strPath.IsEmpty() ? L"无标题" : m_Project.m_strPath.GetString());
    const int answer = MessageBox(m_hWnd, text, L"保存文件", MB_YESNOCANCEL | MB_ICONQUESTION);
    // 4. Cancel stops; Yes goes on only once the design is saved; No drops the changes.
    if (answer == IDCANCEL)
        return FALSE;
    if (answer == IDYES)
        return SaveProject(FALSE) ? TRUE : FALSE;
    return TRUE;
}

void CMainFrame::OnFileNew()
{
    if (!PromptSave())
        return;
    m_Project.Reset();
    m_Project.m_nModified = 0;
    UpdateFrameTitle();
    RefreshViews(TRUE);
}

void CMainFrame::OnFileOpen()
{
    if (!PromptSave())
        return;
    CBentCapFileDialog dialog(TRUE, L"glt", m_Project.m_strPath, OFN_FILEMUSTEXIST | OFN_HIDEREADONLY, kDesignFilter,
                              this);
    dialog.m_dLoadFactor = m_Project.GetLoadFactor();
    dialog.m_pFont = &m_LogFont;
    if (dialog.DoModal() == IDOK)
        LoadGltFile(dialog.GetPathName());
}

// A file the reader refuses and the user goes on with is held as an untitled design: what was
// read up to the error is there to be mended and saved under a name of its own, never over the
// file it came from, whose unread rest it would lose.
int CMainFrame::LoadGltFile(const CString& path)
{
    // 1. Defaults to read into.
    CBent_PierInfo design;
    CBent_BasicGeometry geometry;
    // 2. Read, the frame owning the reader's messages.
    HWND owner = m_hWnd;
    CBent_HlFile file(&owner);
    file.SetPath(path);
    file.SetPierInfo(&design);
    file.SetBasicGeometry(&geometry);
    const int read = file.Read();
    // 3. Taken in when read, or when the user goes on after an error; 4. else nothing changes.
    if (!read
        && MessageBox(m_hWnd, L"盖梁图文件因存在错误无法正确读取，是否需要继续？", L"确认继续", MB_YESNO | MB_ICONQUESTION)
               != IDYES)
        return 0;
    if (!read)
        file.TakePartialRead();
    file.ScaleLengths(m_Project.GetLoadFactor());
    m_Project.m_strPath = read ? path : CString();
    m_Project.m_PierInfo = design;
    m_Project.m_nModified = 0;
    m_Project.m_BasicGeometry = geometry;
    UpdateFrameTitle();
    RefreshViews(TRUE);
    return 1;
}

int CMainFrame::SaveProject(BOOL bSaveAs)
{
    // 1. A design with a file is written there.
    if (!bSaveAs && !m_Project.m_strPath.IsEmpty()) {
        const int saved = m_Project.SaveTo(m_Project.m_strPath);
        if (saved) {
            m_Project.m_nModified = 0;
            UpdateFrameTitle();
        }
        return saved;
    }
    // 2. Otherwise the user names the file; a failed save keeps the old path.
    CFileDialog dialog(FALSE, L"glt", m_Project.m_strPath, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, kDesignFilter, this);
    if (dialog.DoModal() != IDOK)
        return 0;
    const CString path = dialog.GetPathName();
    const int saved = m_Project.SaveTo(path);
    if (saved) {
        m_Project.m_strPath = path;
        m_Project.m_nModified = 0;
        UpdateFrameTitle();
    }
    return saved;
}

void CMainFrame::OnFileSave()
{
    CommitCurrentForm();
    SaveProject(FALSE);
}

void CMainFrame::OnFileSaveAs()
{
    CommitCurrentForm();
    SaveProject(TRUE);
}

void CMainFrame::OnClose()
{
    if (!PromptSave())
        return;
    CFrameWnd::OnClose();
}
