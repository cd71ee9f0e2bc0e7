// Dialog "修改箍筋": the start and end column of one stirrup, or "单肢箍筋" for a leg without
// one of them; at least one end must be a column and the start may not lie after the end.
#pragma once

#include "CButton.h"
#include "CComboBox.h"
#include "CDialog.h"
#include "CStatic.h"

class CBentCapStirrupDlg : public CDialog {
public:
    // Columns from 1, -1 for none; nColumns the column count of the section.
    CBentCapStirrupDlg(int nStart, int nEnd, int nColumns, CWnd* pParentWnd = nullptr);

    BOOL OnInitDialog() override;
    void OnOK() override;

    int m_nStart;
    int m_nEnd;

private:
    void FillColumns(CComboBox& combo, int column);
    int ColumnOf(const CComboBox& combo) const;

    int m_nColumns;
    CStatic m_lblStart, m_lblEnd;
    CComboBox m_cboStart, m_cboEnd;
    CButton m_btnOk, m_btnCancel;
};
