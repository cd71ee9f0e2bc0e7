// The plan "平面" of the skew-section drawing, in its order: title, outline with the skew angles
// of its ends, the end tapers' inner contours, the bars of every bar column with their widths,
// the section mark, the stirrups of the plan and the pier columns with their centre lines.
#include "CGLGZ_BtDraw.h"
#include "DrawingConstants.h"
#include "CGLGZ_CapDraw_PlanWork.h"

#include "MavUtils.h"

#include <cmath>

namespace {

constexpr double kContourLinetypeScale = 2.5;
// How far the centre lines of a pier column reach beyond its circle.
constexpr double kCentreLineReach = 2.25;

} // namespace

int CGLGZ_BtDraw::DrawMainView(const AcGePoint3d& origin, double& depth)
{
    m_drawnItems.BeginItem(L"平面");
    depth = 0.0;
    // Without the section view's ends there is no plan to place.
    if (m_pDesign == nullptr || m_pGeometry == nullptr || m_lines.GetSize() < 4)
        return 0;
    return DrawPlanSteps(origin);
}

// 8. - 10. The section cut marks, the stirrups of the plan and the pier columns.
int CGLGZ_BtDraw::FinishPlan(const PlanFrame& f)
{
    DrawPlanSectionMark(f);
    if (!DrawRebarElevation(f))
        return 0;
    DrawSkewPlanColumns(f);
    return 1;
}

// The stirrups over the bar zone; a zone that the side covers leave no width has none to draw.
int CGLGZ_BtDraw::DrawRebarElevation(const PlanFrame& f)
{
    if (!(f.p1.y > f.p2.y))
        return 0;
    MavUtils::selectLayer(L"04-钢筋");
    DrawPlanStirrups(f.p1, f.p2, f.p3, f.p4, f.leftDegrees, f.rightDegrees, f.ul, f.ll, f.ur, f.lr);
    return 1;
}

// A circle a pier column with its two centre lines reaching past it; in a half drawing the
// column on the middle is its left half, and those right of it are left out.
void CGLGZ_BtDraw::DrawSkewPlanColumns(const PlanFrame& f)
{
    const double r = m_pGeometry->dColumnDiameter / (2.0 * m_dScale);
    const double reach = r + kCentreLineReach;
    for (int i = 4; i < m_lines.GetSize(); ++i) {
        const double xc = m_lines[i].end.x;
        const AcGePoint3d centre = At(xc, f.axisY);
        const bool onMiddle = m_bHalfDrawing && std::fabs(xc - f.middleX) < kOnMiddle;
        if (m_bHalfDrawing && !onMiddle && xc > f.middleX)
            continue;
        AcDbObjectId id;
        MavUtils::selectLayer(L"12-内廓");
        if (onMiddle)
            DrawArc(centre, r, 3.1415926535 / 2.0, 3.0 * 3.1415926535 / 2.0, &id);
        else
            DrawCircle(centre, r, &id);
        SetEntityScale(id, kContourLinetypeScale);
        MavUtils::selectLayer(L"13-中心");
        DrawLine(At(xc - reach, f.axisY), At(onMiddle ? xc : xc + reach, f.axisY));
        DrawLine(At(xc, f.axisY - reach), At(xc, f.axisY + reach));
    }
}

double CGLGZ_BtDraw::MiddleStirrupTolerance() const { return 0.1 / m_dScale; }

double CGLGZ_BtDraw::BarOuterDiameter(int diameter, int /*barType*/) const { return GetBarOuterDiameter(diameter); }

// The spacings of the stirrup positions as a chain; a square left end of an abutment cap starts
// it on the end.
void CGLGZ_BtDraw::LabelStirrupRow(const AcGePoint2dArray& row)
{
    const int kind = m_bAbutment && m_pGeometry->dLeftAngle == 90.0 ? 10 : 0;
    DrawRebarCallout2d(row, 2.0, 4.0, 1, kind, nullptr, 0);
}

int CGLGZ_BtDraw::LastStirrupToEnd(double leftDegrees) const { return m_bAbutment && leftDegrees == 90.0 ? 1 : 0; }
