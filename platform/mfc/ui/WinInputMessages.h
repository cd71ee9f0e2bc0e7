// Window messages, dialog codes, scroll-bar codes and the queued-message record that the
// base message set of the window layer leaves out: fonts, cursors, capture, scrolling,
// non-client mouse messages and system keys.
#pragma once

#include "WinGeometry.h"
#include "WinMessages.h"

#define WM_SYSCOLORCHANGE 0x0015
#define WM_SETCURSOR 0x0020
#define WM_SETFONT 0x0030
#define WM_GETFONT 0x0031
#define WM_GETDLGCODE 0x0087
#define WM_NCMOUSEMOVE 0x00A0
#define WM_NCLBUTTONDOWN 0x00A1
#define WM_NCRBUTTONDOWN 0x00A4
#define WM_NCMBUTTONDOWN 0x00A7
#define WM_SYSKEYDOWN 0x0104
#define WM_SYSCHAR 0x0106
#define WM_HSCROLL 0x0114
#define WM_VSCROLL 0x0115
#define WM_MBUTTONDOWN 0x0207
#define WM_CAPTURECHANGED 0x0215

// Answers to WM_GETDLGCODE.
#define DLGC_WANTARROWS 0x0001U
#define DLGC_WANTTAB 0x0002U
#define DLGC_WANTALLKEYS 0x0004U
#define DLGC_WANTCHARS 0x0080U

// Hit-test codes.
#define HTNOWHERE 0
#define HTCLIENT 1

// Scroll-bar identifiers and the request codes of WM_HSCROLL / WM_VSCROLL (LOWORD of wParam).
#define SB_HORZ 0
#define SB_VERT 1
#define SB_LINEUP 0
#define SB_LINELEFT 0
#define SB_LINEDOWN 1
#define SB_LINERIGHT 1
#define SB_PAGEUP 2
#define SB_PAGELEFT 2
#define SB_PAGEDOWN 3
#define SB_PAGERIGHT 3
#define SB_THUMBPOSITION 4
#define SB_THUMBTRACK 5
#define SB_TOP 6
#define SB_LEFT 6
#define SB_BOTTOM 7
#define SB_RIGHT 7
#define SB_ENDSCROLL 8

// Keys and buttons read through GetKeyState.
#define VK_LBUTTON 0x01
#define VK_RBUTTON 0x02
#define VK_MBUTTON 0x04
#define VK_MENU 0x12
#define VK_SPACE 0x20

// A message as a window's queue holds it, for PreTranslateMessage.
struct MSG {
  HWND hwnd;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  DWORD time;
  POINT pt;
};
