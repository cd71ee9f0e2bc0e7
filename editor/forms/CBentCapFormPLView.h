// The pier-spacing form: the support-spacing list in a two-row grid, one column per pier, with
// the spacings the system derives shown as "自动", and the spacing sketch above it.
#pragma once

#include "CBentCapFormBaseView.h"
#include "CBentCapSpacingSketch.h"
#include "CGridCtrl.h"

#include <memory>

class CBentCapFormPLView : public CBentCapFormBaseView {
public:
    enum { IDD = 137 };

    CBentCapFormPLView();
    ~CBentCapFormPLView() override;

    void OnInitialUpdate() override;
    int LoadData() override;
    // Stores every typed spacing (with its partner under symmetry); never refuses.
    int SaveData() override;
    void FillGrid();

    CGridCtrl* GetGridCtrl() const { return m_pGridCtrl.get(); }
    CBentCapSpacingSketch& GetSketch() { return m_wndSketch; }

private:
    int PierCount() const;
    void WriteCell(int nRow, int nCol, const CString& text);

    std::unique_ptr<CGridCtrl> m_pGridCtrl;
    CBentCapSpacingSketch m_wndSketch;
};
