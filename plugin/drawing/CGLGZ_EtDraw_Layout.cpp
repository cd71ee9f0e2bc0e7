// The layouts of the normal-section drawing: a half drawing on one sheet with the column
// sections stacked right of the views, every other cap with its skeleton details under the plan
// and its column sections beside the plan or under the details.
#include "CGLGZ_EtDraw.h"

void CGLGZ_EtDraw::LayoutViews()
{
    // 1. Half a plan and narrow column sections.
    const LayoutSizes s = MeasureLayout(1);
    // 2. The first sheet.
    const AcGePoint3d sheet = OpenSheet();
    // 3. - 4. The section view and the main view right of the half plan.
    const double x = sheet.x + 5.0 + s.planWidth + 20.0;
    PlaceTopViews(sheet, x, s.elevationHeight);
    // 5. The first skeleton detail under the main view.
    const AcGePoint3d detail(x, MainViewOrigin().y - s.planHeight, 0.0);
    m_ptsDetailOrigins.append(detail);
    m_bDetailsOnSheet = 1;
    // 6. The stirrup details under it.
    m_ptStirrupDetails = AcGePoint3d(x, detail.y - (s.elevationHeight - 15.0), 0.0);
    m_nSectionRow = 1;
    // 7. - 8. The column sections right of the views, the second level with the first detail.
    StackColumnSections(x + 10.0 - 3.0 + 20.0 + s.sectionWidth / 2.0, detail.y, s.sectionHeight);
}

void CGLGZ_EtDraw::LayoutViewsAlternative()
{
    // 1. The whole plan and wide column sections.
    const LayoutSizes s = MeasureLayout(0);
    const double detailStep = s.elevationHeight - 12.0 - 11.0 + 6.0;
    // 2. The first sheet.
    const AcGePoint3d sheet = OpenSheet();
    // 3. - 4. Both views, at the sheet's middle when no column section fits beside the plan.
    const double x = WholePlanViewX(sheet, s);
    PlaceTopViews(sheet, x, s.elevationHeight);
    // 5. One skeleton detail a kind group under the plan, on a new sheet when the sheet is full.
    // A detail runs over the sheet's width, so it must stay above the title block at its bottom.
    double y = MainViewOrigin().y - s.planHeight;
    double lowest = y;
    for (int g = 0; g < m_nGroups; ++g) {
        if (m_ptsSheetOrigins[m_ptsSheetOrigins.length() - 1].y + m_frame.m_dFurther2 > y - detailStep - 5.0)
            y = NextViewOrigin().y + kSheetHeight - m_dLayoutMargin;
        else if (g == 0)
            m_bDetailsOnSheet = 1;
        m_ptsDetailOrigins.append(AcGePoint3d(x, y, 0.0));
        lowest = y - detailStep;
        y -= detailStep + 5.0;
    }
    // 6. Rows of column sections right of the plan.
    const int placed = PlaceColumnSectionRows(sheet, s, 10.0);
    // 7. The others in one row under the details.
    if (placed < ColumnSectionCount())
        lowest = PlaceColumnSectionRow(y, placed, s);
    // 8. Where the views of the first sheets end.
    m_dLowestY = lowest;
}
