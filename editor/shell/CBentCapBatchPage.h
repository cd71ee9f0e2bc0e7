// What the pages of the batch sheets share: one size for every page, so that the sheet's tabs
// keep their place, and the style of the controls they make.
#pragma once

#include "CPropertyPage.h"

class CBentCapBatchPage : public CPropertyPage {
public:
    CBentCapBatchPage(UINT nIDTemplate, LPCTSTR lpszCaption);

protected:
    static constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
};
