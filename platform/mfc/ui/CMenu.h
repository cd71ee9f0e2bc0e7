// A menu on a QMenu: a menu bar's list of pop-ups (CreateMenu) or a pop-up (CreatePopupMenu).
// Choosing an item sends WM_COMMAND with its id to the menu's window: the frame that shows the
// menu bar, or the window a pop-up was tracked for. A pop-up appended to a menu with MF_POPUP
// belongs to that menu from then on (Detach it from its CMenu first).
#pragma once

#include "CString.h"
#include "WinDef.h"
#include "WinMessages.h"

#include <QMenu>
#include <QPointer>

class CWnd;
class QAction;

struct HMENU__;
typedef HMENU__* HMENU;

class CMenu {
public:
  CMenu() = default;
  ~CMenu();
  CMenu(const CMenu&) = delete;
  CMenu& operator=(const CMenu&) = delete;

  BOOL CreateMenu();
  BOOL CreatePopupMenu();
  BOOL DestroyMenu();
  HMENU GetSafeHmenu() const { return reinterpret_cast<HMENU>(m_menu.data()); }
  HMENU Detach();
  // A CMenu that refers to a menu without owning it; null for no menu.
  static CMenu* FromHandle(HMENU hMenu);

  // nIDNewItem: the command, or with MF_POPUP the HMENU of the pop-up.
  BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem = 0, LPCTSTR lpszNewItem = nullptr);
  UINT CheckMenuItem(UINT nIDCheckItem, UINT nCheck);
  UINT EnableMenuItem(UINT nIDEnableItem, UINT nEnable);
  // MF_CHECKED, MF_GRAYED, MF_SEPARATOR, MF_POPUP of the item; 0xFFFFFFFF for no such item.
  UINT GetMenuState(UINT nID, UINT nFlags) const;
  int GetMenuItemCount() const;
  // The command of the item at nPos; -1 for a pop-up, 0 for a separator.
  UINT GetMenuItemID(int nPos) const;
  int GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const;
  CMenu* GetSubMenu(int nPos) const;

  // Shows the pop-up at (x, y) on the screen. With TPM_RETURNCMD returns the chosen command and
  // sends nothing; otherwise sends it to pWnd. The modal answerer makes the choice.
  BOOL TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd);

  QMenu* GetQMenu() const { return m_menu; }
  // The window that receives the commands of this menu and its pop-ups.
  void SetCommandTarget(CWnd* pWnd);
  // The item of a command, searched through every pop-up; or the item at a position.
  QAction* FindAction(UINT nID, UINT nFlags) const;

private:
  QPointer<QMenu> m_menu;
  bool m_owned = false;
};
