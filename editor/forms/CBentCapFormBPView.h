// The skeleton-arrangement form: per rebar column, whether it is a main skeleton column and how
// many strengthening bars it gets at the edge piers, the middle piers and mid-span, shown in a
// column table; and the spacing of the rebar columns, equal or by a spacing expression checked
// against the cap width.
#pragma once

#include "CBentCapFormBaseView.h"
#include "CBentCapFormPicture.h"
#include "CBentCapSkeletonSketch.h"
#include "CButton.h"
#include "CEdit.h"
#include "CListCtrl.h"

class CBentCapFormBPView : public CBentCapFormBaseView {
public:
    enum { IDD = 142 };

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
    CBentCapSkeletonSketch& GetSketch() { return m_wndSketch; }
    // A click on column nColumn (from 1) of the table: the strengthening-bar settings of its code.
    void OnGridClick(int nColumn);

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnSize(UINT nType, int cx, int cy) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    void OnLButtonDown(UINT nFlags, CPoint point) override;
    void OnRButtonDown(UINT nFlags, CPoint point) override;

private:
    int ColumnCount() const;
    bool HasMiddleRow() const;
    int RefuseExpression(const CString& text);
    // A press on the sketch: one more (add) or one less at the column under it.
    void EditAtSketch(CPoint point, bool add);

    CButton m_grpSketch, m_grpParameters;
    // Its clicks add to and take from the columns' codes.
    CBentCapSkeletonSketch m_wndSketch;
    CBentCapFormPicture m_wndIcon;
    CStatic m_wndNote, m_wndSpacingLabel, m_wndExpressionLabel;
    CListCtrl m_wndTable;
    CButton m_radEqual, m_radUnequal;
    CEdit m_edtExpression;
};
