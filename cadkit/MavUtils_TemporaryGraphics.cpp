// Temporary graphics: crosses, lines and point chains drawn as screen vectors that never enter
// the drawing and vanish at the next redraw.
#include "MavUtils.h"

#include "aced.h"
#include "AcGeContext.h"
#include "MavHelpers.h"

#include <cmath>

namespace {

// Below this a cross size is taken as not given.
constexpr double kMinCrossSize = 1e-5;

constexpr int kRed = 1;
constexpr int kGreen = 3;

// The vectors are drawn without highlight.
constexpr int kNoHighlight = 0;

void grDraw(const AcGePoint3d& from, const AcGePoint3d& to, int colorIndex)
{
    const ads_point a = {from.x, from.y, from.z};
    const ads_point b = {to.x, to.y, to.z};
    acedGrDraw(a, b, colorIndex, kNoHighlight);
}

// The REDRAW command clears the vectors drawn so far.
void clearTemporaryVectors() { acedCommand(RTSTR, L"REDRAW", RTNONE); }

AcGePoint3d polarPoint(const AcGePoint3d& base, double angle, double distance)
{
    return AcGePoint3d(base.x + distance * std::cos(angle), base.y + distance * std::sin(angle), base.z);
}

AcGePoint3d lifted(const AcGePoint3d& point) { return point; }

// The screen takes three coordinates; a plan point lies on z = 0.
AcGePoint3d lifted(const AcGePoint2d& point) { return MavUtils::fromAcGePoint2d(point, 0.0); }

template <class Point>
void drawChain(const AcArray<Point>& points, int closed, int red)
{
    // (1) No points, nothing to draw.
    if (points.isEmpty())
        return;
    // (2) Red or green.
    const int colorIndex = red != 0 ? kRed : kGreen;
    // (3) One vector per neighbouring pair.
    for (int i = 1; i < points.length(); ++i)
        grDraw(lifted(points[i - 1]), lifted(points[i]), colorIndex);
    // (4) The closing vector from the first point to the last.
    if (closed != 0)
        grDraw(lifted(points[0]), lifted(points[points.length() - 1]), colorIndex);
}

} // namespace

void MavUtils::drawCrossUseAcedGrDraw(AcGePoint3d center, double size, int redraw)
{
    // (1) A size too small to see is a unit cross.
    if (std::fabs(size) < kMinCrossSize)
        size = 1.0;
    // (2) Earlier vectors cleared when asked.
    if (redraw != 0) {
        refreshDisplay();
        clearTemporaryVectors();
    }
    // (3) The vertical arm.
    const double half = size / 2.0;
    grDraw(polarPoint(center, kPi / 2.0, half), polarPoint(center, -kPi / 2.0, half), kRed);
    // (4) The horizontal arm.
    grDraw(polarPoint(center, 0.0, half), polarPoint(center, kPi, half), kRed);
}

void MavUtils::drawLineUseAcedGrDraw(AcGePoint3d start, AcGePoint3d end, int colorIndex, int refresh)
{
    // (1) A line of no length is not drawn.
    if (start.isEqualTo(end, AcGeContext::gTol))
        return;
    // (2) Earlier vectors cleared when asked.
    if (refresh != 0) {
        acedUpdateDisplay();
        clearTemporaryVectors();
    }
    // (3) The vector.
    grDraw(start, end, colorIndex);
}

void MavUtils::drawPlineUseAcedGrDraw(const AcArray<AcGePoint3d>& points, int closed, int red)
{
    drawChain(points, closed, red);
}

void MavUtils::drawPlineUseAcedGrDraw(const AcArray<AcGePoint2d>& points, int closed, int red)
{
    drawChain(points, closed, red);
}
