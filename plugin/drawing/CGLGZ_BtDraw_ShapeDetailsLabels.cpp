// How the skew-section drawing's bar details differ from the normal-section drawing's: the
// bars of a mark count as of one length within a millimetre, a part whose length differs
// between them reads the range of its lengths, and straight bars carry no slope triangles.
#include "CGLGZ_BtDraw.h"

#include "NumericHelpers.h"

CGLGZ_CapDraw::DetailStyle CGLGZ_BtDraw::DetailDrawerStyle() const
{
    return { 0.001, true, L"R=", false, 0.0, true, false, 10.0, true };
}

CString CGLGZ_BtDraw::VaryingPartLabel(const CHLGZ_SteelCode& record, double fixed, double allowance)
{
    CString text;
    text.Format(L"%s~%s", FormatFixed((record.dMaxLength - fixed) * 100.0 + allowance, -1).GetString(),
        FormatFixed((record.dMinLength - fixed) * 100.0 + allowance, -1).GetString());
    return text;
}
