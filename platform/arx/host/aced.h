// The host's editor services to modules: commands sent to the host's command line, user
// input answered from the host's input script, selection sets, system variables, alerts and
// the (headless) display.
#pragma once

#include "AcApDocManager.h"
#include "AcEdCommandStack.h"
#include "AcRxClassDictionary.h"
#include "AcRxDynamicLinker.h"
#include "WinDef.h"
#include "acut.h"
#include "resbuf.h"

// Sends a command to the command line: (type, value) pairs ending with 0 or RTNONE. Strings
// are const ACHAR*, reals double, points const double*, shorts and longs int, entity names and
// selection sets const long*; RTLB and RTLE take no value and bracket a pick (an entity
// name and a point). "" is Enter. Returns RTNORM when every command completed, else RTERROR
// (an unknown command word, a value a command refuses, a missing value) or RTCAN.
int acedCommand(int rtype, ...);
// The same with the arguments as a result-buffer list.
int acedCmd(const resbuf* rbp);

int acedAlert(const ACHAR* string);

int acedGetVar(const ACHAR* sym, resbuf* result);
int acedSetVar(const ACHAR* sym, const resbuf* val);

// User input, answered from the input script (HostInputScript.h); RTCAN when it is empty.
int acedGetPoint(const ads_point pt, const ACHAR* prompt, ads_point result);
int acedEntSel(const ACHAR* str, ads_name entres, ads_point ptres);
// At most 132 characters are returned (RTERROR for a longer answer); with cronly 0 the answer
// ends at its first space, as a space ends typed input.
int acedGetString(int cronly, const ACHAR* prompt, ACHAR* result);
int acedGetString(int cronly, const ACHAR* prompt, ACHAR* result, size_t bufLen);

// Selection: str null or "" asks the input script for a selection, ":S" for a single one;
// "X" takes every entity of the drawing; "_W"/"W" the entities inside the window pt1-pt2.
// The filter may hold group codes 0 (entity type), 8 (layer name) and 62 (colour number);
// names match without regard to case, with '*' and '?' wildcards and ',' between
// alternatives. RTERROR when nothing is selected (no set made), for an unknown mode or
// filter group.
int acedSSGet(const ACHAR* str, const void* pt1, const void* pt2, const resbuf* filter, ads_name ss);
int acedSSAdd(const ads_name ename, const ads_name sname, ads_name result);
int acedSSDel(const ads_name ename, const ads_name ss);
int acedSSFree(const ads_name sname);
int acedSSLength(const ads_name sname, long* len);
int acedSSName(const ads_name ss, long i, ads_name entres);

// The display: the host draws nothing on a screen, so these only answer.
int acedGrDraw(const ads_point from, const ads_point to, int color, int hl);
int acedRedraw(const ads_name ent, int mode);
void acedUpdateDisplay();
// No user can press Esc while a headless command runs.
int acedUsrBrk();

// The host's main window and drawing-view window as owners of message boxes.
HWND adsw_acadMainWnd();
HWND adsw_acadDocWnd();
