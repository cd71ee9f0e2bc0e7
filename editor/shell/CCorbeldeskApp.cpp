#include "CCorbeldeskApp.h"

#include "AcadVersion.h"
#include "CBentCapAboutDlg.h"
#include "CMainFrame.h"
#include "ProgramIcon.h"
#include "QtText.h"
#include "WinUser.h"

#include <QApplication>
#include <QFileInfo>

CCorbeldeskApp::CCorbeldeskApp() : CWinApp(L"Corbeldesk") {}

CCorbeldeskApp::~CCorbeldeskApp() = default;

// Start-up, in order; any failure ends the program before a window shows.
BOOL CCorbeldeskApp::InitInstance()
{
    // The host the editor draws with, of an accepted release.
    if (!CheckAcadVersion())
        return FALSE;
    // The registry key, and the profile with a recent-file list of four.
    SetRegistryKey(L"Veltra软件\\Veltra盖梁设计绘图系统");
    LoadStdProfileSettings(4);
    // The program's icon on its windows and dialogs.
    QApplication::setWindowIcon(MakeProgramIcon());
    // The main window.
    m_pMainFrame = std::make_unique<CMainFrame>();
    if (!m_pMainFrame->LoadFrame()) {
        m_pMainFrame.reset();
        return FALSE;
    }
    SetMainWnd(m_pMainFrame.get());
    // A design named on the command line opens as the Open command would open it.
    if (!m_lpCmdLine.IsEmpty())
        m_pMainFrame->LoadGltFile(FromQString(QFileInfo(ToQString(m_lpCmdLine)).absoluteFilePath()));
    else
        m_pMainFrame->SetWindowText(L"Veltra盖梁绘图系统-无标题");
    m_pMainFrame->SetWindowPos(nullptr, 0, 0, 961, 796, SWP_NOMOVE | SWP_NOZORDER);
    m_pMainFrame->ShowWindow(SW_SHOW);
    m_pMainFrame->UpdateWindow();
    return TRUE;
}

int CCorbeldeskApp::ExitInstance()
{
    m_pMainFrame.reset();
    return CWinApp::ExitInstance();
}

int CCorbeldeskApp::GetAcadVersionCode(CCadHostDriver* driver)
{
    CCadHostDriver temporary;
    CCadHostDriver& bound = driver ? *driver : temporary;
    if (!bound.AttachRunning())
        return 0;
    return AcadVersionCode(bound.GetVersion());
}

BOOL CCorbeldeskApp::CheckAcadVersion()
{
    const int code = GetAcadVersionCode(&m_HostDriver);
    if (IsAcceptedAcadVersion(code)) {
        m_nAcadAccepted = 1;
        return TRUE;
    }
    if (code == 0) {
        MessageBox(nullptr, L"请先启动AutoCAD再启动本程序，要求AutoCAD版本为2007~2009！", L"Veltra国标盖梁设计绘图系统",
                   MB_ICONINFORMATION);
    } else {
        MessageBox(nullptr,
                   L"Veltra国标盖梁设计绘图系统支持AutocAD版本为2007~2009！\n"
                   L"提示：系统只能捕获到最后启动的AutoCAD版本，请保证最后一个启动的CAD版本符合本系统要求",
                   L"Veltra国标盖梁设计绘图系统", MB_ICONINFORMATION);
    }
    m_HostDriver.Detach();
    return FALSE;
}

void CCorbeldeskApp::OnAppAbout()
{
    CBentCapAboutDlg about;
    about.DoModal();
}
