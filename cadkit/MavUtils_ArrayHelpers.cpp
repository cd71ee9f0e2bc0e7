// Array and point helpers for the geometry code: emptying, searching, extremes, sorting,
// thinning and reversing the host's arrays; midpoints, plan points lifted to 3D and swaps.
#include "MavUtils.h"

#include <cmath>
#include <utility>

namespace {

// Reals closer than this are one value.
constexpr double kRealTolerance = 1e-6;

template <class T>
void clearAll(AcArray<T>& values)
{
    if (!values.isEmpty())
        values.removeSubArray(0, values.length() - 1);
}

// The list is copied, emptied and refilled from the copy's last element to its first.
template <class T>
void reverseAll(AcArray<T>& values)
{
    const AcArray<T> copy = values;
    values.removeAll();
    for (int i = copy.length() - 1; i >= 0; --i)
        values.append(copy[i]);
}

template <class T>
int lastEqualIndex(const T& value, const AcArray<T>& values)
{
    int position = -1;
    for (int i = 0; i < values.length(); ++i) {
        if (values[i] == value)
            position = i;
    }
    return position;
}

// The last i with a[i] <= value < a[i + 1]; the last element bounds no interval.
template <class T>
int intervalIndex(const T& value, const AcArray<T>& values)
{
    int position = -1;
    for (int i = 0; i + 1 < values.length(); ++i) {
        if (!(value < values[i]) && value < values[i + 1])
            position = i;
    }
    return position;
}

// The out index ends at the last match.
template <class T, class Equal>
int lastMatch(const T& value, const AcArray<T>& values, int& index, Equal equal)
{
    index = -1;
    for (int i = 0; i < values.length(); ++i) {
        if (equal(values[i], value))
            index = i;
    }
    return index >= 0 ? 1 : 0;
}

// Only a strictly smaller (or larger) value replaces the current one, so ties keep the first.
template <class T>
int extremeIndex(const AcArray<T>& values, int minimum)
{
    int position = 0;
    for (int i = 1; i < values.length(); ++i) {
        const bool better = minimum != 0 ? values[i] < values[position] : values[position] < values[i];
        if (better)
            position = i;
    }
    return position;
}

// An exchange sort on a key: equal keys are never exchanged.
template <class T, class Less>
int exchangeSort(AcArray<T>& values, int ascending, Less less)
{
    for (int i = 0; i < values.length(); ++i) {
        for (int j = i; j < values.length(); ++j) {
            const bool exchange = ascending != 0 ? less(values[j], values[i]) : less(values[i], values[j]);
            if (exchange)
                std::swap(values[i], values[j]);
        }
    }
    return 1;
}

template <class Point>
int sortPoints(AcArray<Point>& points, int byX, int ascending)
{
    if (byX != 0)
        return exchangeSort(points, ascending, [](const Point& a, const Point& b) { return a.x < b.x; });
    return exchangeSort(points, ascending, [](const Point& a, const Point& b) { return a.y < b.y; });
}

// After a removal the scan moves on, so the element that slid into the freed place is not
// compared in that pass: three equal values leave two.
template <class T>
void removeLaterRepeats(AcArray<T>& values)
{
    int n = values.length();
    for (int i = 0; i < n; ++i) {
        for (int j = i; j < n; ++j) {
            if (j != i && values[j] == values[i]) {
                values.removeAt(j);
                --n;
            }
        }
    }
}

} // namespace

void MavUtils::clearArray(AcArray<AcGePoint2d>& points) { clearAll(points); }

void MavUtils::clearArray(AcArray<double>& values) { clearAll(values); }

AcGePoint3d MavUtils::middlePointAcGePoint3d(const AcGePoint3d& a, const AcGePoint3d& b)
{
    return AcGePoint3d((a.x + b.x) / 2.0, (a.y + b.y) / 2.0, (a.z + b.z) / 2.0);
}

AcGePoint2d MavUtils::middlePointAcGePoint2d(const AcGePoint2d& a, const AcGePoint2d& b)
{
    return AcGePoint2d((a.x + b.x) / 2.0, (a.y + b.y) / 2.0);
}

