// Comparisons of drawn geometry shared by the drawing tests: points within a tolerance, line
// segments either way round, points inside a closed outline; a point list written out.
#pragma once

#include "AcGePoint3d.h"
#include "AcGePoint3dArray.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <vector>

inline AcGePoint3dArray Points(std::initializer_list<AcGePoint3d> list)
{
    AcGePoint3dArray out;
    for (const AcGePoint3d& p : list)
        out.append(p);
    return out;
}

inline bool Same(const AcGePoint3d& p, const AcGePoint3d& q, double tol = 1e-6)
{
    return std::fabs(p.x - q.x) < tol && std::fabs(p.y - q.y) < tol;
}

struct Segment {
    AcGePoint3d a;
    AcGePoint3d b;
};

inline bool HasSegment(const std::vector<Segment>& lines, const AcGePoint3d& a, const AcGePoint3d& b, double tol = 1e-6)
{
    for (const Segment& l : lines) {
        if ((Same(l.a, a, tol) && Same(l.b, b, tol)) || (Same(l.a, b, tol) && Same(l.b, a, tol)))
            return true;
    }
    return false;
}

// Inside the closed outline, or on it.
inline bool InsideOutline(const AcGePoint3dArray& outline, const AcGePoint3d& p)
{
    bool inside = false;
    for (int i = 0, j = outline.length() - 1; i < outline.length(); j = i++) {
        const AcGePoint3d& a = outline[i];
        const AcGePoint3d& b = outline[j];
        const double cross = (b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x);
        if (std::fabs(cross) < 1e-7 && p.x >= std::min(a.x, b.x) - 1e-7 && p.x <= std::max(a.x, b.x) + 1e-7
            && p.y >= std::min(a.y, b.y) - 1e-7 && p.y <= std::max(a.y, b.y) + 1e-7)
            return true;
        if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x)
            inside = !inside;
    }
    return inside;
}
