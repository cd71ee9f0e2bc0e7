// Linear dimensions and chains of them, in the drawing's current dimension style on the
// dimension layer.
#include "CTov_DrawEntity.h"

#include "AcDbAlignedDimension.h"
#include "AcDbDatabase.h"
#include "AcDbDimStyleTableRecord.h"
#include "AcDbHostApplicationServices.h"
#include "AcDbServices.h"
#include "DimensionText.h"
#include "MavUtils.h"
#include "NumericHelpers.h"

#include <cmath>
#include <vector>

namespace {

// Linear scale factor and decimals of the current dimension style.
bool currentStyleFactors(double& f, int& n)
{
    AcDbDatabase* pDb = acdbHostApplicationServices()->workingDatabase();
    AcDbDimStyleTableRecord* pStyle = nullptr;
    if (pDb == nullptr || acdbOpenObject(pStyle, pDb->dimstyle(), AcDb::kForRead) != Acad::eOk)
        return false;
    f = pStyle->dimlfac();
    n = pStyle->dimdec();
    pStyle->close();
    return true;
}

AcGePoint2d to2d(const AcGePoint3d& p) { return AcGePoint2d(p.x, p.y); }

AcGePoint2dArray to2d(const AcGePoint3dArray& points)
{
    AcGePoint2dArray result;
    for (int i = 0; i < points.length(); ++i)
        result.append(to2d(points[i]));
    return result;
}

// One dimension of a chain: its two points and its text (empty: the measured value).
struct ChainDimension {
    AcGePoint2d start;
    AcGePoint2d end;
    CString text;
};

// The chain's dimensions: equal lengths that follow one another merged into one "%dX%s".
std::vector<ChainDimension> buildChain(const AcGePoint2dArray& input, int mode, double f, int n)
{
    AcGePoint2dArray points;
    for (int i = 0; i < input.length(); ++i) {
        if (mode == 1)
            points.append(AcGePoint2d(input[i].x, input[0].y));
        else if (mode == 0)
            points.append(AcGePoint2d(input[0].x, input[i].y));
        else
            points.append(input[i]);
    }
    const int segments = points.length() - 1;
    auto coordinate = [&](int i) { return mode == 1 ? points[i].x : points[i].y; };
    auto skipped = [&](int i) { return (mode == 0 || mode == 1) && CompareReal(coordinate(i), coordinate(i + 1)) == 0; };
    auto lengthText = [&](int i) { return FormatFixed(points[i].distanceTo(points[i + 1]) * f, -n); };

    std::vector<ChainDimension> chain;
    for (int i = 0; i < segments;) {
        if (skipped(i)) {
            ++i;
            continue;
        }
        const CString text = lengthText(i);
        int e = 0;
        while (i + e + 1 < segments && lengthText(i + e + 1) == text)
            ++e;
        ChainDimension dimension { points[i], points[i + e + 1], CString() };
        if (e > 0) {
            dimension.text.Format(
                L"%dX%s", e + 1, FormatFixed(std::fabs(points[i].distanceTo(points[i + 1]) * f), -n).GetString());
        }
        chain.push_back(dimension);
        i += e + 1;
    }
    return chain;
}

double alongChain(const ChainDimension& d, int mode)
{
    return mode == 0 ? std::fabs(d.end.y - d.start.y) : std::fabs(d.end.x - d.start.x);
}

} // namespace

int CTov_DrawEntity::DrawDimension(const AcGePoint3d& p1, const AcGePoint3d& p2, double offset, double textOffset,
    AcDbObjectId* id, const wchar_t* text, double, int half)
{
    // 1. Nothing to measure between equal points.
    if (p1.isEqualTo(p2))
        return 1;
    // 2. The dimension layer.
    MavUtils::selectLayer(L"08-标注");
    // 3. Vertical, horizontal or aligned; the offset goes to the right of p1 -> p2.
    AcGePoint3d x1;
    AcGePoint3d x2;
    AcGePoint3d line;
    if (p2.x == p1.x) {
        x1 = AcGePoint3d(p1.x + offset, p1.y, p1.z);
        x2 = AcGePoint3d(p2.x + offset, p2.y, p2.z);
        line = AcGePoint3d(p1.x + offset + textOffset, (p1.y + p2.y) / 2.0, p1.z);
    } else if (p2.y == p1.y) {
        x1 = AcGePoint3d(p1.x, p1.y + offset, p1.z);
        x2 = AcGePoint3d(p2.x, p2.y + offset, p2.z);
        line = AcGePoint3d((p1.x + p2.x) / 2.0, p1.y + offset + textOffset, p1.z);
    } else {
        const double length = p1.distanceTo(p2);
        const double u = (p2.y - p1.y) / length;
        const double v = (p2.x - p1.x) / length;
        x1 = AcGePoint3d(p1.x + offset * u, p1.y - offset * v, p1.z);
        x2 = AcGePoint3d(p2.x + offset * u, p2.y - offset * v, p2.z);
        line = AcGePoint3d(x1.x + textOffset * u, x1.y - textOffset * v, x1.z);
    }
    // 4. Scale factor and decimals of the current style.
    double f = 1.0;
    int n = 0;
    if (!currentStyleFactors(f, n))
        return 0;
    // 5. An aligned dimension whose text can later be placed freely.
    auto* pDim = new AcDbAlignedDimension();
    pDim->setDimtmove(2);
    pDim->setXLine1Point(x1);
    pDim->setXLine2Point(x2);
    pDim->setDimLinePoint(line);
    // 6. The text: the caller's, half of a doubled length, or the measured value.
    if (text != nullptr && text[0] != L'\0') {
        pDim->setDimensionText(text);
    } else if (half) {
        CString halfText;
        halfText.Format(L"%s/2", FormatFixed(2.0 * p1.distanceTo(p2) * f, -n).GetString());
        pDim->setDimensionText(halfText);
    }
    // 7. Into model space.
    AcDbObjectId newId;
    if (AppendToModelSpace(pDim, newId))
        pDim->close();
    else
        delete pDim;
    if (id != nullptr)
        *id = newId;
    return 1;
}

