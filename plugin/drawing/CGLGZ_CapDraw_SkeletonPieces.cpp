// The pieces of a skeleton detail that both drawings draw alike: the weld marks between bars
// that lie on each other, and the lengths along every rebar column between the skewed ends and
// the supports, which the dimension chains of the details and the elevation read.
#include "CGLGZ_CapDraw.h"
#include "DrawingConstants.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kLevel = 1e-9;
// Abscissas this close are one; a point this close right of a half detail's middle is on it.
constexpr double kSameX = 1e-6;
const wchar_t* const kSpanCentreText[7] = { L"盖", L"梁", L"跨", L"径", L"中", L"心", L"线" };

AcGePoint3d Lifted(const AcGePoint3d& p, double dy) { return At(p.x, p.y + dy); }

bool IsLevel(const AcGePoint3d& a, const AcGePoint3d& b) { return std::fabs(a.y - b.y) < kLevel; }

double Cot(double degrees)
{
    const double s = std::sin(degrees * kPi / 180.0);
    return s != 0.0 ? std::cos(degrees * kPi / 180.0) / s : 0.0;
}

// The angle of each line of the column table: the left end, every support, the right end.
std::vector<double> AxisAngles(const AcGeDoubleArray& x, double left, double right)
{
    const int n = x.length();
    std::vector<double> angles(static_cast<size_t>(n) + 2);
    angles.front() = left;
    angles.back() = right;
    const double mean = (left + right) / 2.0;
    for (int i = 0; i < n; ++i) {
        double a = mean;
        if (n > 1 && i == 0)
            a = left;
        else if (n > 1 && i == n - 1)
            a = right;
        else if (n > 1 && std::fabs(left - right) < 2.0)
            a = std::fabs(mean - 90.0) < 1.0 ? 90.0 : mean;
        else if (n > 1 && x[n - 1] != x[0])
            a = left + (x[i] - x[0]) * (right - left) / (x[n - 1] - x[0]);
        angles[static_cast<size_t>(i) + 1] = a;
    }
    return angles;
}

} // namespace

void CGLGZ_CapDraw::DrawWeldRow(
    const AcGePoint3dArray& points, int below, double weld, const AcGeDoubleArray& positions, int block)
{
    if (points.length() < 2)
        return;
    double first = points.first().x;
    double last = points.last().x;
    if (first > last)
        std::swap(first, last);
    const double y = points.first().y;
    // The weld stands on the side away from a point one unit off the bar.
    const double away = below ? -1.0 : 1.0;
    for (double x : positions) {
        if (x - weld / 2.0 < first || x + weld / 2.0 > last)
            continue;
        InsertMirroredBlock(At(x - weld / 2.0, y), At(x + weld / 2.0, y), At(x, y + away), m_dDetailMiddle, block);
    }
}

void CGLGZ_CapDraw::DrawWeldStack(const AcGePoint3d& start, const AcGePoint3d& end, const AcGePoint3d& reference,
    double upper, double lower, int block)
{
    if (upper == lower || m_dDetailDiameter <= 0.0)
        return;
    const bool climb = end.y > reference.y;
    const double level = climb ? upper : lower;
    const double step = climb ? m_dDetailDiameter : -m_dDetailDiameter;
    const long further = std::lround(std::fabs(start.y - level) / m_dDetailDiameter) - 1;
    for (long i = 1; i <= further; ++i) {
        const double dy = step * static_cast<double>(i);
        InsertMirroredBlock(Lifted(start, dy), Lifted(end, dy), Lifted(reference, dy), m_dDetailMiddle, block);
    }
}

