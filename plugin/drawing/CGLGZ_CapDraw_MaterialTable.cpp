// The material quantity table of one cap: a row a bar mark with its diameter, length, count,
// total length and weight, the weight of every group of one grade and diameter, the concrete,
// and the one-line summary on the command line; the concrete volume it is computed from.
#include "CGLGZ_CapDraw.h"

#include "AcDbMText.h"
#include "acut.h"
#include "DrawingConstants.h"
#include "MavUtils.h"
#include "NumericHelpers.h"

#include <cmath>
#include <utility>
#include <vector>

namespace {

constexpr double kHalfWidth = 47.0;
constexpr double kWidth = 94.0;
constexpr double kTitleGap = 6.0;
constexpr double kRowHeight = 5.0;
constexpr double kSameLength = 0.000001;
// The column edges from the table's left side, and the column centres.
constexpr double kEdges[8] = { 0.0, 9.0, 21.0, 38.0, 48.0, 63.0, 78.0, 94.0 };
constexpr double kCentres[7] = { 4.5, 15.0, 29.5, 43.0, 55.5, 70.5, 86.0 };
const wchar_t* const kNames[7] = { L"编号", L"直径", L"长度", L"根数", L"共长", L"重量", L"共重" };
const wchar_t* const kUnits[7] = { L"", L"(mm)", L"(cm)", L"", L"(m)", L"(Kg)", L"(Kg)" };

struct UnitWeight {
    int diameter;
    double kilograms;
};
constexpr UnitWeight kUnitWeights[] = { { 6, 0.222 }, { 7, 0.302 }, { 8, 0.395 }, { 9, 0.499 }, { 10, 0.617 },
    { 12, 0.888 }, { 14, 1.208 }, { 16, 1.58 }, { 18, 2.0 }, { 20, 2.47 }, { 22, 2.98 }, { 25, 3.85 },
    { 28, 4.83 }, { 32, 6.31 } };

// Record j goes before record i: higher grade, then larger diameter, then smaller number, then
// fewer primes.
bool GoesBefore(const CHLGZ_SteelCode& j, const CHLGZ_SteelCode& i)
{
    if (j.nBarType != i.nBarType)
        return j.nBarType > i.nBarType;
    if (j.nDiameter != i.nDiameter)
        return j.nDiameter > i.nDiameter;
    if (j.nNumber != i.nNumber)
        return j.nNumber < i.nNumber;
    return j.nPrimed < i.nPrimed;
}

bool SameGroup(const CHLGZ_SteelCode& a, const CHLGZ_SteelCode& b)
{
    return a.nBarType == b.nBarType && a.nDiameter == b.nDiameter;
}

CString Glyph(const CHLGZ_SteelCode& mark) { return mark.nBarType == 1 ? L"&" : L"^"; }

// cot of an angle in degrees; an end along the cap (no sine) adds no skew.
double Cotangent(double degrees)
{
    const double s = std::sin(degrees * kDegree);
    return std::fabs(s) < 1e-12 ? 0.0 : std::cos(degrees * kDegree) / s;
}

} // namespace

double CGLGZ_CapDraw::GetUnitWeight(int diameter)
{
    for (const UnitWeight& w : kUnitWeights)
        if (w.diameter == diameter)
            return w.kilograms;
    return diameter * diameter * 61.6537558249375 / 10000.0;
}

double CGLGZ_CapDraw::GetConcreteVolume() const
{
    if (m_pGeometry == nullptr)
        return 0.0;
    const CBent_BasicGeometry& g = *m_pGeometry;
    const double s = Cotangent(g.dRightAngle) - Cotangent(g.dLeftAngle);
    const double h = g.dMiddleHeight;
    const double w = g.dWidth;
    return (g.dLength * h * w + s * h * w * w + w * g.dLeftWidth * (g.dLeftEndHeight - h) / 2.0
               + w * g.dRightWidth * (g.dRightEndHeight - h) / 2.0)
        / 1000000000.0;
}

