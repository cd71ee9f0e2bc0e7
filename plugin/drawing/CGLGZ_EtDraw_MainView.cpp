// The plan "平面" of the normal-section drawing, in its order: title, outline, bars of every bar
// column, widths, stirrups, section mark and pier columns.
#include "CGLGZ_EtDraw.h"

int CGLGZ_EtDraw::DrawMainView(const AcGePoint3d& origin, double& depth)
{
    m_drawnItems.BeginItem(L"平面");
    depth = 0.0;
    if (m_lines.GetSize() < 4)
        return 1;
    return DrawPlanSteps(origin);
}
