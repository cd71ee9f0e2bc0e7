// The cross sections "Ⅱ－Ⅱ" ... of the skew-section drawing: the outline (with its L part), the
// bars the cut meets as dots, the grids that tell in which bar columns each bar lies, the
// strengthening bars, the plate callouts, the width, the key of the stirrups and the side bars.
#include "CGLGZ_BtDraw.h"
#include "DrawingConstants.h"
#include "CGLGZ_CapDraw_ColumnSectionWork.h"

#include "BarColumnCodes.h"
#include "MavUtils.h"
#include "NumericHelpers.h"

#include <algorithm>
#include <cmath>

// One skew cross section: the shared work and what this drawing adds to it.
struct CGLGZ_BtDraw::SkewSectionWork {
    ColumnSectionWork base;
    int support = 0;
    // The section's index in the design's list.
    int index = 0;
    // The most strengthening rows of a column at the top and at the bottom.
    int topRows = 0;
    int bottomRows = 0;
    // The L part's height (drawing units) and how much higher it puts the upper grid.
    double lHeight = 0.0;
    double lift = 0.0;
    // Every bar lies in the same columns; else the columns where the bars differ and the most
    // bars such a column holds above and below mid-height.
    bool uniform = true;
    std::vector<bool> alike;
    int upperCount = 0;
    int lowerCount = 0;
    // The grids: their left edge, base lines and rows.
    double gridLeft = 0.0;
    double upperBase = 0.0;
    double lowerBase = 0.0;
    int upperRows = 1;
    int lowerRows = 1;
};

namespace {

constexpr double kCellWidth = 2.5;
constexpr double kCellHeight = 3.0;
constexpr double kGridWidthFactor = 0.75;
// The stirrup key: brackets 1 deep, 0.3 outside the columns, the first 0.5 under the section.
constexpr double kKeyDepth = 1.0;
constexpr double kKeyReach = 0.3;
constexpr double kKeyTop = 0.5;
// The L part's stirrups stand this far outside its bars.
constexpr double kLStirrupGap = 0.4;
// The side bars: 0.3 + 0.3 + 0.2 outside the outer columns, each led out 2 at 60 degrees; the
// leaders joined and run on 1.5, the mark 2 beyond, with a tick of 0.4 where they turn.
constexpr double kSideBarReach = 0.8;
constexpr double kSideLeader = 2.0;
constexpr double kSideLeaderAngle = -1.0471975511666667;
constexpr double kLeaderTail = 1.5;
constexpr double kLeaderGap = 2.0;
constexpr double kLeaderTick = 0.4;
// The stirrup marks: inside the bracket's left leg, one under the other.
constexpr double kMarkInset = 1.5;
constexpr double kMarkPitch = 6.0;

} // namespace

int CGLGZ_BtDraw::DrawColumnSection(AcGePoint3d& origin, int support, int index, double& depth)
{
    m_drawnItems.BeginItem(ItemName(L"截面", index + 1));
    depth = 0.0;
    if (m_pDesign == nullptr || m_pGeometry == nullptr || m_dSectionScale <= 0.0)
        return 0;
    SkewSectionWork w;
    w.support = support;
    w.index = index;
    w.base.origin = origin;
    w.base.code = support;
    w.base.s2 = m_dSectionScale;
    // 1. - 2. Where the cut lies and the strengthening rows it shows.
    MeasureSkewSection(w);
    // 3. - 4. The section scale and the caption.
    DrawColumnSectionTitle(origin, index, w.base.s2);
    // 5. The outline; 6. - 8. the grids; 9. the bars; 10. the strengthening bars.
    DrawSectionOutline(w.base);
    DrawSkewSectionLPart(w);
    DrawSkewSectionGrids(w);
    DrawSkewSectionBars(w);
    DrawSkewSectionStrengthening(w);
    // 11. - 12. The plate callouts and the width.
    DrawSkewSectionCallouts(w);
    // 13. The key of the stirrups; 14. the L part's stirrups; 15. the side bars.
    DrawStirrupKey(w);
    DrawLPartStirrups(w);
    DrawSkewSectionSideBars(w);
    // 16. The further callouts and the heights.
    DrawSkewSectionHeights(w);
    depth = origin.y - (w.lowerBase - kCellHeight * w.lowerRows);
    return 0;
}

