// The basic-data form: pier or abutment cap, cap type, weld, bend-down mode, the pier and rebar
// column counts, the section form and the six symmetry flags. The two counts act at once; the
// symmetry flags take effect on every commit.
#pragma once

#include "CBentCapFormBaseView.h"
#include "CButton.h"
#include "CComboBox.h"
#include "CEdit.h"
#include "CRadioGroupBox.h"

class CBentCapFormNRView : public CBentCapFormBaseView {
public:
    enum { IDD = 130 };

    CBentCapFormNRView();

    void OnInitialUpdate() override;
    int LoadData() override;
    int SaveData() override;

    void OnBendModeChange();
    void OnPierCountChange();
    void OnRowCountChange();
    void OnSymmetry();
    // Check 1016 and its second line only while bend-down in normal sections is chosen.
    void UpdateBendControls();

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    void CreateRadioGroups();
    void CreateCountControls();
    void CreateSymmetryChecks();
    void StoreControls(double weldWidth);
    void ApplySymmetry();
    void ResizeSupportSpacings(int oldCount, int newCount);
    void RebuildSectionPositions(int oldCount, int newCount);

    CRadioGroupBox m_grpCap, m_grpType, m_grpWeld, m_grpBend, m_grpSymmetry;
    CButton m_radPier, m_radAbutment, m_radPlain, m_radPrestressed, m_radDoubleWeld, m_radSingleWeld;
    CButton m_radNormalBend, m_radSkewBend;
    CEdit m_edtWeldWidth;
    CButton m_chkEndsFixed;
    CStatic* m_pEndsFixedLine2 = nullptr;
    CComboBox m_cboPierCount, m_cboRowCount, m_cboSectionForm;
    CButton m_chkEqualMiddle;
    CButton m_chkGeneral, m_chkSpacing, m_chkStirrups, m_chkArrangement, m_chkSkeleton, m_chkStrengthening;
};
