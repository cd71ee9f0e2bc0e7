#include "CBentCapDraw.h"

#include "CDataExchange.h"
#include "CFileDialog.h"
#include "COleDataSource.h"
#include "CorbeldrawModule.h"
#include "ReadRegistryString.h"
#include "WinUser.h"

#include <algorithm>

namespace {

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;

} // namespace

CString CBentCapDraw::s_strPath;
int CBentCapDraw::s_bPlanOnly = 0;
int CBentCapDraw::s_nFileSource = 0;
int CBentCapDraw::s_bCopyName = 0;
int CBentCapDraw::s_bGroup = 0;

CBentCapDraw::CBentCapDraw(CWnd* pParent)
    : CAcUiDialog(IDD, pParent)
    , m_strPath(s_strPath)
    , m_bPlanOnly(s_bPlanOnly)
    , m_nFileSource(s_nFileSource)
    , m_bCopyName(s_bCopyName)
    , m_bGroup(s_bGroup)
{
    SetCaption(L"盖梁绘制");
    ReadRegistryString(L"CurGltFile", m_strCurrentFile, 1);
}

CBentCapDraw::~CBentCapDraw()
{
    s_strPath = m_strPath;
    s_nFileSource = m_nFileSource;
    s_bCopyName = m_bCopyName;
    s_bGroup = m_bGroup;
}

void CBentCapDraw::MakeControls()
{
    m_currentFile.Create(L"当前编辑的盖梁文件（只能启动一个盖梁编辑程序）", kChild | WS_GROUP | BS_AUTORADIOBUTTON,
        CRect(12, 12, 452, 34), this, kCurrentFileRadio);
    m_specifiedFile.Create(L"下面指定的盖梁文件", kChild | BS_AUTORADIOBUTTON, CRect(12, 38, 452, 60), this,
        kSpecifiedFileRadio);
    m_path.Create(L"", kChild | SS_LEFT, CRect(32, 66, 332, 88), this, kPathText);
    m_browse.Create(L"选择盖梁文件", kChild, CRect(342, 64, 452, 90), this, kBrowseButton);
    m_half.Create(L"对称情况下绘制半幅", kChild | BS_AUTOCHECKBOX, CRect(12, 102, 452, 124), this, kHalfCheck);
    m_planOnly.Create(L"只绘制平立面及骨架大样", kChild | BS_AUTOCHECKBOX, CRect(12, 128, 452, 150), this,
        kPlanOnlyCheck);
    m_copyName.Create(L"将数据文件名称复制到剪贴板（不含路径及后缀）", kChild | BS_AUTOCHECKBOX,
        CRect(12, 154, 452, 176), this, kCopyNameCheck);
    m_group.Create(L"编组", kChild | BS_AUTOCHECKBOX, CRect(12, 180, 452, 202), this, kGroupCheck);
    m_ok.Create(L"确定", kChild | BS_DEFPUSHBUTTON, CRect(262, 218, 352, 244), this, IDOK);
    m_cancel.Create(L"取消", kChild, CRect(362, 218, 452, 244), this, IDCANCEL);
}

BOOL CBentCapDraw::OnInitDialog()
{
    MakeControls();
    const bool hasCurrentFile = !m_strCurrentFile.IsEmpty();
    if (!hasCurrentFile)
        m_nFileSource = kSpecifiedFile;
    CAcUiDialog::OnInitDialog();
    m_currentFile.EnableWindow(hasCurrentFile);
    m_browse.EnableWindow(m_nFileSource == kSpecifiedFile);
    return TRUE;
}

void CBentCapDraw::DoDataExchange(CDataExchange* pDX)
{
    CAcUiDialog::DoDataExchange(pDX);
    DDX_Text(pDX, kPathText, m_strPath);
    DDX_Check(pDX, kHalfCheck, m_bHalfWhenSymmetric);
    DDX_Check(pDX, kPlanOnlyCheck, m_bPlanOnly);
    DDX_Check(pDX, kCopyNameCheck, m_bCopyName);
    DDX_Check(pDX, kGroupCheck, m_bGroup);
    DDX_Radio(pDX, kCurrentFileRadio, m_nFileSource);
}

BOOL CBentCapDraw::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (HIWORD(wParam) == BN_CLICKED) {
        switch (LOWORD(wParam)) {
        case kCurrentFileRadio:
        case kSpecifiedFileRadio:
            OnFileSourceChanged();
            return TRUE;
        case kBrowseButton:
            OnBrowseFile();
            return TRUE;
        default:
            break;
        }
    }
    return CAcUiDialog::OnCommand(wParam, lParam);
}

void CBentCapDraw::OnFileSourceChanged()
{
    UpdateData(TRUE);
    m_browse.EnableWindow(m_nFileSource == kSpecifiedFile);
}

void CBentCapDraw::OnBrowseFile()
{
    CorbeldrawResourceScope resources;
    CFileDialog dialog(TRUE, L"glt", nullptr, OFN_FILEMUSTEXIST | OFN_HIDEREADONLY, L"盖梁图文件(*.glt)|*.glt||", this);
    if (dialog.DoModal() != IDOK)
        return;
    // Only the path changes: what else the user has set stays in the controls.
    m_strPath = dialog.GetPathName();
    SetDlgItemText(kPathText, m_strPath);
}

void CBentCapDraw::OnOK()
{
    UpdateData(TRUE);
    if (m_nFileSource == kSpecifiedFile) {
        if (m_strPath.IsEmpty()) {
            MessageBox(GetSafeHwnd(), L"没有指定盖梁文件，请选择盖梁文件！", L"没有文件", MB_OK | MB_ICONINFORMATION);
            return;
        }
        m_strCurrentFile = m_strPath;
    }
    s_bPlanOnly = m_bPlanOnly;
    if (m_bCopyName) {
        auto* source = new COleDataSource;
        source->CacheText(FileTitleOf(m_strCurrentFile));
        source->SetClipboard();
    }
    EndDialog(IDOK);
}

CString CBentCapDraw::FileTitleOf(const CString& path)
{
    const int folderEnd = std::max(path.ReverseFind(L'/'), path.ReverseFind(L'\\'));
    const CString name = path.Mid(folderEnd + 1);
    return name.Left(name.GetLength() - 4);
}
