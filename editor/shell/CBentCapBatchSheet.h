// The sheets "批量复制" and "批量调列": the page "文件" with the design files to change, and
// under it the page "复制" (the source file and its groups) or the page "调列" (the twenty
// columns' mapping). OK applies the pages in order; a page that refuses keeps the sheet open.
#pragma once

#include "BatchCommands.h"
#include "CBatchColumnMap.h"
#include "CBatchCopySource.h"
#include "CBatchFileList.h"
#include "CButton.h"
#include "CDialog.h"
#include "CEdit.h"
#include "CListCtrl.h"
#include "CStatic.h"
#include "CapCopyGroups.h"
#include "WinGdi.h"

class CBentCapBatchSheet : public CDialog, public CBatchCopySheet, public CBatchAdjustSheet {
public:
    // loadFactor and pFont go to the open dialogs' preview.
    CBentCapBatchSheet(double loadFactor, LOGFONT* pFont, CWnd* pParent = nullptr);

    BOOL Run(CBatchFileList& files, CBatchCopySource& source) override;
    BOOL Run(CBatchFileList& files, CBatchColumnMap& columns) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    // Page "文件": button 1104 adds the file chosen in the open dialog, 1105 removes the
    // selected rows.
    void OnAddFiles();
    void OnDeleteFiles();
    // Page "复制": button 1102 chooses the source file.
    void OnSelectFile();
    // Page "调列": a double click on a row picks its old column.
    void OnEditOldColumn();

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

private:
    void CreateFilePage();
    void CreateCopyPage();
    void CreateColumnPage();
    void ShowFiles();
    void ShowColumns();
    // A file chosen in the open dialog with the preview; empty when cancelled.
    CString ChooseDesignFile(const wchar_t* title, const wchar_t* filter);

    double m_dLoadFactor;
    LOGFONT* m_pFont;
    CBatchFileList* m_pFiles = nullptr;
    CBatchCopySource* m_pSource = nullptr;
    CBatchColumnMap* m_pColumns = nullptr;
    // Page "文件".
    CListCtrl m_wndFiles;           // 1103
    CButton m_btnAdd, m_btnDelete;  // 1104, 1105
    CStatic m_wndCount;             // 1106
    // Page "复制".
    CEdit m_edtSource;              // 1101
    CButton m_btnSelect;            // 1102
    CStatic m_wndInfo;              // 1098
    CButton m_checks[kCapCopyGroupCount];
    // Page "调列".
    CButton m_grpColumns;
    CListCtrl m_wndColumns;         // 1107
    CStatic m_wndNote;
    CButton m_ok, m_cancel;
};
