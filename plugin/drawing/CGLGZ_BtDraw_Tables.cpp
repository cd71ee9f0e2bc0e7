// The bar tables of the skew-section drawing: the closed stirrups joined to the mark list after
// the grouped bars, with their lengths from the cap's section, so that the quantity table counts
// them; stirrups over the skewed end carry the range of their heights.
#include "CGLGZ_BtDraw.h"

#include "DrawingConstants.h"
#include "NumericHelpers.h"
#include "RebarRules.h"

#include <cmath>

namespace {

// The straight extension of a 135-degree stirrup hook, in bar diameters.
constexpr double kHookExtension = 5.0;

} // namespace

CGLGZ_BtDraw::StirrupArrangement CGLGZ_BtDraw::MeasureStirrupArrangement() const
{
    StirrupArrangement a;
    const auto& stirrups = m_pDesign->GetMainFace().GetStirrups();
    // The first stirrup's columns, repeated by every further stirrup over the same columns; a
    // second range is the first stirrup over other columns.
    for (INT_PTR i = 0; i < stirrups.GetSize(); ++i) {
        const int lo = stirrups[i].GetStartColumn();
        const int hi = stirrups[i].GetEndColumn();
        if (i == 0) {
            a.first[0] = lo;
            a.first[1] = hi;
        } else if (lo == a.first[0] && hi == a.first[1]) {
            ++a.repeats;
        } else if (a.second[0] == 0 && a.second[1] == 0) {
            a.second[0] = lo;
            a.second[1] = hi;
        }
    }
    a.hasSecond = a.second[0] != 0 || a.second[1] != 0;
    a.rows = m_dStirrupPositions.length();
    // The positions of the skewed part at one end, the right one whose angle the skew stirrups
    // take; the marks count them at both ends.
    a.skewPositions = m_dRightEndStirrups.length();
    // The stirrups at a skewed end follow its angle; at a square end they stand square.
    const double angle = m_pGeometry->dRightAngle;
    a.skewStirrups = std::fabs(angle - 90.0) > 1e-6 ? a.skewPositions : 0;
    return a;
}

bool CGLGZ_BtDraw::PlanCountsStirrup(int stirrup) const
{
    if (m_pGeometry->dLHeight <= 0.0)
        return true;
    const StirrupArrangement a = MeasureStirrupArrangement();
    const auto& stirrups = m_pDesign->GetMainFace().GetStirrups();
    auto over = [&](INT_PTR i, const int range[2]) {
        return stirrups[i].GetStartColumn() == range[0] && stirrups[i].GetEndColumn() == range[1];
    };
    if (over(stirrup, a.first))
        return false;
    if (a.repeats != 0 || !a.hasSecond)
        return true;
    INT_PTR firstOverSecond = 0;
    while (firstOverSecond < stirrups.GetSize() && !over(firstOverSecond, a.second))
        ++firstOverSecond;
    return stirrup != firstOverSecond;
}

// The stirrup's section width round bar columns a to b and its height, mm.
void CGLGZ_BtDraw::StirrupSection(int a, int b, double& width, double& height) const
{
    const CHLGZ_MoreInfo& more = m_pDesign->GetMoreInfo();
    const double os = GetRebarOuterDiameter(more.GetStirrupDiameter(), more.GetStirrupBarType());
    const double om = GetRebarOuterDiameter(more.GetSkeletonDiameter(), more.GetSkeletonBarType());
    const CBent_BasicGeometry& g = *m_pGeometry;
    width = SumColumnSpacings(std::max(a, b), std::min(a, b)) + om + os;
    height = std::fabs(g.dLHeight) + g.dMiddleHeight - m_pDesign->GetTopCover() - m_pDesign->GetBottomCover() + om + os;
}

