// The general-construction form: the outline of the cap beam (lengths, widths, heights, end
// angles and the L part) beside the general-construction sketch, whose dimension of the field
// with the focus is highlighted. Every focus change commits the form.
#pragma once

#include "CBentCapFormBaseView.h"
#include "CBentCapShapeSketch.h"
#include "CEdit.h"

class CBentCapFormSTView : public CBentCapFormBaseView {
public:
    enum { IDD = 132 };

    CBentCapFormSTView();

    void OnInitialUpdate() override;
    int LoadData() override;
    int SaveData() override;

    void OnEditNotify(UINT nID, UINT nCode);
    void HighlightLabel(const wchar_t* letter);
    // The letter of the dimension the sketch highlights.
    const CString& GetHighlightLetter() const { return m_strHighlight; }

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    int StoreFields(BOOL bReport);
    struct Field;
    static const Field kFields[12];
    CEdit* EditOf(UINT nID);
    BOOL EndValueEnabled(UINT nID) const;

    CEdit m_edits[12];
    CStatic* m_labels[12] = {};
    CBentCapShapeSketch m_wndSketch;
    CString m_strHighlight;
};
