#include "CMenu.h"

#include "CModalAnswerer.h"
#include "CWnd.h"
#include "QtText.h"

#include <QMenu>

#include <map>
#include <memory>

namespace {

const char* const kTargetProperty = "corbelCommandTarget";
const char* const kCommandProperty = "corbelCommand";

// The CMenu objects that FromHandle hands out, one per menu, gone with the menu.
std::map<const QMenu*, std::unique_ptr<CMenu>>& Wrappers()
{
  static std::map<const QMenu*, std::unique_ptr<CMenu>> wrappers;
  return wrappers;
}

QAction* FindIn(const QMenu* menu, UINT nID)
{
  for (QAction* action : menu->actions()) {
    if (action->menu()) {
      if (QAction* found = FindIn(action->menu(), nID))
        return found;
    } else if (!action->isSeparator() && action->property(kCommandProperty).toUInt() == nID) {
      return action;
    }
  }
  return nullptr;
}

void SetTarget(QMenu* menu, HWND target)
{
  menu->setProperty(kTargetProperty, QVariant::fromValue(reinterpret_cast<quintptr>(target)));
  for (QAction* action : menu->actions())
    if (action->menu())
      SetTarget(action->menu(), target);
}

} // namespace

CMenu::~CMenu() { DestroyMenu(); }

BOOL CMenu::CreateMenu() { return CreatePopupMenu(); }

BOOL CMenu::CreatePopupMenu()
{
  DestroyMenu();
  m_menu = new QMenu;
  m_owned = true;
  return TRUE;
}

BOOL CMenu::DestroyMenu()
{
  if (!m_menu || !m_owned)
    return FALSE;
  delete m_menu.data();
  m_menu = nullptr;
  m_owned = false;
  return TRUE;
}

HMENU CMenu::Detach()
{
  const HMENU menu = GetSafeHmenu();
  m_menu = nullptr;
  m_owned = false;
  return menu;
}

CMenu* CMenu::FromHandle(HMENU hMenu)
{
  auto* menu = reinterpret_cast<QMenu*>(hMenu);
  if (!menu)
    return nullptr;
  auto& wrappers = Wrappers();
  auto found = wrappers.find(menu);
  if (found == wrappers.end()) {
    auto wrapper = std::make_unique<CMenu>();
    wrapper->m_menu = menu;
    QObject::connect(menu, &QObject::destroyed, [menu] { Wrappers().erase(menu); });
    found = wrappers.emplace(menu, std::move(wrapper)).first;
  }
  return found->second.get();
}

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem)
{
  if (!m_menu)
    return FALSE;
  if (nFlags & MF_SEPARATOR) {
    m_menu->addSeparator();
    return TRUE;
  }
  if (nFlags & MF_POPUP) {
    auto* popup = reinterpret_cast<QMenu*>(nIDNewItem);
    if (!popup)
      return FALSE;
    popup->setParent(m_menu, popup->windowFlags());
    popup->setTitle(ToQString(lpszNewItem));
    popup->setProperty(kTargetProperty, m_menu->property(kTargetProperty));
    m_menu->addMenu(popup);
    return TRUE;
  }
  // The text after a tab is the item's key, shown by Qt from the action's shortcut text.
  const QStringList parts = ToQString(lpszNewItem).split(u'\t');
  QAction* action = m_menu->addAction(parts.first());
  if (parts.size() > 1)
    action->setShortcut(QKeySequence(parts[1]));
  action->setShortcutContext(Qt::WindowShortcut);
  action->setProperty(kCommandProperty, static_cast<UINT>(nIDNewItem));
  action->setCheckable((nFlags & MF_CHECKED) != 0);
  action->setChecked((nFlags & MF_CHECKED) != 0);
  action->setEnabled(!(nFlags & (MF_GRAYED | MF_DISABLED)));
  const UINT nID = static_cast<UINT>(nIDNewItem);
  QObject::connect(action, &QAction::triggered, action, [action, nID] {
    auto* menu = qobject_cast<QMenu*>(action->parent());
    const auto target = menu ? reinterpret_cast<HWND>(menu->property(kTargetProperty).value<quintptr>()) : nullptr;
    if (CWnd* wnd = CWnd::FromHandle(target))
      wnd->SendMessage(WM_COMMAND, MAKEWPARAM(nID, 0), 0);
  });
  return TRUE;
}

