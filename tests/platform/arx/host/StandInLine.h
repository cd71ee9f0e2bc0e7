// A line that answers the curve queries TRIM, EXPLODE and window selection use, with plain
// segment arithmetic, so that the commands' own work can be checked before the database's
// curve geometry is there: crossings in plan with other lines, parameters as distances from
// the start, splits into lines, extents, and an explode into its two halves.
#pragma once

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
    Acad::ErrorStatus getSplitCurves(const AcGePoint3dArray& cuts, AcDbVoidPtrArray& pieces) const override
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
                pieces.append(new StandInLine(startPoint() + dir * at[i], startPoint() + dir * at[i + 1]));
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
    Acad::ErrorStatus explode(AcDbVoidPtrArray& pieces) const override
    {
        const AcGePoint3d mid = startPoint() + (endPoint() - startPoint()) / 2.0;
        pieces.append(new AcDbLine(startPoint(), mid));
        pieces.append(new AcDbLine(mid, endPoint()));
        return Acad::eOk;
    }
};
