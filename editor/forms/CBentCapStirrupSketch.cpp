#include "CBentCapStirrupSketch.h"

#include "BarColumnCodes.h"
#include "CBrush.h"
#include "CPaintDC.h"
#include "CPen.h"
#include "CSketchFonts.h"
#include "SketchColours.h"
#include "WindowCursor.h"

#include <cstdlib>

namespace {

constexpr UINT kCentred = DT_CENTER | DT_VCENTER | DT_SINGLELINE;

void Triangle(CDC& dc, int apexX, int apexY, int baseY)
{
  const POINT points[3] = {{apexX, apexY}, {apexX - 5, baseY}, {apexX + 5, baseY}};
  dc.Polygon(points, 3);
}

} // namespace

CBentCapStirrupSketch::CBentCapStirrupSketch()
    : m_crOutline(kSketchOutline), m_crBar(kSketchBar), m_crSelection(kSketchHighlight), m_crSpare(kSketchSpare)
{
  for (HitSlot& slot : m_hitTable)
    slot = {-1, 0, 0};
}

CString CBentCapStirrupSketch::ColumnNumber(int k)
{
  CString text;
  text.Format(k <= 9 ? L"0%d" : L"%d", k);
  return text;
}

void CBentCapStirrupSketch::DrawColumnNumbers(CDC& dc, int n, int xl) const
{
  CPen pen(PS_SOLID, 1, kSketchDimension);
  CBrush brush(kSketchDimension);
  CPen* oldPen = dc.SelectObject(&pen);
  CBrush* oldBrush = dc.SelectObject(&brush);
  dc.SetTextColor(kSketchDimension);
  for (int k = 1; k <= n; k += 2) {
    const int x = ColumnX(k, xl) - m_nBarRadius / 2 + 1;
    Triangle(dc, x, m_nTop - 10, m_nTop - 18);
    CRect box(x - 20, m_nTop - 39, x + 20, m_nTop - 18);
    dc.DrawText(ColumnNumber(k), &box, kCentred);
  }
  dc.SelectObject(oldBrush);
  dc.SelectObject(oldPen);
}

void CBentCapStirrupSketch::DrawBars(CDC& dc, int n, int xl) const
{
  const int r = m_nBarRadius;
  const int t = m_nTop + 2 * r;
  const int b = m_nTop + m_nHeight - 2 * r;
  CPen pen(PS_SOLID, 1, m_crBar);
  CBrush fill(m_crBar);
  CPen* oldPen = dc.SelectObject(&pen);
  CBrush* oldBrush = dc.SelectObject(&fill);
  const CBent_ExtendSteel& extend = m_pDesign->GetExtendSteel();
  for (int k = 1; k <= n; ++k) {
    const int code = k - 1 < extend.GetCodeCount() ? extend.GetCodeAt(k - 1) : 0;
    const int x = ColumnX(k, xl);
    auto circle = [&](int y) { dc.Ellipse(x - r, y - r, x + r, y + r); };
    if (IsSkeletonCode(code)) {
      dc.SelectObject(&fill);
      for (int y : {t, t + 3 * r, b, b - 3 * r})
        circle(y);
    } else if (IsStrengthenedCode(code)) {
      dc.SelectObject(&fill);
      circle(t);
      circle(b);
    } else {
      dc.SelectStockObject(NULL_BRUSH);
      dc.SelectObject(&pen);
      circle(t);
      circle(b);
    }
  }
  dc.SelectObject(oldBrush);
  dc.SelectObject(oldPen);
}

bool CBentCapStirrupSketch::DrawStirrup(CDC& dc, const CBent_PAFSteel& stirrup, int index, int xl, int& slot)
{
  const int r = m_nBarRadius;
  const int s = stirrup.GetStartColumn();
  const int e = stirrup.GetEndColumn();
  const int y0 = m_nTop + r;
  const int y1 = m_nTop + m_nHeight - r;
  int left = 0;
  int right = 0;
  if (s != -1 && e != -1) {
    left = ColumnX(s, xl) - r;
    right = ColumnX(e, xl) + r;
    dc.Rectangle(left, y0, right, y1);
  } else if (s != -1 || e != -1) {
    left = right = e != -1 ? ColumnX(e, xl) + r : ColumnX(s, xl) - r;
    dc.MoveTo(left, y0);
    dc.LineTo(left, y1);
  } else {
    return false;
  }
  if (slot < kHitSlots - 1)
    m_hitTable[slot++] = {index, left, right};
  return true;
}

