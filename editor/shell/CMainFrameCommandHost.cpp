#include "CMainFrameCommandHost.h"

#include "CMainFrame.h"

CBent_PierInfo& CMainFrameCommandHost::GetDesign() { return m_frame.GetProject().m_PierInfo; }

CBent_BasicGeometry& CMainFrameCommandHost::GetGeometry() { return m_frame.GetProject().m_BasicGeometry; }

double CMainFrameCommandHost::GetLoadFactor() const { return m_frame.GetProject().GetLoadFactor(); }

CString CMainFrameCommandHost::GetPathName() const { return m_frame.GetProject().m_strPath; }

int CMainFrameCommandHost::GetCurrentCategory() const { return m_frame.GetCurrentCategory(); }

void CMainFrameCommandHost::StoreCurrentForm() { m_frame.CommitCurrentForm(); }

// The form shows the design again; what it held unstored is dropped.
void CMainFrameCommandHost::ReloadCurrentForm()
{
    if (CBentCapFormBaseView* form = m_frame.GetCurrentForm())
        form->LoadData();
}

void CMainFrameCommandHost::SetModified() { m_frame.GetProject().m_nModified = 1; }

void CMainFrameCommandHost::UpdateFrameTitle()
{
    m_frame.UpdateFrameTitle();
    m_frame.UpdateSummaryBar();
}

void CMainFrameCommandHost::RefreshViews() { m_frame.RefreshViews(FALSE); }
