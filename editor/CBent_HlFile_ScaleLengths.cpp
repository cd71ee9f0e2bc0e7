// The editor's change of unit on a design file's targets: the design record and the eleven
// lengths of the basic geometry.
#include "CBent_HlFile.h"
#include "LengthScaling.h"

// The end angles, the flags and the drawing scales are no lengths and stay.
void CBent_HlFile::ScaleLengths(double factor)
{
    if (m_pBasicGeometry) {
        CBent_BasicGeometry& g = *m_pBasicGeometry;
        for (double* length : {&g.dLength, &g.dWidth, &g.dMiddleHeight, &g.dColumnDiameter, &g.dFurtherLength,
                               &g.dLeftWidth, &g.dRightWidth, &g.dLeftEndHeight, &g.dRightEndHeight, &g.dLWidth,
                               &g.dLHeight})
            *length = ScaleLength(*length, factor);
    }
    if (m_pPierInfo)
        m_pPierInfo->ScaleLengths(factor);
}
