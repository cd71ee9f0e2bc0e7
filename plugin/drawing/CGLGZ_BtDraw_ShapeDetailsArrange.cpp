// The packing of the skew-section details after the alternative layout: the top-plate bar with
// what hangs under it first, then the other details in rows, the widest that fits first, beside
// and under it; the quantity table beside them or on a sheet of its own; a further sheet when
// nothing fits any more. Beside a half plan the shared packing leads with the top-plate bar.
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
// The room the notes take at the right of a sheet, and over its bottom.
constexpr double kNotesWidth = 95.0;
constexpr double kNotesRoom = 54.0;
// The gap under a row of column sections at the top of a sheet.
constexpr double kUnderSections = 10.0;

double Width(const CHLGZ_SteelCode& c) { return CGLGZ_CapDraw::DetailWidth(c); }
double Height(const CHLGZ_SteelCode& c) { return CGLGZ_CapDraw::DetailHeight(c); }
bool Unplaced(const CHLGZ_SteelCode& c, int group) { return CGLGZ_CapDraw::PlacementState(c) == group; }

// Rows of the unplaced details of the groups from (x0, level) within right and bottom, the
// widest detail that fits first; returns the level under the last row.
double PlaceRows(CGLGZ_CapDraw& draw, Codes& codes, std::initializer_list<int> groups, double x0, double level, double right, double bottom)
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
                draw.PlaceDetail(codes[best], x, level);
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
void PlaceAround(CGLGZ_CapDraw& draw, Codes& codes, const AcGePoint3d& box, const AcGePoint3d& sheet, double right)
{
    const double bottom = sheet.y + 15.0;
    PlaceRows(draw, codes, { 2, 3, 4, 5 }, box.x, sheet.y + kAreaHeight - 10.0, right, std::max(box.y, bottom));
    PlaceRows(draw, codes, { 2, 3, 4, 5 }, sheet.x + 5.0, box.y, right, bottom);
}

} // namespace

INT_PTR CGLGZ_BtDraw::LeadingDetail() const
{
    // The top-plate bar the others hang under; else the first detail still to be placed.
    INT_PTR first = -1;
    for (INT_PTR i = 0; i < m_steelCodes.GetSize(); ++i) {
        if (PlacementState(m_steelCodes[i]) == kHangingGroup)
            return i;
        if (first < 0 && !IsPlaced(m_steelCodes[i]) && m_steelCodes[i].aEntityIds.length() > 0)
            first = i;
    }
    return first < 0 ? 0 : first;
}

void CGLGZ_BtDraw::PlaceLeadingDetail(CHLGZ_SteelCode& record)
{
    const AcGePoint3d o = m_ptsSheetOrigins.length() > 0 ? m_ptsSheetOrigins[0] : m_ptBase;
    if (m_ptStirrupDetails.y - Height(record) >= o.y + TitleStripHeight()) {
        CGLGZ_CapDraw::PlaceLeadingDetail(record);
        return;
    }
    const AcGePoint3d sheet = OpenSheet();
    PlaceDetail(record, sheet.x + 5.0, sheet.y + kAreaHeight - 10.0);
}

void CGLGZ_BtDraw::PlaceLeftoverDetails()
{
    // Sheet after sheet, rows from the top; a detail larger than a sheet goes alone.
    while (AnyUnplaced(m_steelCodes)) {
        const AcGePoint3d o = OpenSheet();
        const double top = o.y + kAreaHeight - 10.0;
        PlaceRows(*this, m_steelCodes, { 2, 3, 4, 5 }, o.x + 5.0, top, o.x + kAreaWidth, o.y + 15.0);
        for (INT_PTR i = 0; i < m_steelCodes.GetSize(); ++i) {
            CHLGZ_SteelCode& c = m_steelCodes[i];
            if (PlacementState(c) > 0 && c.aEntityIds.length() > 0) {
                PlaceDetail(c, o.x + 5.0, top);
                break;
            }
        }
    }
}

