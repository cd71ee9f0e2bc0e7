// The bar-grade form: the grade and diameter of the skeleton, side, top- and bottom-plate
// strengthening, stirrup and anchor-sealing bars; each diameter list offers what its grade allows.
#pragma once

#include "CBentCapFormBaseView.h"
#include "CBentCapGradeCombo.h"

class CBentCapFormSCView : public CBentCapFormBaseView {
public:
    enum { IDD = 136 };

    CBentCapFormSCView();

    void OnInitialUpdate() override;
    int LoadData() override;
    int SaveData() override;

    // The grade list of pair nPair changed: its diameter list is refilled.
    void OnGradeChange(int nPair);

    CComboBox& GetGradeCombo(int nPair) { return m_cboGrades[nPair]; }
    CBentCapGradeCombo& GetDiameterCombo(int nPair) { return m_cboDiameters[nPair]; }

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    CComboBox m_cboGrades[6];
    CBentCapGradeCombo m_cboDiameters[6];
};
