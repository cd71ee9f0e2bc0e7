// The column sections "Ⅱ－Ⅱ" ... of the normal-section drawing: one cross-section of the cap a
// section code, with the bars the cut meets, the strengthening bars, the stirrups and their
// marks, the spacing of the bar columns, the tables of the skeleton kinds and the side bars.
#include "CGLGZ_CapDraw_ColumnSectionWork.h"
#include "DrawingConstants.h"
#include "CGLGZ_EtDraw.h"

#include "MavUtils.h"
#include "NumericHelpers.h"
#include "RebarRules.h"

#include <algorithm>
#include <cmath>

namespace {

// A stirrup runs this far outside the dots it holds; each stirrup round another one this much
// further out, and the second pass at its hooks once more this far.
constexpr double kStirrupGap = 0.1;
constexpr double kNestedGap = 0.15;
// The top edge under the title, and the tables' first lines above and below the section. The
// lower table stands under the spacing chain, whose line runs 9 under the bottom edge.
constexpr double kTopBelowTitle = 19.0;
constexpr double kUpperTableGap = 10.0;
constexpr double kLowerTableGap = 12.0;
constexpr double kRowHeight = 3.0;
constexpr double kCellWidth = 2.5;
constexpr double kCellWidthFactor = 0.75;

// The bar columns of a stirrup (0-based; -1 when it names none of the section's columns),
// whether it has one leg, and how many stirrups it holds inside one another.
struct StirrupSpan {
    int lo = -1;
    int hi = -1;
    bool single = false;
    int level = 0;
};

std::vector<StirrupSpan> StirrupSpans(const CArray<CHLGZ_PAFSteel, const CHLGZ_PAFSteel&>& stirrups, int columns)
{
    std::vector<StirrupSpan> spans(static_cast<size_t>(stirrups.GetSize()));
    auto valid = [&](int column) { return column >= 1 && column <= columns; };
    for (INT_PTR i = 0; i < stirrups.GetSize(); ++i) {
        const int start = stirrups[i].GetStartColumn();
        const int end = stirrups[i].GetEndColumn();
        StirrupSpan& span = spans[static_cast<size_t>(i)];
        span.single = start == -1 || end == -1;
        if (span.single && (valid(start) || valid(end))) {
            span.lo = span.hi = (valid(start) ? start : end) - 1;
        } else if (!span.single && valid(start) && valid(end)) {
            span.lo = std::min(start, end) - 1;
            span.hi = std::max(start, end) - 1;
        }
    }
    // The narrower first, so that each stirrup knows the levels of those it holds.
    std::vector<size_t> order(spans.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    auto width = [&](size_t i) { return spans[i].hi - spans[i].lo; };
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return width(a) < width(b); });
    for (size_t i : order) {
        if (spans[i].single || spans[i].lo < 0)
            continue;
        for (size_t j : order) {
            const StirrupSpan& inner = spans[j];
            if (inner.lo >= spans[i].lo && inner.hi <= spans[i].hi && width(j) < width(i))
                spans[i].level = std::max(spans[i].level, inner.level + 1);
        }
    }
    return spans;
}

// The lowest and highest level of the bars and strengthening bars in a stirrup's columns; the
// levels stay when it holds none.
void HeldLevels(const CGLGZ_EtDraw::ColumnSectionWork& w, const StirrupSpan& span, double& low, double& high)
{
    double lo = 1e300;
    double hi = -1e300;
    auto hold = [&](int column, double height) {
        if (column >= span.lo && column <= span.hi) {
            lo = std::min(lo, height);
            hi = std::max(hi, height);
        }
    };
    for (const auto& bar : w.bars) {
        for (int c = span.lo; c <= span.hi; ++c) {
            if (w.In(bar, c))
                hold(c, bar.height);
        }
    }
    for (const auto& dot : w.strengthening)
        hold(dot.column, dot.height);
    if (lo <= hi) {
        low = lo;
        high = hi;
    }
}

// A closed stirrup from its first hook round to its upper left corner, and on, a little further
// out, into its second hook; h is a hook's reach along either axis.
AcGePoint3dArray StirrupPoints(double xL, double xR, double yT, double yB, double h)
{
    const double xo = xL - kStirrupGap;
    const double yo = yT + kStirrupGap;
    AcGePoint3dArray points;
    points.append(At(xL + h, yT - h));
    points.append(At(xL, yT));
    points.append(At(xR, yT));
    points.append(At(xR, yB));
    points.append(At(xL, yB));
    points.append(At(xo, yo));
    points.append(At(xo + h, yo - h));
    return points;
}

