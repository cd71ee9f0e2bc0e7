// The form of the tree's root: a read-only summary of the whole design in four sections,
// rebuilt from the data whenever the form loads.
#pragma once

#include "CBentCapFormBaseView.h"
#include "CButton.h"
#include "CStatic.h"

class CBentCapFormBSView : public CBentCapFormBaseView {
public:
    enum { IDD = 134 };

    CBentCapFormBSView();

    void OnInitialUpdate() override;
    int SaveData() override;
    int LoadData() override;

    // Builds the text and shows it in static 1024; 1.
    int BuildSummary();
    const CString& GetSummaryText() const { return m_strSummary; }

private:
    void FitSummary();

    CString m_strSummary;
    CButton m_wndGroup;
    CStatic m_wndText;
};