void CGLGZ_BtDraw::MeasureSkewSection(SkewSectionWork& w)
{
    ColumnSectionWork& b = w.base;
    const CBent_BasicGeometry& g = *m_pGeometry;
    const int columns = m_pDesign->GetMainFace().GetBarColumnCount();
    // 1. The cut; 2. the most strengthening rows over the columns.
    b.cut = ClassifyColumnSection(w.support);
    for (int c = 0; c < columns; ++c) {
        int top = 0;
        int bottom = 0;
        CountStrengtheningRows(c, b.cut, top, bottom);
        w.topRows = std::max(w.topRows, top);
        w.bottomRows = std::max(w.bottomRows, bottom);
    }
    // 7. The bars and whether they all lie in the same columns.
    CollectSectionBars(b);
    CollectSectionStrengthening(b);
    const double middle = g.dMiddleHeight / 2.0;
    w.alike.assign(static_cast<size_t>(columns), true);
    for (const ColumnSectionWork::Bar& bar : b.bars)
        if (bar.columns != b.bars.front().columns)
            w.uniform = false;
    if (!w.uniform) {
        for (int c = 0; c < columns; ++c) {
            for (const ColumnSectionWork::Bar& bar : b.bars)
                if (b.In(bar, c) != b.In(b.bars.front(), c))
                    w.alike[static_cast<size_t>(c)] = false;
            if (w.alike[static_cast<size_t>(c)])
                continue;
            int upper = 0;
            int lower = 0;
            for (const ColumnSectionWork::Bar& bar : b.bars)
                if (b.In(bar, c))
                    ++(bar.height > middle ? upper : lower);
            w.upperCount = std::max(w.upperCount, upper);
            w.lowerCount = std::max(w.lowerCount, lower);
        }
    }
    // 5. The outline under the caption, lowered by the L part and the strengthening rows, and
    // by the further rows of the upper grid, which would otherwise reach the caption's scale.
    w.upperRows = w.uniform ? 1 : std::max(w.upperCount, 1);
    w.lowerRows = w.uniform ? 1 : std::max(w.lowerCount, 1);
    w.lHeight = g.dLHeight > 0.0 ? g.dLHeight / b.s2 : 0.0;
    w.lift = w.lHeight > 0.0 ? w.lHeight + 13.0 : 0.0;
    b.top = b.origin.y - (w.lift + (w.topRows - 2) * kCellHeight + 25.0) - (w.lHeight > 0.0 ? 3.0 : 0.0)
        - kCellHeight * (w.upperRows - 1);
    b.bottom = b.top - g.dMiddleHeight / b.s2;
    b.left = b.origin.x - g.dWidth / b.s2 / 2.0;
    b.right = b.origin.x + g.dWidth / b.s2 / 2.0;
    // 6. The bar columns.
    b.xs = ColumnSectionXs(b.left);
    // 8. The grids above and below.
    w.gridLeft = b.origin.x - columns * kCellWidth / 2.0;
    w.upperBase = b.top + w.lift + 13.0 + (w.topRows >= 2 ? kCellHeight * (w.topRows - 1) : 0.0);
    w.lowerBase = b.bottom - 11.0 - (w.bottomRows > 1 ? kCellHeight * (w.bottomRows - 1) : 0.0);
}

// The L part rises over the left face by its height, as wide as the design gives it.
void CGLGZ_BtDraw::DrawSkewSectionLPart(const SkewSectionWork& w)
{
    if (w.lHeight <= 0.0)
        return;
    const ColumnSectionWork& b = w.base;
    const double right = std::min(b.left + m_pGeometry->dLWidth / b.s2, b.right);
    MavUtils::selectLayer(L"02-结构");
    DrawLine(At(b.left, b.top), At(b.left, b.top + w.lHeight));
    DrawLine(At(b.left, b.top + w.lHeight), At(right, b.top + w.lHeight));
    DrawLine(At(right, b.top + w.lHeight), At(right, b.top));
}

