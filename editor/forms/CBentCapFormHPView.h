// The section-stirrup form: the stirrup spacings and densified ranges of the design, and the
// closed stirrups of the cross section (the columns each one spans) in a report list, with the
// bar commands that add, modify, delete and sort them.
#pragma once

#include "CBentCapFormBaseView.h"
#include "CBentCapStirrupSketch.h"
#include "CButton.h"
#include "CComboBox.h"
#include "CListCtrl.h"

class CBentCapFormHPView : public CBentCapFormBaseView {
public:
    enum { IDD = 213 };

    CBentCapFormHPView();

    void OnInitialUpdate() override;
    int LoadData() override;
    int SaveData() override;
    BOOL UpdateCommandUI(CCmdUI* pCmdUI) override;

    void EditStirrup(int nRow);
    void OnGridDblClk();
    void OnGridClick();
    void OnDeleteSteel();
    void OnModifySteel();
    void OnAddSteel();
    void OnSortSteel();
    void OnContextMenu(CPoint point);
    // The densified ranges follow check 1062; the middle one needs more than two piers.
    void UpdateDenseControls();

    CListCtrl& GetStirrupList() { return m_wndList; }
    int GetSelectedRow() const { return m_nSelectedRow; }

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    // Presses and moves over the sketch reach the form.
    void OnLButtonDown(UINT nFlags, CPoint point) override;
    void OnMouseMove(UINT nFlags, CPoint point) override;

private:
    void CreateSpacingControls();
    void BuildColumns();
    void RefreshStirrupList();
    int ColumnCount() const;
    CBent_FaceInfo& Face() { return m_pPierInfo->GetMainFace(); }
    void StirrupsChanged();
    // The design and the selected stirrup into the sketch, then a repaint.
    void ShowInSketch();
    // The point from form to sketch coordinates; FALSE when it lies outside the sketch.
    BOOL ToSketch(CPoint& point) const;

    CComboBox m_cboSpacing, m_cboDense, m_cboSkew, m_cboEdgeOuter, m_cboEdgeInner, m_cboMiddle;
    CStatic *m_pLblDense = nullptr, *m_pLblSkew = nullptr, *m_pLblEdgeOuter = nullptr, *m_pLblEdgeInner = nullptr,
            *m_pLblMiddle = nullptr;
    CButton m_chkDensify, m_chkSeismic;
    CListCtrl m_wndList;
    // Shows the selected stirrup and tells which stirrup a press on it picks.
    CBentCapStirrupSketch m_wndSketch;
    int m_nSelectedRow = -1;
};
