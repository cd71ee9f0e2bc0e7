// The closed stirrups of the skew-section drawing as marks of the quantity table: the stirrups
// of the cap's section, and at the skewed end those measured along the skew, whose height
// changes over the end's taper. Nothing is drawn here; the details draw them from their points.
#include "CGLGZ_BtDraw.h"

#include "NumericHelpers.h"
#include "RebarRules.h"

#include <cmath>

namespace {

constexpr double kDegree = 3.1415926535 / 180.0;
// The straight end of a stirrup's 135-degree hook, in bar diameters.
constexpr double kHookExtension = 5.0;
// Lengths that differ, so that the table shows the skew stirrups' average.
constexpr double kVaryingShortest = 2.0;
constexpr double kVaryingLongest = 1.0;

} // namespace

int CGLGZ_BtDraw::AddStirrupMarks(const StirrupCounts& counts)
{
    if (m_steelCodes.GetSize() == 0)
        return 0;
    const CHLGZ_MoreInfo& more = m_pDesign->GetMoreInfo();
    const CBent_BasicGeometry& g = *m_pGeometry;
    // The section a stirrup encloses: its bars' outer diameters, its hooks and the covers.
    const double os = GetRebarOuterDiameter(more.GetStirrupDiameter(), more.GetStirrupBarType());
    const double om = GetRebarOuterDiameter(more.GetSkeletonDiameter(), more.GetSkeletonBarType());
    const double u = GetHookLength(more.GetStirrupDiameter(), more.GetStirrupBarType(), 135, kHookExtension);
    const double h = std::fabs(g.dLHeight) + g.dMiddleHeight - m_pDesign->GetTopCover() - m_pDesign->GetBottomCover()
        + om + os;
    const double drop = g.dMiddleHeight - g.dLeftEndHeight;
    const double along = 1.0 / std::sin(g.dRightAngle * kDegree);
    // The column ranges of the first two stirrups of the section.
    const auto& stirrups = m_pDesign->GetMainFace().GetStirrups();
    double widths[2] = { 0.0, 0.0 };
    for (INT_PTR i = 0; i < 2 && i < stirrups.GetSize(); ++i)
        widths[i] = SumColumnSpacings(stirrups[i].GetEndColumn(), stirrups[i].GetStartColumn()) + om + os;
    const bool second = stirrups.GetSize() > 1 && counts.repeat == 0;
    const int k1 = counts.repeat + 1;
    // One mark: the next number, its bars and lengths, its outline.
    int added = 0;
    const auto add = [&](double w, int bars, double length, const CString& range) {
        CHLGZ_SteelCode mark;
        mark.nNumber = m_steelCodes[m_steelCodes.GetSize() - 1].nNumber + 1;
        mark.nBarType = more.GetStirrupBarType();
        mark.nDiameter = more.GetStirrupDiameter();
        mark.nCount = bars;
        mark.dAverageLength = length / 1000.0;
        mark.dMinLength = range.IsEmpty() ? length / 1000.0 : kVaryingShortest;
        mark.dMaxLength = range.IsEmpty() ? length / 1000.0 : kVaryingLongest;
        mark.dTotalLength = mark.dAverageLength;
        mark.aTexts.Add(CString());
        mark.aTexts.Add(range);
        const double x = -w / m_dScale;
        const double y = -h / m_dScale;
        for (const AcGePoint3d& p : { AcGePoint3d(0, 0, 0), AcGePoint3d(x, 0, 0), AcGePoint3d(x, y, 0),
                 AcGePoint3d(0, y, 0), AcGePoint3d(0, 0, 0) })
            mark.aPoints.append(p);
        m_steelCodes.Add(mark);
        ++added;
    };
    // 1. - 2. The stirrups of the section, the second range's unless the first repeats.
    add(widths[0], counts.rows * k1, 2.0 * (widths[0] + h + u), CString());
    if (second)
        add(widths[1], counts.rows, 2.0 * (widths[1] + h + u), CString());
    // 3. The skew stirrups over the taper, their height from the end's to the middle's.
    if (counts.skewPositions > 0 && counts.skewStirrups > 0) {
        CString range;
        range.Format(
            L"%s~%s", FormatFixed((h - drop) / 10.0, -1).GetString(), FormatFixed(h / 10.0, -1).GetString());
        for (int r = 0; r < (second ? 2 : 1); ++r) {
            const double w = widths[r] * along;
            add(w, 2 * counts.skewStirrups * (r == 0 ? k1 : 1), 2.0 * (w + h + u - drop / 2.0), range);
        }
    }
    // 4. The other stirrups of the skewed part, measured along the skew.
    if (counts.skewPositions > counts.skewStirrups) {
        const int rest = counts.skewPositions - counts.skewStirrups;
        for (int r = 0; r < (second ? 2 : 1); ++r) {
            const double w = widths[r] * along;
            add(w, 2 * rest * (r == 0 ? k1 : 1), 2.0 * (w + h + u), CString());
        }
    }
    // The details draw them with the bar tables' marks.
    m_nTableMarks += added;
    return added;
}
