#include "CBentCapDraw.h"

#include "ReadRegistryString.h"
#include "WinUser.h"
#include "aced.h"

CString CBentCapDraw::s_strPath;
int CBentCapDraw::s_bPlanOnly = 0;
int CBentCapDraw::s_nFileSource = 0;
int CBentCapDraw::s_bCopyName = 0;
int CBentCapDraw::s_bGroup = 0;

CBentCapDraw::CBentCapDraw(void* /*parent*/)
    : m_strPath(s_strPath)
    , m_bPlanOnly(s_bPlanOnly)
    , m_nFileSource(s_nFileSource)
    , m_bCopyName(s_bCopyName)
    , m_bGroup(s_bGroup)
{
    ReadRegistryString(L"CurGltFile", m_strCurrentFile, 1);
}

CBentCapDraw::~CBentCapDraw()
{
    s_strPath = m_strPath;
    s_nFileSource = m_nFileSource;
    s_bCopyName = m_bCopyName;
    s_bGroup = m_bGroup;
}

int CBentCapDraw::OnOK()
{
    if (m_nFileSource == kSpecifiedFile) {
        if (m_strPath.IsEmpty()) {
            MessageBox(adsw_acadMainWnd(), L"没有指定盖梁文件，请选择盖梁文件！", L"没有文件", MB_OK | MB_ICONINFORMATION);
            return 0;
        }
        m_strCurrentFile = m_strPath;
    }
    s_bPlanOnly = m_bPlanOnly;
    return 1;
}
