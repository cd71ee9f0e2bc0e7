// Free helpers of the drawing side on points and number lists: a point along a segment, the
// class library's number lists carried into the CAD library's arrays, sorting, snapping and
// reading integers.
#pragma once

#include "AcDbExtents.h"
#include "AcGeDoubleArray.h"
#include "AcGeIntArray.h"
#include "AcGePoint2d.h"
#include "CArray.h"
#include "CString.h"

#include <utility>

// out := p1 + (p2 - p1) d / |p1p2|, beyond p2 when d exceeds the distance. With p1 = p2 there is
// no direction to go, so out := p1 rather than a point made of NaN.
void PointAtDistance2d(AcGePoint2d& out, const AcGePoint2d& p1, const AcGePoint2d& p2, double d);

// Empties the array and appends every entry of the list in order.
void AssignRealArray(AcGeDoubleArray& to, const CArray<double, const double&>& from);
// Empties the array and appends every entry of the list in order (section positions,
// per-column codes).
void CopyPointArray(AcGeIntArray& to, const CArray<int, const int&>& from);

// Ascending with the flag set; descending with the flag 0.
void SortReals(AcGeDoubleArray& list, int ascending);
void ReverseReals(AcGeDoubleArray& list);
// Upward: the first midpoint (p[i-1] + p[i]) / 2 that is >= x; downward: the last one that is
// <= x. x itself when the list has fewer than two entries or no midpoint qualifies.
double SnapToMidpoint(double x, const AcGeDoubleArray& sorted, int upward);
// Decimal value of the text: leading blanks, an optional sign, digits; 0 when there are none.
// A value past the range of int is clamped to it.
int ParseInt(const CString& text);

// Two-point records and compared pairs of the drawing classes.
// x (y) of the second point minus x (y) of the first: the width (height) of an extents box.
double SegmentDx(const AcDbExtents& record);
double SegmentDy(const AcDbExtents& record);
// 1 when the two reals of the record are exactly equal.
int HasEqualReals(const std::pair<double, double>& record);
