// The sheets "批量复制" and "批量调列": the page "文件" with the design files to change, and
// the page "复制" (the source file and its groups) or the page "调列" (the twenty columns'
// mapping) as a second tab. OK applies the pages that were shown, in order; a page that
// refuses keeps the sheet open.
#pragma once

#include "BatchCommands.h"
#include "CBentCapBatCopyChan.h"
#include "CBentCapBatCopyCopy.h"
#include "CBentCapBatCopyFile.h"
#include "CPropertySheet.h"
#include "WinGdi.h"

#include <memory>

class CBentCapBatchSheet : public CPropertySheet, public CBatchCopySheet, public CBatchAdjustSheet {
public:
    // loadFactor and pFont go to the open dialogs' preview.
    CBentCapBatchSheet(double loadFactor, LOGFONT* pFont, CWnd* pParent = nullptr);

    BOOL Run(CBatchFileList& files, CBatchCopySource& source) override;
    BOOL Run(CBatchFileList& files, CBatchColumnMap& columns) override;

    CBentCapBatCopyFile* GetFilePage() const { return m_pFilePage.get(); }

private:
    BOOL RunPages(CBatchFileList& files, std::unique_ptr<CPropertyPage> second);

    double m_dLoadFactor;
    LOGFONT* m_pFont;
    std::unique_ptr<CBentCapBatCopyFile> m_pFilePage;
    std::unique_ptr<CPropertyPage> m_pSecondPage;
};
