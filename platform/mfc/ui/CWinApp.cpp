#include "CWinApp.h"

#include "AfxMessageBox.h"
#include "CWnd.h"
#include "QtText.h"
#include "Registry.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

CWinApp*& TheApp()
{
  static CWinApp* app = nullptr;
  return app;
}

const wchar_t* const kRecentSection = L"Recent File List";

// The program speaks Chinese: Qt's own dialogs and buttons (file dialogs, standard buttons)
// take their Chinese texts, whatever language the system is set to.
void InstallChineseTexts(QApplication& application, QTranslator& translator)
{
  if (translator.load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    application.installTranslator(&translator);
}

} // namespace

CWinApp::CWinApp(LPCTSTR lpszAppName) : m_strAppName(lpszAppName ? lpszAppName : L"")
{
  TheApp() = this;
  m_strProfileName = m_strAppName;
}

CWinApp::~CWinApp()
{
  if (TheApp() == this)
    TheApp() = nullptr;
}

CWinApp* AfxGetApp() { return TheApp(); }

CWnd* AfxGetMainWnd() { return CWnd::FromHandle(AfxGetMainWndHandle()); }

BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::ExitInstance() { return 0; }

int CWinApp::Run() { return QApplication::exec(); }

CWnd* CWinApp::GetMainWnd() const { return AfxGetMainWnd(); }

void CWinApp::SetMainWnd(CWnd* pWnd) { AfxSetMainWndHandle(pWnd ? pWnd->GetSafeHwnd() : nullptr); }

void CWinApp::SetRegistryKey(LPCTSTR lpszRegistryKey) { m_strRegistryKey = lpszRegistryKey ? lpszRegistryKey : L""; }

CString CWinApp::GetProfileKey() const
{
  if (m_strRegistryKey.IsEmpty())
    return CString();
  return L"Software\\" + m_strRegistryKey + L"\\" + m_strProfileName;
}

CString CWinApp::GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault) const
{
  const CString fallback = lpszDefault ? lpszDefault : L"";
  if (GetProfileKey().IsEmpty())
    return fallback;
  HKEY key = nullptr;
  if (RegOpenKeyEx(HKEY_CURRENT_USER, GetProfileKey() + L"\\" + lpszSection, 0, KEY_READ, &key) != ERROR_SUCCESS)
    return fallback;
  DWORD type = 0;
  DWORD size = 0;
  CString value = fallback;
  if (RegQueryValueEx(key, lpszEntry, nullptr, &type, nullptr, &size) == ERROR_SUCCESS && type == REG_SZ) {
    std::wstring text(size / sizeof(wchar_t), L'\0');
    if (RegQueryValueEx(key, lpszEntry, nullptr, &type, reinterpret_cast<LPBYTE>(text.data()), &size) == ERROR_SUCCESS)
      value = CString(text.c_str());
  }
  RegCloseKey(key);
  return value;
}

BOOL CWinApp::WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue)
{
  if (GetProfileKey().IsEmpty())
    return FALSE;
  HKEY key = nullptr;
  if (RegCreateKeyEx(HKEY_CURRENT_USER, GetProfileKey() + L"\\" + lpszSection, 0, nullptr, REG_OPTION_NON_VOLATILE,
                     KEY_WRITE, nullptr, &key, nullptr)
      != ERROR_SUCCESS)
    return FALSE;
  const CString value = lpszValue ? lpszValue : L"";
  const LONG rc = RegSetValueEx(key, lpszEntry, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.GetString()),
                                static_cast<DWORD>((value.GetLength() + 1) * sizeof(wchar_t)));
  RegCloseKey(key);
  return rc == ERROR_SUCCESS;
}

void CWinApp::LoadStdProfileSettings(UINT nMaxMRU)
{
  m_nMaxMRU = nMaxMRU;
  m_recentFiles.RemoveAll();
  for (UINT i = 1; i <= nMaxMRU; ++i) {
    CString entry;
    entry.Format(L"File%u", i);
    const CString file = GetProfileString(kRecentSection, entry);
    if (!file.IsEmpty())
      m_recentFiles.Add(file);
  }
}

void CWinApp::AddToRecentFileList(LPCTSTR lpszPathName)
{
  if (!lpszPathName || !*lpszPathName || m_nMaxMRU == 0)
    return;
  for (INT_PTR i = m_recentFiles.GetSize() - 1; i >= 0; --i)
    if (m_recentFiles[i].CompareNoCase(lpszPathName) == 0)
      m_recentFiles.RemoveAt(i);
  m_recentFiles.InsertAt(0, CString(lpszPathName));
  while (m_recentFiles.GetSize() > static_cast<INT_PTR>(m_nMaxMRU))
    m_recentFiles.RemoveAt(m_recentFiles.GetSize() - 1);
  SaveRecentFiles();
}

void CWinApp::SaveRecentFiles()
{
  for (UINT i = 1; i <= m_nMaxMRU; ++i) {
    CString entry;
    entry.Format(L"File%u", i);
    const INT_PTR k = static_cast<INT_PTR>(i) - 1;
    WriteProfileString(kRecentSection, entry, k < m_recentFiles.GetSize() ? m_recentFiles[k].GetString() : L"");
  }
}

int AfxWinMain(int argc, char** argv)
{
  QApplication application(argc, argv);
  QTranslator qtTexts;
  InstallChineseTexts(application, qtTexts);
  CWinApp* app = AfxGetApp();
  if (!app)
    return 1;
  if (argc > 1)
    app->m_lpCmdLine = FromQString(QString::fromLocal8Bit(argv[1]));
  if (!app->m_strAppName.IsEmpty())
    AfxSetAppName(app->m_strAppName);
  if (!app->InitInstance()) {
    app->ExitInstance();
    return 0;
  }
  app->Run();
  return app->ExitInstance();
}
