#include "CBentCapSkeletonSketch.h"

#include "BarColumnCodes.h"
#include "CBentCapAddSteelDlg.h"
#include "CBrush.h"
#include "CPaintDC.h"
#include "CPen.h"
#include "CSketchFonts.h"
#include "ColumnCodeOperations.h"
#include "SketchColours.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr UINT kCentred = DT_CENTER | DT_VCENTER | DT_SINGLELINE;

const wchar_t* const kShortTitles[3] = {L"边柱柱顶钢筋（%d+%d*A）", L"中柱柱顶钢筋（%d+%d*A）", L"墩柱跨中钢筋（%d+%d*A）"};
const wchar_t* const kLongTitles[3] = {L"边柱柱顶钢筋（%d+%d*λ+%d*A，换算：%.1f+%d*A）",
                                       L"中柱柱顶钢筋（%d+%d*λ+%d*A，换算：%.1f+%d*A）",
                                       L"墩柱跨中钢筋（%d+%d*λ+%d*A，换算：%.1f+%d*A）"};

// The panel's digit: hundreds at the edge-pier top, tens at the middle-pier top, units at the
// mid-span bottom.
int PanelDigit(int panel, int code)
{
  if (panel == 0)
    return GetCodeDigit(code, TRUE);
  if (panel == 1)
    return GetCodeDigit(code, FALSE);
  return GetCodeUnits(code);
}

BOOL SetPanelDigit(int panel, int& code, int value)
{
  if (panel == 2)
    return SetCodeUnits(code, value);
  return SetCodeDigit(code, value, panel == 0);
}

} // namespace

CBentCapSkeletonSketch::CBentCapSkeletonSketch() : m_crLine(kSketchOutline), m_crTitle(kSketchBar) {}

int CBentCapSkeletonSketch::SupportCount() const
{
  return m_pDesign ? static_cast<int>(m_pDesign->GetMainFace().GetSupports().GetSize()) : 0;
}

int CBentCapSkeletonSketch::CodeCount() const { return m_pDesign ? m_pDesign->GetExtendSteel().GetCodeCount() : 0; }

bool CBentCapSkeletonSketch::IsPanelShown(int panel) const
{
  const int n = SupportCount();
  return panel == 0 || (panel == 1 && n >= 3) || (panel == 2 && n >= 2);
}

CBentCapSkeletonSketch::Panel CBentCapSkeletonSketch::PanelAt(int panel, const CRect& client) const
{
  const int wc = client.Width();
  switch (panel) {
  case 0: return {m_nTopMargin, wc / 4, 1};
  case 1: return {m_nTopMargin, wc / 4 + wc / 2, 1};
  default: return {m_nTopMargin + client.Height() / 2 + 3 * m_nCellHeight, wc / 4, -1};
  }
}

int CBentCapSkeletonSketch::RowLeft(const Panel& panel) const { return panel.centre - m_nCellWidth * CodeCount() / 2; }

bool CBentCapSkeletonSketch::HasLength(int panel) const
{
  const CBent_ExtendSteel& extend = m_pDesign->GetExtendSteel();
  if (panel == 0)
    return extend.GetEdgeOuterDistance() > 0 && extend.GetEdgeInnerDistance() > 0;
  if (panel == 1)
    return extend.GetMiddlePierDistance() > 0;
  return extend.GetMidSpanDistance() > 0;
}

int CBentCapSkeletonSketch::LayersAt(int panel, int code) const { return HasLength(panel) ? PanelDigit(panel, code) : 0; }

CBentCapSkeletonSketch::Counts CBentCapSkeletonSketch::CountColumns() const
{
  Counts counts{};
  const CBent_ExtendSteel& extend = m_pDesign->GetExtendSteel();
  for (int j = 0; j < extend.GetCodeCount(); ++j) {
    const int code = extend.GetCodeAt(j);
    counts.strengthened += IsStrengthenedCode(code) ? 1 : 0;
    counts.skeletons += IsSkeletonCode(code) ? 1 : 0;
    for (int p = 0; p < 3; ++p)
      counts.layers[p] += LayersAt(p, code);
  }
  return counts;
}

