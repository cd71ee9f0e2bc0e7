// Dialog 163 "参考值列表": a list of reference values under "参考值列表："; the caller fills
// the list box (1113) after the dialog has made it.
#pragma once

#include "CButton.h"
#include "CDialog.h"
#include "CListBox.h"
#include "CStatic.h"

class CBentCapRefListDlg : public CDialog {
public:
  enum { IDD = 163 };
  explicit CBentCapRefListDlg(CWnd* pParent = nullptr);

  BOOL OnInitDialog() override;

  CListBox m_list;

private:
  CStatic m_label;
  CButton m_ok;
  CButton m_cancel;
};
