// The elevation of the normal-section drawing, completed after the plan: its dimensions, the
// stirrups at the plan's positions, the side-bar rows, and the heights and lengths of the plan's
// stirrup kinds.
#include "CGLGZ_EtDraw.h"

#include "CException.h"

#include <stdexcept>

int CGLGZ_EtDraw::DrawElevation()
{
    static const ElevationStyle kStyle = { { -1.0, -8.0 }, { 0.0, -9.0 }, { 0.0, -13.5 }, 0, 0 };
    try {
        // 1. - 4. The dimensions.
        DrawElevationDimensions(kStyle);
        // 5. - 7. The stirrups.
        DrawElevationStirrups();
        // 8. - 10. The side bars.
        DrawSideBarRows();
        // 11. The stirrups' heights and lengths.
        SettleStirrupLengths();
    } catch (const std::out_of_range&) {
        return 1;
    } catch (const CInvalidArgException&) {
        return 1;
    }
    return 1;
}
