#include "CBentCapBatchSheet.h"

CBentCapBatchSheet::CBentCapBatchSheet(double loadFactor, LOGFONT* pFont, CWnd* pParent)
    : CPropertySheet(L"", pParent), m_dLoadFactor(loadFactor), m_pFont(pFont)
{
}

BOOL CBentCapBatchSheet::Run(CBatchFileList& files, CBatchCopySource& source)
{
    SetCaption(L"批量复制");
    return RunPages(files, std::make_unique<CBentCapBatCopyCopy>(source, m_dLoadFactor, m_pFont));
}

BOOL CBentCapBatchSheet::Run(CBatchFileList& files, CBatchColumnMap& columns)
{
    SetCaption(L"批量调列");
    return RunPages(files, std::make_unique<CBentCapBatCopyChan>(columns));
}

// Each run is a sheet of its own: the pages of one command, made anew.
BOOL CBentCapBatchSheet::RunPages(CBatchFileList& files, std::unique_ptr<CPropertyPage> second)
{
    m_pFilePage = std::make_unique<CBentCapBatCopyFile>(files, m_dLoadFactor, m_pFont);
    m_pSecondPage = std::move(second);
    RemoveAllPages();
    AddPage(m_pFilePage.get());
    AddPage(m_pSecondPage.get());
    return DoModal() == IDOK;
}