QAction* CMenu::FindAction(UINT nID, UINT nFlags) const
{
  if (!m_menu)
    return nullptr;
  if (nFlags & MF_BYPOSITION) {
    const QList<QAction*> actions = m_menu->actions();
    return nID < static_cast<UINT>(actions.size()) ? actions[static_cast<int>(nID)] : nullptr;
  }
  return FindIn(m_menu, nID);
}

UINT CMenu::CheckMenuItem(UINT nIDCheckItem, UINT nCheck)
{
  QAction* action = FindAction(nIDCheckItem, nCheck);
  if (!action)
    return 0xFFFFFFFFU;
  const UINT previous = action->isChecked() ? MF_CHECKED : MF_UNCHECKED;
  action->setCheckable((nCheck & MF_CHECKED) != 0);
  action->setChecked((nCheck & MF_CHECKED) != 0);
  return previous;
}

UINT CMenu::EnableMenuItem(UINT nIDEnableItem, UINT nEnable)
{
  QAction* action = FindAction(nIDEnableItem, nEnable);
  if (!action)
    return 0xFFFFFFFFU;
  const UINT previous = action->isEnabled() ? MF_ENABLED : MF_GRAYED;
  action->setEnabled(!(nEnable & (MF_GRAYED | MF_DISABLED)));
  return previous;
}

UINT CMenu::GetMenuState(UINT nID, UINT nFlags) const
{
  QAction* action = FindAction(nID, nFlags);
  if (!action)
    return 0xFFFFFFFFU;
  UINT state = 0;
  if (action->isSeparator())
    state |= MF_SEPARATOR;
  if (action->menu())
    state |= MF_POPUP;
  if (action->isChecked())
    state |= MF_CHECKED;
  if (!action->isEnabled())
    state |= MF_GRAYED;
  return state;
}

int CMenu::GetMenuItemCount() const { return m_menu ? static_cast<int>(m_menu->actions().size()) : -1; }

UINT CMenu::GetMenuItemID(int nPos) const
{
  QAction* action = FindAction(static_cast<UINT>(nPos), MF_BYPOSITION);
  if (!action)
    return 0xFFFFFFFFU;
  if (action->menu())
    return 0xFFFFFFFFU;
  return action->isSeparator() ? 0 : action->property(kCommandProperty).toUInt();
}

int CMenu::GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const
{
  QAction* action = FindAction(nIDItem, nFlags);
  rString = action ? FromQString(action->text()) : CString();
  return rString.GetLength();
}

CMenu* CMenu::GetSubMenu(int nPos) const
{
  QAction* action = FindAction(static_cast<UINT>(nPos), MF_BYPOSITION);
  return action && action->menu() ? FromHandle(reinterpret_cast<HMENU>(action->menu())) : nullptr;
}

void CMenu::SetCommandTarget(CWnd* pWnd)
{
  if (m_menu)
    SetTarget(m_menu, pWnd ? pWnd->m_hWnd : nullptr);
}

// A command the menu does not offer, or offers greyed, counts as dismissing it.
BOOL CMenu::TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd)
{
  if (!m_menu)
    return FALSE;
  const UINT nID = GetModalAnswerer().TrackMenu(*this, x, y);
  QAction* action = nID ? FindIn(m_menu, nID) : nullptr;
  if (!action || !action->isEnabled())
    return 0;
  if (nFlags & TPM_RETURNCMD)
    return static_cast<BOOL>(nID);
  if (pWnd)
    pWnd->SendMessage(WM_COMMAND, MAKEWPARAM(nID, 0), 0);
  return TRUE;
}