void CGLGZ_BtDraw::AppendStirrupMark(double width, double height, double length, int count, const CString& range)
{
    CHLGZ_SteelCode& mark = m_steelCodes[AppendStirrupRecord()];
    mark.nCount = count;
    mark.dMinLength = mark.dMaxLength = mark.dAverageLength = length / 1000.0;
    mark.aTexts.Add(L"");
    mark.aTexts.Add(range);
    // The stirrup's outline from its upper right corner, drawing units.
    const double w = width / m_dScale;
    const double h = height / m_dScale;
    for (const AcGePoint3d& p : { AcGePoint3d(0.0, 0.0, 0.0), AcGePoint3d(-w, 0.0, 0.0), AcGePoint3d(-w, -h, 0.0),
             AcGePoint3d(0.0, -h, 0.0), AcGePoint3d(0.0, 0.0, 0.0) })
        mark.aPoints.append(p);
    ++m_nStirrupMarks;
}

int CGLGZ_BtDraw::AddStirrupMarks()
{
    return AddStirrupMarks(MeasureStirrupArrangement());
}

int CGLGZ_BtDraw::AddStirrupMarks(const StirrupArrangement& a)
{
    if (m_steelCodes.IsEmpty())
        return 0;
    const int before = m_nStirrupMarks;
    const CHLGZ_MoreInfo& more = m_pDesign->GetMoreInfo();
    const double u = GetHookLength(more.GetStirrupDiameter(), more.GetStirrupBarType(), 135, kHookExtension);
    const CBent_BasicGeometry& g = *m_pGeometry;
    const double sine = std::sin(g.dRightAngle * kDegree);
    const double along = std::fabs(sine) > 1e-12 ? 1.0 / std::fabs(sine) : 1.0;
    const int k = a.repeats;
    double w = 0.0;
    double h = 0.0;
    // 1. - 2. The main stirrups over the first column range, and over the second without repeats.
    StirrupSection(a.first[0], a.first[1], w, h);
    AppendStirrupMark(w, h, 2.0 * (w + h + u), a.rows * (k + 1), CString());
    if (k == 0 && a.hasSecond) {
        StirrupSection(a.second[0], a.second[1], w, h);
        AppendStirrupMark(w, h, 2.0 * (w + h + u), a.rows, CString());
    }
    // 3. The skew stirrups, whose height falls along the skewed end: the table shows their mean.
    const double fall = g.dMiddleHeight - g.dLeftEndHeight;
    auto skewMark = [&](int lo, int hi, int count) {
        StirrupSection(lo, hi, w, h);
        const double skewWidth = w * along;
        CString range;
        range.Format(L"%s~%s", FormatFixed((h - fall) / 10.0, -7).GetString(), FormatFixed(h / 10.0, -7).GetString());
        AppendStirrupMark(skewWidth, h, 2.0 * (skewWidth + h + u - fall / 2.0), count, range);
        CHLGZ_SteelCode& mark = m_steelCodes[m_steelCodes.GetSize() - 1];
        mark.dMinLength = 2.0;
        mark.dMaxLength = 1.0;
    };
    if (a.skewPositions > 0 && a.skewStirrups > 0) {
        skewMark(a.first[0], a.first[1], 2 * a.skewStirrups * (k + 1));
        if (k == 0 && a.hasSecond)
            skewMark(a.second[0], a.second[1], 2 * a.skewStirrups);
    }
    // 4. The other positions of the skewed part, square stirrups measured along the skew.
    const int rest = a.skewPositions - a.skewStirrups;
    if (rest > 0) {
        StirrupSection(a.first[0], a.first[1], w, h);
        AppendStirrupMark(w * along, h, 2.0 * (w * along + h + u), 2 * rest * (k + 1), CString());
        if (k == 0 && a.hasSecond) {
            StirrupSection(a.second[0], a.second[1], w, h);
            AppendStirrupMark(w * along, h, 2.0 * (w * along + h + u), 2 * rest, CString());
        }
    }
    return m_nStirrupMarks - before;
}

int CGLGZ_BtDraw::DrawBarTables()
{
    m_nTableMarksStart = static_cast<int>(m_steelCodes.GetSize());
    return AddStirrupMarks();
}
