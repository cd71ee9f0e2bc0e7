// The pier form of one pier (categories 11 to 19): the pier sketch with the upper bent-up bars
// at the pier and their spacings, which the user edits by double-clicking a number. A pier in
// the derived half of a symmetric skeleton is not edited here but through its partner.
#pragma once

#include "CBentCapFormBaseView.h"
#include "CBentCapPierSketch.h"
#include "CButton.h"

class CBentCapFormNFView : public CBentCapFormBaseView {
public:
    enum { IDD = 215 };

    CBentCapFormNFView();

    void OnInitialUpdate() override;
    int LoadData() override;
    // The pier the form shows: the category code's units digit.
    int GetPier() const { return m_nCategoryCode % 10; }
    // TRUE when the pier lies in the half that a symmetric skeleton derives from the other.
    BOOL IsDerivedPier() const;

protected:
    void OnLButtonDblClk(UINT nFlags, CPoint point) override;

private:
    CButton m_grpSketch;
    // Takes the double clicks that land on it through EditSpacingAt.
    CBentCapPierSketch m_wndSketch;
};