void CGLGZ_BtDraw::WriteGridText(const AcGePoint3d& at, const CString& text)
{
    if (text.IsEmpty())
        return;
    AcDbObjectId styleId;
    CreateTextStyle(L"DM", 0.0, 0.0, styleId);
    MavUtils::selectLayer(L"08-标注");
    AcDbObjectId id;
    m_entityLib.createText(at, text, L"DM", m_dLabelHeight, kGridWidthFactor, 0.0, id);
    m_idsCellTexts.append(id);
}

void CGLGZ_BtDraw::DrawSkewSectionGrids(const SkewSectionWork& w)
{
    const int columns = w.base.xs.length();
    DrawArrangementGrid(w.gridLeft, w.upperBase, columns, w.upperRows, 1);
    DrawArrangementGrid(w.gridLeft, w.lowerBase, columns, w.lowerRows, 0);
}

// 9. A dot in every column a bar lies in, and its letter or its mark in the grids: "A" where
// the columns agree, the bar's mark where they differ.
void CGLGZ_BtDraw::DrawSkewSectionBars(const SkewSectionWork& w)
{
    const ColumnSectionWork& b = w.base;
    const double middle = m_pGeometry->dMiddleHeight / 2.0;
    const int entries = static_cast<int>(b.bars.size());
    int upperMet = 0;
    for (int e = 0; e < entries; ++e) {
        const ColumnSectionWork::Bar& bar = b.bars[static_cast<size_t>(e)];
        const bool upper = bar.height > middle;
        const CHLGZ_BASSteel* record = FindBarByNumber(bar.number);
        const CString label = record != nullptr ? record->GetFirstMarkText() : CString();
        for (int m = 0; m < b.xs.length(); ++m) {
            if (!b.In(bar, m))
                continue;
            MavUtils::selectLayer(L"04-钢筋");
            DrawSolidDot(At(b.xs[m], b.Y(bar.height)), kDotRadius);
            // The grid cell: upper or lower grid and its row; none when the rules give none.
            int row = -1;
            CString text = L"A";
            if (w.uniform) {
                row = (upper ? upperMet == 0 : e == 0) ? 0 : -1;
            } else if (!w.alike[static_cast<size_t>(m)]) {
                text = label;
                row = upper ? e + w.upperCount - entries : e;
            } else {
                row = upper ? (upperMet == w.upperCount - 1 ? w.upperCount - 1 : -1) : (e == 0 ? 0 : -1);
            }
            const int rows = upper ? w.upperRows : w.lowerRows;
            if (row < 0 || row >= rows)
                continue;
            WriteGridText(ArrangementCell(w.gridLeft, upper ? w.upperBase : w.lowerBase, m, row, upper ? 1 : 0), text);
        }
        if (upper)
            ++upperMet;
    }
}

// 10. The strengthening dots; "1" and "2" over the columns with plate bars of their own, and
// the marks of the further rows in cells hung under the upper grid and stood on the lower one.
void CGLGZ_BtDraw::DrawSkewSectionStrengthening(const SkewSectionWork& w)
{
    const ColumnSectionWork& b = w.base;
    MavUtils::selectLayer(L"04-钢筋");
    for (const ColumnSectionWork::Dot& dot : b.strengthening)
        if (dot.column < b.xs.length())
            DrawSolidDot(At(b.xs[dot.column], b.Y(dot.height)), kDotRadius);
    const CHLGZ_ExtendSteel& steel = m_pDesign->GetExtendSteel();
    int edge = 0;
    int middle = 0;
    int bottomNumber = 0;
    StrengtheningMarkNumbers(edge, middle, bottomNumber);
    const int topNumber = b.cut.endColumn ? edge : middle;
    for (int c = 0; c < b.xs.length() && c < steel.GetCodeCount(); ++c) {
        int top = 0;
        int bottom = 0;
        CountStrengtheningRows(c, b.cut, top, bottom);
        const int own = IsStrengthenedCode(steel.GetCodeAt(c)) ? 1 : 0;
        const double x = w.gridLeft + (c + 0.5) * kCellWidth;
        if (own && top + bottom > 0) {
            WriteGridText(At(x, w.upperBase + 1.5), L"1");
            WriteGridText(At(x, w.lowerBase - 1.5), L"2");
        }
        CString text;
        for (int k = 0; k < top - own; ++k) {
            const double cellTop = w.upperBase - kCellHeight * k;
            DrawCellFrame(x, cellTop, cellTop - kCellHeight);
            text.Format(L"%d", topNumber);
            WriteGridText(At(x, cellTop - kCellHeight / 2.0), text);
        }
        for (int k = 0; k < bottom - own; ++k) {
            const double cellTop = w.lowerBase + kCellHeight * (k + 1);
            DrawCellFrame(x, cellTop, cellTop - kCellHeight);
            text.Format(L"%d", bottomNumber);
            WriteGridText(At(x, cellTop - kCellHeight / 2.0), text);
        }
    }
}

