// Window messages, styles and notification codes of the window layer. Qt's events reach a
// window as these messages (CWnd::WindowProc); a control tells its parent of a change by
// WM_COMMAND or WM_NOTIFY with the codes below.
#pragma once

#include "WinDef.h"
#include "WinUser.h"

typedef std::uintptr_t DWORD_PTR;

#define WM_CREATE 0x0001
#define WM_DESTROY 0x0002
#define WM_MOVE 0x0003
#define WM_SIZE 0x0005
#define WM_SETFOCUS 0x0007
#define WM_KILLFOCUS 0x0008
#define WM_ENABLE 0x000A
#define WM_PAINT 0x000F
#define WM_CLOSE 0x0010
#define WM_SHOWWINDOW 0x0018
#define WM_NOTIFY 0x004E
#define WM_KEYDOWN 0x0100
#define WM_KEYUP 0x0101
#define WM_CHAR 0x0102
#define WM_INITDIALOG 0x0110
#define WM_COMMAND 0x0111
#define WM_TIMER 0x0113
#define WM_MOUSEMOVE 0x0200
#define WM_LBUTTONDOWN 0x0201
#define WM_LBUTTONUP 0x0202
#define WM_LBUTTONDBLCLK 0x0203
#define WM_RBUTTONDOWN 0x0204
#define WM_RBUTTONUP 0x0205
#define WM_MOUSEWHEEL 0x020A
#define WM_SIZING 0x0214
#define WM_USER 0x0400

#define LOWORD(l) (static_cast<WORD>(static_cast<std::uintptr_t>(l) & 0xFFFF))
#define HIWORD(l) (static_cast<WORD>((static_cast<std::uintptr_t>(l) >> 16) & 0xFFFF))
#define MAKEWPARAM(l, h) (static_cast<WPARAM>((static_cast<DWORD>(l) & 0xFFFF) | ((static_cast<DWORD>(h) & 0xFFFF) << 16)))
#define MAKELPARAM(l, h) (static_cast<LPARAM>(static_cast<DWORD>((static_cast<DWORD>(l) & 0xFFFF) | ((static_cast<DWORD>(h) & 0xFFFF) << 16))))

// Window styles.
#define WS_OVERLAPPED 0x00000000U
#define WS_POPUP 0x80000000U
#define WS_CHILD 0x40000000U
#define WS_VISIBLE 0x10000000U
#define WS_DISABLED 0x08000000U
#define WS_BORDER 0x00800000U
#define WS_CAPTION 0x00C00000U
#define WS_VSCROLL 0x00200000U
#define WS_HSCROLL 0x00100000U
#define WS_TABSTOP 0x00010000U
#define WS_OVERLAPPEDWINDOW 0x00CF0000U

// ShowWindow commands.
#define SW_HIDE 0
#define SW_SHOWNORMAL 1
#define SW_SHOWMINIMIZED 2
#define SW_SHOWMAXIMIZED 3
#define SW_SHOW 5
#define SW_MINIMIZE 6
#define SW_RESTORE 9

// SetWindowPos flags.
#define SWP_NOSIZE 0x0001U
#define SWP_NOMOVE 0x0002U
#define SWP_NOZORDER 0x0004U
#define SWP_NOACTIVATE 0x0010U
#define SWP_SHOWWINDOW 0x0040U
#define SWP_HIDEWINDOW 0x0080U

// Key and mouse state in the flags of mouse messages.
#define MK_LBUTTON 0x0001U
#define MK_RBUTTON 0x0002U
#define MK_SHIFT 0x0004U
#define MK_CONTROL 0x0008U

// Virtual keys the editor reads.
#define VK_BACK 0x08
#define VK_TAB 0x09
#define VK_RETURN 0x0D
#define VK_SHIFT 0x10
#define VK_CONTROL 0x11
#define VK_ESCAPE 0x1B
#define VK_PRIOR 0x21
#define VK_NEXT 0x22
#define VK_END 0x23
#define VK_HOME 0x24
#define VK_LEFT 0x25
#define VK_UP 0x26
#define VK_RIGHT 0x27
#define VK_DOWN 0x28
#define VK_INSERT 0x2D
#define VK_DELETE 0x2E
#define VK_F1 0x70
#define VK_F2 0x71
#define VK_F4 0x73

