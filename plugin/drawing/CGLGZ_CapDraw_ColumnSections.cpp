// What the column sections of both drawings share: where a section code cuts the cap, the
// strengthening rows a bar column gets there, the bar columns across the width, the titles, the
// side-bar levels and the grid of the arrangement tables.
#include "CGLGZ_CapDraw_ColumnSectionWork.h"

#include "BarColumnCodes.h"
#include "DrawingConstants.h"
#include "MavUtils.h"
#include "NumericHelpers.h"
#include "RebarRules.h"

#include <algorithm>

namespace {

const wchar_t* const kSectionTitles[] = { L"Ⅱ－Ⅱ", L"Ⅲ－Ⅲ", L"Ⅳ－Ⅳ", L"Ⅴ－Ⅴ", L"Ⅵ－Ⅵ", L"Ⅶ－Ⅶ", L"Ⅷ－Ⅷ", L"Ⅸ－Ⅸ",
    L"Ⅹ－Ⅹ" };
constexpr int kSectionTitleCount = static_cast<int>(sizeof(kSectionTitles) / sizeof(kSectionTitles[0]));
constexpr double kCellWidth = 2.5;
constexpr double kCellHeight = 3.0;
// The side bars stand outside the outer stirrup: a dot, the stirrup, a dot's radius and a gap.
constexpr double kSideBarOffset = 0.8;
constexpr double kFanOffset = 2.0;
constexpr double kFanTail = 1.5;
// Strengthening bars stacked under (over) each other keep at least this distance, so that their
// dots stay apart.
constexpr double kLeastRowStep = 2.0 * kDotRadius + 0.1;

} // namespace

CGLGZ_CapDraw::ColumnSectionCut CGLGZ_CapDraw::ClassifyColumnSection(int code) const
{
    const int n = m_pSupports != nullptr ? m_pSupports->length() : 0;
    ColumnSectionCut cut;
    if (code == 0) {
        // The middle of the cap: on the middle column of an odd count.
        cut.atColumn = n % 2 == 1;
        cut.endColumn = n == 1;
    } else if (code >= 1 && code <= n) {
        cut.atColumn = 1;
        cut.endColumn = code == 1 || code == n;
    }
    return cut;
}

// A column with its own plate bars has them at both faces; the strengthening bars lie where the
// plan draws them: over the end columns (hundreds digit), over the middle ones (tens digit),
// and at the bottom in the spans (units digit), each only while its switch is on.
void CGLGZ_CapDraw::CountStrengtheningRows(int column, const ColumnSectionCut& cut, int& top, int& bottom) const
{
    top = 0;
    bottom = 0;
    const CHLGZ_ExtendSteel& steel = m_pDesign->GetExtendSteel();
    if (column < 0 || column >= steel.GetCodeCount())
        return;
    if (column < m_bSkeletonColumn.length() && m_bSkeletonColumn[column])
        return;
    const int code = steel.GetCodeAt(column);
    const int own = IsStrengthenedCode(code) ? 1 : 0;
    top = own;
    bottom = own;
    if (cut.atColumn) {
        if (cut.endColumn && steel.GetEdgeTopSwitch())
            top += GetCodeDigit(code, TRUE);
        else if (!cut.endColumn && steel.GetMiddleTopSwitch())
            top += GetCodeDigit(code, FALSE);
    } else if (steel.GetBottomSwitch()) {
        bottom += GetCodeUnits(code);
    }
}

AcGeDoubleArray CGLGZ_CapDraw::ColumnSectionXs(double left) const
{
    AcGeDoubleArray xs;
    const int columns = m_pDesign->GetMainFace().GetBarColumnCount();
    double x = left + m_pDesign->GetSideCover() / m_dSectionScale;
    for (int c = 0; c < columns; ++c) {
        xs.append(x);
        // Without a further spacing the columns stand where the last one does.
        if (c < m_dSkeletonSpacings.length())
            x += m_dSkeletonSpacings[c] / m_dSectionScale;
    }
    return xs;
}

const wchar_t* CGLGZ_CapDraw::ColumnSectionTitle(int index)
{
    return index >= 0 && index < kSectionTitleCount ? kSectionTitles[index] : nullptr;
}

void CGLGZ_CapDraw::DrawColumnSectionTitle(const AcGePoint3d& origin, int index, double scale)
{
    SelectDimStyle(scale);
    CString caption;
    caption.Format(L"（1：%s）", FormatFixed(scale, -7).GetString());
    if (const wchar_t* title = ColumnSectionTitle(index))
        AddBoxedText(origin, title, caption);
}

// The first and the last level between the covers are those of the plate bars; the side bars
// stand between them.
AcGeDoubleArray CGLGZ_CapDraw::SideBarYs(double top) const
{
    AcGeDoubleArray ys;
    const AcGeDoubleArray& spacings = m_pDesign->GetMoreInfo().GetSideSpacings();
    double y = top - m_pDesign->GetTopCover() / m_dSectionScale;
    for (int i = 0; i + 1 < spacings.length(); ++i) {
        y -= spacings[i] / m_dSectionScale;
        ys.append(y);
    }
    return ys;
}

