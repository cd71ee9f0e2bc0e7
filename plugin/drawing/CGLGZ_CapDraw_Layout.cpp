// What the layouts of both drawings share: the measures of the plan and of a column section,
// the two views at the top of the first sheet, and the placement of the column sections.
#include "CGLGZ_CapDraw.h"
#include "DrawingConstants.h"

#include "NumericHelpers.h"
#include "acut.h"

#include <cmath>

namespace {

// The width right of the plan's left edge that the plan and the column sections beside it share.
constexpr double kViewsWidth = 385.0;
// What a whole plan's measure adds to its extent for the dimensions at its sides.
constexpr double kPlanDimensionsWidth = 40.0;
// The x of the views when the column sections do not fit beside the plan: the sheet's middle.
constexpr double kMiddleX = 192.5;
constexpr double kSectionPitch = 12.0;
constexpr double kRowGap = 10.0;
constexpr double kStackGap = 2.0;
constexpr double kViewGap = 10.0;

} // namespace

void CGLGZ_CapDraw::MeasurePlan(double& planWidth, double& elevationHeight, double& planHeight) const
{
    const CBent_BasicGeometry& g = *m_pGeometry;
    const double k = 1.0 / m_dScale;
    const double hw = g.dWidth * k / 2.0;
    const double hl = g.dLength * k / 2.0;
    // The two corners of each end lie on the end's skew line through the cap axis.
    AcGePoint3dArray corners;
    const double ends[2][2] = { { -hl, g.dLeftAngle * kDegree }, { hl, g.dRightAngle * kDegree } };
    for (const auto& end : ends) {
        const AcGePoint3d axis(end[0], 0.0, 0.0);
        const AcGePoint3d along(end[0] + std::cos(end[1]), std::sin(end[1]), 0.0);
        const double d = hw / std::sin(end[1]);
        corners.append(PointAlongLine(axis, along, d));
        corners.append(PointAlongLine(axis, along, -d));
    }
    const double width = FindExtremePoint(corners, 1, 1).x - FindExtremePoint(corners, 1, 0).x;
    const double height = FindExtremePoint(corners, 0, 1).y - FindExtremePoint(corners, 0, 0).y;
    planWidth = m_bHalfPlan ? width / 2.0 : width + kPlanDimensionsWidth;
    elevationHeight = g.dMiddleHeight * k + 9.0 + 28.0;
    planHeight = height + 9.0 + 17.0;
}

void CGLGZ_CapDraw::MeasureColumnSection(double& width, double& height) const
{
    const double k = 1.0 / m_dSectionScale;
    width = m_bHalfPlan ? m_pGeometry->dWidth * k : m_pGeometry->dWidth * k + 20.0;
    height = m_pGeometry->dMiddleHeight * k + 20.0 + 23.0 + ColumnSectionRise();
}
void CGLGZ_CapDraw::FitScaleToSheet()
{
    // The plan of a half drawing shows half the cap, with its dimensions beside it as a whole
    // plan has them.
    const int halfPlan = m_bHalfPlan;
    m_bHalfPlan = m_bHalfDrawing;
    auto planWidth = [this] {
        double width = 0.0, elevationHeight = 0.0, planHeight = 0.0;
        MeasurePlan(width, elevationHeight, planHeight);
        return m_bHalfPlan ? width + kPlanDimensionsWidth : width;
    };
    const double chosen = m_dScale;
    while (planWidth() > kViewsWidth) {
        const double next = StandardScaleAbove(m_dScale);
        if (next <= m_dScale)
            break;
        m_dScale = next;
    }
    m_bHalfPlan = halfPlan;
    if (m_dScale == chosen)
        return;
    AcDbObjectId style;
    CreateDimStyle(L"DIM" + FormatFixed(m_dScale, -7), m_dScale / 10.0, style);
    acutPrintf(L"绘图比例1:%s放不下图幅，改用1:%s。\n", FormatFixed(chosen, -7).GetString(),
        FormatFixed(m_dScale, -7).GetString());
}

