// The draw command: hands the saved design file to the CAD host, which draws it with the
// plug-in into its current drawing. The file travels in "CurGltFile"; unsaved edits are not
// drawn, and nothing is written beside the design.
#include "CMainFrame.h"

#include "CCorbeldeskApp.h"
#include "DesignRegistry.h"
#include "WinUser.h"

void CMainFrame::OnDrawInAcad()
{
    // 1. No host bound at start-up.
    auto* app = dynamic_cast<CCorbeldeskApp*>(AfxGetApp());
    if (!app || !app->m_nAcadAccepted) {
        MessageBox(m_hWnd, L"系统目前没有关联AutoCAD，无法绘图，请先启动AutoCAD，然后重启本系统！", L"平台错误",
                   MB_ICONINFORMATION);
        return;
    }
    // 2. The file the plug-in would read.
    CString path;
    ReadRegString(L"CurGltFile", path);
    // 3. None: the design was never saved.
    if (path.IsEmpty()) {
        MessageBox(m_hWnd, L"请先保存当前文档数据或打开一个新文档数据再绘图！", L"数据未存", MB_ICONINFORMATION);
        return;
    }
    // 4. The host's current drawing gets the plug-in's command; a host closed since start-up is
    //    bound again (or started) once before the failure is reported.
    CCadHostDriver& host = app->m_HostDriver;
    if (host.SendCommand(L"BC_NOUI ") || (host.AttachRunning() && host.SendCommand(L"BC_NOUI ")))
        return;
    MessageBox(m_hWnd, L"无法连接绘图主程序：" + host.GetProgram(), L"平台错误", MB_ICONINFORMATION);
}
