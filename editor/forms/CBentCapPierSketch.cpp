#include "CBentCapPierSketch.h"

#include "BarColumnCodes.h"
#include "CBentCapSpacingDlg.h"
#include "CBrush.h"
#include "CPaintDC.h"
#include "CPen.h"
#include "CSketchFonts.h"
#include "NumericHelpers.h"
#include "SketchColours.h"
#include "SketchDimensions.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr double kUnset = 99999.0;
constexpr double kCodeBase = 80000.0;

// Sorted ascending, then every entry but the first replaced by its difference to the previous.
void ToIncrements(std::vector<double>& values, CArray<double, const double&>& spacings)
{
  std::sort(values.begin(), values.end());
  for (std::size_t i = 0; i < values.size(); ++i)
    spacings.Add(i == 0 ? values[i] : values[i] - values[i - 1]);
}

} // namespace

CBentCapPierSketch::CBentCapPierSketch() : m_crText(kSketchDimension), m_crBar(kSketchBar), m_crAxis(kSketchAxis) {}

int CBentCapPierSketch::SupportCount() const
{
  return m_pDesign ? static_cast<int>(m_pDesign->GetMainFace().GetSupports().GetSize()) : 0;
}

bool CBentCapPierSketch::LooksForOutermostBar() const
{
  if (!m_pDesign || m_nAbutment)
    return false;
  const CBent_MoreInfo& more = m_pDesign->GetMoreInfo();
  return more.GetBendDownMode() == 0 && more.GetOuterUpperFixed() == 1
         && m_pDesign->GetMainFace().GetLUTSteels().GetSize() > 0 && (m_nPier == 1 || m_nPier == SupportCount());
}

void CBentCapPierSketch::RebuildSpacingLists()
{
  m_aLeftSpacings.RemoveAll();
  m_aRightSpacings.RemoveAll();
  m_nOutermostBar = -1;
  if (!m_pDesign)
    return;
  const CBent_FaceInfo& face = m_pDesign->GetMainFace();
  const auto& bars = face.GetLUTSteels();
  const int n = SupportCount();
  const int s = m_nPier - 1;
  if (LooksForOutermostBar()) {
    for (int i = 0; i < static_cast<int>(bars.GetSize()); ++i) {
      const CBent_LUTSteel& bar = bars.GetAt(i);
      if (bar.GetColumnListSize() >= n && n > 0 && IsBarCodeInRange(bar.GetLeftAxisDistanceAt(0))) {
        m_nOutermostBar = i;
        m_dOutermostLeft = bar.GetLeftAxisDistanceAt(0) - kCodeBase;
        m_dOutermostRight = bar.GetRightAxisDistanceAt(n - 1) - kCodeBase;
        break;
      }
    }
  }
  std::vector<double> left;
  std::vector<double> right;
  for (int i = 0; i < static_cast<int>(bars.GetSize()); ++i) {
    const CBent_LUTSteel& bar = bars.GetAt(i);
    if (s < 0 || s >= bar.GetColumnListSize())
      continue;
    const bool outermost = i == m_nOutermostBar;
    if (bar.GetLeftAxisDistanceAt(s) != kUnset && !(outermost && m_nPier == 1))
      left.push_back(bar.GetLeftAxisDistanceAt(s));
    if (bar.GetRightAxisDistanceAt(s) != kUnset && !(outermost && m_nPier == n))
      right.push_back(bar.GetRightAxisDistanceAt(s));
  }
  if (s >= 0 && s < n) {
    const auto& own = face.GetSupports().GetAt(s).GetLPTSteels();
    for (INT_PTR i = 0; i < own.GetSize(); ++i) {
      if (own.GetAt(i).GetLeftAxisDistance() != kUnset)
        left.push_back(own.GetAt(i).GetLeftAxisDistance());
      if (own.GetAt(i).GetRightAxisDistance() != kUnset)
        right.push_back(own.GetAt(i).GetRightAxisDistance());
    }
  }
  ToIncrements(left, m_aLeftSpacings);
  ToIncrements(right, m_aRightSpacings);
}

double CBentCapPierSketch::SideSum(const CArray<double, const double&>& spacings, bool extra)
{
  double sum = 0.0;
  for (INT_PTR i = 0; i < spacings.GetSize(); ++i)
    sum += spacings.GetAt(i);
  if (extra && !spacings.IsEmpty())
    sum += spacings.GetAt(spacings.GetSize() - 1);
  return sum;
}

