// A line, an arc and a circle that answer the curve queries TRIM, EXPLODE and window
// selection use, with plain arithmetic, so that the commands' own work can be checked before
// the database's curve geometry is there: crossings in plan with lines, parameters (distance
// along a line, angle on an arc or circle), splits, extents, and a line's explode into halves.
#pragma once

#include "AcDbArc.h"
#include "AcDbCircle.h"
#include "AcDbExtents.h"
#include "AcDbLine.h"
#include "AcGePlane.h"
#include "AcGePoint3dArray.h"

#include <algorithm>
#include <cmath>
#include <vector>

class StandInLine : public AcDbLine {
public:
    using AcDbLine::AcDbLine;

    Acad::ErrorStatus getStartParam(double& p) const override
    {
        p = 0.0;
        return Acad::eOk;
    }
    Acad::ErrorStatus getEndParam(double& p) const override
    {
        p = startPoint().distanceTo(endPoint());
        return Acad::eOk;
    }
    Acad::ErrorStatus getClosestPointTo(const AcGePoint3d& given, AcGePoint3d& onCurve, bool = false) const override
    {
        const AcGeVector3d d = endPoint() - startPoint();
        const double t = std::clamp((given - startPoint()).dotProduct(d) / d.dotProduct(d), 0.0, 1.0);
        onCurve = startPoint() + d * t;
        return Acad::eOk;
    }
    Acad::ErrorStatus getParamAtPoint(const AcGePoint3d& p, double& param) const override
    {
        AcGePoint3d q;
        getClosestPointTo(p, q);
        if (q.distanceTo(p) > 1e-9)
            return Acad::eInvalidInput;
        param = startPoint().distanceTo(q);
        return Acad::eOk;
    }
    Acad::ErrorStatus intersectWith(const AcDbEntity* other, AcDb::Intersect, const AcGePlane&, AcGePoint3dArray& points,
                                    int = 0, int = 0) const override
    {
        const auto* l = AcDbLine::cast(other);
        if (l == nullptr)
            return Acad::eOk;
        const AcGePoint3d a = startPoint(), b = endPoint(), c = l->startPoint(), d = l->endPoint();
        const double den = (b.x - a.x) * (d.y - c.y) - (b.y - a.y) * (d.x - c.x);
        if (std::fabs(den) < 1e-12)
            return Acad::eOk;
        const double t = ((c.x - a.x) * (d.y - c.y) - (c.y - a.y) * (d.x - c.x)) / den;
        const double u = ((c.x - a.x) * (b.y - a.y) - (c.y - a.y) * (b.x - a.x)) / den;
        if (t >= 0.0 && t <= 1.0 && u >= 0.0 && u <= 1.0)
            points.append(a + (b - a) * t);
        return Acad::eOk;
    }
    Acad::ErrorStatus getSplitCurves(const AcGePoint3dArray& cuts, AcDbVoidPtrArray& segments) const override
    {
        std::vector<double> at{0.0};
        for (int i = 0; i < cuts.length(); ++i) {
            double p = 0.0;
            if (getParamAtPoint(cuts[i], p) != Acad::eOk)
                return Acad::eInvalidInput;
            at.push_back(p);
        }
        double end = 0.0;
        getEndParam(end);
        at.push_back(end);
        const AcGeVector3d dir = (endPoint() - startPoint()) / end;
        for (std::size_t i = 0; i + 1 < at.size(); ++i) {
            if (at[i + 1] - at[i] > 1e-9)
                segments.append(new StandInLine(startPoint() + dir * at[i], startPoint() + dir * at[i + 1]));
        }
        return Acad::eOk;
    }
    Acad::ErrorStatus getGeomExtents(AcDbExtents& extents) const override
    {
        extents = AcDbExtents();
        extents.addPoint(startPoint());
        extents.addPoint(endPoint());
        return Acad::eOk;
    }
    Acad::ErrorStatus explode(AcDbVoidPtrArray& segments) const override
    {
        const AcGePoint3d mid = startPoint() + (endPoint() - startPoint()) / 2.0;
        segments.append(new AcDbLine(startPoint(), mid));
        segments.append(new AcDbLine(mid, endPoint()));
        return Acad::eOk;
    }
};

