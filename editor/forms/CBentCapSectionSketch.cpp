#include "CBentCapSectionSketch.h"

#include "CPaintDC.h"
#include "CPen.h"
#include "CSketchFonts.h"
#include "SketchColours.h"

CBentCapSectionSketch::CBentCapSectionSketch()
    : CBentCapElevationSketch(700, 50, 30, 80, 3), m_crHighlight(kSketchHighlight)
{
}

CString CBentCapSectionSketch::PositionLabel(int i)
{
  static const wchar_t* const labels[] = {L"Ⅰ", L"Ⅱ", L"Ⅲ", L"Ⅳ", L"Ⅴ", L"Ⅵ",
                                          L"Ⅶ", L"Ⅷ", L"Ⅸ", L"Ⅹ", L"Ⅺ", L"Ⅻ"};
  return (i >= 0 && i < 12) ? labels[i] : labels[0];
}

bool CBentCapSectionSketch::IsChosen(int position) const
{
  for (INT_PTR i = 0; i < m_aPositions.GetSize(); ++i)
    if (m_aPositions.GetAt(i) == position)
      return true;
  return false;
}

void CBentCapSectionSketch::DrawCut(CDC& dc, const Frame& f, int x, int position, int& label) const
{
  const COLORREF colour = position == m_nSelected ? m_crHighlight : m_crDimension;
  CPen pen(PS_SOLID, 1, colour);
  CPen* oldPen = dc.SelectObject(&pen);
  dc.MoveTo(x, f.yb + 50);
  dc.LineTo(x, f.yb + 70);
  dc.LineTo(x + 20, f.yb + 70);
  dc.MoveTo(x, f.top - 30);
  dc.LineTo(x, f.top - 50);
  dc.LineTo(x + 20, f.top - 50);
  dc.SelectObject(oldPen);
  if (!IsChosen(position))
    return;
  dc.SetTextColor(colour);
  const CString text = PositionLabel(label++);
  for (int y : {f.yb + 70, f.top - 50}) {
    CRect box(x + 20, y - 20, x + 40, y + 20);
    dc.DrawText(text, &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }
}

void CBentCapSectionSketch::OnPaint()
{
  CPaintDC dc(this);
  CRect client;
  GetClientRect(&client);
  const Frame f = LayoutElevation(client);
  PaintElevation(dc, client, f, ColumnPiece{30, 20, 15.0});

  CSketchFonts fonts(m_pFont);
  CFont* oldFont = dc.SelectObject(fonts.Normal());
  dc.SetBkMode(TRANSPARENT);
  const int n = ColumnCount();
  int label = 0;
  for (int k = 1; k <= n; ++k) {
    DrawCut(dc, f, ColumnX(k - 1), k, label);
    if (k < n)
      DrawCut(dc, f, (ColumnX(k - 1) + ColumnX(k)) / 2, n + k, label);
  }
  dc.SelectObject(oldFont);
}
