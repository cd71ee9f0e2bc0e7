// Printing the grid, page by page: a header with the program's and the form's titles, the
// fixed rows, as many rows as the page holds, and a footer with the page number and the time.
// The grid's own pixels are mapped onto the paper, one page as wide as the table.
#include "CGridCtrl.h"

#include "CDC.h"
#include "CPrintInfo.h"

#include <ctime>

namespace {

// Margins, header, gap and footer in character sizes.
constexpr int kLeftMargin = 4;
constexpr int kRightMargin = 4;
constexpr int kHeaderHeight = 2;
constexpr int kGapHeight = 1;
constexpr int kFooterHeight = 2;

// The program's title, as its string resource holds it.
constexpr const wchar_t* kAppTitle = L"Corbeldesk";

int MulDiv(int number, int numerator, int denominator)
{
  return denominator ? static_cast<int>(static_cast<long long>(number) * numerator / denominator) : -1;
}

} // namespace

// Rows fill a page in order; a row that no longer fits starts the next page, and a page holds
// at least one row, however tall.
int CGridCtrl::FirstRowOfPage(UINT nPage) const
{
  UINT page = 1;
  int used = 0;
  for (int row = m_nFixedRows; row < m_nRows; ++row) {
    const int height = GetRowHeight(row);
    if (used > 0 && used + height > m_nPageHeight) {
      ++page;
      used = 0;
    }
    if (page == nPage)
      return row;
    used += height;
  }
  return m_nRows;
}

void CGridCtrl::OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo)
{
  if (!pDC || !pInfo || m_nRows - m_nFixedRows <= 0)
    return;
  // The printer font.
  LOGFONT lf{};
  lf.lfHeight = -9;
  lf.lfWeight = FW_NORMAL;
  std::wcsncpy(lf.lfFaceName, L"Times New Roman", LF_FACESIZE - 1);
  m_PrinterFont.CreateFontIndirect(&lf);
  CFont* oldFont = pDC->SelectObject(&m_PrinterFont);

  // Character size, paper and logical page.
  const CSize extent = pDC->GetTextExtent(CString(L"abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSATUVWXYZ").Left(52));
  m_CharSize = CSize(extent.cx / 52, extent.cy);
  m_PaperSize = CSize(pDC->GetDeviceCaps(HORZRES), pDC->GetDeviceCaps(VERTRES));
  m_LogicalPageSize.cx = GetVirtualWidth() + (kLeftMargin + kRightMargin) * m_CharSize.cx;
  m_LogicalPageSize.cy = MulDiv(m_LogicalPageSize.cx, m_PaperSize.cy, m_PaperSize.cx);
  m_nPageHeight = m_LogicalPageSize.cy - (kHeaderHeight + kFooterHeight + kGapHeight * 2) * m_CharSize.cy
                  - GetFixedRowHeight();

  // The page count.
  UINT pages = 1;
  while (FirstRowOfPage(pages + 1) < m_nRows)
    ++pages;
  pInfo->SetMaxPage(pages);
  pInfo->m_nCurPage = 1;
  pDC->SelectObject(oldFont);
}

void CGridCtrl::PrintCellLines(CDC* pDC, const CRect& rect, int nRow, int nCol, bool firstOnPage)
{
  if (m_nGridLines == GVL_BOTH || m_nGridLines == GVL_HORZ) {
    const int overlap = nCol == 0 ? 0 : 1;
    pDC->MoveTo(rect.left - overlap, rect.bottom);
    pDC->LineTo(rect.right, rect.bottom);
    if (nRow == 0) {
      pDC->MoveTo(rect.left - overlap, rect.top);
      pDC->LineTo(rect.right, rect.top);
    }
  }
  if (m_nGridLines == GVL_BOTH || m_nGridLines == GVL_VERT) {
    const int overlap = firstOnPage ? 0 : 1;
    pDC->MoveTo(rect.right, rect.top - overlap);
    pDC->LineTo(rect.right, rect.bottom);
    if (nCol == 0) {
      pDC->MoveTo(rect.left, rect.top - overlap);
      pDC->LineTo(rect.left, rect.bottom);
    }
  }
}