// A single leg at x, hooked back to the left at both ends.
AcGePoint3dArray SingleLegPoints(double x, double yT, double yB, double h)
{
    AcGePoint3dArray points;
    points.append(At(x - h, yT - h));
    points.append(At(x, yT));
    points.append(At(x, yB));
    points.append(At(x - h, yB + h));
    return points;
}

} // namespace

int CGLGZ_EtDraw::DrawColumnSection(AcGePoint3d& origin, int code, int index, double& depth)
{
    m_drawnItems.BeginItem(ItemName(L"截面", index + 1));
    depth = 0.0;
    if (m_pDesign == nullptr || m_pGeometry == nullptr || m_dSectionScale <= 0.0)
        return 1;
    ColumnSectionWork w;
    w.origin = origin;
    w.code = code;
    w.s2 = m_dSectionScale;
    // 1. Where the cut lies; 2. the bars it meets, the strengthening bars it adds, and the rows
    // of the tables, which place the outline under the title.
    w.cut = ClassifyColumnSection(code);
    CollectSectionBars(w);
    CollectSectionStrengthening(w);
    w.upperRows = ArrangementRows(w, 1);
    w.lowerRows = ArrangementRows(w, 0);
    PlaceColumnSection(w);
    // 3. The section scale and the title.
    DrawColumnSectionTitle(origin, index, w.s2);
    // 4. The outline; 5. the bars and the stirrups round them.
    DrawSectionOutline(w);
    DrawSectionBars(w);
    DrawSectionStirrups(w);
    // 6. The spacing of the bar columns.
    DrawSectionSpacings(w);
    // 7. The arrangement tables above and below.
    const double tableLeft = origin.x - w.xs.length() * kCellWidth / 2.0;
    DrawArrangementTable(tableLeft, w.top + kUpperTableGap, w.upperRows, 1);
    DrawArrangementTable(tableLeft, w.bottom - kLowerTableGap, w.lowerRows, 0);
    // 8. The side bars.
    DrawSectionSideBars(w);
    const double lowest = w.bottom - kLowerTableGap - kRowHeight * std::max<size_t>(w.lowerRows.size(), 1);
    depth = origin.y - lowest;
    return 1;
}

// The letters of the skeleton kinds at the bars of each layer above (or below) mid-height, the
// layer next to that face first; one row when every layer shows the same letters.
std::vector<CString> CGLGZ_EtDraw::ArrangementRows(const ColumnSectionWork& w, int upper) const
{
    const double middle = m_pGeometry->dMiddleHeight / 2.0;
    const int columns = m_pDesign->GetMainFace().GetBarColumnCount();
    std::vector<CString> rows;
    for (const ColumnSectionWork::Bar& bar : w.bars) {
        if ((bar.height > middle) != (upper != 0))
            continue;
        CString row;
        for (int c = 0; c < columns; ++c)
            row += w.In(bar, c) ? KindLetter(c) : L' ';
        rows.push_back(row);
    }
    if (upper)
        std::reverse(rows.begin(), rows.end());
    if (!rows.empty() && std::all_of(rows.begin(), rows.end(), [&](const CString& r) { return r == rows[0]; }))
        rows.resize(1);
    return rows;
}

// Under the title, lowered by the rows of the upper table, which would otherwise reach the
// title's scale.
void CGLGZ_EtDraw::PlaceColumnSection(ColumnSectionWork& w) const
{
    const double width = m_pGeometry->dWidth / w.s2;
    const double height = m_pGeometry->dMiddleHeight / w.s2;
    w.top = w.origin.y - kTopBelowTitle - kRowHeight * static_cast<double>(w.upperRows.size());
    w.bottom = w.top - height;
    w.left = w.origin.x - width / 2.0;
    w.right = w.origin.x + width / 2.0;
    w.xs = ColumnSectionXs(w.left);
}

void CGLGZ_EtDraw::DrawSectionBars(const ColumnSectionWork& w)
{
    MavUtils::selectLayer(L"04-钢筋");
    for (const ColumnSectionWork::Bar& bar : w.bars) {
        for (int c = 0; c < w.xs.length(); ++c) {
            if (w.In(bar, c))
                DrawSolidDot(At(w.xs[c], w.Y(bar.height)), kDotRadius);
        }
    }
    for (const ColumnSectionWork::Dot& dot : w.strengthening) {
        if (dot.column < w.xs.length())
            DrawSolidDot(At(w.xs[dot.column], w.Y(dot.height)), kDotRadius);
    }
}

