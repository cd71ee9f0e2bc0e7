// The drawing-scale command.
#include "DrawScaleCommand.h"

#include "LenientNumber.h"
#include "NumericHelpers.h"

#include <cmath>

namespace {

// A scale the drawing can use: a finite number above 0; else the default.
double ScaleOrDefault(const CString& text, double fallback)
{
    const double scale = ReadLeadingReal(text);
    return std::isfinite(scale) && scale > 0.0 ? scale : fallback;
}

} // namespace

CString FormatDrawScale(double scale) { return FormatFixed(scale, -7); }

void StoreDrawScales(CBent_PierInfo& design, const CString& elevationScale, const CString& sectionScale)
{
    design.SetElevationScale(ScaleOrDefault(elevationScale, kDefaultElevationScale));
    design.SetSectionScale(ScaleOrDefault(sectionScale, kDefaultSectionScale));
}

void RunDrawScaleCommand(CDesignCommandHost& host, CDrawScaleDialog& dialog)
{
    CBent_PierInfo& design = host.GetDesign();
    CString elevation = FormatDrawScale(design.GetElevationScale());
    CString section = FormatDrawScale(design.GetSectionScale());
    if (!dialog.Edit(elevation, section))
        return;
    StoreDrawScales(design, elevation, section);
    host.SetModified();
    host.UpdateFrameTitle();
}
