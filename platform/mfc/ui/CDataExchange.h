// The exchange between a window's members and its controls: DoDataExchange names each pair
// once with a DDX_* function, and UpdateData runs it one way or the other. A control that is
// not there leaves its member as it is.
#pragma once

#include "CString.h"
#include "WinDef.h"

class CWnd;

class CDataExchange {
public:
  CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);

  // The control with this id; null when the window has none.
  CWnd* PrepareCtrl(int nIDC) const;

  // TRUE: from the controls into the members; FALSE: from the members into the controls.
  BOOL m_bSaveAndValidate;
  CWnd* m_pDlgWnd;
};

// The control's text.
void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
// A check box: BST_UNCHECKED or BST_CHECKED.
void DDX_Check(CDataExchange* pDX, int nIDC, int& value);
// A group of radio buttons, nIDC its first: the index of the checked one in the order the
// buttons of the group were made, -1 when none is checked (which unchecks them all).
void DDX_Radio(CDataExchange* pDX, int nIDC, int& value);
