// The skeleton-arrangement form: per rebar column, whether it is a main skeleton column and how
// many strengthening bars it gets at the edge piers, the middle piers and mid-span, shown in a
// column table; and the spacing of the rebar columns, equal or by a spacing expression checked
// against the cap width.
#pragma once

#include "CBentCapFormBaseView.h"
#include "CButton.h"
#include "CEdit.h"
#include "CListCtrl.h"

class CBentCapFormBPView : public CBentCapFormBaseView {
public:
    CBentCapFormBPView();

    void OnInitialUpdate() override;
    int LoadData() override;
    // 0 when the expression is refused; the form then keeps the focus.
    int SaveData() override;

    void FillColumnTable();
    void FillColumnCodes();
    void OnModeRadio();
    void UpdateSpacingControls();
    // The code the strengthening-bar settings dialog gave column nColumn (from 1): under
    // strengthening symmetry it goes to the left half and is mirrored; then the cells follow.
    void StoreColumnCode(int nColumn, int nCode);

    CListCtrl& GetColumnTable() { return m_wndTable; }

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnSize(UINT nType, int cx, int cy) override;

private:
    int ColumnCount() const;
    bool HasMiddleRow() const;
    int RefuseExpression(const CString& text);

    CButton m_grpSketch, m_grpParameters;
    // The skeleton sketch CBentCapSkeletonSketch goes in this place; its clicks add and remove
    // skeleton columns.
    CStatic m_wndSketch;
    CStatic m_wndIcon, m_wndNote, m_wndSpacingLabel, m_wndExpressionLabel;
    CListCtrl m_wndTable;
    CButton m_radEqual, m_radUnequal;
    CEdit m_edtExpression;
};