// A cell round the middle x: its top and its two sides.
void CGLGZ_BtDraw::DrawCellFrame(double x, double top, double bottom)
{
    MavUtils::selectLayer(L"08-标注");
    const double l = x - kCellWidth / 2.0;
    const double r = x + kCellWidth / 2.0;
    DrawLine(At(l, top), At(r, top));
    DrawLine(At(l, top), At(l, bottom));
    DrawLine(At(r, top), At(r, bottom));
}

// 11. The plate callouts through the columns that differ from their neighbours: removed,
// strengthened or with further rows at this cut; 12. the width over the top.
void CGLGZ_BtDraw::DrawSkewSectionCallouts(const SkewSectionWork& w)
{
    const ColumnSectionWork& b = w.base;
    const CHLGZ_ExtendSteel& steel = m_pDesign->GetExtendSteel();
    AcGePoint2dArray top;
    AcGePoint2dArray bottom;
    top.append(AcGePoint2d(b.left, b.top));
    bottom.append(AcGePoint2d(b.left, b.bottom));
    for (int c = 0; c < b.xs.length(); ++c) {
        const bool removed = c < m_bSkeletonColumn.length() && m_bSkeletonColumn[c];
        const int code = c < steel.GetCodeCount() ? steel.GetCodeAt(c) : 0;
        const bool own = IsStrengthenedCode(code) != 0;
        const bool topRows = b.cut.atColumn && GetCodeDigit(code, b.cut.endColumn ? TRUE : FALSE) >= 1;
        const bool bottomRows = !b.cut.atColumn && GetCodeUnits(code) >= 1;
        if (removed || own || topRows)
            top.append(AcGePoint2d(b.xs[c], b.top));
        if (removed || own || bottomRows)
            bottom.append(AcGePoint2d(b.xs[c], b.bottom));
    }
    top.append(AcGePoint2d(b.right, b.top));
    bottom.append(AcGePoint2d(b.right, b.bottom));
    DrawRebarCallout2d(top, w.lift, 3.0, 1, 11, nullptr, 1);
    DrawRebarCallout2d(bottom, -6.0, -3.0, 1, 11, nullptr, 1);
    MavUtils::selectLayer(L"08-标注");
    DrawDimension(At(b.right, b.top), At(b.left, b.top), w.lift, 9.0);
}

