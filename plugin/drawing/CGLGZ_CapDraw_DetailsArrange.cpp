// How the bar details of both drawings are put together and onto the sheets: the bent-up bars
// hung under the top-plate bar with the span centre lines through them, stirrups side by side,
// and the packing of the details beside a half plan with the quantity table among them.
#include "CGLGZ_CapDraw.h"

#include "MavUtils.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kHangStep = 8.0;
constexpr double kKindOneGap = 6.0;
constexpr double kTableHalfWidth = 47.0;
constexpr double kTableWidth = 94.0;

} // namespace

void CGLGZ_CapDraw::PlaceDetail(CHLGZ_SteelCode& record, double x, double y)
{
    MoveEntities(record, AcGePoint3d(record.ptMin.x, record.ptMax.y, 0.0), AcGePoint3d(x, y, 0.0));
    MarkPlaced(record);
}

void CGLGZ_CapDraw::JoinDetail(int target, int member, const AcGePoint3d& corner)
{
    CHLGZ_SteelCode& t = m_steelCodes[target];
    CHLGZ_SteelCode& m = m_steelCodes[member];
    MoveEntities(m, AcGePoint3d(m.ptMin.x, m.ptMax.y, 0.0), corner);
    PlacementState(m) = -1;
    CopyIdList(t, m);
}

void CGLGZ_CapDraw::HangDetails(int reference, int kindOne, const std::vector<int>& upper, const std::vector<int>& lower)
{
    CHLGZ_SteelCode& ref = m_steelCodes[reference];
    if (ref.aFurtherPoints.length() < 3)
        return;
    // Each bent-up bar 8 under the one before, all under the top-plate bar's run.
    double level = ref.aFurtherPoints[2].y;
    for (const std::vector<int>* list : { &upper, &lower }) {
        for (int i : *list) {
            CHLGZ_SteelCode& record = m_steelCodes[i];
            if (i == reference || IsPlaced(record))
                continue;
            MoveEntities(record, AcGePoint3d(0.0, record.ptMax.y, 0.0), AcGePoint3d(0.0, level, 0.0));
            CopyIdList(ref, record);
            level -= kHangStep;
            MarkPlaced(record);
        }
    }
    ref.GetExtents(0);
    // The bottom-plate bar under all of them, its run 6 under their box.
    if (kindOne == reference || kindOne < 0)
        return;
    CHLGZ_SteelCode& bottom = m_steelCodes[kindOne];
    const int at = m_bAbutment ? 1 : 2;
    if (bottom.aFurtherPoints.length() <= at)
        return;
    const double y = bottom.aFurtherPoints[at].y;
    const double shift = ref.ptMin.y - kKindOneGap - y;
    MoveEntities(bottom, AcGePoint3d(0.0, 0.0, 0.0), AcGePoint3d(0.0, shift, 0.0));
    for (AcGePoint3d& p : bottom.aFurtherPoints)
        p.y += shift;
    CopyIdList(ref, bottom);
    MarkPlaced(bottom);
    ref.GetExtents(0);
}