// Every stirrup of the main face round the bars of the columns it spans, its two 135-degree
// hooks at its upper left corner; a stirrup round another one runs outside it. A single leg
// stands right of its column with a hook at each end. The first stirrup of each kind is marked
// on its right leg, or on its left one when an earlier mark stands at that column.
void CGLGZ_EtDraw::DrawSectionStirrups(const ColumnSectionWork& w)
{
    const auto& stirrups = m_pDesign->GetMainFace().GetStirrups();
    const std::vector<StirrupSpan> spans = StirrupSpans(stirrups, w.xs.length());
    const CHLGZ_MoreInfo& more = m_pDesign->GetMoreInfo();
    const double hook = GetHookLength(more.GetStirrupDiameter(), more.GetStirrupBarType(), 135, 0.0) / w.s2;
    const double h = std::sqrt(0.5) * hook;
    std::vector<int> markedRecords;
    std::vector<int> markedColumns;
    for (size_t i = 0; i < spans.size(); ++i) {
        const StirrupSpan& span = spans[i];
        if (span.lo < 0)
            continue;
        // The levels of the bars it holds, else the covers'.
        double low = m_pDesign->GetBottomCover();
        double high = m_pGeometry->dMiddleHeight - m_pDesign->GetTopCover();
        HeldLevels(w, span, low, high);
        const double gap = kDotRadius + kStirrupGap + kNestedGap * span.level;
        const double yT = w.Y(high) + gap;
        const double yB = w.Y(low) - gap;
        const double xL = w.xs[span.lo] - gap;
        const double xR = w.xs[span.hi] + gap;
        AcGePoint3dArray points = span.single ? SingleLegPoints(xR, yT, yB, h) : StirrupPoints(xL, xR, yT, yB, h);
        MavUtils::selectLayer(L"04-钢筋");
        AcDbObjectId id;
        m_entityLib.createPolyline(points, false, id);
        // The mark of the stirrup's kind, inside the stirrup along the leg.
        const int at = static_cast<int>(i);
        const int record = at < m_nStirrupRecords.length() ? m_nStirrupRecords[at] : -1;
        if (record < 0 || record >= m_steelCodes.GetSize()
            || std::find(markedRecords.begin(), markedRecords.end(), record) != markedRecords.end())
            continue;
        const bool left = !span.single
            && std::find(markedColumns.begin(), markedColumns.end(), span.hi) != markedColumns.end();
        markedRecords.push_back(record);
        markedColumns.push_back(left ? span.lo : span.hi);
        CString text;
        text.Format(L"N%s", m_steelCodes[record].FormatMark().GetString());
        AcDbObjectId markId;
        AddLabelText(markId, At(left ? xL : xR, (yT + yB) / 2.0), text, left ? 1 : 0, kQuarterTurn, 0);
    }
}

// The chain of the side covers and the bar columns' spacings under the bottom edge.
void CGLGZ_EtDraw::DrawSectionSpacings(const ColumnSectionWork& w)
{
    if (w.xs.isEmpty())
        return;
    const double y = w.bottom;
    AcGePoint2dArray points;
    points.append(AcGePoint2d(w.left, y));
    for (int c = 0; c < w.xs.length(); ++c)
        points.append(AcGePoint2d(w.xs[c], y));
    points.append(AcGePoint2d(w.right, y));
    DrawRebarCallout2d(points, -3.0, -6.0, 1, 11, nullptr, 0);
}

void CGLGZ_EtDraw::DrawArrangementTable(double left, double y, const std::vector<CString>& rows, int upward)
{
    if (rows.empty())
        return;
    const int columns = rows[0].GetLength();
    DrawArrangementGrid(left, y, columns, static_cast<int>(rows.size()), upward);
    AcDbObjectId styleId;
    CreateTextStyle(L"DM", 0.0, 0.0, styleId);
    MavUtils::selectLayer(L"08-标注");
    for (size_t r = 0; r < rows.size(); ++r) {
        for (int c = 0; c < rows[r].GetLength(); ++c) {
            if (rows[r][c] == L' ')
                continue;
            CString letter;
            letter.Format(L"%c", rows[r][c]);
            AcDbObjectId id;
            m_entityLib.createText(ArrangementCell(left, y, c, static_cast<int>(r), upward), letter, L"DM",
                m_dLabelHeight, kCellWidthFactor, 0.0, id);
            m_idsCellTexts.append(id);
        }
    }
}

wchar_t CGLGZ_EtDraw::KindLetter(int column) const
{
    if (m_bHalfDrawing)
        return L'A';
    const int kind = column >= 0 && column < m_nColumnKinds.length() ? m_nColumnKinds[column] : 0;
    return static_cast<wchar_t>(L'A' + std::max(kind, 0));
}
