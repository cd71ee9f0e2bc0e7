// Helpers on the platform's arrays and on points: reversing, clearing, sorting, searching,
// printing and thinning arrays, and converting between point and array kinds.
#include "MavUtils.h"

#include "acut.h"

#include <cmath>
#include <set>

namespace {

template <class T>
void reverseInPlace(AcArray<T>& values)
{
    const AcArray<T> copy = values;
    values.removeAll();
    for (int i = copy.length() - 1; i >= 0; --i)
        values.append(copy[i]);
}

template <class T>
void clearInPlace(AcArray<T>& values)
{
    if (!values.isEmpty())
        values.removeSubArray(0, values.length() - 1);
}

// An exchange sort: equal elements are never swapped.
template <class T>
int exchangeSort(AcArray<T>& values, int ascending)
{
    for (int i = 0; i < values.length(); ++i) {
        for (int j = i; j < values.length(); ++j) {
            const bool swap = ascending != 0 ? values[j] < values[i] : values[j] > values[i];
            if (swap)
                values.swap(i, j);
        }
    }
    return 1;
}

template <class T>
int lastMember(const T& value, const AcArray<T>& values, int& index)
{
    index = -1;
    for (int i = 0; i < values.length(); ++i) {
        if (values[i] == value)
            index = i;
    }
    return index >= 0 ? 1 : 0;
}

// After a removal the scan moves on, so the element that slid into the freed place is not
// compared in that pass: callers see exactly this thinning.
template <class T, class Equal>
void removeLaterDuplicates(AcArray<T>& values, Equal equal)
{
    int n = values.length();
    for (int i = 0; i < n; ++i) {
        for (int j = i; j < n; ++j) {
            if (j != i && equal(values[j], values[i])) {
                values.removeAt(j);
                --n;
            }
        }
    }
}

constexpr double kBulgeTolerance = 1e-10 * 100000;
constexpr double kLastValueTolerance = 1e-10 * 10000;
constexpr double kPurgePointTolerance = 1e-4;

bool isZeroBulge(double bulge) { return std::fabs(bulge) < kBulgeTolerance; }

} // namespace

void MavUtils::reverseDataInArray(AcArray<int>& values) { reverseInPlace(values); }

void MavUtils::reverseDataInArray(AcArray<AcGePoint2d>& points) { reverseInPlace(points); }

void MavUtils::reverseDataInArray(AcArray<AcGePoint3d>& points) { reverseInPlace(points); }

void MavUtils::clearArray(AcArray<int>& values) { clearInPlace(values); }

void MavUtils::clearArray(AcArray<AcGePoint3d>& points) { clearInPlace(points); }

void MavUtils::clearArray(AcArray<AcDbObjectId>& ids) { clearInPlace(ids); }

int MavUtils::sortAcArray(AcArray<double>& values, int ascending) { return exchangeSort(values, ascending); }

int MavUtils::sortAcArray(AcArray<int>& values, int ascending) { return exchangeSort(values, ascending); }

int MavUtils::isMemberOfAcArray(const AcGePoint2d& point, const AcArray<AcGePoint2d>& points, int& index)
{
    return lastMember(point, points, index);
}

int MavUtils::isMemberOfAcArray(const AcDbObjectId& id, const AcArray<AcDbObjectId>& ids, int& index)
{
    return lastMember(id, ids, index);
}

void MavUtils::printDataInAcArray(const AcArray<AcDbObjectId>& ids)
{
    for (int i = 0; i < ids.length(); ++i)
        acutPrintf(L"\n[%d]:%d", i, ids[i].asOldId());
}

void MavUtils::printDataInAcArray(const AcArray<AcGePoint2d>& points)
{
    for (int i = 0; i < points.length(); ++i)
        acutPrintf(L"\n[%d]:x=%f y=%f", i, points[i].x, points[i].y);
}