void CGLGZ_CapDraw::DrawQuantityTable(const AcGePoint3d& point)
{
    m_drawnItems.BeginItem(L"数量表");
    const double left = point.x - kHalfWidth;
    const double top = point.y - kTitleGap;
    const double header = QuantityTableHeader();
    // 1. The title.
    AddBoxedText(point, m_bAbutment ? L"一个桥台盖梁材料数量表" : L"一个桥墩盖梁材料数量表", L"");
    // 2. The marks in table order, kept so; a mark that holds no bar gets no row.
    const INT_PTR count = m_steelCodes.GetSize();
    for (INT_PTR i = 0; i < count; ++i)
        for (INT_PTR j = i + 1; j < count; ++j)
            if (GoesBefore(m_steelCodes[j], m_steelCodes[i]))
                std::swap(m_steelCodes[i], m_steelCodes[j]);
    std::vector<const CHLGZ_SteelCode*> rows;
    for (INT_PTR i = 0; i < count; ++i)
        if (m_steelCodes[i].nCount > 0)
            rows.push_back(&m_steelCodes[i]);
    const int n = static_cast<int>(rows.size());
    // 3. - 4. Sizes and frame.
    const double bottom = top - (header + kRowHeight * (n + 1));
    auto at = [](double x, double y) { return AcGePoint3d(x, y, 0.0); };
    MavUtils::selectLayer(L"05-表格");
    DrawLine(at(left, top), at(left + kWidth, top));
    DrawLine(at(left + kWidth, top), at(left + kWidth, bottom));
    DrawLine(at(left + kWidth, bottom), at(left, bottom));
    DrawLine(at(left, bottom), at(left, top));
    // 5. Inner lines: the concrete row is split only at the weight column; the diameter and
    // group-weight cells run over their group.
    MavUtils::selectLayer(L"07-辅助");
    for (int c = 1; c < 7; ++c)
        DrawLine(at(left + kEdges[c], top), at(left + kEdges[c], c == 5 ? bottom : bottom + kRowHeight));
    DrawLine(at(left, top - header), at(left + kWidth, top - header));
    for (int r = 0; r + 1 < n; ++r) {
        const double y = top - header - kRowHeight * (r + 1);
        if (SameGroup(*rows[r], *rows[r + 1])) {
            DrawLine(at(left, y), at(left + kEdges[1], y));
            DrawLine(at(left + kEdges[2], y), at(left + kEdges[6], y));
        } else {
            DrawLine(at(left, y), at(left + kWidth, y));
        }
    }
    // 6. Header names and units.
    MavUtils::selectLayer(L"09-文本");
    for (int c = 0; c < 7; ++c) {
        if (*kUnits[c] == L'\0') {
            AddTableText(left + kCentres[c], top - header / 2.0, kNames[c], m_dTableHeights[0]);
            continue;
        }
        AddTableText(left + kCentres[c], top - header / 4.0, kNames[c], m_dTableHeights[0]);
        AddTableText(left + kCentres[c], top - header * 3.0 / 4.0, kUnits[c], m_dTableHeights[1]);
    }
    // 7. Mark rows; lengths and weights carry on from the rounded texts, as a reader checks them.
    const double cell = m_dTableHeights[2];
    const double firstRow = top - header - kRowHeight / 2.0;
    double totalWeight = 0.0;
    for (int first = 0; first < n;) {
        int last = first;
        while (last + 1 < n && SameGroup(*rows[first], *rows[last + 1]))
            ++last;
        double groupWeight = 0.0;
        for (int r = first; r <= last; ++r) {
            const CHLGZ_SteelCode& mark = *rows[r];
            const double y = firstRow - kRowHeight * r;
            CString text;
            text.Format(L"%d", mark.nNumber);
            for (int p = 0; p < mark.nPrimed; ++p)
                text += L"'";
            AddTableText(left + kCentres[0], y, text, cell);
            const CString length = FormatFixed(mark.dAverageLength * 100.0, 0);
            text = std::fabs(mark.dMaxLength - mark.dMinLength) >= kSameLength ? L"平均" + length : length;
            AddTableText(left + kCentres[2], y, text, cell);
            text.Format(L"%d", mark.nCount);
            AddTableText(left + kCentres[3], y, text, cell);
            const double metres = RoundReal(RoundReal(mark.dAverageLength * 100.0, 0) * mark.nCount / 100.0, 2);
            AddTableText(left + kCentres[4], y, FormatFixed(metres, 2), cell);
            const double weight = RoundReal(metres * GetUnitWeight(mark.nDiameter), 2);
            AddTableText(left + kCentres[5], y, FormatFixed(weight, 2), cell);
            groupWeight += weight;
        }
        const double y = firstRow - kRowHeight * (first + last) / 2.0;
        CString text;
        text.Format(L"%s%d", Glyph(*rows[first]).GetString(), rows[first]->nDiameter);
        AddTableText(left + kCentres[1], y, text, cell);
        text.Format(L"%.1f", groupWeight);
        AddTableText(left + kCentres[6], y, text, cell);
        totalWeight += groupWeight;
        first = last + 1;
    }
    // 8. The concrete row.
    MavUtils::selectLayer(L"07-辅助");
    DrawLine(at(left, bottom + kRowHeight), at(left + kWidth, bottom + kRowHeight));
    MavUtils::selectLayer(L"09-文本");
    const double volume = GetConcreteVolume();
    auto* label = new AcDbMText();
    label->setContents(L"C30混凝土（m{\\H0.7x;\\S3^;}）");
    label->setAttachment(AcDbMText::kMiddleCenter);
    label->setLocation(at(left + 31.5, bottom + kRowHeight / 2.0));
    label->setTextHeight(m_dTableHeights[3]);
    AcDbObjectId style;
    if (m_entityLib.getTextStyleId(L"YB", style) == Acad::eOk)
        label->setTextStyle(style);
    AcDbObjectId labelId;
    if (AppendToModelSpace(label, labelId))
        label->close();
    else
        delete label;
    CString text;
    text.Format(L"%.1f", volume);
    AddTableText(left + 78.5, bottom + kRowHeight / 2.0, text, cell);
    // 9. What stands beside the table.
    DrawBesideQuantityTable(point);
    // 10. The summary; a cap without concrete has no ratio.
    acutPrintf(L"\n钢筋总重%.1f,混凝土体积%.1f,配筋率%.1f\n", totalWeight, volume,
        volume > 0.0 ? totalWeight / volume : 0.0);
}