// 13. Every stirrup of the main face as a bracket under its columns, placed greedily level by
// level: a stirrup goes on a level when it starts right of the last one placed there.
void CGLGZ_BtDraw::DrawStirrupKey(const SkewSectionWork& w)
{
    const ColumnSectionWork& b = w.base;
    const auto& stirrups = m_pDesign->GetMainFace().GetStirrups();
    const int columns = b.xs.length();
    std::vector<int> los;
    std::vector<int> his;
    for (INT_PTR i = 0; i < stirrups.GetSize(); ++i) {
        int lo = stirrups[i].GetStartColumn();
        int hi = stirrups[i].GetEndColumn();
        // A single leg stands at the one column it names.
        if (lo == -1)
            lo = hi;
        if (hi == -1)
            hi = lo;
        if (lo > hi)
            std::swap(lo, hi);
        // A stirrup naming no column of the section has no bracket.
        if (lo < 1 || hi > columns) {
            los.push_back(0);
            his.push_back(-1);
            continue;
        }
        los.push_back(lo - 1);
        his.push_back(hi - 1);
    }
    std::vector<bool> placed(los.size(), false);
    for (size_t i = 0; i < los.size(); ++i)
        placed[i] = his[i] < 0;
    MavUtils::selectLayer(L"08-标注");
    double y = b.bottom - kKeyTop;
    std::vector<std::pair<size_t, double>> keyed;
    while (std::find(placed.begin(), placed.end(), false) != placed.end()) {
        int lastEnd = -1;
        for (size_t i = 0; i < los.size(); ++i) {
            if (placed[i] || los[i] <= lastEnd)
                continue;
            const double l = b.xs[los[i]] - kKeyReach;
            const double r = b.xs[his[i]] + kKeyReach;
            DrawLine(At(l, y), At(l, y - kKeyDepth));
            DrawLine(At(l, y - kKeyDepth), At(r, y - kKeyDepth));
            DrawLine(At(r, y - kKeyDepth), At(r, y));
            placed[i] = true;
            lastEnd = his[i];
            keyed.push_back({ i, l });
        }
        y -= kKeyDepth;
    }
    // Each stirrup kind's mark stands upright inside the section beside the left leg of its
    // first bracket, the marks of one section one above the other from mid-height down; an L
    // part's two stirrups have theirs on their sides.
    const size_t firstMarked = w.lHeight > 0.0 ? 2 : 0;
    std::vector<int> marked;
    const double middle = (b.top + b.bottom) / 2.0;
    for (const auto& [i, l] : keyed) {
        const int record = PlanStirrupRecord(static_cast<int>(i));
        if (i < firstMarked || record < 0 || std::find(marked.begin(), marked.end(), record) != marked.end())
            continue;
        const double y = middle - kMarkPitch * static_cast<double>(marked.size());
        marked.push_back(record);
        m_sectionStirrupAnchors.push_back({ At(l + kMarkInset, y), static_cast<int>(i), w.index });
    }
}

// 14. The first two stirrups of the section run up round the L part's bars, from over its
// top bars down to under the bottom bars, marked with the numbers the bar tables give them
// after the last mark (one number when both start at the same column); a key row over the L
// part, a cell an end-face column.
void CGLGZ_BtDraw::DrawLPartStirrups(const SkewSectionWork& w)
{
    if (w.lHeight <= 0.0)
        return;
    const ColumnSectionWork& b = w.base;
    const auto& stirrups = m_pDesign->GetMainFace().GetStirrups();
    const double top = b.top - m_pDesign->GetTopCover() / b.s2 + w.lHeight + kLStirrupGap;
    const double bottom = b.bottom + m_pDesign->GetBottomCover() / b.s2 - kLStirrupGap;
    const INT_PTR n = m_steelCodes.GetSize();
    const int last = n > 0 ? m_steelCodes[n - 1].nNumber : 0;
    int firstStart = -1;
    for (INT_PTR i = 0; i < stirrups.GetSize() && i < 2; ++i) {
        int lo = std::min(stirrups[i].GetStartColumn(), stirrups[i].GetEndColumn());
        const int hi = std::max(stirrups[i].GetStartColumn(), stirrups[i].GetEndColumn());
        if (lo < 1)
            lo = hi;
        if (lo < 1 || hi > b.xs.length())
            continue;
        const double l = b.xs[lo - 1] - kLStirrupGap;
        const double r = b.xs[hi - 1] + kLStirrupGap;
        AcGePoint3dArray points;
        for (const AcGePoint3d& p : { At(l, top), At(r, top), At(r, bottom), At(l, bottom) })
            points.append(p);
        MavUtils::selectLayer(L"04-钢筋");
        AcDbObjectId id;
        m_entityLib.createPolyline(points, true, id);
        const int number = last + (i == 0 || lo == firstStart ? 1 : 2);
        if (i == 0)
            firstStart = lo;
        CString text;
        text.Format(L"N%d", number);
        AcDbObjectId textId;
        AddLabelText(textId, At(r, (top + bottom) / 2.0), text, 0, kQuarterTurn, 0);
    }
    const int lColumns = m_pDesign->GetEndFace().GetBarColumnCount();
    if (lColumns <= 0)
        return;
    const double y = b.top + w.lHeight + 3.0;
    DrawArrangementGrid(w.gridLeft, y, lColumns, 1, 1);
    for (int c = 1; c < lColumns; ++c)
        WriteGridText(ArrangementCell(w.gridLeft, y, c, 0, 1), L"1");
}

