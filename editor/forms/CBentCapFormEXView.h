// The strengthening-bar form: how far the strengthening straight bars reach past the edge piers,
// the middle piers and mid-span, by which distance form, and the multi-layer decrement; beside
// the strengthening sketch, which is given the segment lengths along the cap.
#pragma once

#include "CBentCapExtendSketch.h"
#include "CBentCapFormBaseView.h"
#include "CButton.h"
#include "CComboBox.h"
#include "CEdit.h"

#include <vector>

class CBentCapFormEXView : public CBentCapFormBaseView {
public:
    enum { IDD = 140 };

    CBentCapFormEXView();

    void OnInitialUpdate() override;
    int LoadData() override;
    int SaveData() override;

    void OnDecrementCheck();
    void OnOuterFormChange();
    // The lengths along the cap the sketch shows: the piers' spacings, the ends to the length.
    const std::vector<double>& GetSegmentLengths() const { return m_aSegments; }

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    struct Group;
    void CreateGroup(const Group& group, int top);
    void BuildSegments();
    double Round(double x) const;

    CEdit m_edtInner, m_edtOuter, m_edtMidSpan, m_edtMiddle, m_edtDecrement;
    CComboBox m_cboInner, m_cboOuter, m_cboMidSpan, m_cboMiddle;
    CButton m_chkDecrement;
    CStatic* m_pOuterLength = nullptr;
    CBentCapExtendSketch m_wndSketch;
    std::vector<double> m_aSegments;
};
