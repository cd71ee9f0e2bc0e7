// The strengthening straight bars of the skew-section details: one mark a layer of bars at the
// edge columns' inner side, at the middle columns and at mid-span, under the number the grouping
// kept for the group, each further layer primed and shortened by the decrement; and the extra
// straight bar of an L-shaped section.
#include "CGLGZ_BtDraw.h"

#include "MavUtils.h"
#include "RebarRules.h"

#include <algorithm>
#include <cmath>

namespace {

// Strengthening bars are marks of this kind in the details.
constexpr int kStrengtheningKind = 2;

// One group of strengthening bars: its bars (a layer index and a length in m each), its bar
// type and diameter, the distance its lengths lose, the leg its shape is drawn with, and
// whether its lengths are rounded to centimetres.
struct StrengtheningGroup {
    CHLGZ_SteelCode* bars;
    int barType;
    int diameter;
    double reduction;
    double drawnLeg;
    bool rounded;
};

double ToCentimetre(double metres) { return std::trunc(metres * 100.0 + 0.5) / 100.0; }

} // namespace

void CGLGZ_BtDraw::DrawStrengtheningBarShapes()
{
    CHLGZ_ExtendSteel& steel = m_pDesign->GetExtendSteel();
    // 1. The middle columns' bars join the edge columns' when both are alike.
    if (steel.GetEdgeTopSwitch() && steel.GetMiddleTopSwitch() && steel.GetSameAsEdgeSwitch()) {
        m_edgeTopBars.aTags.append(m_middleTopBars.aTags);
        m_edgeTopBars.aLengths.append(m_middleTopBars.aLengths);
        m_edgeTopBars.nCount += m_middleTopBars.nCount;
        m_middleTopBars.aTags.removeAll();
        m_middleTopBars.aLengths.removeAll();
        m_middleTopBars.nCount = 0;
    }
    // 2. - 3. Each group that is switched on and holds bars.
    const double inner = steel.GetEdgeInnerDistance();
    const StrengtheningGroup groups[] = {
        { &m_edgeTopBars, steel.GetTopBarType(), steel.GetTopDiameter(), inner, inner, true },
        { &m_middleTopBars, steel.GetTopBarType(), steel.GetTopDiameter(), inner, steel.GetMiddlePierDistance(),
            false },
        { &m_midSpanBars, steel.GetBottomBarType(), steel.GetBottomDiameter(), steel.GetMidSpanDistance(),
            steel.GetMidSpanDistance(), false },
    };
    const int switches[] = { steel.GetEdgeTopSwitch(), steel.GetMiddleTopSwitch(), steel.GetBottomSwitch() };
    // Each group's mark is the number the grouping kept for it, which the plan and the cross
    // sections show.
    int numbers[3] = { 0, 0, 0 };
    StrengtheningMarkNumbers(numbers[0], numbers[1], numbers[2]);
    const double dec = steel.GetMultiLayerDecrement();
    for (int g = 0; g < 3; ++g) {
        const StrengtheningGroup& group = groups[g];
        CHLGZ_SteelCode& bars = *group.bars;
        if (!switches[g] || bars.nCount <= 0)
            continue;
        // 3.1. A decrement below a millimetre makes one layer of every bar.
        if (std::fabs(dec) < 1.0)
            for (int k = 0; k < bars.aTags.length(); ++k)
                bars.aTags[k] = 0;
        // 3.2. The top layer.
        int top = 0;
        for (int k = 0; k < bars.aTags.length(); ++k)
            top = std::max(top, bars.aTags[k]);
        const int count = std::min(bars.aTags.length(), bars.aLengths.length());
        const double hook = GetHookLength(group.diameter, group.barType, 90, 0.0);
        for (int i = 0; i <= top; ++i) {
            // 3.3.1. - 3.3.2. The layer's mark: the group's number, further layers primed.
            CHLGZ_SteelCode record;
            record.nBarType = group.barType;
            record.nDiameter = group.diameter;
            record.nNumber = numbers[g];
            record.nPrimed = i;
            PlacementState(record) = kStrengtheningKind;
            // 3.3.3. The layer's bars, the last first; a layer without bars has no mark.
            int n = 0;
            for (int k = count - 1; k >= 0; --k) {
                if (bars.aTags[k] != i)
                    continue;
                record.AddLength(bars.aLengths[k]);
                ++n;
            }
            if (n == 0)
                continue;
            // The layer's bars are what the callout and the quantity table count.
            record.nCount = n;
            // 3.3.4. Lengths less the reduction, the average with both hooks, each further layer
            // shorter by the decrement.
            record.dMinLength -= group.reduction / 1000.0;
            record.dMaxLength -= group.reduction / 1000.0;
            record.dTotalLength = record.dTotalLength / n + 2.0 * hook / 1000.0 - 2.0 * i * dec / 1000.0;
            record.dAverageLength = record.dTotalLength;
            const double shorter = i * dec / 1000.0;
            record.dMinLength = group.rounded ? ToCentimetre(record.dMinLength - shorter) : record.dMinLength - shorter;
            record.dMaxLength = group.rounded ? ToCentimetre(record.dMaxLength - shorter) : record.dMaxLength - shorter;
            // 3.3.5. - 3.3.9. The shape, its range, its callout and its box.
            MavUtils::selectLayer(L"04-钢筋");
            DrawTwoPartBarDetail(
                record, record.dMinLength * 1000.0, record.dMaxLength * 1000.0, group.drawnLeg - i * dec, 1, 1);
            AddRangeLabel(record, record.dMinLength * 1000.0, record.dMaxLength * 1000.0, group.reduction - i * dec, 1, 1);
            // Running left, clear of the centre line's name over the leg. The callout gives the
            // bars' whole length, as the quantity table does: the shortest and longest lengths
            // less the reduction are the range label's, and bars of one length would show that.
            if (record.aPoints.length() >= 4) {
                const double shortest = record.dMinLength;
                const double longest = record.dMaxLength;
                if (std::fabs(longest - shortest) < 0.001)
                    record.dMinLength = record.dMaxLength = record.dTotalLength;
                DrawBarCallout(MidPoint(record.aPoints[2], record.aPoints[3]), &record, 1);
                record.dMinLength = shortest;
                record.dMaxLength = longest;
            }
            record.GetExtents(0);
            // 3.3.10. Into the mark list.
            m_steelCodes.Add(record);
        }
    }
    // 4. The extra bar of an L-shaped section.
    if (m_pGeometry->dLHeight <= 0.0)
        return;
    const CHLGZ_MoreInfo& more = m_pDesign->GetMoreInfo();
    CHLGZ_SteelCode record;
    record.nBarType = more.GetSkeletonBarType();
    record.nDiameter = more.GetSkeletonDiameter();
    record.nNumber = 1;
    record.nPrimed = 1;
    // The L part's side bars, which the elevation tallies, are counted under the side-bar mark.
    record.nCount = 1;
    PlacementState(record) = kStrengtheningKind;
    const double length = (m_pGeometry->dLength - 2.0 * m_pDesign->GetEndCover()) / 1000.0
        + 2.0 * GetHookLength(record.nDiameter, record.nBarType, 90, 0.0) / 1000.0;
    record.dMinLength = length;
    record.dMaxLength = length;
    record.dTotalLength = length;
    record.dAverageLength = length;
    MavUtils::selectLayer(L"04-钢筋");
    DrawHookedBarDetail(record, 0);
    AddAverageRangeLabel(record, 0);
    if (record.aPoints.length() >= 3) {
        AcGePoint3d callout = PointAlongLine(
            record.aPoints[1], record.aPoints[2], 0.75 * record.aPoints[1].distanceTo(record.aPoints[2]));
        callout.x -= 5.0;
        DrawBarCallout(callout, &record, 0);
    }
    record.GetExtents(0);
    m_steelCodes.Add(record);
}
