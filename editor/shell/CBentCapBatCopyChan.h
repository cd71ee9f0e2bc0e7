// The page "调列" of the sheet "批量调列": the twenty new columns and the old column each takes
// its code from; a double click on a row (list 1107) picks its old column.
#pragma once

#include "CBatchColumnMap.h"
#include "CBentCapBatchPage.h"
#include "CButton.h"
#include "CListCtrl.h"
#include "CStatic.h"

class CBentCapBatCopyChan : public CBentCapBatchPage {
public:
    explicit CBentCapBatCopyChan(CBatchColumnMap& columns);

    BOOL OnInitDialog() override;
    BOOL OnApply() override;

    void OnEditOldColumn();
    CListCtrl& GetColumnList() { return m_wndColumns; }

protected:
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

private:
    void ShowColumns();

    CBatchColumnMap& m_columns;
    CButton m_grpColumns;
    CListCtrl m_wndColumns;  // 1107
    CStatic m_wndNote;
};
