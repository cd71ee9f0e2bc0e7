// Dialog 151 "新间距值": asks for one new spacing value, which must be above 0.
#pragma once

#include "CButton.h"
#include "CDialog.h"
#include "CEdit.h"
#include "CStatic.h"

class CBentCapSpacingDlg : public CDialog {
public:
  enum { IDD = 151 };
  explicit CBentCapSpacingDlg(CWnd* pParent = nullptr);

  // The text of edit 1080; the caller may put the current value in before running the dialog.
  CString m_strValue;
  // The value typed, read from the text leniently.
  double GetValue() const;

  BOOL OnInitDialog() override;
  void OnOK() override;

private:
  CStatic m_label;
  CEdit m_edit;
  CButton m_ok;
  CButton m_cancel;
};
