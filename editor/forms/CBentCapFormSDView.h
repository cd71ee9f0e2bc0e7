// The side-bar form: the side bars spaced equally over the skeleton height, or by an explicit
// spacing expression from top to bottom, whose sum the form compares with the skeleton height.
#pragma once

#include "CBentCapFormBaseView.h"
#include "CButton.h"
#include "CComboBox.h"
#include "CEdit.h"
#include "CRadioGroupBox.h"

class CBentCapFormSDView : public CBentCapFormBaseView {
public:
    enum { IDD = 141 };

    CBentCapFormSDView();

    void OnInitialUpdate() override;
    int LoadData() override;
    // 0 when the spacing is refused; the form then keeps the focus.
    int SaveData() override;

    void OnSpacingMode();
    // The reference value list, for reading only.
    void OnRefList();
    void UpdateSpacingControls();

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    int StoreUnequal();
    int StoreEqual();

    CRadioGroupBox m_grpMode;
    CButton m_radEqual, m_radUnequal;
    CStatic* m_pLblEqual = nullptr;
    CStatic* m_pLblExpression = nullptr;
    CComboBox m_cboEqual;
    CEdit m_edtExpression;
    // Opens the reference value list (CBentCapRefListDlg) once the editor has it.
    CButton m_btnReference;
};