int CGLGZ_BtDraw::ArrangeDetailsInRows()
{
    Codes& codes = m_steelCodes;
    // The details start at the top of the second sheet when the layout leaves it to them, else
    // under the views where the layout ended; their room is that of the sheet they start on.
    if (m_bDetailsOnSheet)
        while (m_ptsSheetOrigins.length() < 2)
            OpenSheet();
    if (m_ptsSheetOrigins.length() == 0)
        OpenSheet();
    AcGePoint3d v = m_ptsSheetOrigins[std::min(1, m_ptsSheetOrigins.length() - 1)];
    // Column sections the layout moved to the second sheet stand at its top.
    const double drop = m_dMovedSectionsHeight > 0.0 ? m_dMovedSectionsHeight + kUnderSections : 0.0;
    const double y0 = m_bDetailsOnSheet ? v.y + kAreaHeight - drop : m_dLowestY;
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
            sheet = OpenSheet();
            opened = true;
            x = sheet.x + 5.0;
            level = sheet.y + kAreaHeight - 10.0;
        }
        PlaceDetail(c, x, level);
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
    // 3. Rows of the straight and bent-up bars beside the first detail, then 4. under it, clear
    // of a table below the views.
    if (!opened) {
        const double top = m_bDetailsOnSheet ? v.y + kAreaHeight - m_dLayoutMargin - drop : y0;
        PlaceRows(*this, codes, { 2, 3 }, besideFirst, top, r, std::max(rowBottom, level));
        // Under it, clear of the notes at the sheet's right and of a table beside the first detail.
        const double underRight = mode == 1 ? std::min(r - kNotesWidth, table.x - kTableHalfWidth - 2.0) : r - kNotesWidth;
        if (mode != 2)
            PlaceRows(*this, codes, { 2, 3 }, v.x + 5.0, level, underRight, v.y + 15.0);
    }
    // 5. The table on a sheet of its own, every detail left in rows beside it.
    if (mode == 0) {
        if (!opened)
            sheet = OpenSheet();
        table.set(sheet.x + kAreaWidth - 10.0 - 59.5, sheet.y + kAreaHeight - 10.0, 0.0);
        // The hung details opened this sheet: the rows go beside and under them, the table
        // under them when they reach its place and it stays clear of the notes there; else the
        // table and the rows that find no room go on a further sheet.
        const AcGePoint3d box = opened && first >= 0 ? AcGePoint3d(codes[first].ptMax.x, level, 0.0)
                                                     : AcGePoint3d(sheet.x + 5.0, sheet.y + kAreaHeight - 10.0, 0.0);
        double right = table.x - kTableHalfWidth - 2.0;
        bool tableFurther = false;
        if (box.x + 2.0 > table.x - kTableHalfWidth) {
            table.y = level - 2.0;
            tableFurther = table.y - tableHeight < sheet.y + kNotesRoom;
            if (tableFurther)
                right = sheet.x + kAreaWidth - kNotesWidth;
        }
        PlaceAround(*this, codes, box, sheet, right);
        if (tableFurther) {
            sheet = OpenSheet();
            table.set(sheet.x + kAreaWidth - 10.0 - 59.5, sheet.y + kAreaHeight - 10.0, 0.0);
            const double under = PlaceRows(*this, codes, { 2, 3, 4, 5 }, sheet.x + 5.0, sheet.y + kAreaHeight - 10.0,
                table.x - kTableHalfWidth - 2.0, sheet.y + 15.0);
            // Under the table the whole width down to the notes.
            PlaceRows(*this, codes, { 2, 3, 4, 5 }, sheet.x + 5.0, std::min(under, table.y - tableHeight - 2.0),
                sheet.x + kAreaWidth, sheet.y + kNotesRoom);
        }
    }
    // 6. The table; what found no room goes on further sheets.
    DrawQuantityTable(table);
    PlaceLeftoverDetails();
    return 1;
}
