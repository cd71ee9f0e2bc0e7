// The elevation-bar form: the bars of one kind (top straight, bottom straight, upper or lower
// bent-up) of the whole elevation or of one pier, one bar a grid row, under the bar sketch;
// with the bar commands that add, delete and sort them.
#pragma once

#include "CBentCapFormBaseView.h"
#include "CBentCapRebarSketch.h"
#include "CGridCtrl.h"
#include "ElevationBarCommands.h"

#include <memory>

class CBentCapFormRBView : public CBentCapFormBaseView {
public:
    enum { IDD = 214 };

    CBentCapFormRBView();
    ~CBentCapFormRBView() override;

    void OnInitialUpdate() override;
    int LoadData() override;
    // Stores the grid; never refuses.
    int SaveData() override;
    BOOL UpdateCommandUI(CCmdUI* pCmdUI) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // The grid from the design; an empty grid without a category or for a pier the design lacks.
    void FillGrid();
    void FillBarRow(int j);
    // The typed rows into the design; a locked pier stores nothing.
    void StoreGrid();
    void StoreBarRow(int j);

    // One bar row selected below the header rows.
    BOOL OnUpdateDeleteSteel() const;
    // More than one bar row.
    BOOL OnUpdateSortSteel() const;
    void OnDeleteSteel();
    void OnAddSteel();
    void OnSortSteel();
    void OnContextMenu(CPoint point);

    CGridCtrl* GetGridCtrl() const { return m_pGridCtrl.get(); }
    CBentCapRebarSketch& GetSketch() { return m_wndSketch; }

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    int PierCount() const;
    // The data columns after the row labels.
    int DataColumnCount() const;
    void WriteCell(int nRow, int nCol, const CString& text);
    void WriteHeaders();
    void UpdateSketch();
    // After a command changed the bars.
    void BarsChanged();

    ElevationBarView m_view{-1, 0};
    std::unique_ptr<CGridCtrl> m_pGridCtrl;
    CBentCapRebarSketch m_wndSketch;
};
