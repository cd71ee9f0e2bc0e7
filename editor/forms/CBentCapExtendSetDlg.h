// Dialog 212 "加强筋设置": edits one per-column strengthening code: whether the column is a
// whole skeleton, whether it has separate top- and bottom-plate bars, and its layer counts at
// the top of the edge piers, the top of the middle piers and the bottom of mid-span.
#pragma once

#include "CComboBox.h"
#include "CButton.h"
#include "CDialog.h"
#include "CStatic.h"

class CBentCapExtendSetDlg : public CDialog {
public:
  enum { IDD = 212 };
  // code: the code edited in place on OK; column: its 0-based column; pierCount: the number of
  // pier columns, which decides whether middle-pier and mid-span layers can be set.
  CBentCapExtendSetDlg(int& code, int column, int pierCount, CWnd* pParent = nullptr);

  BOOL OnInitDialog() override;
  void OnOK() override;

protected:
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
  // The rule between the skeleton choice and the other combos.
  void ApplyRule();
  void MakeCombo(CComboBox& combo, CStatic& label, int index, const wchar_t* caption, UINT comboId, UINT labelId);

  int& m_code;
  int m_nColumn;
  int m_nPierCount;
  CStatic m_labels[6];
  CComboBox m_column;    // 252
  CComboBox m_plateBars; // 253
  CComboBox m_edgePier;  // 254
  CComboBox m_midSpan;   // 255
  CComboBox m_midPier;   // 256
  CComboBox m_skeleton;  // 257
  CButton m_ok;
  CButton m_cancel;
};