// The chain of levels stands 3 + 6 left of the left face, the section's height 3 + 11 left of
// it; an L-shaped section's whole height 6 + 11 right of the right face, and the L part's bars'
// chain 1 + 4 above its top.
void CGLGZ_BtDraw::DrawSkewSectionHeights(const SkewSectionWork& w)
{
    const ColumnSectionWork& b = w.base;
    MavUtils::selectLayer(L"08-标注");
    // The main part's levels: its bottom, the lowest and the highest bar, the side-bar rows
    // between them, its top (the layers of a plate's bars stand too close to be told apart).
    std::vector<double> levels { b.bottom, b.top };
    if (!b.bars.empty()) {
        auto [low, high] = std::minmax_element(b.bars.begin(), b.bars.end(),
            [](const ColumnSectionWork::Bar& x, const ColumnSectionWork::Bar& y) { return x.height < y.height; });
        levels.push_back(b.Y(low->height));
        levels.push_back(b.Y(high->height));
    }
    const AcGeDoubleArray sides = SideBarYs(b.top);
    for (int i = 0; i < sides.length(); ++i)
        levels.push_back(sides[i]);
    // An L part's levels run on over the main part's top in the same chain: its side-bar rows,
    // its top bar under its top, its top.
    const double lTop = b.top + w.lHeight;
    if (w.lHeight > 0.0) {
        const double cover = m_pDesign->GetTopCover() / b.s2;
        const double spacing = m_pDesign->GetMoreInfo().GetSideBarSpacing() / b.s2;
        for (double y = lTop - cover - spacing; spacing > 0.0 && y > b.top + 1e-6; y -= spacing)
            levels.push_back(y);
        levels.push_back(lTop - cover);
        levels.push_back(lTop);
    }
    std::sort(levels.begin(), levels.end());
    levels.erase(std::unique(levels.begin(), levels.end(), [](double a, double c) { return std::fabs(a - c) < 1e-6; }),
        levels.end());
    AcGePoint2dArray points;
    for (double y : levels)
        points.append(AcGePoint2d(b.left, y));
    DrawRebarCallout2d(points, -3.0, -6.0, 0, 11, nullptr, 0);
    DrawDimension(At(b.left, b.bottom), At(b.left, b.top), -3.0, -11.0);
    if (w.lHeight <= 0.0)
        return;
    // The whole height of an L-shaped section, and the L part's bars across its top (its side
    // bars at the side cover inside either face).
    DrawDimension(At(b.right, b.bottom), At(b.right, lTop), 6.0, 11.0);
    const double right = std::min(b.left + m_pGeometry->dLWidth / b.s2, b.right);
    const double inset = m_pDesign->GetSideCover() / b.s2;
    AcGePoint2dArray across;
    for (double x : { b.left, b.left + inset, right - inset, right })
        across.append(AcGePoint2d(x, b.top));
    // The last text stays over its short run, under the key row's first (empty) cell.
    const AcGePoint2d last = across.last();
    DrawRebarCallout2d(across, w.lHeight + 1.0, 4.0, 1, 11, &last, 1);
}

// The L part lifts the outline by its height, 13 and 3 more.
double CGLGZ_BtDraw::ColumnSectionRise() const
{
    return m_pGeometry->dLHeight > 0.0 ? m_pGeometry->dLHeight / m_dSectionScale + 13.0 + 3.0 : 0.0;
}

