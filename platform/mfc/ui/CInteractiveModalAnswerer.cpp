#include "CInteractiveModalAnswerer.h"

#include "CDialog.h"
#include "CMenu.h"

#include <QAction>
#include <QDialog>
#include <QMenu>

void CInteractiveModalAnswerer::RunDialog(CDialog& dialog)
{
  if (auto* widget = qobject_cast<QDialog*>(dialog.GetWidget()))
    widget->exec();
  if (!dialog.IsEnded())
    dialog.EndDialog(IDCANCEL);
}

UINT CInteractiveModalAnswerer::TrackMenu(CMenu& menu, int x, int y)
{
  QMenu* popup = menu.GetQMenu();
  QAction* chosen = popup ? popup->exec(QPoint(x, y)) : nullptr;
  return chosen ? chosen->property("corbelCommand").toUInt() : 0;
}
