// The dialog commands of the tools menu: cap copy, the batch operations, the strengthening-bar
// operations, the drawing scales, the applicable piers and the automatic spacings and stirrups.
// Each runs its window-free command over the frame with the dialog of its own.
#include "CMainFrame.h"

#include "AutoSpacingCommands.h"
#include "CAutoStirrupLayout.h"
#include "CBentCapApplyPierDlg.h"
#include "CBentCapAutoSideSpacingDlg.h"
#include "CBentCapAutoSkeletonSpacingDlg.h"
#include "CBentCapAutoStirrupDlg.h"
#include "CBentCapBatchSheet.h"
#include "CBentCapCopyDlg.h"
#include "CBentCapExtendSteelDlg.h"
#include "CBentCapScaleDlg.h"
#include "CMainFrameCommandHost.h"
#include "EditorCommands.h"

void CMainFrame::OnCapCopy()
{
    CMainFrameCommandHost host(*this);
    CBentCapCopyDlg dialog(m_Project.GetLoadFactor(), &m_LogFont, this);
    RunCapCopyCommand(host, dialog);
}

void CMainFrame::OnExtendSteel()
{
    CMainFrameCommandHost host(*this);
    CBentCapExtendSteelDlg dialog(this);
    RunExtendSteelCommand(host, dialog);
}

void CMainFrame::OnDrawScale()
{
    CMainFrameCommandHost host(*this);
    CBentCapScaleDlg dialog(this);
    RunDrawScaleCommand(host, dialog);
    UpdateCmdUI();
}

void CMainFrame::OnApplyPier()
{
    CMainFrameCommandHost host(*this);
    CBentCapApplyPierDlg dialog(this);
    RunApplyPierCommand(host, dialog);
}

void CMainFrame::OnBatchCopy()
{
    CMainFrameCommandHost host(*this);
    CBentCapBatchSheet sheet(m_Project.GetLoadFactor(), &m_LogFont, this);
    RunBatchCopyCommand(host, static_cast<CBatchCopySheet&>(sheet));
}

void CMainFrame::OnBatchAdjustColumns()
{
    CMainFrameCommandHost host(*this);
    CBentCapBatchSheet sheet(m_Project.GetLoadFactor(), &m_LogFont, this);
    RunBatchAdjustColumnsCommand(host, static_cast<CBatchAdjustSheet&>(sheet));
}

void CMainFrame::OnAutoSkeletonSpacing()
{
    CMainFrameCommandHost host(*this);
    CBentCapAutoSkeletonSpacingDlg dialog(this);
    RunAutoSkeletonSpacingCommand(host, dialog);
}

void CMainFrame::OnAutoStirrup()
{
    CMainFrameCommandHost host(*this);
    CBentCapAutoStirrupDlg dialog(this);
    dialog.GetSketch().m_pFont = &m_LogFont;
    RunAutoStirrupCommand(host, dialog);
}

void CMainFrame::OnAutoSideSpacing()
{
    CMainFrameCommandHost host(*this);
    CBentCapAutoSideSpacingDlg dialog(this);
    RunAutoSideSpacingCommand(host, dialog);
}

// The tools menu's commands; FALSE for another command.
BOOL CMainFrame::OnToolCommand(UINT nID)
{
    switch (nID) {
    case ID_CAP_COPY: OnCapCopy(); break;
    case ID_EXTEND_STEEL: OnExtendSteel(); break;
    case ID_DRAW_SCALE: OnDrawScale(); break;
    case ID_APPLICABLE_PIERS: OnApplyPier(); break;
    case ID_BATCH_COPY: OnBatchCopy(); break;
    case ID_BATCH_COLUMNS: OnBatchAdjustColumns(); break;
    case ID_SKELETON_SPACING: OnAutoSkeletonSpacing(); break;
    case ID_STIRRUP_LAYOUT: OnAutoStirrup(); break;
    case ID_SIDE_BARS: OnAutoSideSpacing(); break;
    default: return FALSE;
    }
    return TRUE;
}
