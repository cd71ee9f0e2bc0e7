// The layouts of the skew-section drawing: as those of the normal-section drawing, with its one
// skeleton detail from the sheet's left edge, placed after the column sections.
#include "CGLGZ_BtDraw.h"

#include <algorithm>

void CGLGZ_BtDraw::LayoutViews()
{
    // Half a plan, narrow column sections and the first sheet.
    const LayoutSizes s = MeasureLayout(1);
    const AcGePoint3d sheet = OpenSheet();
    // 1. The section view and the main view right of the half plan.
    const double x = sheet.x + 5.0 + s.planWidth + 20.0;
    PlaceTopViews(sheet, x, s.elevationHeight);
    // 2. Skeleton A under the plan.
    const AcGePoint3d detail(sheet.x, MainViewOrigin().y - s.planHeight - 3.0, 0.0);
    m_ptsDetailOrigins.append(detail);
    m_bDetailsOnSheet = 1;
    // 3. The stirrup details under it.
    m_ptStirrupDetails = AcGePoint3d(sheet.x, detail.y - (s.elevationHeight - 5.0), 0.0);
    m_nSectionRow = 1;
    // 4. The column sections right of the views, one under the other.
    StackColumnSections(x + 20.0 + 5.0 + 20.0 + s.sectionWidth / 2.0,
        SectionViewOrigin().y - s.sectionHeight - 2.0, s.sectionHeight);
}

void CGLGZ_BtDraw::LayoutViewsAlternative()
{
    // 1. The whole plan, wide column sections, the first sheet and both views.
    const LayoutSizes s = MeasureLayout(0);
    const double detailStep = s.elevationHeight - 12.0 - 13.0 + 6.0;
    const AcGePoint3d sheet = OpenSheet();
    const double x = WholePlanViewX(sheet, s);
    PlaceTopViews(sheet, x, s.elevationHeight);
    // 2. The column sections: rows right of the plan keep 65 at the sheet's bottom for the
    // detail, the others in one row under the plan.
    const double underPlan = MainViewOrigin().y - s.planHeight;
    double y0 = underPlan;
    double lowest = underPlan;
    const int placed = PlaceColumnSectionRows(sheet, s, 65.0);
    if (placed < ColumnSectionCount()) {
        const int sheets = m_ptsSheetOrigins.length();
        lowest = PlaceColumnSectionRow(underPlan, placed, s);
        if (m_ptsSheetOrigins.length() == sheets)
            y0 = lowest;
    }
    // 3. Skeleton A under the plan column when it fits on the first sheet; otherwise the
    // detail step finds its place.
    const double detailY = y0 - 10.0;
    if (detailY - detailStep >= sheet.y && s.planWidth - 20.0 + 110.0 <= m_frame.m_dWidth) {
        m_ptsDetailOrigins.append(AcGePoint3d(sheet.x, detailY, 0.0));
        m_bDetailsOnSheet = 1;
        lowest = std::min(lowest, detailY - detailStep);
    }
    m_dLowestY = lowest;
}