CString CBentCapSkeletonSketch::PanelTitle(int panel) const
{
  CString title;
  if (!m_pDesign || panel < 0 || panel > 2)
    return title;
  const Counts c = CountColumns();
  const CBent_ExtendSteel& extend = m_pDesign->GetExtendSteel();
  const int strengthening = panel == 2 ? extend.GetBottomDiameter() : extend.GetTopDiameter();
  const int skeleton = m_pDesign->GetMoreInfo().GetSkeletonDiameter();
  const int n = c.layers[panel];
  if (strengthening == skeleton || skeleton == 0) {
    title.Format(kShortTitles[panel], c.strengthened + n, c.skeletons);
  } else {
    const double ratio = static_cast<double>(strengthening) / skeleton;
    const double lambda = ratio * ratio;
    title.Format(kLongTitles[panel], c.strengthened, n, c.skeletons, c.strengthened + lambda * n, c.skeletons);
  }
  return title;
}

bool CBentCapSkeletonSketch::IsMiddleColumn(int j, int m)
{
  if (m % 2 == 1)
    return j == (m - 1) / 2;
  return j == m / 2 - 1 || j == m / 2;
}

void CBentCapSkeletonSketch::DrawColumn(CDC& dc, int panel, const Panel& p, int j, int xl, char& letter) const
{
  const int w = m_nCellWidth;
  const int h = m_nCellHeight;
  const int code = m_pDesign->GetExtendSteel().GetCodeAt(j);
  dc.SetTextColor(IsMiddleColumn(j, CodeCount()) ? kSketchHighlight : kSketchOutline);
  const int left = xl + w * j;
  auto cellAt = [&](int row) { return CRect(left, p.y0 + p.grow * row * h, left + w, p.y0 + p.grow * row * h + h); };
  if (IsSkeletonCode(code)) {
    CString text;
    text.Format(L"%c", letter);
    CRect cell = cellAt(0);
    dc.DrawText(text, &cell, kCentred);
    if (m_pDesign->GetMoreInfo().GetBendDownMode() == 0)
      ++letter;
    return;
  }
  int used = 0;
  if (IsStrengthenedCode(code)) {
    CRect cell = cellAt(0);
    dc.DrawText(panel == 2 ? L"2" : L"1", &cell, kCentred);
    used = 1;
  }
  const int k = LayersAt(panel, code);
  if (used + k >= 2) {
    // The extra cells stacked beyond the row, in the panel's direction.
    const int extra = used + k - 1;
    const int edge = p.grow > 0 ? p.y0 + h : p.y0;
    const int far = edge + p.grow * extra * h;
    dc.MoveTo(left, edge);
    dc.LineTo(left, far);
    dc.MoveTo(left + w, edge);
    dc.LineTo(left + w, far);
    for (int r = 1; r <= extra; ++r) {
      dc.MoveTo(left, edge + p.grow * r * h);
      dc.LineTo(left + w, edge + p.grow * r * h);
    }
  }
  CString number;
  number.Format(L"%d", 7 + panel);
  for (int r = used; r < used + k; ++r) {
    CRect cell = cellAt(r);
    dc.DrawText(number, &cell, kCentred);
  }
}

void CBentCapSkeletonSketch::DrawPanel(CDC& dc, int panel, const CRect& client) const
{
  const Panel p = PanelAt(panel, client);
  const int m = CodeCount();
  const int w = m_nCellWidth;
  const int xl = RowLeft(p);
  // 1. The title over the row (over the room kept for the cells above the bottom row).
  const int titleBottom = (panel == 2 ? p.y0 - 3 * m_nCellHeight : p.y0) - m_nTitleGap;
  CRect titleBox(xl, titleBottom - m_nTitleHeight, xl + w * m, titleBottom);
  dc.SetTextColor(m_crTitle);
  dc.DrawText(PanelTitle(panel), &titleBox, kCentred | DT_NOCLIP);
  // 2. The row and its dividers.
  dc.Rectangle(xl, p.y0, xl + w * m, p.y0 + m_nCellHeight);
  for (int j = 1; j < m; ++j) {
    dc.MoveTo(xl + w * j, p.y0);
    dc.LineTo(xl + w * j, p.y0 + m_nCellHeight);
  }
  // 3. What each column holds.
  char letter = 'A';
  for (int j = 0; j < m; ++j)
    DrawColumn(dc, panel, p, j, xl, letter);
}