namespace standin {

constexpr double kTwoPi = 6.283185307179586;

inline double angleOf(const AcGePoint3d& c, const AcGePoint3d& p)
{
    const double a = std::atan2(p.y - c.y, p.x - c.x);
    return a < 0.0 ? a + kTwoPi : a;
}

// Where a segment crosses a circle.
inline void segmentCrossings(const AcGePoint3d& c, double r, const AcDbLine* l, AcGePoint3dArray& points)
{
    const AcGePoint3d a = l->startPoint(), b = l->endPoint();
    const double dx = b.x - a.x, dy = b.y - a.y, fx = a.x - c.x, fy = a.y - c.y;
    const double qa = dx * dx + dy * dy, qb = 2 * (fx * dx + fy * dy), qc = fx * fx + fy * fy - r * r;
    const double disc = qb * qb - 4 * qa * qc;
    if (qa == 0.0 || disc < 0.0)
        return;
    for (double sign : {-1.0, 1.0}) {
        const double t = (-qb + sign * std::sqrt(disc)) / (2 * qa);
        if (t >= 0.0 && t <= 1.0)
            points.append(AcGePoint3d(a.x + t * dx, a.y + t * dy, 0.0));
    }
}

} // namespace standin

class StandInArc : public AcDbArc {
public:
    using AcDbArc::AcDbArc;

    Acad::ErrorStatus getClosestPointTo(const AcGePoint3d& given, AcGePoint3d& onCurve, bool = false) const override
    {
        double a = standin::angleOf(center(), given);
        double sweep = endAngle() - startAngle();
        while (sweep <= 0.0)
            sweep += standin::kTwoPi;
        double rel = a - startAngle();
        while (rel < 0.0)
            rel += standin::kTwoPi;
        if (rel > sweep)
            a = (rel - sweep < standin::kTwoPi - rel) ? endAngle() : startAngle();
        onCurve = center() + AcGeVector3d(std::cos(a), std::sin(a), 0.0) * radius();
        return Acad::eOk;
    }
};

class StandInCircle : public AcDbCircle {
public:
    using AcDbCircle::AcDbCircle;

    bool isClosed() const override { return true; }
    Acad::ErrorStatus getStartParam(double& p) const override
    {
        p = 0.0;
        return Acad::eOk;
    }
    Acad::ErrorStatus getEndParam(double& p) const override
    {
        p = standin::kTwoPi;
        return Acad::eOk;
    }
    Acad::ErrorStatus getClosestPointTo(const AcGePoint3d& given, AcGePoint3d& onCurve, bool = false) const override
    {
        const double a = standin::angleOf(center(), given);
        onCurve = center() + AcGeVector3d(std::cos(a), std::sin(a), 0.0) * radius();
        return Acad::eOk;
    }
    Acad::ErrorStatus getParamAtPoint(const AcGePoint3d& p, double& param) const override
    {
        if (std::fabs(p.distanceTo(center()) - radius()) > 1e-9)
            return Acad::eInvalidInput;
        param = standin::angleOf(center(), p);
        return Acad::eOk;
    }
    Acad::ErrorStatus intersectWith(const AcDbEntity* other, AcDb::Intersect, const AcGePlane&, AcGePoint3dArray& points,
                                    int = 0, int = 0) const override
    {
        if (const auto* l = AcDbLine::cast(other))
            standin::segmentCrossings(center(), radius(), l, points);
        return Acad::eOk;
    }
    // k points give k arcs, the last one across angle 0.
    Acad::ErrorStatus getSplitCurves(const AcGePoint3dArray& cuts, AcDbVoidPtrArray& segments) const override
    {
        std::vector<double> at;
        for (int i = 0; i < cuts.length(); ++i) {
            double p = 0.0;
            if (getParamAtPoint(cuts[i], p) != Acad::eOk)
                return Acad::eInvalidInput;
            at.push_back(p);
        }
        if (at.size() < 2)
            return Acad::eInvalidInput;
        std::sort(at.begin(), at.end());
        for (std::size_t i = 0; i < at.size(); ++i)
            segments.append(new StandInArc(center(), radius(), at[i], at[(i + 1) % at.size()]));
        return Acad::eOk;
    }
};
