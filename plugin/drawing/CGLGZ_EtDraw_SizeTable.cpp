// The size table of the normal-section drawing: for every skeleton kind the sizes that differ
// from kind to kind, in centimetres: "X1" to "X4" of the planning, the end parts of the marks
// that differ between the kinds and the lengths of the marks whose bars are not alike.
#include "CGLGZ_EtDraw.h"

#include "DrawingConstants.h"
#include "MavUtils.h"
#include "NumericHelpers.h"

#include <algorithm>
#include <vector>

namespace {

constexpr double kNameWidth = 17.0;
constexpr double kKindWidth = 15.0;
constexpr double kHeader = 9.0;
constexpr double kRowHeight = 6.0;
constexpr double kTitleGap = 6.0;
constexpr int kPlanningRows = 4;

// A new row: the first row's copy, named, every kind without a value.
CGLGZ_Var NewRow(const CGLGZ_Var& first, const CString& name)
{
    CGLGZ_Var row = first;
    row.SetName(name);
    for (double& value : row.GetValues())
        value = -1.0;
    return row;
}

// The bar whose supports the fifth and sixth rows are measured from: the main face's first
// upper bent-up bar in the order of the kinds, which sort their bars (the outermost, trimmed to
// each kind's ends, first) while the design's face keeps its own order. None without one.
const CHLGZ_LUTSteel* FirstUpperBar(
    const CHLGZ_FaceInfo& main, const CArray<CHLGZ_FaceInfo, const CHLGZ_FaceInfo&>& kinds)
{
    const CArray<CHLGZ_LUTSteel, const CHLGZ_LUTSteel&>& bars = main.GetLUTSteels();
    if (bars.IsEmpty())
        return nullptr;
    if (!kinds.IsEmpty() && !kinds[0].GetLUTSteels().IsEmpty())
        for (INT_PTR i = 0; i < bars.GetSize(); ++i)
            if (bars[i].GetTag() == kinds[0].GetLUTSteels()[0].GetTag())
                return &bars[i];
    return &bars[0];
}

} // namespace

void CGLGZ_EtDraw::AppendSizeRows()
{
    if (m_vars.IsEmpty())
        return;
    const CGLGZ_Var first = m_vars[0];
    const int kinds = first.GetValues().length();
    // The value of each kind that holds the mark (its first bar there), through a part of its point.
    auto values = [&](const CHLGZ_SteelCode& mark, auto part) {
        CGLGZ_Var row = NewRow(first, L"");
        std::vector<bool> seen(static_cast<size_t>(kinds), false);
        for (const AcGePoint3d& p : mark.aPoints) {
            const int kind = static_cast<int>(p.z);
            if (kind < 0 || kind >= kinds || seen[static_cast<size_t>(kind)])
                continue;
            seen[static_cast<size_t>(kind)] = true;
            row.GetValues()[kind] = part(p);
        }
        return row.GetValues();
    };
    // 1. Offset rows, named by a letter from "a" on.
    wchar_t letter = L'a';
    for (INT_PTR m = 0; m < m_steelCodes.GetSize(); ++m) {
        const CHLGZ_SteelCode& mark = m_steelCodes[m];
        const bool x = !IsMarkUniform(mark, 0);
        const bool y = !IsMarkUniform(mark, 1);
        CString name;
        name.Format(L"%c", letter);
        if (x) {
            CGLGZ_Var row = NewRow(first, name);
            row.GetValues() = values(mark, [this](const AcGePoint3d& p) { return p.x * m_dScale; });
            m_vars.Add(row);
        }
        if (y) {
            CGLGZ_Var row = NewRow(first, x ? name + L"'" : name);
            row.GetValues() = values(mark, [this](const AcGePoint3d& p) { return p.y * m_dScale; });
            m_vars.Add(row);
        }
        if (x || y)
            ++letter;
    }
    // 2. Length rows of the marks whose bars differ in length.
    for (INT_PTR m = 0; m < m_steelCodes.GetSize(); ++m) {
        const CHLGZ_SteelCode& mark = m_steelCodes[m];
        if (IsMarkUniform(mark, 2))
            continue;
        const bool x = !IsMarkUniform(mark, 0);
        const bool y = !IsMarkUniform(mark, 1);
        CGLGZ_Var row = NewRow(first, L"L" + mark.FormatMark());
        row.GetValues() = values(mark, [&](const AcGePoint3d& p) {
            return mark.dBaseLength * 1000.0 + (x ? p.x * m_dScale : 0.0) + (y ? p.y * m_dScale : 0.0);
        });
        m_vars.Add(row);
    }
}

