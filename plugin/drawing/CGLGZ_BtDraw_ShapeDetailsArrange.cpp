// The packing of the skew-section details: the top-plate bar with what hangs under it first,
// then the other details in rows, the widest that fits first, beside and under it; the quantity
// table beside them or on a sheet of its own; a further sheet when nothing fits any more.
#include "CGLGZ_BtDraw.h"

#include "MavUtils.h"

#include <algorithm>
#include <vector>

namespace {

using Codes = CArray<CHLGZ_SteelCode, const CHLGZ_SteelCode&>;

constexpr int kHangingGroup = 1;
// The usable area of a sheet from its origin.
constexpr double kAreaWidth = 380.0;
constexpr double kAreaHeight = 270.0;
// The quantity table's half width and its height without rows.
constexpr double kTableHalfWidth = 47.0;
constexpr double kTableBase = 16.0;

double Width(const CHLGZ_SteelCode& c) { return c.ptMax.x - c.ptMin.x; }
double Height(const CHLGZ_SteelCode& c) { return c.ptMax.y - c.ptMin.y; }
bool Unplaced(CHLGZ_SteelCode& c, int group) { return CGLGZ_BtDraw::PlacementState(c) == group; }

// A detail moved with the top-left corner of its box to the point and marked placed.
void Place(CHLGZ_SteelCode& c, double x, double y)
{
    CGLGZ_CapDraw::MoveEntities(c, AcGePoint3d(c.ptMin.x, c.ptMax.y, 0.0), AcGePoint3d(x, y, 0.0));
    CGLGZ_BtDraw::PlacementState(c) = -CGLGZ_BtDraw::PlacementState(c);
}

// Rows of the unplaced details of the groups from (x0, level) within right and bottom, the
// widest detail that fits first; returns the level under the last row.
double PlaceRows(Codes& codes, std::initializer_list<int> groups, double x0, double level, double right, double bottom)
{
    for (int group : groups) {
        double x = x0;
        double rowHeight = 0.0;
        for (;;) {
            INT_PTR best = -1;
            for (INT_PTR i = 0; i < codes.GetSize(); ++i) {
                CHLGZ_SteelCode& c = codes[i];
                if (!Unplaced(c, group) || Width(c) >= right - x || Height(c) >= level - bottom)
                    continue;
                if (best < 0 || Width(c) > Width(codes[best]))
                    best = i;
            }
            if (best >= 0) {
                Place(codes[best], x, level);
                x += Width(codes[best]);
                rowHeight = std::max(rowHeight, Height(codes[best]));
                continue;
            }
            if (rowHeight == 0.0)
                break;
            level -= rowHeight;
            x = x0;
            rowHeight = 0.0;
        }
    }
    return level;
}

bool AnyUnplaced(Codes& codes)
{
    for (INT_PTR i = 0; i < codes.GetSize(); ++i)
        if (CGLGZ_BtDraw::PlacementState(codes[i]) > 0 && codes[i].aEntityIds.length() > 0)
            return true;
    return false;
}

// Rows beside a detail standing at a sheet's top left (up to the right limit), then under it.
void PlaceAround(Codes& codes, const AcGePoint3d& box, const AcGePoint3d& sheet, double right)
{
    const double bottom = sheet.y + 15.0;
    PlaceRows(codes, { 2, 3, 4, 5 }, box.x, sheet.y + kAreaHeight - 10.0, right, std::max(box.y, bottom));
    PlaceRows(codes, { 2, 3, 4, 5 }, sheet.x + 5.0, box.y, right, bottom);
}

} // namespace

AcGePoint3d CGLGZ_BtDraw::OpenDetailSheet()
{
    const AcGePoint3d origin = NextViewOrigin();
    MavUtils::zoomWindow(origin, AcGePoint3d(origin.x + kSheetWidth, origin.y + kSheetHeight, 0.0));
    return origin;
}

