// Reading and writing whole design files for the copy commands.
#include "DesignFileAccess.h"

#include "CBent_HlFile.h"
#include "LengthScaling.h"

int ReadDesignFile(const CString& path, CBent_PierInfo& design, CBent_BasicGeometry& geometry, HWND* owner)
{
    CBent_HlFile file(owner);
    file.SetPath(path);
    file.SetPierInfo(&design);
    file.SetBasicGeometry(&geometry);
    return file.Read();
}

int WriteDesignFile(const CString& path, CBent_PierInfo& design, CBent_BasicGeometry& geometry, HWND* owner)
{
    CBent_HlFile file(owner);
    file.SetPath(path);
    file.SetPierInfo(&design);
    file.SetBasicGeometry(&geometry);
    return file.Save();
}

void ScaleGeometryLengths(CBent_BasicGeometry& g, double factor)
{
    for (double* length :
         {&g.dLength, &g.dWidth, &g.dMiddleHeight, &g.dColumnDiameter, &g.dFurtherLength, &g.dLeftWidth, &g.dRightWidth,
          &g.dLeftEndHeight, &g.dRightEndHeight, &g.dLWidth, &g.dLHeight})
        *length = ScaleLength(*length, factor);
}
