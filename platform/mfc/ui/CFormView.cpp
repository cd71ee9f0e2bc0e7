#include "CFormView.h"

void CFormView::OnPaint() { Default(); }