void CGLGZ_EtDraw::DrawSizeTable(const AcGePoint3d& point, int all)
{
    m_drawnItems.BeginItem(L"尺寸表");
    AppendSizeRows();
    if (m_vars.IsEmpty())
        return;
    // 1. - 2. Title and sizes.
    AddBoxedText(point, L"尺寸表", L"");
    const int k = m_vars[0].GetValues().length();
    const int count = static_cast<int>(m_vars.GetSize());
    const int rows = all ? count : std::min(kPlanningRows, count);
    const double width = kNameWidth + kKindWidth * k;
    const double top = point.y - kTitleGap;
    const double bottom = top - kHeader - kRowHeight * rows;
    const double left = point.x - width / 2.0;
    // 3. - 4. Frame, column and row lines, the corner's diagonal.
    MavUtils::selectLayer(L"05-表格");
    DrawLine(At(left, top), At(left + width, top));
    DrawLine(At(left + width, top), At(left + width, bottom));
    DrawLine(At(left + width, bottom), At(left, bottom));
    DrawLine(At(left, bottom), At(left, top));
    MavUtils::selectLayer(L"07-辅助");
    for (int i = 0; i < k; ++i)
        DrawLine(At(left + kNameWidth + kKindWidth * i, top), At(left + kNameWidth + kKindWidth * i, bottom));
    for (int j = 0; j < rows; ++j)
        DrawLine(At(left, top - kHeader - kRowHeight * j), At(left + width, top - kHeader - kRowHeight * j));
    DrawLine(At(left, top), At(left + kNameWidth, top - kHeader));
    // 5. Texts.
    MavUtils::selectLayer(L"09-文本");
    AddTableText(left + 4.25, top - 6.75, L"符号", 0.0);
    AddTableText(left + 12.75, top - 2.25, L"编号", 0.0);
    for (int kind = 0; kind < k; ++kind) {
        CString head;
        head.Format(L"骨架%c", static_cast<wchar_t>(L'A' + kind));
        AddTableText(left + kNameWidth + kKindWidth * (kind + 0.5), top - kHeader / 2.0, head, 0.0);
    }
    const CHLGZ_LUTSteel* upper = FirstUpperBar(m_pDesign->GetMainFace(), m_faces);
    for (int h = 0; h < rows; ++h) {
        const CGLGZ_Var& row = m_vars[h];
        const double y = top - kHeader - kRowHeight * (h + 0.5);
        CString name;
        name.Format(L"%s (cm)", row.GetName().GetString());
        AddTableText(left + kNameWidth / 2.0, y, name, 0.0);
        double shift = 0.0;
        if (h == 4 && upper != nullptr)
            shift = upper->GetPointY(0);
        else if (h == 5 && upper != nullptr)
            shift = upper->GetPointX(-1);
        // A bar without that branch (99999) gives no distance to measure from.
        shift = shift < 99999.0 ? shift / 10.0 : 0.0;
        for (int kind = 0; kind < k && kind < row.GetValues().length(); ++kind) {
            const double value = row.GetValues()[kind];
            const CString text = value < 0.0 ? CString(L"/") : FormatFixed(value / 10.0 - shift, -1);
            AddTableText(left + kNameWidth + kKindWidth * (kind + 0.5), y, text, 0.0);
        }
    }
}

void CGLGZ_EtDraw::DrawBesideQuantityTable(const AcGePoint3d& point)
{
    // A half drawing names no lengths by the table.
    if (!m_bHalfDrawing)
        DrawSizeTable(AcGePoint3d(point.x + 144.0, point.y, 0.0), 1);
}

AcGePoint3d CGLGZ_EtDraw::QuantityTablePoint()
{
    if (m_ptsSheetOrigins.isEmpty())
        return AcGePoint3d::kOrigin;
    // Beside a half plan: between the first column section and the frame's right side when
    // there is room, else left of the sheet.
    if (m_bHalfPlan)
        return HalfPlanTablePoint();
    // After rows of details: beside the last sheet.
    const AcGePoint3d& l = m_ptsSheetOrigins.last();
    return AcGePoint3d(l.x + m_frame.m_dWidth + 47.0 + 10.0, m_frame.m_dHeight + l.y - m_dLayoutMargin, 0.0);
}