void CBentCapPierSketch::DrawSide(CDC& dc, const CRect& client, bool left, double scale, bool record)
{
  const auto& spacings = left ? m_aLeftSpacings : m_aRightSpacings;
  auto& points = left ? m_aLeftTextPoints : m_aRightTextPoints;
  const bool extra = left ? HasLeftExtra() : HasRightExtra();
  const int items = static_cast<int>(spacings.GetSize()) + (extra && !spacings.IsEmpty() ? 1 : 0);
  const int t = client.Height() / 4;
  const int g = client.Height() / 2 - client.Height() / 8;
  const int h = client.Width() / 2;
  const int sign = left ? -1 : 1;
  CPen barPen(PS_SOLID, 1, m_crBar);
  CPen textPen(PS_SOLID, 1, m_crText);
  double q = 0.0;
  int previous = h;
  for (int i = 0; i < items; ++i) {
    const bool isExtra = i == static_cast<int>(spacings.GetSize());
    const double increment = isExtra ? spacings.GetAt(spacings.GetSize() - 1) : spacings.GetAt(i);
    q += increment;
    const int x = h + sign * static_cast<int>(scale * q);
    dc.SelectObject(&barPen);
    dc.MoveTo(x, g);
    dc.LineTo(x + sign * t, g + t);
    dc.SelectObject(&textPen);
    const bool selected = i == m_nSelectedSpacing && m_nSelectedSide == (left ? 1 : 0);
    dc.SetTextColor(selected ? kSketchHighlight : m_crText);
    const int start = isExtra ? (left ? 0 : client.Width()) : previous;
    const double value = isExtra ? (left ? m_dOutermostLeft : m_dOutermostRight) : increment;
    DrawDimension(&dc, start, g, x, g, FormatSketchValue(value), 1);
    if (record)
      points.Add(CPoint((start + x) / 2, g));
    previous = x;
  }
}