void CGLGZ_CapDraw::DrawArrangementGrid(double left, double y, int columns, int rows, int upward)
{
    if (columns <= 0 || rows <= 0)
        return;
    MavUtils::selectLayer(L"08-标注");
    const double step = upward ? kCellHeight : -kCellHeight;
    const double right = left + columns * kCellWidth;
    for (int r = 0; r <= rows; ++r)
        DrawLine(AcGePoint3d(left, y + r * step, 0.0), AcGePoint3d(right, y + r * step, 0.0));
    for (int c = 0; c <= columns; ++c) {
        const double x = left + c * kCellWidth;
        DrawLine(AcGePoint3d(x, y, 0.0), AcGePoint3d(x, y + rows * step, 0.0));
    }
}

AcGePoint3d CGLGZ_CapDraw::ArrangementCell(double left, double y, int column, int row, int upward)
{
    const double step = upward ? kCellHeight : -kCellHeight;
    return AcGePoint3d(left + kCellWidth / 2.0 + kCellWidth * column, y + step / 2.0 + step * row, 0.0);
}

CString CGLGZ_CapDraw::SideBarMarkText() const
{
    const int index = m_nGroupedMarks;
    if (index <= 0 || index >= m_steelCodes.GetSize())
        return CString();
    return m_steelCodes[index].FormatMark();
}

// The cut's record of bar layers has the code's index: the middle of the cap, the supports, the
// middles of the spans.
void CGLGZ_CapDraw::CollectSectionBars(ColumnSectionWork& w)
{
    if (w.code < 0 || w.code >= m_steelLayers.GetSize())
        return;
    const CHLGZ_PierSteelLayer& cut = m_steelLayers[w.code];
    for (INT_PTR i = 0; i < cut.aLayers.GetSize(); ++i) {
        ColumnSectionWork::Bar bar;
        bar.number = cut.aLayers[i].nBar;
        bar.height = cut.aLayers[i].dHeight;
        // A number the numbering never gave lies in no column.
        const CHLGZ_BASSteel* record = FindBarByNumber(bar.number);
        if (record != nullptr)
            bar.columns = record->GetColumnText();
        w.bars.push_back(bar);
    }
}

// The strengthening bars of a column stack down from the top-plate bar's level and up from the
// bottom-plate bar's, each one bar further.
void CGLGZ_CapDraw::CollectSectionStrengthening(ColumnSectionWork& w) const
{
    const CHLGZ_FaceInfo& face = m_pDesign->GetMainFace();
    const CHLGZ_ExtendSteel& steel = m_pDesign->GetExtendSteel();
    double topLevel = m_pGeometry->dMiddleHeight - m_pDesign->GetTopCover();
    double bottomLevel = m_pDesign->GetBottomCover();
    if (!w.bars.empty()) {
        topLevel = w.bars.back().height;
        bottomLevel = w.bars.front().height;
    }
    for (const ColumnSectionWork::Bar& bar : w.bars) {
        if (bar.number == face.GetLTLSteel().GetTag())
            topLevel = bar.height;
        if (bar.number == face.GetLBLSteel().GetTag())
            bottomLevel = bar.height;
    }
    const double least = kLeastRowStep * w.s2;
    const double topStep = std::max(GetRebarOuterDiameter(steel.GetTopDiameter(), steel.GetTopBarType()), least);
    const double bottomStep
        = std::max(GetRebarOuterDiameter(steel.GetBottomDiameter(), steel.GetBottomBarType()), least);
    for (int c = 0; c < face.GetBarColumnCount(); ++c) {
        int top = 0;
        int bottom = 0;
        CountStrengtheningRows(c, w.cut, top, bottom);
        for (int k = 0; k < top; ++k)
            w.strengthening.push_back({ c, topLevel - k * topStep });
        for (int k = 0; k < bottom; ++k)
            w.strengthening.push_back({ c, bottomLevel + k * bottomStep });
    }
}

void CGLGZ_CapDraw::DrawSectionOutline(const ColumnSectionWork& w)
{
    MavUtils::selectLayer(L"02-结构");
    DrawLine(At(w.left, w.top), At(w.right, w.top));
    DrawLine(At(w.right, w.top), At(w.right, w.bottom));
    DrawLine(At(w.right, w.bottom), At(w.left, w.bottom));
    DrawLine(At(w.left, w.bottom), At(w.left, w.top));
}

// Both faces carry the side bars, each column of them led to one circle outside its face with
// the side bars' mark.
void CGLGZ_CapDraw::DrawSectionSideBars(const ColumnSectionWork& w)
{
    const AcGeDoubleArray ys = SideBarYs(w.top);
    if (ys.isEmpty() || w.xs.isEmpty())
        return;
    const double xs[2] = { w.xs[0] - kSideBarOffset, w.xs[w.xs.length() - 1] + kSideBarOffset };
    const CString mark = SideBarMarkText();
    for (int side = 0; side < 2; ++side) {
        AcGePoint3dArray dots;
        MavUtils::selectLayer(L"04-钢筋");
        for (int i = 0; i < ys.length(); ++i) {
            dots.append(At(xs[side], ys[i]));
            DrawSolidDot(dots.last(), kDotRadius);
        }
        // The fan leads out of each face.
        const double sign = side == 0 ? -1.0 : 1.0;
        DrawSideBarFan(dots, sign * kFanOffset, sign * kFanTail, mark);
    }
}
