// Corners of a polyline rounded by tangent arcs: the bends of the reinforcement bars.
#include "CTov_DrawEntity.h"

#include "AcDbPolyline.h"
#include "MavUtils.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kPi = 3.1415926535;

// Rounds the corner at vertex a; false when it stays sharp. The tangent length is held to the
// two segments that meet there (the next segment already ends at the following corner's
// tangent point, as corners are rounded from the last), so that a radius too large for its
// segments gives the largest arc that fits and the outline never turns back on itself.
bool roundCorner(AcDbPolyline* pPolyline, unsigned int a, double radius, AcGePoint2d& q, AcGePoint2d& t1,
    AcGePoint2d& t2)
{
    AcGePoint2d p;
    AcGePoint2d r;
    pPolyline->getPointAt(a - 1, p);
    pPolyline->getPointAt(a, q);
    pPolyline->getPointAt(a + 1, r);
    const double b1 = p.distanceTo(q);
    const double b2 = q.distanceTo(r);
    const double m = p.distanceTo(r);
    if (m * b2 * b1 < 0.0001 || radius <= 0.0)
        return false;
    const double cosine = std::clamp((b2 * b2 + b1 * b1 - m * m) / (2.0 * b1 * b2), -1.0, 1.0);
    const double t = std::acos(cosine);
    if (std::fabs(t - kPi) < 0.0001)
        return false;
    const double k = std::min({ radius / std::tan(t / 2.0), b1, b2 });
    t1 = q + (p - q) * (k / b1);
    t2 = q + (r - q) * (k / b2);
    const double turn = (q.x - p.x) * (r.y - q.y) - (q.y - p.y) * (r.x - q.x);
    const double bulge = std::tan((kPi - t) / 4.0) * (turn > 0.0 ? 1.0 : -1.0);
    pPolyline->setPointAt(a, t2);
    pPolyline->addVertexAt(a, t1, bulge, -1.0, -1.0);
    return true;
}

} // namespace

void DrawFilletedPolyline(AcDbPolyline* pPolyline, AcGeDoubleArray& radii, AcGeIntArray& indexes, int drawTangents)
{
    MavUtils::selectLayer(L"08-标注");
    if (pPolyline != nullptr) {
        MavEntityLib factory;
        const int count = std::min(radii.length(), indexes.length());
        for (int i = count - 1; i >= 0; --i) {
            const int a = indexes[i];
            if (a < 1 || a + 1 >= static_cast<int>(pPolyline->numVerts()))
                continue;
            AcGePoint2d q;
            AcGePoint2d t1;
            AcGePoint2d t2;
            if (!roundCorner(pPolyline, static_cast<unsigned int>(a), radii[i], q, t1, t2) || !drawTangents)
                continue;
            AcDbObjectId id;
            factory.createLine(AcGePoint3d(q.x, q.y, 0.0), AcGePoint3d(t1.x, t1.y, 0.0), id);
            factory.createLine(AcGePoint3d(q.x, q.y, 0.0), AcGePoint3d(t2.x, t2.y, 0.0), id);
        }
    }
    radii.removeAll();
    indexes.removeAll();
}
