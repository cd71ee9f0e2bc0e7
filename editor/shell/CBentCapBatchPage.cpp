#include "CBentCapBatchPage.h"

CBentCapBatchPage::CBentCapBatchPage(UINT nIDTemplate, LPCTSTR lpszCaption) : CPropertyPage(nIDTemplate, lpszCaption)
{
    SetInitialSize(690, 330);
}
