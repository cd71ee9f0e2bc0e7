// The page "文件" of the batch sheets: the design files to change, added several at a time in
// the open dialog (button 1104 "添加") and removed by selection (1105 "删除"), with their count.
#pragma once

#include "CBatchFileList.h"
#include "CBentCapBatchPage.h"
#include "CButton.h"
#include "CListCtrl.h"
#include "CStatic.h"
#include "WinGdi.h"

class CBentCapBatCopyFile : public CBentCapBatchPage {
public:
    // loadFactor and pFont go to the open dialog's preview.
    CBentCapBatCopyFile(CBatchFileList& files, double loadFactor, LOGFONT* pFont);

    BOOL OnInitDialog() override;
    BOOL OnApply() override;

    void OnAddFiles();
    void OnDeleteFiles();
    CListCtrl& GetFileList() { return m_wndFiles; }

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    void ShowFiles();

    CBatchFileList& m_files;
    double m_dLoadFactor;
    LOGFONT* m_pFont;
    CListCtrl m_wndFiles;           // 1103
    CButton m_btnAdd, m_btnDelete;  // 1104, 1105
    CStatic m_wndCount;             // 1106
};