void CGLGZ_CapDraw::DrawBarWelds(const AcGePoint3dArray& points, int upperBar, double upper, double lower, int block)
{
    const int n = points.length();
    const double l = m_dDetailWeld;
    if (n < 4 || l <= 0.0)
        return;
    // 1. The level runs inside the bar.
    for (int i = 1; i + 2 < n; ++i) {
        const AcGePoint3d& a = points[i];
        const AcGePoint3d& b = points[i + 1];
        const AcGePoint3d& before = points[i - 1];
        const bool raised = a.y > before.y;
        const double run = std::fabs(b.x - a.x);
        if (!IsLevel(a, b) || (!upperBar && raised) || run < l)
            continue;
        const AcGePoint3d& left = a.x < b.x ? a : b;
        const AcGePoint3d& right = a.x < b.x ? b : a;
        double centre = (a.x + b.x) / 2.0;
        if (raised) {
            for (double axis : m_dDetailAxes)
                if (axis > left.x && axis < right.x) {
                    centre = axis;
                    break;
                }
        }
        auto weld = [&](double from, double to) {
            InsertMirroredBlock(At(from, a.y), At(to, a.y), before, m_dDetailMiddle, block);
            DrawWeldStack(At(from, a.y), At(to, a.y), before, upper, lower, block);
        };
        // One weld in the middle of a short or a long run, one at each end of a run of two weld
        // lengths or more (a run of exactly two would otherwise get none).
        if (run > 3.0 * l || run < 2.0 * l)
            weld(centre - l / 2.0, centre + l / 2.0);
        if (run >= 2.0 * l) {
            weld(left.x, left.x + l);
            weld(right.x - l, right.x);
        }
    }
    // 2. The two ends, the second as the first read backwards.
    for (int end = 0; end < 2; ++end) {
        auto p = [&](int i) -> const AcGePoint3d& { return points[end ? n - 1 - i : i]; };
        if (IsLevel(p(0), p(1))) {
            AcGePoint3d from = p(0);
            if (p(0).distanceTo(p(1)) > 2.0 * l) {
                InsertMirroredBlock(p(0), p(1), p(2), m_dDetailMiddle, block);
                DrawWeldStack(p(0), p(1), p(2), upper, lower, block);
                from = PointAlongLine(p(1), p(0), l);
            }
            InsertMirroredBlock(from, p(1), p(2), m_dDetailMiddle, block);
            DrawWeldStack(from, p(1), p(2), upper, lower, block);
            continue;
        }
        const double c = p(0).distanceTo(p(1));
        if (c >= l / 2.0)
            InsertMirroredBlock(p(0), p(1), p(2), m_dDetailMiddle, c < 0.9 * l ? 1 : block);
        if (c < l - 0.001 && p(1).distanceTo(p(2)) >= l / 2.0)
            InsertMirroredBlock(p(1), p(2), p(3), m_dDetailMiddle, 1);
    }
}

int CGLGZ_CapDraw::ComputeColumnPositions(AcGeDoubleArray& table, AcGeDoubleArray& positions, int mode)
{
    table.setLogicalLength(0);
    positions.setLogicalLength(0);
    if (m_pDesign == nullptr || m_pGeometry == nullptr)
        return 0;
    const CBent_BasicGeometry& g = *m_pGeometry;
    const int n = m_pDesign->GetSupportDistances().length();
    const int columns = m_pDesign->GetMainFace().GetBarColumnCount();
    if (n < 1 || columns < 2)
        return 0;
    // The columns across the cap: from the side cover by the spacings, or spread evenly over
    // the part of the width that holds them (the L part taken apart).
    std::vector<double> ys;
    const double sideCover = m_pDesign->GetSideCover() / 1000.0;
    if (mode == 0) {
        double y = sideCover - g.dWidth / 2000.0;
        for (int c = 0; c < columns; ++c) {
            if (c > 0 && c - 1 < m_dSkeletonSpacings.length())
                y += m_dSkeletonSpacings[c - 1] / 1000.0;
            ys.push_back(y);
        }
    } else {
        const double width = (g.dWidth - (g.nSectionForm ? g.dLWidth : 0.0)) / 1000.0;
        const double from = mode < 0 ? -g.dWidth / 2000.0 + sideCover : g.dWidth / 2000.0 - width + sideCover;
        const double pitch = (width - 2.0 * sideCover) / (columns - 1);
        for (int c = 0; c < columns; ++c)
            ys.push_back(from + pitch * c);
    }
    return ComputeColumnPositionsAt(ys, table, positions);
}