int CTov_DrawEntity::DrawDimension2d(const AcGePoint2d& p1, const AcGePoint2d& p2, double offset, double textOffset,
    AcDbObjectId* id, const wchar_t* text, double unused, int half)
{
    return DrawDimension(AcGePoint3d(p1.x, p1.y, 0.0), AcGePoint3d(p2.x, p2.y, 0.0), offset, textOffset, id, text,
        unused, half);
}

int CTov_DrawEntity::DrawChainDimension3d(
    const AcGePoint3dArray& points, double offset, double textOffset, int mode, int further)
{
    return DrawChainDimension(to2d(points), offset, textOffset, mode, further);
}

int CTov_DrawEntity::DrawChainDimensionEx3d(const AcGePoint3dArray& points, double offset, double textOffset,
    int mode, int code, const AcGePoint2d* optionalPoint, int alternate)
{
    return DrawChainDimensionEx(to2d(points), offset, textOffset, mode, code, optionalPoint, alternate);
}

int CTov_DrawEntity::ObliqueDimension(AcDbObjectId id, double angle) { return SetDimensionOblique(id, angle); }

int CTov_DrawEntity::MoveDimensionTextAside(AcDbObjectId id, double dx, double dy)
{
    return MoveDimensionText(id, dx, dy, 1);
}

int CTov_DrawEntity::DrawChainDimension(
    const AcGePoint2dArray& points, double offset, double textOffset, int mode, int)
{
    double f = 1.0;
    int n = 0;
    if (points.length() < 2 || !currentStyleFactors(f, n))
        return 0;
    for (const ChainDimension& d : buildChain(points, mode, f, n))
        DrawDimension2d(d.start, d.end, offset, textOffset, nullptr, d.text.IsEmpty() ? nullptr : d.text.GetString());
    return 1;
}

int CTov_DrawEntity::DrawChainDimensionEx(const AcGePoint2dArray& points, double offset, double textOffset,
    int mode, int code, const AcGePoint2d* optionalPoint, int alternate)
{
    double f = 1.0;
    int n = 0;
    if (points.length() < 2 || !currentStyleFactors(f, n))
        return 0;
    const bool firstFlag = (code / 10) % 10 != 0;
    const bool lastFlag = code % 10 != 0;
    // 1. The chain.
    const std::vector<ChainDimension> chain = buildChain(points, mode, f, n);
    const int count = static_cast<int>(chain.size());
    // 2. Extension lines: off between two dimensions that are both short.
    std::vector<bool> extension(count + 1, true);
    for (int k = 0; k + 1 < count; ++k) {
        if (alongChain(chain[k], mode) < 6.5 && alongChain(chain[k + 1], mode) < 6.5)
            extension[k + 1] = false;
    }
    // 3. and 4. Each dimension drawn, the end texts moved aside, the others narrowed to fit.
    std::vector<AcDbObjectId> ids(count);
    std::vector<bool> moved(count, false);
    for (int i = 0; i < count; ++i) {
        const ChainDimension& d = chain[i];
        DrawDimension2d(d.start, d.end, offset, textOffset, &ids[i], d.text.IsEmpty() ? nullptr : d.text.GetString());
        double dx = 0.0;
        double dy = 0.0;
        if (i == 0 && firstFlag) {
            if (mode == 0)
                dy = points[1].y > points[0].y ? -3.0 : 3.0;
            else
                dx = points[1].x > points[0].x ? -3.0 : 3.0;
        }
        if (i == count - 1 && optionalPoint == nullptr && lastFlag) {
            if (mode == 0)
                dy = points[1].y < points[0].y ? -3.0 : 3.0;
            else
                dx = points[1].x < points[0].x ? -3.0 : 3.0;
        }
        MoveDimensionTextAside(ids[i], dx, dy);
        SuppressExtensionLines(ids[i], !extension[i], !extension[i + 1]);
        moved[i] = dx != 0.0 || dy != 0.0;
        if (!moved[i]) {
            double span = 0.0;
            if (MeasureDimensionText(ids[i], span) > span - 1.0)
                NarrowDimensionText(ids[i]);
        }
    }
    // 5. Inner texts that still do not fit, moved off the line in turn.
    if (alternate) {
        const double sx = mode == 0 ? (textOffset < 0.0 ? -0.5 : -2.0) : 0.0;
        const double sy = mode == 0 ? 0.0 : (textOffset < 0.0 ? 2.0 : 1.0);
        for (int i = 1; i + 1 < count; ++i) {
            double span = 0.0;
            if (MeasureDimensionText(ids[i], span) > span && !moved[i - 1]) {
                MoveDimensionText(ids[i], sx, sy, 0);
                moved[i] = true;
            }
        }
    }
    return 1;
}
