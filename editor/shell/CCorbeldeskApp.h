// The editor's application object. It starts the editor only when the CAD host it draws with
// is there, binds to it for as long as the editor runs, sets up the registry key and the
// recent-file list, and shows the main window.
#pragma once

#include "CCadHostDriver.h"
#include "CWinApp.h"

#include <memory>

class CMainFrame;

class CCorbeldeskApp : public CWinApp {
public:
    CCorbeldeskApp();
    ~CCorbeldeskApp() override;

    BOOL InitInstance() override;
    int ExitInstance() override;
    // 0 to 7 by the host's release; binds the driver to the host when one is found.
    int GetAcadVersionCode(CCadHostDriver* driver);
    // Nonzero when start-up may go on; otherwise the user has been told why.
    BOOL CheckAcadVersion();
    void OnAppAbout();

    CMainFrame* GetMainFrame() const { return m_pMainFrame.get(); }

    int m_nAcadAccepted = 0;
    CCadHostDriver m_HostDriver;

private:
    std::unique_ptr<CMainFrame> m_pMainFrame;
};
