// Free helpers on reals and points that the whole system shares: fixed-decimal text,
// tolerance comparisons, rounding, signs, midpoints, directions, extents and line crossings.
#pragma once

#include "AcDbExtents.h"
#include "AcGePoint3d.h"
#include "CString.h"

// x with |count| decimals; a negative count trims trailing zeros and then the point;
// |count| above 8 gives an empty text.
CString FormatFixed(double x, int count);

// 0 when |a - b| <= |tolerance|, else 1 when a > b, else -1.
int CompareWithTolerance(double a, double b, double tolerance);
// 0 when |a - b| < 0.0001, else 1 when a > b, else -1.
int CompareReal(double a, double b);
// 1 when |a - b| < tolerance (strict, tolerance as given), else 0.
int IsEqualTol(double a, double b, double tolerance);
// x rounded exactly as FormatFixed writes it with the same count.
double RoundReal(double x, int count);
int Sign(double x);

AcGePoint3d MidPoint(const AcGePoint3d& p, const AcGePoint3d& q);
// Direction of p1 -> p2 in (-pi/2, 3pi/2], built on the constant 3.1415926535.
double GetDirectionAngle(const AcGePoint3d& p1, const AcGePoint3d& p2);

AcGePoint3d GetSecondPoint(const AcDbExtents& box);
double GetDeltaX(const AcDbExtents& box);
double GetDeltaY(const AcDbExtents& box);

// First crossing of lines AB and CD. An extend flag lets that line run past its ends.
// Without a crossing the result is the origin and found (when given) is 0.
AcGePoint3d IntersectLines(const AcGePoint3d& a, const AcGePoint3d& b, const AcGePoint3d& c,
                           const AcGePoint3d& d, int extendFirst, int extendSecond, int* found = nullptr);
// Crossing of the extended line AB with the vertical line x = c (vertical non-zero) or the
// horizontal line y = c. Parallel lines give the origin with found 0.
AcGePoint3d IntersectWithAxisLine(const AcGePoint3d& a, const AcGePoint3d& b, double c, int vertical,
                                  int* found = nullptr);