void CBentCapStirrupSketch::DrawSelectionMarks(CDC& dc, const CBent_PAFSteel& stirrup, int xl) const
{
  const int s = stirrup.GetStartColumn();
  const int e = stirrup.GetEndColumn();
  if (s == -1 || e == -1)
    return;
  const int r = m_nBarRadius;
  const int apexY = m_nTop + m_nHeight - r + 10;
  const int baseY = m_nTop + m_nHeight - r + 18;
  dc.SetTextColor(m_crSelection);
  const struct {
    int x;
    int column;
  } marks[] = {{ColumnX(s, xl) - r + r / 2 + 1, s}, {ColumnX(e, xl) + r - r / 2 - 2, e}};
  for (const auto& mark : marks) {
    Triangle(dc, mark.x, apexY, baseY);
    CRect box(mark.x - 20, baseY, mark.x + 20, baseY + 21);
    dc.DrawText(ColumnNumber(mark.column), &box, kCentred);
  }
}

void CBentCapStirrupSketch::OnPaint()
{
  CPaintDC dc(this);
  CRect client;
  GetClientRect(&client);
  // 1. Black ground.
  CBrush black(kSketchBackground);
  dc.FillRect(client, &black);
  m_hitTable[0].index = -1;
  if (!m_pDesign)
    return;
  CSketchFonts fonts(m_pFont);
  CFont* oldFont = dc.SelectObject(fonts.Normal());
  dc.SetBkMode(TRANSPARENT);
  // 2. The section, one pitch wider than its columns.
  const int n = m_pDesign->GetMainFace().GetBarColumnCount();
  const int h = (n + 1) * m_nPitch / 2;
  const int xl = client.Width() / 2 - h;
  CPen outlinePen(PS_SOLID, 1, m_crOutline);
  CPen* oldPen = dc.SelectObject(&outlinePen);
  dc.SelectStockObject(NULL_BRUSH);
  dc.Rectangle(xl, m_nTop, client.Width() / 2 + h, m_nTop + m_nHeight);
  // 3. and 4. Column numbers and bars.
  DrawColumnNumbers(dc, n, xl);
  DrawBars(dc, n, xl);
  // 5. The stirrups but the selected one.
  const auto& stirrups = m_pDesign->GetMainFace().GetStirrups();
  const int count = static_cast<int>(stirrups.GetSize());
  CPen barPen(PS_SOLID, 1, m_crBar);
  dc.SelectObject(&barPen);
  dc.SelectStockObject(NULL_BRUSH);
  int slot = 0;
  for (int i = 0; i < count; ++i)
    if (i != m_nSelected)
      DrawStirrup(dc, stirrups.GetAt(i), i, xl, slot);
  // 6. The selected one in green with its end columns.
  if (m_nSelected >= 0 && m_nSelected < count) {
    CPen selectionPen(PS_SOLID, 1, m_crSelection);
    dc.SelectObject(&selectionPen);
    if (DrawStirrup(dc, stirrups.GetAt(m_nSelected), m_nSelected, xl, slot))
      DrawSelectionMarks(dc, stirrups.GetAt(m_nSelected), xl);
    dc.SelectObject(&barPen);
  }
  // 7. The end of the table.
  m_hitTable[slot].index = -1;
  dc.SelectObject(oldPen);
  dc.SelectObject(oldFont);
}

int CBentCapStirrupSketch::HitTestStirrup(CPoint point, int& index) const
{
  index = -1;
  if (!m_pDesign || point.y < m_nTop || point.y > m_nTop + m_nHeight)
    return 0;
  for (int i = 0; i < kHitSlots && m_hitTable[i].index != -1; ++i) {
    if (std::abs(point.x - m_hitTable[i].left) < 4 || std::abs(point.x - m_hitTable[i].right) < 4) {
      index = m_hitTable[i].index;
      break;
    }
  }
  return index != -1 && index != m_nSelected ? 1 : 0;
}

void CBentCapStirrupSketch::ShowDragCursor() { SetWindowCursor(this, L"IDC_CURSOR2"); }
