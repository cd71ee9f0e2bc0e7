// The elevation of the skew-section drawing, completed after the plan: the heights at the left
// end (with the L part's), the overall length over the L part, the column spacings, the stirrups
// at the plan's positions, the side-bar rows and the stirrup kinds' heights and lengths.
#include "CGLGZ_BtDraw.h"


int CGLGZ_BtDraw::DrawElevation()
{
    static const ElevationStyle kStyle = { { 0.0, -9.0 }, { 0.0, -9.0 }, { 0.0, -13.5 }, 1, 1 };
    return DrawElevationWith(kStyle);
}

// Every stirrup's hooks are 21.86 of its diameters, whatever its legs.
double CGLGZ_BtDraw::StirrupHookAllowance(bool /*singleLeg*/) const
{
    return 21.86 * m_pDesign->GetMoreInfo().GetStirrupDiameter();
}
