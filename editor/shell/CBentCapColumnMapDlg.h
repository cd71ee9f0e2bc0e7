// Dialog 159 "调整列序号": the old bar column whose code a new column takes.
#pragma once

#include "CBatchColumnMap.h"
#include "CButton.h"
#include "CComboBox.h"
#include "CDialog.h"
#include "CStatic.h"

class CBentCapColumnMapDlg : public CDialog, public CColumnMapDialog {
public:
    enum { IDD = 159 };
    explicit CBentCapColumnMapDlg(CWnd* pParent = nullptr);

    BOOL Edit(int newColumn, int& oldColumn) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    // 0-based; -1 unset.
    int m_nNewColumn = -1;
    int m_nOldColumn = -1;

private:
    CStatic m_labels[2];
    CComboBox m_cboNew; // 1109
    CComboBox m_cboOld; // 1110
    CButton m_ok, m_cancel;
};