void CGLGZ_BtDraw::PlaceRemainingDetails()
{
    // Sheet after sheet, rows from the top; a detail larger than a sheet goes alone.
    while (AnyUnplaced(m_steelCodes)) {
        const AcGePoint3d o = OpenDetailSheet();
        const double top = o.y + kAreaHeight - 10.0;
        PlaceRows(m_steelCodes, { 2, 3, 4, 5 }, o.x + 5.0, top, o.x + kAreaWidth, o.y + 15.0);
        for (INT_PTR i = 0; i < m_steelCodes.GetSize(); ++i) {
            CHLGZ_SteelCode& c = m_steelCodes[i];
            if (PlacementState(c) > 0 && c.aEntityIds.length() > 0) {
                Place(c, o.x + 5.0, top);
                break;
            }
        }
    }
}

int CGLGZ_BtDraw::ArrangeDetails()
{
    Codes& codes = m_steelCodes;
    const AcGePoint3d o = m_ptsSheetOrigins.length() > 0 ? m_ptsSheetOrigins[0] : m_ptBase;
    const double bottom = o.y + m_frame.m_dFurther2;
    const double rightEdge = o.x + m_frame.m_dWidth;
    // 1. The top-plate bar and what hangs under it, its top at the stirrup details' level; on a
    // further sheet when it would reach under the title strip.
    double level = m_ptStirrupDetails.y;
    double right = o.x + 5.0;
    double belowTop = bottom;
    std::vector<std::pair<AcGePoint3d, AcGePoint3d>> apart;
    for (INT_PTR i = 0; i < codes.GetSize(); ++i) {
        CHLGZ_SteelCode& c = codes[i];
        if (!Unplaced(c, kHangingGroup))
            continue;
        if (level - Height(c) < bottom) {
            const AcGePoint3d sheet = OpenDetailSheet();
            Place(c, sheet.x + 5.0, sheet.y + kAreaHeight - 10.0);
            apart.emplace_back(AcGePoint3d(c.ptMax.x, c.ptMin.y, 0.0), sheet);
            continue;
        }
        Place(c, std::max(c.ptMin.x, o.x + 5.0), level);
        level -= Height(c);
        right = std::max(right, c.ptMax.x);
        belowTop = level;
    }
    // 2. The quantity table right of the column sections when there is room, else on a sheet of
    // its own.
    const double tableHeight = codes.GetSize() * 5.0 + kTableBase;
    double width = 0.0;
    double height = 0.0;
    MeasureColumnSection(width, height);
    const double sections = m_ptsColumnSections.length() > 0 ? m_ptsColumnSections[0].x : SectionViewOrigin().x;
    const double w = width / 2.0 + sections + 10.0;
    const bool tableBeside = rightEdge - w > 2.0 * kTableHalfWidth;
    AcGePoint3d table((rightEdge + w) / 2.0, o.y + m_frame.m_dHeight - m_dLayoutMargin, 0.0);
    // 3. - 5. The others in rows beside the hung details, under the column sections and the
    // table, then under the hung details.
    double besideTop = std::min(m_ptStirrupDetails.y, m_dStirrupDetailsTop - 2.0);
    if (tableBeside)
        besideTop = std::min(besideTop, table.y - 6.0 - tableHeight - 2.0);
    const double underBeside = PlaceRows(codes, { 2, 3, 4, 5 }, right, besideTop, rightEdge, std::max(bottom, belowTop));
    const double underTop = right > o.x + 5.0 ? std::min(level, besideTop) : underBeside;
    PlaceRows(codes, { 2, 3, 4, 5 }, o.x + 5.0, underTop, rightEdge, bottom);
    // 6. Round the hung details that went on a sheet of their own; the table and what is left
    // beside it on a further sheet when it had no room; then further sheets.
    for (const auto& [box, sheet] : apart)
        PlaceAround(codes, box, sheet, sheet.x + kAreaWidth);
    if (!tableBeside) {
        const AcGePoint3d sheet = OpenDetailSheet();
        table.set(sheet.x + kAreaWidth - 10.0 - 59.5, sheet.y + kAreaHeight - 10.0, 0.0);
        PlaceAround(codes, AcGePoint3d(sheet.x + 5.0, sheet.y + kAreaHeight - 10.0, 0.0), sheet,
            table.x - kTableHalfWidth - 2.0);
    }
    DrawQuantityTable(table);
    PlaceRemainingDetails();
    return 1;
}

