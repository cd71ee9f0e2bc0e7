// The page "复制" of the sheet "批量复制": the source file (button 1102 "选择文件"), what it
// holds, and the groups to copy from it.
#pragma once

#include "CBatchCopySource.h"
#include "CBentCapBatchPage.h"
#include "CButton.h"
#include "CEdit.h"
#include "CStatic.h"
#include "CapCopyGroups.h"
#include "WinGdi.h"

class CBentCapBatCopyCopy : public CBentCapBatchPage {
public:
    // loadFactor and pFont go to the open dialog's preview.
    CBentCapBatCopyCopy(CBatchCopySource& source, double loadFactor, LOGFONT* pFont);

    BOOL OnInitDialog() override;
    BOOL OnApply() override;

    void OnSelectFile();

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    CBatchCopySource& m_source;
    double m_dLoadFactor;
    LOGFONT* m_pFont;
    CEdit m_edtSource;    // 1101
    CButton m_btnSelect;  // 1102
    CStatic m_wndInfo;    // 1098
    CButton m_checks[kCapCopyGroupCount];
};