CGLGZ_CapDraw::LayoutSizes CGLGZ_CapDraw::MeasureLayout(int halfPlan)
{
    m_bHalfPlan = halfPlan;
    LayoutSizes sizes;
    MeasurePlan(sizes.planWidth, sizes.elevationHeight, sizes.planHeight);
    MeasureColumnSection(sizes.sectionWidth, sizes.sectionHeight);
    return sizes;
}

int CGLGZ_CapDraw::ColumnSectionCount() const { return m_pDesign->GetSectionPositions().length(); }

void CGLGZ_CapDraw::PlaceTopViews(const AcGePoint3d& sheet, double x, double elevationHeight)
{
    SectionViewOrigin() = AcGePoint3d(x, sheet.y + kSheetHeight - m_dLayoutMargin, 0.0);
    MainViewOrigin() = AcGePoint3d(x, SectionViewOrigin().y - elevationHeight - kViewGap, 0.0);
}

double CGLGZ_CapDraw::WholePlanViewX(const AcGePoint3d& sheet, const LayoutSizes& sizes)
{
    const double free = kViewsWidth - sizes.planWidth;
    if (free < sizes.sectionWidth) {
        m_nSectionRow = 0;
        return sheet.x + kMiddleX;
    }
    m_nSectionRow = 1;
    return sheet.x + sizes.planWidth / 2.0;
}

void CGLGZ_CapDraw::StackColumnSections(double x, double secondY, double height)
{
    double y = SectionViewOrigin().y;
    const int count = ColumnSectionCount();
    for (int i = 0; i < count; ++i) {
        if (i == 1)
            y = secondY;
        else if (i > 1)
            y -= height + kStackGap;
        m_ptsColumnSections.append(AcGePoint3d(x, y, 0.0));
    }
    // With no section the stirrup details may start right under the section view's top.
    const double bottom = count > 0 ? y - height : y;
    m_dStirrupDetailsTop = bottom;
    m_dLowestSectionY = bottom;
    m_dLowestY = bottom;
}

int CGLGZ_CapDraw::PlaceColumnSectionRows(const AcGePoint3d& sheet, const LayoutSizes& sizes, double bottomMargin)
{
    const double free = kViewsWidth - sizes.planWidth;
    const double width = sizes.sectionWidth;
    if (free < width)
        return 0;
    const int perRow = static_cast<int>(std::trunc(free / (width + kSectionPitch)));
    if (perRow < 1)
        return 0;
    const double gap = (free - width * perRow) / (perRow + 1);
    const double left = SectionViewOrigin().x + sizes.planWidth / 2.0;
    const int count = ColumnSectionCount();
    int placed = 0;
    double y = SectionViewOrigin().y;
    while (placed < count) {
        // Every column section has the same height, so a row is as high as one of them.
        const double rowHeight = sizes.sectionHeight;
        if (sheet.y + bottomMargin > y - rowHeight)
            break;
        for (int v = 0; v < perRow && placed < count; ++v, ++placed)
            m_ptsColumnSections.append(AcGePoint3d(left + (v + 1) * gap + v * width + width / 2.0, y, 0.0));
        m_dLowestSectionY = y - rowHeight;
        y -= rowHeight + kRowGap;
    }
    return placed;
}

double CGLGZ_CapDraw::PlaceColumnSectionRow(double y, int first, const LayoutSizes& sizes)
{
    AcGePoint3d sheet = m_ptsSheetOrigins[m_ptsSheetOrigins.length() - 1];
    const double rowHeight = sizes.sectionHeight;
    if (y - kRowGap - rowHeight < sheet.y) {
        sheet = NextViewOrigin();
        y = sheet.y + kSheetHeight - 5.0;
        m_dMovedSectionsHeight = rowHeight;
    }
    const int count = ColumnSectionCount();
    for (int i = first; i < count; ++i) {
        const double x = sheet.x + 15.0 + sizes.sectionWidth / 2.0 + (i - first) * (sizes.sectionWidth + kSectionPitch);
        m_ptsColumnSections.append(AcGePoint3d(x, y, 0.0));
    }
    m_dLowestSectionY = y - rowHeight;
    return m_dLowestSectionY;
}
