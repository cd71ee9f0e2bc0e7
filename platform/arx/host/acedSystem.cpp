// System variables, alerts and the display services of the editor.
#include "aced.h"

#include "HostApplication.h"
#include "WinUser.h"

namespace {

// Stand-in window handles: message boxes only log their owner.
HWND__* const kMainWindow = reinterpret_cast<HWND__*>(static_cast<std::uintptr_t>(0x1000));
HWND__* const kDocWindow = reinterpret_cast<HWND__*>(static_cast<std::uintptr_t>(0x1001));

} // namespace

int acedGetVar(const ACHAR* sym, resbuf* result)
{
    return HostApplication::instance().systemVariables().get(sym, result);
}

int acedSetVar(const ACHAR* sym, const resbuf* val)
{
    return HostApplication::instance().systemVariables().set(sym, val);
}

int acedAlert(const ACHAR* string)
{
    MessageBox(kMainWindow, string ? string : L"", L"cadhost", MB_OK | MB_ICONEXCLAMATION);
    return RTNORM;
}

int acedGrDraw(const ads_point, const ads_point, int, int) { return RTNORM; }

int acedRedraw(const ads_name, int) { return RTNORM; }

void acedUpdateDisplay() {}

int acedUsrBrk() { return 0; }

HWND adsw_acadMainWnd() { return kMainWindow; }

HWND adsw_acadDocWnd() { return kDocWindow; }
