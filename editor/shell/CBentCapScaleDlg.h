// Dialog 156 "绘图比例": the elevation and section drawing scales as editable lists.
#pragma once

#include "CButton.h"
#include "CComboBox.h"
#include "CDialog.h"
#include "CStatic.h"
#include "DrawScaleCommand.h"

class CBentCapScaleDlg : public CDialog, public CDrawScaleDialog {
public:
    enum { IDD = 156 };
    explicit CBentCapScaleDlg(CWnd* pParent = nullptr);

    BOOL Edit(CString& elevationScale, CString& sectionScale) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    CString m_strElevation;
    CString m_strSection;

private:
    void MakeList(CComboBox& combo, const wchar_t* caption, int top, UINT nID, const CString& text);

    CStatic m_labels[2];
    CComboBox m_cboElevation; // 1100
    CComboBox m_cboSection;   // 1101
    CButton m_ok, m_cancel;
};