int CGLGZ_CapDraw::ComputeColumnPositionsAt(
    const std::vector<double>& ys, AcGeDoubleArray& table, AcGeDoubleArray& positions)
{
    table.setLogicalLength(0);
    positions.setLogicalLength(0);
    if (m_pDesign == nullptr || m_pGeometry == nullptr)
        return 0;
    const CBent_BasicGeometry& g = *m_pGeometry;
    const AcGeDoubleArray& s = m_pDesign->GetSupportDistances();
    const int n = s.length();
    if (n < 1 || ys.empty())
        return 0;
    // 1. The supports along the cap, metres from the left end.
    const double length = g.dLength / 1000.0;
    AcGeDoubleArray x;
    x.append((g.dLeftWidth + s[0]) / 1000.0);
    for (int i = 1; i + 1 < n; ++i)
        x.append(x[i - 1] + s[i] / 1000.0);
    if (n > 1)
        x.append((g.dLength - g.dRightWidth - s[n - 1]) / 1000.0);
    // 2. - 3. The lines of the ends and the supports, through the axis at their angles.
    const std::vector<double> angles = AxisAngles(x, g.dLeftAngle, g.dRightAngle);
    positions.append(0.0);
    for (double xi : x)
        positions.append(xi);
    positions.append(length);
    for (double y : ys) {
        std::vector<double> hits;
        for (int i = 0; i < positions.length(); ++i)
            hits.push_back(positions[i] - length / 2.0 + y * Cot(angles[static_cast<size_t>(i)]));
        if (m_nSupportCode && n > 1) {
            const double span = (hits[static_cast<size_t>(n)] - hits[1]) / (n - 1);
            table.append(hits[1] - hits[0]);
            for (int i = 1; i < n; ++i)
                table.append(span);
            table.append(hits[static_cast<size_t>(n) + 1] - hits[static_cast<size_t>(n)]);
        } else {
            for (size_t i = 1; i < hits.size(); ++i)
                table.append(hits[i] - hits[i - 1]);
        }
    }
    return 1;
}

int CGLGZ_CapDraw::ComputeSpanLimits(
    AcGeDoubleArray& greatest, AcGeDoubleArray& smallest, AcGeDoubleArray& firstRow, AcGeDoubleArray& lastRow)
{
    for (AcGeDoubleArray* list : { &greatest, &smallest, &firstRow, &lastRow })
        list->setLogicalLength(0);
    AcGeDoubleArray table;
    AcGeDoubleArray positions;
    if (!ComputeColumnPositions(table, positions, m_nColumnMode))
        return 0;
    const int places = positions.length() - 1;
    const int rows = table.length() / places;
    for (int k = 0; k < places; ++k) {
        double most = table[k];
        double least = table[k];
        for (int r = 1; r < rows; ++r) {
            most = std::max(most, table[r * places + k]);
            least = std::min(least, table[r * places + k]);
        }
        greatest.append(most);
        smallest.append(least);
        firstRow.append(table[k]);
        lastRow.append(table[(rows - 1) * places + k]);
    }
    return 1;
}

void CGLGZ_CapDraw::WriteSpanCentreText(double x, double top, double bottom)
{
    const double h = m_dLabelHeight;
    for (int i = 0; i < 7; ++i) {
        AcDbObjectId id;
        AddLabelText(id, At(x + h, top - 1.5 * h - i * (top - bottom - 2.0 * h) / 7.0), kSpanCentreText[i], 0, 0.0, 0);
    }
}

std::vector<double> CGLGZ_CapDraw::DistinctAbscissas(std::vector<double> xs)
{
    std::sort(xs.begin(), xs.end());
    std::vector<double> out;
    for (double x : xs)
        if (out.empty() || x - out.back() > kSameX)
            out.push_back(x);
    return out;
}

void CGLGZ_CapDraw::DrawHalfDetailChain(const std::vector<double>& xs, double y, double offset, double textOffset)
{
    AcGePoint2dArray points;
    for (double x : xs) {
        if (m_bHalfDrawing && x > m_dDetailMiddle + kOnDetailMiddle) {
            points.append(AcGePoint2d(m_dDetailMiddle, y));
            break;
        }
        points.append(AcGePoint2d(x, y));
    }
    if (points.length() >= 2)
        DrawRebarCallout2d(points, offset, textOffset, 1, 0, nullptr, 0);
}
