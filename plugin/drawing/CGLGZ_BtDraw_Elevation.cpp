// The elevation of the skew-section drawing, completed after the plan: the heights at the left
// end (with the L part's), the overall length over the L part, the column spacings, the stirrups
// at the plan's positions, the side-bar rows and the stirrup kinds' heights and lengths; then the
// side bars of an L part, and the plan's stirrup kinds' mean lengths.
#include "CGLGZ_BtDraw.h"

#include "DrawingConstants.h"
#include "MavUtils.h"
#include "NumericHelpers.h"

#include <algorithm>
#include <cmath>

namespace {

// The L part's rows: arrows at 270 degrees and scale 2, their spacings 6 beside the end face
// with the texts 3 further out.
constexpr double kArrowScale = 2.0;
constexpr double kArrowAngle = 270.0;
constexpr double kChainOffset = -6.0;
constexpr double kChainTextOffset = -3.0;
// A row ends this far inside the end faces, as the dots of the main part's rows.
constexpr double kRowInset = 0.3;
// Every row of the L part stands for a bar on either face of it.
constexpr int kFacesOfLPart = 2;
// Stirrups whose plan widths differ by less than this (mm) are of one kind, as in the plan.
constexpr double kSameWidth = 1e-6;

// A dot touching a skewed end stands its radius, square to the end, inside it.
double DotInset(double degrees)
{
    const double s = std::sin(degrees * kDegree);
    return std::fabs(s) > 1e-9 ? kDotRadius / std::fabs(s) : kDotRadius;
}

} // namespace

int CGLGZ_BtDraw::DrawElevation()
{
    m_drawnItems.BeginItem(L"立面");
    static const ElevationStyle kStyle = { { 0.0, -9.0 }, { 0.0, -9.0 }, { 0.0, -13.5 }, 1, 1 };
    // The plan's stirrup kinds follow the grouped marks and the closing ones.
    m_nPlanStirrupRecords = m_nGroupedMarks >= 0 ? m_nGroupedMarks + m_nClosingMarks : -1;
    const int result = DrawElevationWith(kStyle);
    DrawLPartSideBarRows();
    SettlePlanStirrupAverages();
    return result;
}

// Every stirrup's hooks are 21.86 of its diameters, whatever its legs.
double CGLGZ_BtDraw::StirrupHookAllowance(bool /*singleLeg*/) const
{
    return 21.86 * m_pDesign->GetMoreInfo().GetStirrupDiameter();
}

// Under the L part's top bar (the top cover under its top) a row every nominal side-bar
// spacing, as long as it stays over the main part's top.
AcGeDoubleArray CGLGZ_BtDraw::LPartSideBarLevels() const
{
    AcGeDoubleArray levels;
    const double lh = m_pGeometry->dLHeight / m_dScale;
    const double spacing = m_pDesign->GetMoreInfo().GetSideBarSpacing() / m_dScale;
    if (lh <= 0.0 || spacing <= 0.0 || m_lines.GetSize() < 4)
        return levels;
    const double top = m_lines[2].start.y;
    const double tolerance = 1e-6;
    for (double y = top + lh - m_pDesign->GetTopCover() / m_dScale - spacing; y > top + tolerance; y -= spacing)
        levels.append(y);
    return levels;
}

void CGLGZ_BtDraw::DrawLPartSideBarRows()
{
    m_nExtraBarCount = 0;
    const AcGeDoubleArray levels = LPartSideBarLevels();
    if (levels.isEmpty())
        return;
    const CBent_BasicGeometry& g = *m_pGeometry;
    const double lh = g.dLHeight / m_dScale;
    const double top = m_lines[2].start.y;
    const double left = m_lines[2].start.x;
    const double right = m_bHalfDrawing ? ElevationMiddle() : m_lines[3].start.x;
    const double x0 = left + DotInset(g.dLeftAngle) + kRowInset;
    const double x1 = m_bHalfDrawing ? right : right - DotInset(g.dRightAngle) - kRowInset;
    // The spacings stand over the main part's side-bar spacings: beside the right end face of a
    // whole drawing, read upward so that they fall outside it; beside the left end face of a
    // half drawing, read downward.
    const double chainX = m_bHalfDrawing ? left : m_lines[3].start.x;
    const double side = m_bHalfDrawing ? -1.0 : 1.0;
    AcGePoint2dArray chain;
    chain.append(AcGePoint2d(chainX, top));
    for (int i = levels.length() - 1; i >= 0; --i)
        chain.append(AcGePoint2d(chainX, levels[i]));
    chain.append(AcGePoint2d(chainX, top + lh - m_pDesign->GetTopCover() / m_dScale));
    chain.append(AcGePoint2d(chainX, top + lh));
    if (m_bHalfDrawing)
        chain.reverse();
    for (int i = 0; i < levels.length(); ++i) {
        const double y = levels[i];
        MavUtils::selectLayer(L"08-标注");
        InsertMarkBlock(At(chainX - side * kChainOffset, y), kArrowScale, kArrowAngle, m_idLeaderArrow);
        MavUtils::selectLayer(L"04-钢筋");
        DrawLine(At(x0, y), At(x1, y));
        DrawSolidDot(At(x0, y), kDotRadius);
        if (!m_bHalfDrawing)
            DrawSolidDot(At(x1, y), kDotRadius);
        AddSideBarLengths(kFacesOfLPart, m_lines[3].start.x - left);
        m_nExtraBarCount += kFacesOfLPart;
    }
    MavUtils::selectLayer(L"08-标注");
    SelectDimStyle(m_dScale);
    DrawRebarCallout2d(chain, kChainOffset, kChainTextOffset, 0, 11, nullptr, 0);
}

int CGLGZ_BtDraw::PlanStirrupRecord(int stirrup) const
{
    const auto& stirrups = m_pDesign->GetMainFace().GetStirrups();
    if (m_nPlanStirrupRecords < 0 || stirrup < 0 || stirrup >= stirrups.GetSize())
        return -1;
    // The kinds in the order the plan made them: by width and legs, first met first.
    std::vector<std::pair<double, bool>> kinds;
    int kindOf = -1;
    for (INT_PTR i = 0; i <= stirrup; ++i) {
        const int start = stirrups[i].GetStartColumn();
        const int end = stirrups[i].GetEndColumn();
        const std::pair<double, bool> kind(SumColumnSpacings(end, start), start == -1 || end == -1);
        auto same = std::find_if(kinds.begin(), kinds.end(), [&](const std::pair<double, bool>& k) {
            return k.second == kind.second && IsEqualTol(k.first, kind.first, kSameWidth);
        });
        kindOf = static_cast<int>(same - kinds.begin());
        if (same == kinds.end())
            kinds.push_back(kind);
    }
    const int record = m_nPlanStirrupRecords + kindOf;
    return record < m_steelCodes.GetSize() ? record : -1;
}

// The plan gave each kind its count and the elevation its total length; the table reads the mean.
void CGLGZ_BtDraw::SettlePlanStirrupAverages()
{
    if (m_nPlanStirrupRecords < 0)
        return;
    for (INT_PTR r = m_nPlanStirrupRecords; r < m_steelCodes.GetSize(); ++r) {
        CHLGZ_SteelCode& code = m_steelCodes[r];
        if (code.nCount > 0 && code.dAverageLength <= 0.0)
            code.dAverageLength = code.dTotalLength / code.nCount;
    }
}
