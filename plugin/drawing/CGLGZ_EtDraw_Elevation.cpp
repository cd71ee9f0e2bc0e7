// The elevation of the normal-section drawing, completed after the plan: its dimensions, the
// stirrups at the plan's positions, the side-bar rows, and the heights and lengths of the plan's
// stirrup kinds.
#include "CGLGZ_EtDraw.h"

int CGLGZ_EtDraw::DrawElevation()
{
    m_drawnItems.BeginItem(L"立面");
    static const ElevationStyle kStyle = { { -1.0, -8.0 }, { 0.0, -9.0 }, { 0.0, -13.5 }, 0, 0 };
    return DrawElevationWith(kStyle);
}
