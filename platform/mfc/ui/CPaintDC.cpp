#include "CPaintDC.h"

#include "CWnd.h"

CPaintDC::CPaintDC(CWnd* pWnd) : CDC(pWnd ? pWnd->GetWidget() : nullptr) {}
