// Spacing labels of rows of bar positions: the plain-text twins of the spacing chains, which
// the plan writes over its stirrup positions and beside its end parts.
#include "CGLGZ_CapDraw.h"

#include "DrawingConstants.h"
#include "NumericHelpers.h"

#include <cmath>
#include <vector>

namespace {

constexpr double kEndShift = 3.0;

// A length of the drawing printed in centimetres, one decimal at most.
CString Centimetres(double length, double scale) { return FormatFixed(length * scale / 10.0, -1); }

// A gap too short to print a length is no gap.
bool IsNoLength(const CString& text) { return text == L"0" || text == L"-0"; }

// Mode 1 a pair along x, 0 along y, any other aligned with its points.
int PairMode(const AcGePoint3d& a, const AcGePoint3d& b)
{
    if (a.y == b.y)
        return 1;
    return a.x == b.x ? 0 : 2;
}

// Where the label of the stretch a-b stands and how it reads: moved `shift` off the stretch
// (up from a row along x, right from a row along y, to the right of an aligned one, as the
// dimensions offset) and `along` in the stretch's direction; it reads upright and lies on the
// side it was moved to.
struct RowLabel {
    AcGePoint3d at;
    double angle = 0.0;
    int below = 0;
};

RowLabel PlaceRowLabel(const AcGePoint3d& a, const AcGePoint3d& b, int mode, double shift, double along)
{
    const double length = a.distanceTo(b);
    AcGeVector3d e(length > 0.0 ? (b.x - a.x) / length : 1.0, length > 0.0 ? (b.y - a.y) / length : 0.0, 0.0);
    AcGeVector3d n(e.y, -e.x, 0.0);
    RowLabel label;
    if (mode == 1) {
        n = AcGeVector3d(0.0, 1.0, 0.0);
    } else if (mode == 0) {
        n = AcGeVector3d(1.0, 0.0, 0.0);
        label.angle = kQuarterTurn;
    } else {
        label.angle = std::atan2(e.y, e.x);
        if (label.angle > kQuarterTurn)
            label.angle -= kPi;
        else if (label.angle <= -kQuarterTurn)
            label.angle += kPi;
    }
    label.at = AcGePoint3d((a.x + b.x) / 2.0 + n.x * shift + e.x * along,
        (a.y + b.y) / 2.0 + n.y * shift + e.y * along, 0.0);
    const double up = n.x * std::cos(label.angle + kQuarterTurn) + n.y * std::sin(label.angle + kQuarterTurn);
    label.below = shift * up < 0.0 ? 1 : 0;
    return label;
}

} // namespace

int CGLGZ_CapDraw::DrawRebarLabel2d(
    const AcGePoint2dArray& points, double offset, double textOffset, int mode, int code)
{
    const int n = points.length();
    if (n < 2)
        return 0;
    // 1. The row: along x at the first point's height, along y at its abscissa, or as given.
    std::vector<AcGePoint3d> row;
    for (int i = 0; i < n; ++i) {
        const double x = mode == 0 ? points[0].x : points[i].x;
        const double y = mode == 1 ? points[0].y : points[i].y;
        row.emplace_back(x, y, 0.0);
    }
    // 2. Runs of equal gaps, one label each; gaps of no length are passed over.
    struct Run {
        int from;
        int to;
        CString text;
    };
    std::vector<Run> runs;
    for (int i = 0; i + 1 < n;) {
        const CString gap = Centimetres(row[i].distanceTo(row[i + 1]), m_dScale);
        if (IsNoLength(gap)) {
            ++i;
            continue;
        }
        int e = i + 1;
        while (e + 1 < n && Centimetres(row[e].distanceTo(row[e + 1]), m_dScale) == gap)
            ++e;
        Run run { i, e, gap };
        if (e - i > 1)
            run.text.Format(L"%dX%s", e - i, gap.GetString());
        runs.push_back(run);
        i = e;
    }
    // 3. The labels, the first and the last moved off the row's ends as the code says.
    const int count = static_cast<int>(runs.size());
    for (int r = 0; r < count; ++r) {
        double along = 0.0;
        if (r == 0 && (code / 10) % 10 != 0)
            along = -kEndShift;
        if (r == count - 1 && code % 10 != 0)
            along = kEndShift;
        const RowLabel label = PlaceRowLabel(row[runs[r].from], row[runs[r].to], mode, offset + textOffset, along);
        AcDbObjectId id;
        AddLabelText(id, label.at, runs[r].text, label.below, label.angle, 0);
    }
    return count;
}

AcDbObjectId CGLGZ_CapDraw::DrawRebarLabelAt(const AcGePoint3d& point, double value)
{
    AcDbObjectId id;
    return AddLabelText(id, point, Centimetres(value, m_dScale), 0, 0.0, 0);
}

int CGLGZ_CapDraw::DrawRebarLabelPair(const AcGePoint2dArray& points, double offset)
{
    int count = 0;
    for (int i = 0; i + 1 < points.length(); i += 2) {
        const AcGePoint3d a(points[i].x, points[i].y, 0.0);
        const AcGePoint3d b(points[i + 1].x, points[i + 1].y, 0.0);
        const CString text = Centimetres(a.distanceTo(b), m_dScale);
        if (IsNoLength(text))
            continue;
        const RowLabel label = PlaceRowLabel(a, b, PairMode(a, b), offset, 0.0);
        AcDbObjectId id;
        AddLabelText(id, label.at, text, label.below, label.angle, 0);
        ++count;
    }
    return count;
}
