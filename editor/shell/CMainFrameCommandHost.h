// The main window as the design commands see it: the open design in the current unit, the
// category shown, and the refreshes that follow a change.
#pragma once

#include "CDesignCommandHost.h"

class CMainFrame;

class CMainFrameCommandHost : public CDesignCommandHost {
public:
    explicit CMainFrameCommandHost(CMainFrame& frame) : m_frame(frame) {}

    CBent_PierInfo& GetDesign() override;
    CBent_BasicGeometry& GetGeometry() override;
    double GetLoadFactor() const override;
    CString GetPathName() const override;
    int GetCurrentCategory() const override;
    void StoreCurrentForm() override;
    void ReloadCurrentForm() override;
    void SetModified() override;
    void UpdateFrameTitle() override;
    void RefreshViews() override;

private:
    CMainFrame& m_frame;
};
