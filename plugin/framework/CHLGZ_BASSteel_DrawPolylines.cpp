// A bar's vertex lists drawn as polylines on the rebar layer, corners rounded by their bend
// radii and the end segments fitted to the weld length.
#include "CHLGZ_BASSteel.h"

#include "AcDbPolyline.h"
#include "CTov_DrawEntity.h"
#include "DrawingArrayHelpers.h"
#include "MavUtils.h"

namespace {

// One polyline through the vertices with its rounded corners and fitted ends. Every list is
// drawn this one way: a missing radius list or radius is a sharp corner, so that the second
// list and the end fitting are never lost for want of radii. Only inner vertices are rounded.
AcDbObjectId drawBarPolyline(const AcGePoint3dArray& vertices, const AcGeDoubleArray& radii, bool fitStart,
    bool fitEnd, double endLength)
{
    // 2. The polyline, and the corners that carry a radius.
    auto* pPolyline = new AcDbPolyline();
    AcGeDoubleArray cornerRadii;
    AcGeIntArray corners;
    const int count = vertices.length();
    for (int i = 0; i < count; ++i) {
        pPolyline->addVertexAt(static_cast<unsigned int>(i), AcGePoint2d(vertices[i].x, vertices[i].y), 0.0, -1.0, -1.0);
        const double radius = i < radii.length() ? radii[i] : 0.0;
        if (radius != 0.0 && i > 0 && i + 1 < count) {
            corners.append(i);
            cornerRadii.append(radius);
        }
    }
    // 3. Rounded corners.
    DrawFilletedPolyline(pPolyline, cornerRadii, corners, 0);
    // 4. and 5. The first and last straight segments fitted to the end length.
    const unsigned int n = pPolyline->numVerts();
    if (n >= 2) {
        AcGePoint2d a;
        AcGePoint2d b;
        AcGePoint2d fitted;
        if (fitStart) {
            pPolyline->getPointAt(0, a);
            pPolyline->getPointAt(1, b);
            PointAtDistance2d(fitted, b, a, endLength);
            pPolyline->setPointAt(0, fitted);
        }
        if (fitEnd) {
            pPolyline->getPointAt(n - 2, a);
            pPolyline->getPointAt(n - 1, b);
            PointAtDistance2d(fitted, a, b, endLength);
            pPolyline->setPointAt(n - 1, fitted);
        }
    }
    // 6. Into model space on the rebar layer; a polyline the database refuses is discarded.
    MavUtils::selectLayer(L"04-钢筋");
    AcDbObjectId id;
    if (AppendToModelSpace(pPolyline, id)) {
        pPolyline->close();
        return id;
    }
    delete pPolyline;
    return AcDbObjectId::kNull;
}

} // namespace

void CHLGZ_BASSteel::DrawPolylines(double endLength)
{
    const bool start = m_nStartFlag == 1;
    const bool end = m_nEndFlag == 1;
    // 1. The first list: the start always, the end when no second list follows.
    if (!m_aFirstPoints.isEmpty())
        m_idFirst = drawBarPolyline(m_aFirstPoints, m_aFirstRadii, start, end && m_aSecondPoints.isEmpty(), endLength);
    // 2. and 3. The second list, with the end.
    if (!m_aSecondPoints.isEmpty())
        m_idSecond = drawBarPolyline(m_aSecondPoints, m_aSecondRadii, false, end, endLength);
}