void CBentCapPierSketch::OnPaint()
{
  CPaintDC dc(this);
  CRect client;
  GetClientRect(&client);
  CBrush black(kSketchBackground);
  dc.FillRect(client, &black);
  if (!m_pDesign)
    return;
  // 1. Lists rebuilt when emptied; this paint then records the text points anew.
  const bool record = m_aLeftSpacings.IsEmpty();
  if (record) {
    RebuildSpacingLists();
    m_aLeftTextPoints.RemoveAll();
    m_aRightTextPoints.RemoveAll();
  }
  // 2. The wider side.
  const double m = std::max(SideSum(m_aLeftSpacings, HasLeftExtra()), SideSum(m_aRightSpacings, HasRightExtra()));
  // 3. Axis and title.
  const int t = client.Height() / 4;
  const int g = client.Height() / 2 - client.Height() / 8;
  const int h = client.Width() / 2;
  CSketchFonts fonts(m_pFont);
  CFont* oldFont = dc.SelectObject(fonts.Normal());
  CPen axisPen(PS_DASHDOT, 1, m_crAxis);
  CPen* oldPen = dc.SelectObject(&axisPen);
  dc.MoveTo(h, g - 20);
  dc.LineTo(h, g + t + 20);
  dc.SetTextColor(m_crText);
  dc.SetBkColor(kSketchBackground);
  CString title;
  title.Format(L"墩柱%d", m_nPier);
  CRect titleBox(h - 20, g - 40, h + 20, g - 20);
  dc.DrawText(title, &titleBox, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP);
  // 4. Whether the outermost fixed bar was found.
  if (LooksForOutermostBar()) {
    CString note;
    if (m_nOutermostBar < 0)
      note = L"警告：没有找到最外侧固定的整体立面上弯起钢筋！";
    else
      note.Format(L"提示：最外侧固定的整体立面上弯起钢筋为N%d", m_nOutermostBar + 1);
    CRect noteBox(client.left, client.bottom - 40, client.right, client.bottom - 20);
    dc.DrawText(note, &noteBox, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }
  // 5. to 7. The bend points either side, scaled so that the wider side fills half the control.
  if (m > 0) {
    const double scale = (client.Width() / 2 - t) / m;
    DrawSide(dc, client, true, scale, record);
    DrawSide(dc, client, false, scale, record);
  }
  dc.SelectObject(oldPen);
  dc.SelectObject(oldFont);
}

void CBentCapPierSketch::Repaint()
{
  Invalidate();
  UpdateWindow();
}

void CBentCapPierSketch::SetOutermostValue(bool left, double value)
{
  auto& bars = m_pDesign->GetMainFace().GetLUTSteels();
  if (m_nOutermostBar < 0 || m_nOutermostBar >= bars.GetSize())
    return;
  CBent_LUTSteel& bar = bars.GetAt(m_nOutermostBar);
  const int n = SupportCount();
  if (left && bar.GetColumnListSize() > 0)
    bar.SetLeftAxisDistanceAt(0, std::fabs(value) + kCodeBase);
  else if (!left && n > 0 && bar.GetColumnListSize() >= n)
    bar.SetRightAxisDistanceAt(n - 1, std::fabs(value) + kCodeBase);
}

void CBentCapPierSketch::ShiftBendPoints(bool left, double p, double d)
{
  CBent_FaceInfo& face = m_pDesign->GetMainFace();
  const int s = m_nPier - 1;
  const int n = SupportCount();
  auto& bars = face.GetLUTSteels();
  for (int i = 0; i < static_cast<int>(bars.GetSize()); ++i) {
    CBent_LUTSteel& bar = bars.GetAt(i);
    if (s >= bar.GetColumnListSize())
      continue;
    if (i == m_nOutermostBar && ((left && m_nPier == 1) || (!left && m_nPier == n)))
      continue;
    const double v = left ? bar.GetLeftAxisDistanceAt(s) : bar.GetRightAxisDistanceAt(s);
    if (v == kUnset || v <= p)
      continue;
    if (left)
      bar.SetLeftAxisDistanceAt(s, v + d);
    else
      bar.SetRightAxisDistanceAt(s, v + d);
  }
  auto& own = face.GetSupports().GetAt(s).GetLPTSteels();
  for (INT_PTR i = 0; i < own.GetSize(); ++i) {
    CBent_LPTSteel& bar = own.GetAt(i);
    const double v = left ? bar.GetLeftAxisDistance() : bar.GetRightAxisDistance();
    if (v == kUnset || v <= p)
      continue;
    if (left)
      bar.SetLeftAxisDistance(v + d);
    else
      bar.SetRightAxisDistance(v + d);
  }
}

int CBentCapPierSketch::EditSpacingAt(CPoint point)
{
  // 1. Something to edit.
  if (!m_pDesign || m_nPier < 1 || m_nPier > SupportCount()
      || (m_aLeftTextPoints.IsEmpty() && m_aRightTextPoints.IsEmpty()))
    return 0;
  // 2. The text under the point: the right side wins over the left.
  const int gp = m_aLeftTextPoints.IsEmpty() ? m_aRightTextPoints.GetAt(0).y : m_aLeftTextPoints.GetAt(0).y;
  if (point.y < gp - 39 || point.y > gp + 1)
    return 0;
  auto find = [&](const CArray<CPoint, const CPoint&>& points) {
    for (int i = 0; i < static_cast<int>(points.GetSize()); ++i)
      if (std::abs(points.GetAt(i).x - point.x) < 20)
        return i;
    return -1;
  };
  int hit = find(m_aRightTextPoints);
  bool left = false;
  if (hit < 0) {
    hit = find(m_aLeftTextPoints);
    left = true;
  }
  if (hit < 0)
    return 0;
  // 3. The current value, shown selected while the dialog asks for the new one.
  const auto& spacings = left ? m_aLeftSpacings : m_aRightSpacings;
  const bool isExtra = hit >= static_cast<int>(spacings.GetSize());
  if (isExtra && m_nOutermostBar < 0)
    return 0;
  const double current = isExtra ? (left ? m_dOutermostLeft : m_dOutermostRight) : spacings.GetAt(hit);
  m_nSelectedSpacing = hit;
  m_nSelectedSide = left ? 1 : 0;
  Repaint();
  CBentCapSpacingDlg dialog(this);
  dialog.m_strValue = FormatSketchValue(current);
  int changed = 0;
  // 4. The new value moves the bars beyond the edited spacing.
  if (dialog.DoModal() == IDOK && !IsEqualTol(dialog.GetValue(), current, 1e-6)) {
    const double typed = dialog.GetValue();
    if (isExtra) {
      SetOutermostValue(left, typed);
    } else {
      double p = 0.0;
      for (int i = 0; i < hit; ++i)
        p += spacings.GetAt(i);
      ShiftBendPoints(left, p, typed - current);
    }
    if (m_pDesign->GetBarSkeletonSymmetric())
      m_pDesign->GetMainFace().ApplySymmetry();
    m_aLeftSpacings.RemoveAll();
    m_aRightSpacings.RemoveAll();
    changed = 1;
  }
  // 5. The selection goes either way.
  m_nSelectedSpacing = -1;
  Repaint();
  return changed;
}