void CGridCtrl::OnPrint(CDC* pDC, CPrintInfo* pInfo)
{
  if (!pDC || !pInfo)
    return;
  CFont* oldFont = pDC->SelectObject(&m_PrinterFont);
  pDC->SetMapMode(MM_ANISOTROPIC);
  pDC->SetWindowExt(m_LogicalPageSize.cx, m_LogicalPageSize.cy);
  pDC->SetViewportExt(m_PaperSize.cx, m_PaperSize.cy);
  const int left = -kLeftMargin * m_CharSize.cx;
  int top = 0;
  pDC->SetWindowOrg(left, top);

  // Header, then a gap.
  pInfo->m_rectDraw = CRect(0, 0, m_LogicalPageSize.cx - (kLeftMargin + kRightMargin) * m_CharSize.cx,
                            kHeaderHeight * m_CharSize.cy);
  PrintHeader(pDC, pInfo);
  top -= (kHeaderHeight + kGapHeight) * m_CharSize.cy;
  pDC->SetWindowOrg(left, top);

  // The fixed rows.
  pInfo->m_rectDraw.bottom = GetFixedRowHeight();
  PrintColumnHeadings(pDC, pInfo);
  top -= GetFixedRowHeight();
  pDC->SetWindowOrg(left, top);

  // The rows of this page.
  pDC->SelectObject(&m_PrinterFont);
  CRect rect;
  rect.bottom = -1;
  for (int row = FirstRowOfPage(pInfo->m_nCurPage); row < m_nRows; ++row) {
    const bool first = rect.bottom < 0;
    rect.top = rect.bottom + 1;
    rect.bottom = rect.top + GetRowHeight(row) - 1;
    if (rect.bottom > m_nPageHeight && !first)
      break;
    rect.right = -1;
    for (int col = 0; col < m_nCols; ++col) {
      rect.left = rect.right + 1;
      rect.right = rect.left + GetColumnWidth(col) - 1;
      DrawCell(pDC, row, col, rect);
      PrintCellLines(pDC, rect, row, col, first);
    }
  }

  // Footer at the bottom of the page.
  pInfo->m_rectDraw.bottom = kFooterHeight * m_CharSize.cy;
  pDC->SetWindowOrg(left, kFooterHeight * m_CharSize.cy - m_LogicalPageSize.cy);
  PrintFooter(pDC, pInfo);
  pDC->SetWindowOrg(0, 0);
  pDC->SelectObject(oldFont);
}

void CGridCtrl::PrintColumnHeadings(CDC* pDC, CPrintInfo*)
{
  CFont* oldFont = pDC->SelectObject(&m_PrinterFont);
  CRect rect;
  rect.bottom = -1;
  for (int row = 0; row < m_nFixedRows; ++row) {
    rect.top = rect.bottom + 1;
    rect.bottom = rect.top + GetRowHeight(row) - 1;
    rect.right = -1;
    for (int col = 0; col < m_nCols; ++col) {
      rect.left = rect.right + 1;
      rect.right = rect.left + GetColumnWidth(col) - 1;
      DrawFixedCell(pDC, row, col, rect);
      PrintCellLines(pDC, rect, row, col, row == 0);
    }
  }
  pDC->SelectObject(oldFont);
}

CString CGridCtrl::GetPrintTitle() const
{
  CString title;
  for (CWnd* wnd = GetParent(); wnd; wnd = wnd->GetParent()) {
    wnd->GetWindowText(title);
    if (!title.IsEmpty())
      break;
  }
  return title;
}

void CGridCtrl::PrintHeader(CDC* pDC, CPrintInfo* pInfo)
{
  LOGFONT lf{};
  m_PrinterFont.GetLogFont(&lf);
  lf.lfWeight = FW_BOLD;
  CFont boldFont;
  boldFont.CreateFontIndirect(&lf);
  CFont* normalFont = pDC->SelectObject(&boldFont);
  const int oldBkMode = pDC->SetBkMode(TRANSPARENT);
  CRect rc(pInfo->m_rectDraw);
  pDC->DrawText(kAppTitle, &rc, DT_RIGHT | DT_SINGLELINE | DT_NOPREFIX | DT_VCENTER);
  pDC->DrawText(GetPrintTitle(), &rc, DT_CENTER | DT_SINGLELINE | DT_NOPREFIX | DT_VCENTER);
  pDC->SetBkMode(oldBkMode);
  pDC->SelectObject(normalFont);
  pDC->SelectStockObject(BLACK_PEN);
  pDC->MoveTo(rc.left, rc.bottom);
  pDC->LineTo(rc.right, rc.bottom);
}

void CGridCtrl::PrintFooter(CDC* pDC, CPrintInfo* pInfo)
{
  CRect rc(pInfo->m_rectDraw);
  pDC->MoveTo(rc.left, rc.top);
  pDC->LineTo(rc.right, rc.top);
  LOGFONT lf{};
  m_PrinterFont.GetLogFont(&lf);
  lf.lfWeight = FW_BOLD;
  CFont boldFont;
  boldFont.CreateFontIndirect(&lf);
  CFont* normalFont = pDC->SelectObject(&boldFont);
  const int oldBkMode = pDC->SetBkMode(TRANSPARENT);
  rc.OffsetRect(0, m_CharSize.cy / 2);
  CString page;
  page.Format(L"Page %d of %d", pInfo->m_nCurPage, pInfo->GetMaxPage());
  pDC->DrawText(page, &rc, DT_LEFT | DT_NOPREFIX | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP);
  char stamp[128] = {};
  const std::time_t now = std::time(nullptr);
  std::strftime(stamp, sizeof(stamp), "%c", std::localtime(&now));
  pDC->DrawText(CString(stamp), &rc, DT_RIGHT | DT_NOPREFIX | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP);
  pDC->SetBkMode(oldBkMode);
  pDC->SelectObject(normalFont);
}

void CGridCtrl::OnEndPrinting(CDC*, CPrintInfo*) { m_PrinterFont.DeleteObject(); }
