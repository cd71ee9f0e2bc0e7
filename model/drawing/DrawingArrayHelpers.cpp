// Free helpers of the drawing side on points and number lists.
#include "DrawingArrayHelpers.h"

#include <algorithm>
#include <climits>
#include <cwctype>

void PointAtDistance2d(AcGePoint2d& out, const AcGePoint2d& p1, const AcGePoint2d& p2, double d)
{
    const AcGeVector2d v = p2 - p1;
    const double length = v.length();
    if (length == 0.0) {
        out = p1;
        return;
    }
    out = p1 + v * (d / length);
}

void AssignRealArray(AcGeDoubleArray& to, const CArray<double, const double&>& from)
{
    to.removeAll();
    for (INT_PTR i = 0; i < from.GetSize(); ++i)
        to.append(from[i]);
}

void CopyPointArray(AcGeIntArray& to, const CArray<int, const int&>& from)
{
    to.removeAll();
    for (INT_PTR i = 0; i < from.GetSize(); ++i)
        to.append(from[i]);
}

void SortReals(AcGeDoubleArray& list, int ascending)
{
    std::sort(list.begin(), list.end());
    if (!ascending)
        list.reverse();
}

void ReverseReals(AcGeDoubleArray& list) { list.reverse(); }

double SnapToMidpoint(double x, const AcGeDoubleArray& sorted, int upward)
{
    const int n = sorted.length();
    if (upward) {
        for (int i = 1; i < n; ++i) {
            const double mid = (sorted[i - 1] + sorted[i]) / 2.0;
            if (mid >= x)
                return mid;
        }
    } else {
        for (int i = n - 1; i >= 1; --i) {
            const double mid = (sorted[i - 1] + sorted[i]) / 2.0;
            if (mid <= x)
                return mid;
        }
    }
    return x;
}

int ParseInt(const CString& text)
{
    const wchar_t* p = text;
    while (*p != L'\0' && std::iswspace(static_cast<wint_t>(*p)))
        ++p;
    bool negative = false;
    if (*p == L'+' || *p == L'-') {
        negative = (*p == L'-');
        ++p;
    }
    long long value = 0;
    for (; *p >= L'0' && *p <= L'9'; ++p) {
        value = value * 10 + (*p - L'0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative)
        value = -value;
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

double SegmentDx(const AcDbExtents& record) { return record.maxPoint().x - record.minPoint().x; }

double SegmentDy(const AcDbExtents& record) { return record.maxPoint().y - record.minPoint().y; }

int HasEqualReals(const std::pair<double, double>& record) { return record.first == record.second ? 1 : 0; }
