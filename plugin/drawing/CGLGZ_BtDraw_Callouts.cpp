// The callouts of the skew-section drawing: the figure is the shared one, the length text
// follows the skew-section drawing's own rule.
#include "CGLGZ_BtDraw.h"

#include <cmath>

CString CGLGZ_BtDraw::CalloutLengthText(const CHLGZ_SteelCode& record) const
{
    CString text;
    if (std::fabs(record.dMaxLength - record.dMinLength) < 0.001)
        text.Format(L"%.0f", record.dMinLength * 100.0);
    else
        text.Format(L"平均%.0f", record.dAverageLength * 100.0);
    return text;
}