int CGLGZ_BtDraw::ArrangeDetailsInRows()
{
    Codes& codes = m_steelCodes;
    // The details start at the top of the second sheet when the layout leaves it to them, else
    // under the views where the layout ended; their room is that of the sheet they start on.
    if (m_bDetailsOnSheet)
        while (m_ptsSheetOrigins.length() < 2)
            OpenDetailSheet();
    if (m_ptsSheetOrigins.length() == 0)
        OpenDetailSheet();
    AcGePoint3d v = m_ptsSheetOrigins[std::min(1, m_ptsSheetOrigins.length() - 1)];
    const double y0 = m_bDetailsOnSheet ? v.y + kAreaHeight : m_dLowestY;
    for (int i = 0; i < m_ptsSheetOrigins.length(); ++i)
        if (y0 > m_ptsSheetOrigins[i].y && y0 <= m_ptsSheetOrigins[i].y + kSheetHeight)
            v = m_ptsSheetOrigins[i];
    const double r = v.x + kAreaWidth;
    const double tableHeight = codes.GetSize() * 5.0 + kTableBase;
    // 1. The top-plate bar and what hangs under it in a column from the top level; a detail that
    // would run off the sheet opens a new one.
    bool opened = false;
    double x = 0.0;
    double level = y0;
    INT_PTR first = -1;
    AcGePoint3d sheet = v;
    for (INT_PTR i = 0; i < codes.GetSize(); ++i) {
        CHLGZ_SteelCode& c = codes[i];
        if (!Unplaced(c, kHangingGroup))
            continue;
        if (first < 0) {
            first = i;
            x = c.ptMin.x;
        }
        const double after = level - Height(c);
        if (!opened && (v.y + 10.0 > after || (x + Width(c) > r - 95.0 && after - v.y < 54.0))) {
            sheet = OpenDetailSheet();
            opened = true;
            x = sheet.x + 5.0;
            level = sheet.y + kAreaHeight - 10.0;
        }
        Place(c, x, level);
        level -= Height(c);
    }
    // 2. The table beside the first detail, below the views, or on a sheet of its own.
    int mode = 0;
    double rowBottom = v.y + 54.0;
    AcGePoint3d table;
    const double besideFirst = first >= 0 ? codes[first].ptMax.x : v.x + 5.0;
    if (!opened && r - besideFirst > 119.0 && tableHeight < 206.0 - m_dLayoutMargin) {
        mode = 1;
        table.set(r - 5.0 - 59.5, v.y + tableHeight + 54.0 + 10.0, 0.0);
        rowBottom = std::max(level, v.y + tableHeight + 54.0 + 10.0);
    } else if (!opened && tableHeight < level - (v.y + 15.0)) {
        mode = 2;
        table.set(r - 5.0 - 95.0, v.y + tableHeight + 15.0 - 5.0, 0.0);
    }
    // 3. Rows beside the first detail, then 4. under it, clear of a table below the views.
    if (!opened) {
        const double top = m_bDetailsOnSheet ? v.y + kAreaHeight - m_dLayoutMargin : y0;
        PlaceRows(codes, { 2, 3, 4, 5 }, besideFirst, top, r, std::max(rowBottom, level));
        if (mode != 2)
            PlaceRows(codes, { 2, 3, 4, 5 }, v.x + 5.0, level, mode == 1 ? table.x - kTableHalfWidth - 2.0 : r,
                v.y + 15.0);
    }
    // 5. The table on a sheet of its own, the details left in rows beside it.
    if (mode == 0) {
        if (!opened)
            sheet = OpenDetailSheet();
        table.set(sheet.x + kAreaWidth - 10.0 - 59.5, sheet.y + kAreaHeight - 10.0, 0.0);
        // The hung details opened this sheet: the rows go beside and under them, the table
        // under them when they reach its place.
        const AcGePoint3d box = opened && first >= 0 ? AcGePoint3d(codes[first].ptMax.x, level, 0.0)
                                                     : AcGePoint3d(sheet.x + 5.0, sheet.y + kAreaHeight - 10.0, 0.0);
        if (box.x + 2.0 > table.x - kTableHalfWidth)
            table.y = level - 2.0;
        PlaceAround(codes, box, sheet, table.x - kTableHalfWidth - 2.0);
    }
    // 6. The table; what found no room goes on further sheets.
    DrawQuantityTable(table);
    PlaceRemainingDetails();
    return 1;
}
