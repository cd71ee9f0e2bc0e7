// The plan "平面" of the normal-section drawing, in its order: title, outline, bars of every bar
// column, widths, stirrups, section mark and pier columns.
#include "CGLGZ_CapDraw_PlanWork.h"
#include "CGLGZ_EtDraw.h"

#include "MavUtils.h"

int CGLGZ_EtDraw::DrawMainView(const AcGePoint3d& origin, double& depth)
{
    depth = 0.0;
    if (m_lines.GetSize() < 4)
        return 1;
    PlanFrame f = MeasurePlanFrame(origin);
    // 1. - 2. Dimension style and title, over the drawn half in a half drawing.
    DrawPlanTitle(f);
    // 3. - 6. Axis, outline, end angles and end-part boundaries.
    DrawPlanOutline(f);
    DrawPlanEndAngles(f);
    DrawPlanEndParts(f);
    // 7. - 8. The bar zone with its stirrup positions, then the bars of every bar column.
    FindPlanBarZone(f);
    AcGePoint3dArray leftEnds;
    DrawPlanBarColumns(f, leftEnds);
    // 9. Width dimensions.
    DrawPlanWidths(f, leftEnds);
    // 10. Stirrups.
    MavUtils::selectLayer(L"04-钢筋");
    DrawPlanStirrups(f.p1, f.p2, f.p3, f.p4, f.leftDegrees, f.rightDegrees, f.ul, f.ll, f.ur, f.lr);
    // 11. - 12. Section mark and pier columns.
    DrawPlanSectionMark(f);
    DrawPlanColumns(f);
    return 1;
}

