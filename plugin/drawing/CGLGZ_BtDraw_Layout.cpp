// The layouts of the skew-section drawing: as those of the normal-section drawing, with its one
// skeleton detail from the sheet's left edge, placed after the column sections.
#include "CGLGZ_BtDraw.h"

#include "MavUtils.h"

#include <algorithm>

namespace {

// The room a column section keeps over the sheet's bottom edge; the left margin of a row of
// sections and their pitch beyond a section's width.
constexpr double kSheetBottomRoom = 5.0;
constexpr double kSectionsLeft = 15.0;
constexpr double kSectionPitch = 12.0;
// The drop of a skeleton detail on the second sheet: the room of its dimensions over its caption,
// and the gap under the column sections moved there.
constexpr double kSkeletonTopRoom = 15.0;
constexpr double kUnderMovedSections = 10.0;

} // namespace

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
    // 5. Sections that would run under the sheet's bottom go on a sheet of their own.
    MoveOverflowingSections(sheet, s);
}

// The first section that would reach under the sheet's bottom and those after it go in rows
// from the top of a further sheet, a section's width and 12 apart, as the whole drawing's last
// row; the stirrup details of the first sheet start under the last section left on it.
void CGLGZ_BtDraw::MoveOverflowingSections(const AcGePoint3d& sheet, const LayoutSizes& s)
{
    const int count = m_ptsColumnSections.length();
    int first = 1;
    while (first < count && m_ptsColumnSections[first].y - s.sectionHeight >= sheet.y + kSheetBottomRoom)
        ++first;
    if (first >= count)
        return;
    const double bottom = m_ptsColumnSections[first - 1].y - s.sectionHeight;
    m_dStirrupDetailsTop = bottom;
    m_dLowestSectionY = bottom;
    m_dLowestY = bottom;
    const AcGePoint3d further = NextViewOrigin();
    const double pitch = s.sectionWidth + kSectionPitch;
    const double left = further.x + kSectionsLeft + s.sectionWidth / 2.0;
    double x = left;
    double y = further.y + kSheetHeight - m_dLayoutMargin;
    for (int i = first; i < count; ++i) {
        if (x > left && x + s.sectionWidth / 2.0 > further.x + kSheetWidth - kSectionsLeft) {
            x = left;
            y -= s.sectionHeight + kSectionPitch;
        }
        m_ptsColumnSections[i] = AcGePoint3d(x, y, 0.0);
        x += pitch;
    }
    MavUtils::zoomWindow(sheet, AcGePoint3d(sheet.x + kSheetWidth, sheet.y + kSheetHeight, 0.0));
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
    // 4. The second sheet, where a detail that did not fit on the first goes, its dimensions
    // inside the frame, under the column sections moved there.
    while (m_ptsSheetOrigins.length() < 2)
        NextViewOrigin();
    m_dAlternativeOffset = kSkeletonTopRoom;
    if (m_dMovedSectionsHeight > 0.0)
        m_dAlternativeOffset += m_dMovedSectionsHeight + kUnderMovedSections;
}