void CBentCapSkeletonSketch::OnPaint()
{
  CPaintDC dc(this);
  CRect client;
  GetClientRect(&client);
  CBrush black(kSketchBackground);
  dc.FillRect(client, &black);
  if (!m_pDesign)
    return;
  CSketchFonts fonts(m_pFont);
  CFont* oldFont = dc.SelectObject(fonts.Normal());
  CPen linePen(PS_SOLID, 1, m_crLine);
  CPen* oldPen = dc.SelectObject(&linePen);
  dc.SelectStockObject(NULL_BRUSH);
  dc.SetBkMode(TRANSPARENT);
  for (int panel = 0; panel < 3; ++panel)
    if (IsPanelShown(panel))
      DrawPanel(dc, panel, client);
  dc.SelectObject(oldPen);
  dc.SelectObject(oldFont);
}

BOOL CBentCapSkeletonSketch::HitTestColumn(CPoint point, int& panel, int& column) const
{
  if (!m_pDesign || !GetSafeHwnd())
    return FALSE;
  CRect client;
  GetClientRect(&client);
  const int cx = client.Width() / 2;
  const int cy = client.Height() / 2;
  if (point.x < cx && point.y < cy)
    panel = 0;
  else if (point.x > cx && point.y < cy)
    panel = 1;
  else if (point.x < cx && point.y > cy)
    panel = 2;
  else
    return FALSE;
  if (!IsPanelShown(panel))
    return FALSE;
  const int xl = RowLeft(PanelAt(panel, client));
  if (m_nCellWidth <= 0)
    return FALSE;
  column = static_cast<int>(std::floor(static_cast<double>(point.x - xl) / m_nCellWidth));
  return column >= 0 && column < CodeCount();
}

void CBentCapSkeletonSketch::StoreCode(int column, int code)
{
  CBent_ExtendSteel& extend = m_pDesign->GetExtendSteel();
  const int m = extend.GetCodeCount();
  if (m_pDesign->GetStrengtheningSymmetric()) {
    extend.SetCodeAt(std::min(column, m - 1 - column), code);
    extend.MirrorCodes();
  } else {
    extend.SetCodeAt(column, code);
  }
  Invalidate();
  UpdateWindow();
}

int CBentCapSkeletonSketch::AddAtColumn(CPoint point)
{
  int panel = 0;
  int column = 0;
  if (!HitTestColumn(point, panel, column))
    return 0;
  int code = m_pDesign->GetExtendSteel().GetCodeAt(column);
  if (IsSkeletonCode(code))
    return 0;
  if (code != 0) {
    if (!SetPanelDigit(panel, code, PanelDigit(panel, code) + 1))
      return 0;
  } else {
    CBentCapAddSteelDlg dialog(this);
    if (dialog.DoModal() != IDOK)
      return 0;
    if (dialog.m_nKind == 0)
      SetSkeletonCode(code, TRUE);
    else if (dialog.m_nKind == 1)
      SetCodeThousands(code, 1);
    else
      SetPanelDigit(panel, code, 1);
  }
  StoreCode(column, code);
  return 1;
}

int CBentCapSkeletonSketch::RemoveAtColumn(CPoint point)
{
  int panel = 0;
  int column = 0;
  if (!HitTestColumn(point, panel, column))
    return 0;
  int code = m_pDesign->GetExtendSteel().GetCodeAt(column);
  const int before = code;
  if (IsSkeletonCode(code))
    SetSkeletonCode(code, FALSE);
  else if (PanelDigit(panel, code) > 0)
    SetPanelDigit(panel, code, PanelDigit(panel, code) - 1);
  else if (IsStrengthenedCode(code))
    SetCodeThousands(code, 0);
  if (code == before)
    return 0;
  StoreCode(column, code);
  return 1;
}
