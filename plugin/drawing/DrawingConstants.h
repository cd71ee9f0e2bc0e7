// Angles, tolerances and the point helper the drawing classes' sources share, defined once so
// that the sources can be compiled a few to a unit.
#pragma once

#include "AcGePoint3d.h"

// The drawings' angles keep the ten-digit pi the drawing rules are written with.
inline constexpr double kPi = 3.1415926535;
inline constexpr double kQuarterTurn = 1.57079632675;
inline constexpr double kDegree = kPi / 180.0;
// How near to the middle line a view's line or mark counts as on it (half drawings).
inline constexpr double kOnMiddle = 0.01;
// The same for a skeleton detail's middle.
inline constexpr double kOnDetailMiddle = 0.05;
// The radius of the dots of bars seen end-on.
inline constexpr double kDotRadius = 0.3;
// The names of the lengths that differ between the skeleton kinds of a group.
inline const wchar_t* const kSkeletonVariableNames[4] = { L"X1", L"X2", L"X3", L"X4" };

// A point of the drawing plane.
inline AcGePoint3d At(double x, double y) { return AcGePoint3d(x, y, 0.0); }
