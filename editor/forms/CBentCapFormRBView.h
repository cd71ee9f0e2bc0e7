// The elevation-bar form: the bars of one kind (top straight, bottom straight, upper or lower
// bent-up) of the whole elevation or of one pier, one bar a grid row, under the bar sketch.
#pragma once

#include "CBentCapFormBaseView.h"
#include "CBentCapRebarSketch.h"
#include "CGridCtrl.h"
#include "ElevationBarCommands.h"

#include <memory>

class CBentCapFormRBView : public CBentCapFormBaseView {
public:
    CBentCapFormRBView();
    ~CBentCapFormRBView() override;

    void OnInitialUpdate() override;
    int LoadData() override;
    // Stores the grid; never refuses.
    int SaveData() override;

    // The grid from the design; an empty grid without a category or for a pier the design lacks.
    void FillGrid();
    void FillBarRow(int j);
    // The typed rows into the design; a locked pier stores nothing.
    void StoreGrid();
    void StoreBarRow(int j);

    CGridCtrl* GetGridCtrl() const { return m_pGridCtrl.get(); }
    CBentCapRebarSketch& GetSketch() { return m_wndSketch; }

private:
    int PierCount() const;
    // The data columns after the row labels.
    int DataColumnCount() const;
    void WriteCell(int nRow, int nCol, const CString& text);
    void WriteHeaders();
    void UpdateSketch();

    ElevationBarView m_view{-1, 0};
    std::unique_ptr<CGridCtrl> m_pGridCtrl;
    CBentCapRebarSketch m_wndSketch;
};