AcGePoint3d MavUtils::fromAcGePoint2d(const AcGePoint2d& point, double z) { return AcGePoint3d(point.x, point.y, z); }

AcArray<AcGePoint3d> MavUtils::fromAcGePoint2dArray(const AcArray<AcGePoint2d>& points)
{
    AcArray<AcGePoint3d> result;
    for (int i = 0; i < points.length(); ++i)
        result.append(fromAcGePoint2d(points[i], 0.0));
    return result;
}

void MavUtils::swapValue(double& a, double& b) { std::swap(a, b); }

void MavUtils::swapValue(int& a, int& b) { std::swap(a, b); }

void MavUtils::swapGePoint2d(AcGePoint2d& a, AcGePoint2d& b) { std::swap(a, b); }

int MavUtils::positionInCArray(const CString& text, const CStringArray& texts)
{
    for (INT_PTR i = 0; i < texts.GetSize(); ++i) {
        if (texts[i].CompareNoCase(text) == 0)
            return static_cast<int>(i);
    }
    return -1;
}

int MavUtils::positionInAcArray(AcGePoint3d point, const AcArray<AcGePoint3d>& points)
{
    return lastEqualIndex(point, points);
}

int MavUtils::positionInAcArray(AcGePoint2d point, const AcArray<AcGePoint2d>& points)
{
    return lastEqualIndex(point, points);
}

int MavUtils::positionInAcArray(int value, const AcArray<int>& values) { return intervalIndex(value, values); }

int MavUtils::positionInAcArray(AcDbObjectId id, const AcArray<AcDbObjectId>& ids) { return intervalIndex(id, ids); }

int MavUtils::isMemberOfAcArray(int value, const AcArray<int>& values, int& index)
{
    return lastMatch(value, values, index, [](int a, int b) { return a == b; });
}

int MavUtils::isMemberOfAcArray(double value, const AcArray<double>& values, int& index)
{
    return lastMatch(value, values, index, [](double a, double b) { return std::fabs(a - b) < kRealTolerance; });
}

int MavUtils::isMemberOfAcArray(const AcGePoint3d& point, const AcArray<AcGePoint3d>& points, int& index)
{
    return lastMatch(point, points, index, [](const AcGePoint3d& a, const AcGePoint3d& b) { return a == b; });
}

int MavUtils::postionOfMinMaxValueInAcArray(const AcArray<double>& values, int minimum)
{
    return extremeIndex(values, minimum);
}

int MavUtils::postionOfMinMaxValueInAcArray(const AcArray<int>& values, int minimum)
{
    return extremeIndex(values, minimum);
}

int MavUtils::sortAcArray(AcArray<AcGePoint2d>& points, int byX, int ascending)
{
    return sortPoints(points, byX, ascending);
}

int MavUtils::sortAcArray(AcArray<AcGePoint3d>& points, int byX, int ascending)
{
    return sortPoints(points, byX, ascending);
}

int MavUtils::sortAcArray(AcArray<AcDbObjectId>& ids, int ascending)
{
    return exchangeSort(ids, ascending, [](const AcDbObjectId& a, const AcDbObjectId& b) { return a < b; });
}

void MavUtils::purgeAcArray(AcArray<int>& values) { removeLaterRepeats(values); }

void MavUtils::purgeAcArray(AcArray<double>& values)
{
    // (1) Fewer than two values: nothing to thin.
    if (values.length() < 2)
        return;
    // (2) Note each value whose successor lies within the tolerance.
    AcArray<int> noted;
    for (int i = 0; i + 1 < values.length(); ++i) {
        if (std::fabs(values[i + 1] - values[i]) < kRealTolerance)
            noted.append(i);
    }
    // (3) Remove them from the highest index down, so that each run keeps its last value.
    for (int k = noted.length() - 1; k >= 0; --k)
        values.removeAt(noted[k]);
}

void MavUtils::reverseDataInArray(AcArray<double>& values) { reverseAll(values); }

void MavUtils::reverseDataInArray(AcArray<AcDbObjectId>& ids) { reverseAll(ids); }
