#include "CBentCapPreviewSketch.h"

#include "CBrush.h"
#include "CPaintDC.h"
#include "CPen.h"
#include "CSketchFonts.h"
#include "SketchColours.h"
#include "SketchDimensions.h"

#include <cmath>
#include <numbers>

namespace {

constexpr double kEndAngle = 75.0 * std::numbers::pi / 180.0;

} // namespace

CBentCapPreviewSketch::CBentCapPreviewSketch() : CBentCapElevationSketch(240, 22, 13, 35, 0) {}

void CBentCapPreviewSketch::DrawTexts(CDC& dc, const CRect& client, const Frame& f, const Plan& p) const
{
  CSketchFonts fonts(m_pFont);
  CFont* oldFont = dc.SelectObject(fonts.Normal());
  CPen pen(PS_SOLID, 1, m_crDimension);
  CPen* oldPen = dc.SelectObject(&pen);
  dc.SetBkMode(TRANSPARENT);
  dc.SetTextColor(m_crDimension);
  const CString length = FormatSketchValue(m_dLength);
  DrawDimensionUpright(&dc, f.xl, f.top - 10, f.xr, f.top - 10, length, 1);
  DrawDimensionUpright(&dc, f.xl - p.s, p.yc - p.u, f.xr - p.s, p.yc - p.u, length, 1);

  const int dx = static_cast<int>(10 * std::cos(kEndAngle));
  const int dy = static_cast<int>(10 * std::sin(kEndAngle));
  dc.Arc(f.xr - 10, p.yc - 10, f.xr + 10, p.yc + 10, f.xr + 10, p.yc, f.xr - dx, p.yc - dy);
  CRect angleBox(f.xr - 10, p.yc - 30, f.xr + 30, p.yc - 10);
  dc.DrawText(FormatSketchValue(m_dAngle), &angleBox, DT_CENTER | DT_VCENTER | DT_SINGLELINE);

  CString counts;
  counts.Format(L"共有钢筋%d列，其中骨架%d列", m_nBarColumnCount, m_nSkeletonColumnCount);
  CRect countBox(client.left, client.bottom - 20, client.right, client.bottom);
  dc.DrawText(counts, &countBox, DT_CENTER | DT_VCENTER | DT_SINGLELINE);

  dc.SelectObject(fonts.Upright());
  DrawDimensionUpright(&dc, f.xl, f.top + (m_nAbutment ? f.e : m_nMiddleHeight), f.xl, f.top,
                       FormatSketchValue(m_dMiddleHeight), 1);
  DrawDimensionUpright(&dc, f.xl - p.s, p.yc - p.u, f.xl - p.s, p.yc + p.u, FormatSketchValue(m_dWidth), 1);
  dc.SelectObject(oldPen);
  dc.SelectObject(oldFont);
}

void CBentCapPreviewSketch::OnPaint()
{
  CPaintDC dc(this);
  CRect client;
  GetClientRect(&client);
  if (m_nColumnCount <= 0) {
    CBrush black(kSketchBackground);
    dc.FillRect(client, &black);
    return;
  }
  const Frame f = LayoutElevation(client, 10);
  PaintElevation(dc, client, f, ColumnPiece{13, 9, 6.5});
  Plan plan{};
  plan.yc = (client.Height() / 2) * 3 / 2;
  plan.u = m_nPlanWidth / 2;
  plan.s = static_cast<int>(plan.u / std::tan(kEndAngle));
  DrawPlan(dc, f, plan);
  DrawTexts(dc, client, f, plan);
}