void MavUtils::printDataInAcArray(const AcArray<AcGePoint3d>& points)
{
    for (int i = 0; i < points.length(); ++i)
        acutPrintf(L"\n[%d]:x=%f y=%f z=%f", i, points[i].x, points[i].y, points[i].z);
}

void MavUtils::purgeAcArrayEx(AcArray<AcGePoint3d>& points, AcArray<double>& bulges, AcArray<int>& indexes)
{
    // Lists out of step are reported and left alone.
    if (points.length() != bulges.length() || points.length() != indexes.length()) {
        acutPrintf(L"\n points:%d bulges::%d || indexs::%d", points.length(), bulges.length(), indexes.length());
        BDTAlert(L"purgeAcArrayEx");
        return;
    }
    // Mark one vertex of each repeated pair: the one whose segment carries no arc.
    std::set<int> marks;
    for (int i = 1; i < points.length(); ++i) {
        if (points[i] != points[i - 1])
            continue;
        const double bulge = bulges[i];
        const double previous = bulges[i - 1];
        if (std::fabs(bulge - previous) < kBulgeTolerance)
            marks.insert(i);
        else if (isZeroBulge(bulge) && !isZeroBulge(previous))
            marks.insert(i);
        else if (isZeroBulge(previous) && !isZeroBulge(bulge))
            marks.insert(i - 1);
    }
    // Remove the marks from the last to the first, so that each index still names its vertex.
    for (auto it = marks.rbegin(); it != marks.rend(); ++it) {
        points.removeAt(*it);
        bulges.removeAt(*it);
        indexes.removeAt(*it);
    }
}

int MavUtils::positionInAcArray(double value, const AcArray<double>& values)
{
    int position = -1;
    const int last = values.length() - 1;
    for (int i = 0; i <= last; ++i) {
        if (i < last && values[i] <= value && value < values[i + 1])
            position = i;
        if (i == last && std::fabs(value - values[last]) < kLastValueTolerance)
            position = last;
    }
    return position;
}

AcGePoint2d MavUtils::fromAcGePoint3d(const AcGePoint3d& point) { return AcGePoint2d(point.x, point.y); }

AcArray<AcGePoint2d> MavUtils::fromAcGePoint3dArray(const AcArray<AcGePoint3d>& points)
{
    AcArray<AcGePoint2d> result;
    for (int i = 0; i < points.length(); ++i)
        result.append(fromAcGePoint3d(points[i]));
    return result;
}

int MavUtils::fromCArrayTo3dArray(CArray<AcGePoint3d, AcGePoint3d&>& source, AcArray<AcGePoint3d>& target)
{
    const int count = static_cast<int>(source.GetSize());
    target.setLogicalLength(count);
    for (int i = 0; i < count; ++i)
        target[i] = source[i];
    return 1;
}

int MavUtils::addPointsFrom(
    CArray<AcGePoint3d, AcGePoint3d&>& target, CArray<AcGePoint3d, AcGePoint3d&>& source, bool append)
{
    if (!append)
        target.RemoveAll();
    for (INT_PTR i = 0; i < source.GetSize(); ++i)
        target.Add(source[i]);
    return 1;
}

void MavUtils::swapGePoint3d(AcGePoint3d& a, AcGePoint3d& b)
{
    const AcGePoint3d kept = a;
    a = b;
    b = kept;
}

void MavUtils::purgeAcArray(AcArray<AcGePoint3d>& points)
{
    removeLaterDuplicates(
        points, [](const AcGePoint3d& a, const AcGePoint3d& b) { return a.distanceTo(b) < kPurgePointTolerance; });
}

void MavUtils::purgeAcArray(AcArray<AcGePoint2d>& points)
{
    removeLaterDuplicates(points, [](const AcGePoint2d& a, const AcGePoint2d& b) { return a == b; });
}

void MavUtils::purgeAcArray(AcArray<AcDbObjectId>& ids)
{
    removeLaterDuplicates(ids, [](const AcDbObjectId& a, const AcDbObjectId& b) { return a == b; });
}
