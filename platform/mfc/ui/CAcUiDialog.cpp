#include "CAcUiDialog.h"

CAcUiDialog::CAcUiDialog(UINT nIDTemplate, CWnd* pParent) : CDialog(nIDTemplate, pParent) {}