void CGLGZ_CapDraw::DrawSpanCentreLines(int reference, int kindOne)
{
    if (reference < 0 || kindOne < 0 || reference >= m_steelCodes.GetSize() || kindOne >= m_steelCodes.GetSize())
        return;
    CHLGZ_SteelCode& ref = m_steelCodes[reference];
    const CHLGZ_SteelCode& bottom = m_steelCodes[kindOne];
    if (ref.aFurtherPoints.length() < 3 || bottom.aFurtherPoints.length() < 3 || m_pSupports == nullptr)
        return;
    const double top = ref.aFurtherPoints[2].y + 2.0;
    const double low = bottom.aFurtherPoints[2].y - 2.0;
    const int count = m_pSupports->length();
    MavUtils::selectLayer(L"13-中心");
    AcDbObjectId id;
    // One line a pier column; the columns of the drawn half only.
    for (int k = 0; k < count && k + 4 < m_lines.GetSize(); ++k) {
        if (m_bHalfDrawing && k >= (count + 1) / 2)
            continue;
        const double x = m_lines[k + 4].start.x;
        DrawLine(AcGePoint3d(x, top, 0.0), AcGePoint3d(x, low, 0.0), &id);
        ref.aEntityIds.append(id);
    }
    // The span's middle of a half drawing whose middle lies in a span, named down the line.
    if (!m_bHalfDrawing || count % 2 != 0 || m_lines.GetSize() < 4)
        return;
    const double x = (m_lines[2].start.x + m_lines[3].start.x) / 2.0;
    MavUtils::selectLayer(L"13-中心");
    DrawLine(AcGePoint3d(x, top, 0.0), AcGePoint3d(x, low, 0.0), &id);
    ref.aEntityIds.append(id);
    const double h = m_dLabelHeight;
    const double step = (top - low - 2.0 * h) / 7.0;
    const wchar_t* const characters[7] = { L"盖", L"梁", L"跨", L"径", L"中", L"心", L"线" };
    for (int i = 0; i < 7; ++i) {
        AddLabelText(id, AcGePoint3d(x + h, top - 1.5 * h - i * step, 0.0), characters[i], 1, 0.0, 0);
        ref.aEntityIds.append(id);
    }
}

AcGePoint3d CGLGZ_CapDraw::HalfPlanTablePoint() const
{
    if (m_ptsSheetOrigins.isEmpty())
        return AcGePoint3d::kOrigin;
    const AcGePoint3d& o = m_ptsSheetOrigins.first();
    double sectionWidth = 0.0;
    double sectionHeight = 0.0;
    MeasureColumnSection(sectionWidth, sectionHeight);
    const double u = m_frame.m_dWidth + o.x;
    const double first = m_ptsColumnSections.isEmpty() ? o.x : m_ptsColumnSections.first().x;
    const double v = sectionWidth / 2.0 + first + 10.0;
    const double x = u - v > kTableWidth ? (u + v) / 2.0 : o.x - kTableHalfWidth - 5.0 - 10.0;
    return AcGePoint3d(x, o.y + m_frame.m_dHeight - m_dLayoutMargin, 0.0);
}

