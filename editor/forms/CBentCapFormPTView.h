// The cover form: the concrete covers of the top plate, the bottom plate, the sides and the ends,
// each typed or chosen from 40 to 90 mm in the current unit.
#pragma once

#include "CBentCapFormBaseView.h"
#include "CComboBox.h"

class CBentCapFormPTView : public CBentCapFormBaseView {
public:
    enum { IDD = 135 };

    CBentCapFormPTView();

    void OnInitialUpdate() override;
    int LoadData() override;
    int SaveData() override;

    CComboBox& GetCoverCombo(int index) { return m_cboCovers[index]; }

private:
    CComboBox m_cboCovers[4];
};