// 15. Each face's side bars from under the top-plate bar down by the side spacings (an L part's
// from under its top bar by the nominal spacing), led out and joined to the side bars' mark.
void CGLGZ_BtDraw::DrawSkewSectionSideBars(const SkewSectionWork& w)
{
    const ColumnSectionWork& b = w.base;
    if (b.xs.isEmpty())
        return;
    const CString mark = SideBarMarkText();
    DrawSideBarFace(SideBarYs(b.top), b.xs[0] - kSideBarReach, -1, mark);
    DrawSideBarFace(SideBarYs(b.top), b.xs[b.xs.length() - 1] + kSideBarReach, 1, mark);
    if (w.lHeight <= 0.0)
        return;
    // The L part's side bars stand on both its faces, over the main part's top.
    const double spacing = m_pDesign->GetMoreInfo().GetSideBarSpacing() / b.s2;
    if (spacing <= 0.0)
        return;
    AcGeDoubleArray ys;
    for (double y = b.top + w.lHeight - m_pDesign->GetTopCover() / b.s2 - spacing; y > b.top + 1e-6; y -= spacing)
        ys.append(y);
    const double right = std::min(b.left + m_pGeometry->dLWidth / b.s2, b.right);
    const double inset = m_pDesign->GetSideCover() / b.s2;
    MavUtils::selectLayer(L"04-钢筋");
    for (int i = 0; i < ys.length(); ++i) {
        DrawSolidDot(At(b.left + inset, ys[i]), kDotRadius);
        DrawSolidDot(At(right - inset, ys[i]), kDotRadius);
    }
}

// One face: a dot a level, a leader 2 out of each, the leaders joined (the lowest first) and
// the mark at the end.
void CGLGZ_BtDraw::DrawSideBarFace(const AcGeDoubleArray& ys, double x, int side, const CString& mark)
{
    if (ys.isEmpty())
        return;
    AcGePoint3dArray tips;
    for (int i = 0; i < ys.length(); ++i) {
        const AcGePoint3d dot = At(x, ys[i]);
        MavUtils::selectLayer(L"04-钢筋");
        DrawSolidDot(dot, kDotRadius);
        // Out of the face and up, mirrored on the left face.
        const AcGePoint3d toward = At(x + side, ys[i]);
        const AcGePoint3d tip = PointAlongRotatedLine(dot, toward, kSideLeader, side * -kSideLeaderAngle);
        MavUtils::selectLayer(L"08-标注");
        DrawLine(dot, tip);
        tips.append(tip);
    }
    tips.reverse();
    AcGePoint3d end;
    BuildLeader(end, tips, 0, kLeaderTail, kLeaderGap, kLeaderTick, side);
    if (mark.IsEmpty())
        return;
    AcDbObjectId styleId;
    CreateTextStyle(L"DM", 0.0, 0.0, styleId);
    AcDbObjectId id;
    m_entityLib.createText(end, mark, L"DM", m_dLabelHeight, m_dWidthFactor, 0.0, id);
}

// The leader joins the points from the start on, then runs on the tail along the last point's
// level out of the face (side -1 left, 1 right), with a tick where it turns; the end lies the
// gap and half the text room beyond.
AcGePoint3d CGLGZ_BtDraw::BuildLeader(
    AcGePoint3d& end, const AcGePoint3dArray& points, int start, double tail, double gap, double tick, int side)
{
    if (start < 0 || start >= points.length()) {
        end = AcGePoint3d::kOrigin;
        return end;
    }
    MavUtils::selectLayer(L"08-标注");
    AcGePoint3dArray line;
    for (int i = start; i < points.length(); ++i)
        line.append(points[i]);
    const AcGePoint3d turn = line.last();
    const AcGePoint3d tailEnd = At(turn.x + side * tail, turn.y);
    line.append(tailEnd);
    AcDbObjectId id;
    m_entityLib.createPolyline(line, false, id);
    DrawLine(At(turn.x, turn.y - tick / 2.0), At(turn.x, turn.y + tick / 2.0));
    end = At(tailEnd.x + side * gap, tailEnd.y);
    return end;
}

// The stirrup marks of the sections, written once every mark is numbered: each stirrup kind of
// the plan "N" and its mark, upright.
void CGLGZ_BtDraw::WriteSectionStirrupMarks()
{
    for (const SectionStirrupAnchor& anchor : m_sectionStirrupAnchors) {
        const int record = PlanStirrupRecord(anchor.stirrup);
        if (record < 0)
            continue;
        CString text;
        text.Format(L"N%s", m_steelCodes[record].FormatMark().GetString());
        m_drawnItems.BeginItem(ItemName(L"截面", anchor.section + 1));
        AcDbObjectId id;
        AddLabelText(id, anchor.at, text, 0, kQuarterTurn, 0);
    }
    m_sectionStirrupAnchors.clear();
}
