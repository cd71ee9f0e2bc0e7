// Dialog 147 "添加钢筋": the kind of bar to add to a rebar column, from the radio group
// "钢筋类型：" 0 骨架, 1 1#和2#钢筋, 2 加强钢筋.
#pragma once

#include "CButton.h"
#include "CDialog.h"

class CBentCapAddSteelDlg : public CDialog {
public:
  enum { IDD = 147 };
  explicit CBentCapAddSteelDlg(CWnd* pParent = nullptr);

  // The index of the chosen radio button (first button 1047).
  int m_nKind = 0;

  BOOL OnInitDialog() override;
  void OnOK() override;

private:
  CButton m_group;
  CButton m_kinds[3];
  CButton m_ok;
  CButton m_cancel;
};
