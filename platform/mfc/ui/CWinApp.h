// The application object: one per program, made before start-up. AfxWinMain makes the Qt
// application, runs InitInstance and, when it succeeds, the message loop until the main
// window is gone, then ExitInstance. The profile (settings and the recent-file list) lives in
// the registry under HKEY_CURRENT_USER "Software\<registry key>\<profile name>".
#pragma once

#include "CArray.h"
#include "CString.h"
#include "WinDef.h"

class CWnd;

class CWinApp {
public:
  explicit CWinApp(LPCTSTR lpszAppName = nullptr);
  virtual ~CWinApp();
  CWinApp(const CWinApp&) = delete;
  CWinApp& operator=(const CWinApp&) = delete;

  virtual BOOL InitInstance();
  virtual int ExitInstance();
  // The message loop; its exit code.
  virtual int Run();

  void SetRegistryKey(LPCTSTR lpszRegistryKey);
  // Reads the recent-file list of up to nMaxMRU files from the profile.
  void LoadStdProfileSettings(UINT nMaxMRU = 4);
  const CStringArray& GetRecentFiles() const { return m_recentFiles; }
  void AddToRecentFileList(LPCTSTR lpszPathName);

  CString GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault = nullptr) const;
  BOOL WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue);
  // "Software\<registry key>\<profile name>"; empty before SetRegistryKey.
  CString GetProfileKey() const;

  // The main window; setting it makes it the owner of boxes that name none.
  CWnd* GetMainWnd() const;
  void SetMainWnd(CWnd* pWnd);

  // The program's first argument, empty without one.
  CString m_lpCmdLine;
  CString m_strAppName;
  CString m_strRegistryKey;
  CString m_strProfileName;

private:
  void SaveRecentFiles();

  CStringArray m_recentFiles;
  UINT m_nMaxMRU = 0;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
// The program's main: runs the one application object.
int AfxWinMain(int argc, char** argv);