// Button styles, states and notifications.
#define BS_PUSHBUTTON 0x0000U
#define BS_DEFPUSHBUTTON 0x0001U
#define BS_CHECKBOX 0x0002U
#define BS_AUTOCHECKBOX 0x0003U
#define BS_RADIOBUTTON 0x0004U
#define BS_AUTORADIOBUTTON 0x0009U
#define BS_GROUPBOX 0x0007U
#define BS_TYPEMASK 0x000FU
#define BST_UNCHECKED 0
#define BST_CHECKED 1
#define BN_CLICKED 0

// Edit styles and notifications.
#define ES_LEFT 0x0000U
#define ES_CENTER 0x0001U
#define ES_RIGHT 0x0002U
#define ES_MULTILINE 0x0004U
#define ES_PASSWORD 0x0020U
#define ES_AUTOHSCROLL 0x0080U
#define ES_READONLY 0x0800U
#define EN_SETFOCUS 0x0100
#define EN_KILLFOCUS 0x0200
#define EN_CHANGE 0x0300

// Combo-box styles, results and notifications.
#define CBS_SIMPLE 0x0001U
#define CBS_DROPDOWN 0x0002U
#define CBS_DROPDOWNLIST 0x0003U
#define CBS_SORT 0x0100U
#define CB_ERR (-1)
#define CBN_SELCHANGE 1
#define CBN_EDITCHANGE 5

// List-box styles, results and notifications.
#define LBS_NOTIFY 0x0001U
#define LBS_SORT 0x0002U
#define LBS_MULTIPLESEL 0x0008U
#define LBS_EXTENDEDSEL 0x0800U
#define LB_ERR (-1)
#define LBN_SELCHANGE 1
#define LBN_DBLCLK 2

// Static styles.
#define SS_LEFT 0x0000U
#define SS_CENTER 0x0001U
#define SS_RIGHT 0x0002U

// Tree-control styles, items and notifications.
#define TVS_HASBUTTONS 0x0001U
#define TVS_HASLINES 0x0002U
#define TVS_LINESATROOT 0x0004U
#define TVS_SHOWSELALWAYS 0x0020U
#define TVE_COLLAPSE 0x0001U
#define TVE_EXPAND 0x0002U
#define TVGN_ROOT 0x0000U
#define TVGN_NEXT 0x0001U
#define TVGN_PREVIOUS 0x0002U
#define TVGN_PARENT 0x0003U
#define TVGN_CHILD 0x0004U
#define TVGN_CARET 0x0009U
#define TVN_SELCHANGED (0U - 451U)
#define NM_CLICK (0U - 2U)
#define NM_DBLCLK (0U - 3U)

// The head of every WM_NOTIFY message.
struct NMHDR {
  HWND hwndFrom;
  UINT_PTR idFrom;
  UINT code;
};
typedef NMHDR* LPNMHDR;

// Menus.
#define MF_BYCOMMAND 0x0000U
#define MF_BYPOSITION 0x0400U
#define MF_STRING 0x0000U
#define MF_ENABLED 0x0000U
#define MF_GRAYED 0x0001U
#define MF_DISABLED 0x0002U
#define MF_UNCHECKED 0x0000U
#define MF_CHECKED 0x0008U
#define MF_POPUP 0x0010U
#define MF_SEPARATOR 0x0800U
#define TPM_LEFTALIGN 0x0000U
#define TPM_RETURNCMD 0x0100U
#define ID_SEPARATOR 0

// Commands of the class library the editor uses.
#define ID_FILE_NEW 0xE100
#define ID_FILE_OPEN 0xE101
#define ID_APP_ABOUT 0xE140
#define ID_APP_EXIT 0xE141
#define ID_INDICATOR_NUM 0xE702
#define AFX_IDW_PANE_FIRST 0xE900