int CGLGZ_CapDraw::ArrangeDetails()
{
    if (m_ptsSheetOrigins.isEmpty() || m_steelCodes.IsEmpty())
        return 1;
    const AcGePoint3d o = m_ptsSheetOrigins.first();
    const double f = m_frame.m_dWidth;
    const double bottom = o.y + TitleStripHeight();
    const double tableHeight = (m_steelCodes.GetSize() + 1) * 5.0 + 8.0 + 7.0;
    double sectionWidth = 0.0;
    double sectionHeight = 0.0;
    MeasureColumnSection(sectionWidth, sectionHeight);
    const double sectionX = m_ptsColumnSections.isEmpty() ? o.x : m_ptsColumnSections.first().x;
    // 1. The leading detail at the stirrup details' level.
    const INT_PTR leading = std::clamp<INT_PTR>(LeadingDetail(), 0, m_steelCodes.GetSize() - 1);
    PlaceLeadingDetail(m_steelCodes[leading]);
    // 2. The quantity table beside the column sections (the table orders the list).
    const AcGePoint3d table = HalfPlanTablePoint();
    DrawQuantityTable(table);
    // 3. A column of hooked and strengthening bars under the first detail.
    double level = m_steelCodes[leading].ptMin.y + 3.0;
    const double columnX = m_lines.GetSize() > 2 ? (m_lines[1].start.x + m_lines[2].start.x) / 2.0 : o.x;
    for (INT_PTR i = 0; i < m_steelCodes.GetSize(); ++i) {
        CHLGZ_SteelCode& record = m_steelCodes[i];
        if (IsPlaced(record) || PlacementState(record) != 4)
            continue;
        if (level - bottom < DetailHeight(record))
            break;
        MoveEntities(record, AcGePoint3d(record.ptMax.x, record.ptMax.y, 0.0), AcGePoint3d(columnX, level, 0.0));
        MarkPlaced(record);
        level -= DetailHeight(record) - DetailColumnOverlap();
    }
    // 4. Rows of the longitudinal details under the stirrup details' top.
    level = m_dStirrupDetailsTop + 10.0;
    const double rightLimit = f + o.x - 105.0;
    const double rowStart = columnX + 10.0;
    double x = rowStart;
    double rowHeight = 0.0;
    double rightmost = x;
    for (INT_PTR i = 0; i < m_steelCodes.GetSize(); ++i) {
        CHLGZ_SteelCode& record = m_steelCodes[i];
        const int state = PlacementState(record);
        if (IsPlaced(record) || (state != 2 && state != 3))
            continue;
        if (DetailHeight(record) > level - bottom)
            break;
        if (DetailWidth(record) > rightLimit - x) {
            if (rowHeight == 0.0)
                break;
            level -= rowHeight;
            x = rowStart;
            rowHeight = 0.0;
            --i;
            continue;
        }
        PlaceDetail(record, x, level);
        x += DetailWidth(record);
        rightmost = std::max(rightmost, x);
        rowHeight = std::max(rowHeight, DetailHeight(record) - 3.0);
    }
    // 5. Rows of stirrups under the quantity table, each row centred under it.
    level = table.y - tableHeight - 2.0;
    const double stirrupRight = f + o.x - 10.0;
    const double stirrupStart = std::max(sectionWidth / 2.0 + sectionX + 10.0, rightmost);
    x = stirrupStart;
    rowHeight = 0.0;
    std::vector<INT_PTR> row;
    auto centreRow = [&]() {
        const double shift = table.x - (stirrupStart + x) / 2.0;
        for (INT_PTR r : row)
            MoveEntities(m_steelCodes[r], AcGePoint3d(0.0, 0.0, 0.0), AcGePoint3d(shift, 0.0, 0.0));
        row.clear();
    };
    for (INT_PTR i = 0; i < m_steelCodes.GetSize(); ++i) {
        CHLGZ_SteelCode& record = m_steelCodes[i];
        if (IsPlaced(record) || PlacementState(record) != 5)
            continue;
        if (DetailHeight(record) > level - (TitleStripHeight() + o.y + 30.0))
            break;
        if (DetailWidth(record) - 3.0 > stirrupRight - x) {
            if (row.empty())
                break;
            centreRow();
            level -= rowHeight;
            x = stirrupStart;
            rowHeight = 0.0;
            --i;
            continue;
        }
        PlaceDetail(record, x, level);
        row.push_back(i);
        x += DetailWidth(record) - 3.0;
        rowHeight = std::max(rowHeight, DetailHeight(record) - 3.0);
    }
    centreRow();
    // 6. Whatever is left.
    PlaceLeftoverDetails();
    return 1;
}

void CGLGZ_CapDraw::PlaceLeadingDetail(CHLGZ_SteelCode& record)
{
    PlaceDetail(record, record.ptMin.x, m_ptStirrupDetails.y);
}

void CGLGZ_CapDraw::PlaceLeftoverDetails()
{
    if (m_ptsSheetOrigins.isEmpty())
        return;
    const AcGePoint3d o = m_ptsSheetOrigins.first();
    double level = o.y + m_frame.m_dHeight;
    for (INT_PTR i = 0; i < m_steelCodes.GetSize(); ++i) {
        CHLGZ_SteelCode& record = m_steelCodes[i];
        if (IsPlaced(record))
            continue;
        PlaceDetail(record, m_frame.m_dWidth + o.x + 10.0, level);
        level -= DetailHeight(record) - 3.0;
    }
}
