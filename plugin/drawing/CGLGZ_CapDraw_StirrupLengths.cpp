// The plan's stirrup kinds settled after the elevation: the heights of their stirrups there, as
// a range where they differ, and the lengths of their legs and hooks added to their totals.
#include "CGLGZ_CapDraw.h"

#include "NumericHelpers.h"
#include "RebarRules.h"

#include <algorithm>
#include <vector>

namespace {

// Stirrups whose widths differ by less than this (mm) are of one kind, as in the plan.
constexpr double kSameWidth = 1e-6;

// A stirrup kind of the plan: its width (mm), whether it has one leg, and how many stirrups of
// the main face it counts.
struct StirrupKind {
    double width = 0.0;
    bool singleLeg = false;
    int stirrups = 0;
};

} // namespace

// The plan appended one record a stirrup kind (in the order of the face's stirrups) and, when
// an end is skewed and has stirrups, one more a kind for the skewed ones, after them. The kind
// records take the laid-out positions and those of a square end, the others those of the
// skewed ends. A closed stirrup has two legs and two 90-degree hooks, a single leg one leg and
// one 135-degree hook.
void CGLGZ_CapDraw::SettleStirrupLengths()
{
    const auto& stirrups = m_pDesign->GetMainFace().GetStirrups();
    std::vector<StirrupKind> kinds;
    for (INT_PTR i = 0; i < stirrups.GetSize(); ++i) {
        const int start = stirrups[i].GetStartColumn();
        const int end = stirrups[i].GetEndColumn();
        StirrupKind kind;
        kind.width = SumColumnSpacings(end, start);
        kind.singleLeg = start == -1 || end == -1;
        auto same = std::find_if(kinds.begin(), kinds.end(), [&](const StirrupKind& k) {
            return k.singleLeg == kind.singleLeg && IsEqualTol(k.width, kind.width, kSameWidth);
        });
        // A stirrup that other marks count adds nothing to its kind's lengths.
        const int counted = PlanCountsStirrup(static_cast<int>(i)) ? 1 : 0;
        if (same == kinds.end()) {
            kind.stirrups = counted;
            kinds.push_back(kind);
        } else {
            same->stirrups += counted;
        }
    }
    const CBent_BasicGeometry& g = *m_pGeometry;
    const bool leftSquare = g.dLeftAngle == 90.0;
    const bool rightSquare = g.dRightAngle == 90.0;
    const bool skewedEnds
        = (!leftSquare && !m_dLeftEndStirrups.isEmpty()) || (!rightSquare && !m_dRightEndStirrups.isEmpty());
    const int k = static_cast<int>(kinds.size());
    const INT_PTR first = m_steelCodes.GetSize() - k - (skewedEnds ? k : 0);
    if (k == 0 || first < 0)
        return;
    // The positions of either set of records over the whole cap, as the plan counted them.
    std::vector<double> laidOut;
    std::vector<double> skewed;
    auto take = [&](const AcGeDoubleArray& list, std::vector<double>& into) {
        for (int i = 0; i < list.length(); ++i)
            into.push_back(list[i]);
    };
    take(m_dStirrupPositions, laidOut);
    take(m_dLeftEndStirrups, leftSquare ? laidOut : skewed);
    take(m_dRightEndStirrups, rightSquare ? laidOut : skewed);
    std::vector<double> heights[2];
    for (int set = 0; set < 2; ++set) {
        for (double x : set == 0 ? laidOut : skewed) {
            const double h = StirrupHeightAt(x);
            if (h > 0.0)
                heights[set].push_back(h);
        }
    }
    const double hooks[2] = { StirrupHookAllowance(false), StirrupHookAllowance(true) };
    for (int set = 0; set < (skewedEnds ? 2 : 1); ++set) {
        const std::vector<double>& h = heights[set];
        if (h.empty())
            continue;
        const double shortest = *std::min_element(h.begin(), h.end());
        const double longest = *std::max_element(h.begin(), h.end());
        double sum = 0.0;
        for (double value : h)
            sum += value;
        for (int i = 0; i < k; ++i) {
            const StirrupKind& kind = kinds[i];
            CHLGZ_SteelCode& record = m_steelCodes[first + set * k + i];
            const double legs = (kind.singleLeg ? sum : 2.0 * sum) + h.size() * hooks[kind.singleLeg ? 1 : 0];
            record.dTotalLength += legs * kind.stirrups / 1000.0;
            while (record.aTexts.GetSize() < 2)
                record.aTexts.Add(CString());
            const CString low = FormatFixed(shortest / 10.0, -1);
            const CString high = FormatFixed(longest / 10.0, -1);
            // The plan leaves "0" for the height of its skewed kinds; one height replaces it.
            if (low != high)
                record.aTexts[1].Format(L"%s~%s", low.GetString(), high.GetString());
            else if (record.aTexts[1] == L"0")
                record.aTexts[1] = low;
        }
    }
}

double CGLGZ_CapDraw::StirrupHookAllowance(bool singleLeg) const
{
    const CHLGZ_MoreInfo& more = m_pDesign->GetMoreInfo();
    if (singleLeg)
        return GetHookLength(more.GetStirrupDiameter(), more.GetStirrupBarType(), 135, 0.0);
    return 2.0 * GetHookLength(more.GetStirrupDiameter(), more.GetStirrupBarType(), 90, 0.0);
}
