// The dialog base of the CAD host's modules on the window layer: a modal dialog made from a
// module's template id, owned by the given window or, without one, by the main window.
#pragma once

#include "CDialog.h"

class CAcUiDialog : public CDialog {
public:
  explicit CAcUiDialog(UINT nIDTemplate, CWnd* pParent = nullptr);
};
