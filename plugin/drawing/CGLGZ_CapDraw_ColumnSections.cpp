// What the column sections of both drawings share: where a section code cuts the cap, the
// strengthening rows a bar column gets there, the bar columns across the width, the titles, the
// side-bar levels and the grid of the arrangement tables.
#include "CGLGZ_CapDraw.h"

#include "BarColumnCodes.h"
#include "MavUtils.h"

namespace {

const wchar_t* const kSectionTitles[] = { L"Ⅱ－Ⅱ", L"Ⅲ－Ⅲ", L"Ⅳ－Ⅳ", L"Ⅴ－Ⅴ", L"Ⅵ－Ⅵ", L"Ⅶ－Ⅶ", L"Ⅷ－Ⅷ", L"Ⅸ－Ⅸ",
    L"Ⅹ－Ⅹ" };
constexpr int kSectionTitleCount = static_cast<int>(sizeof(kSectionTitles) / sizeof(kSectionTitles[0]));
constexpr double kCellWidth = 2.5;
constexpr double kCellHeight = 3.0;

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
