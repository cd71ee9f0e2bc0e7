// The section-position form: the cross sections the drawing shows, ticked in a list (the
// whole-beam mid-span, each pier, each mid-span between neighbouring piers), with a text that
// explains the selected item and the section sketch that marks the ticked ones.
#pragma once

#include "CBentCapFormBaseView.h"
#include "CBentCapSectionSketch.h"
#include "CButton.h"
#include "CCheckListBox.h"

#include <vector>

class CBentCapFormPSView : public CBentCapFormBaseView {
public:
    enum { IDD = 139 };

    CBentCapFormPSView();

    void OnInitialUpdate() override;
    int LoadData() override;
    int SaveData() override;
    void OnSectionChange();

    CCheckListBox& GetSectionList() { return m_wndList; }
    // What the section sketch is given: the ticked sections (a leading 0 as its real code) and
    // the highlighted one (-1 for none).
    const std::vector<int>& GetMarkedSections() const { return m_aMarked; }
    int GetHighlightedSection() const { return m_nHighlighted; }

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    int PierCount() const;
    // The section the whole-beam mid-span is: the middle pier, or the middle mid-span.
    int WholeMidSpanCode() const;
    void CollectMarked();
    // The marked and highlighted sections into the sketch, then a repaint.
    void ShowInSketch();

    CButton m_grpSketch, m_grpList;
    CCheckListBox m_wndList;
    CStatic m_wndDescription;
    CBentCapSectionSketch m_wndSketch;
    std::vector<int> m_aMarked;
    int m_nHighlighted = -1;
};
