#include "SpacingExpression.h"

#include "NumericHelpers.h"

#include <cmath>

CString FormatSpacingExpression(const CArray<double, const double&>& spacings)
{
    CString expression;
    for (INT_PTR i = 0; i < spacings.GetSize();) {
        INT_PTR run = 1;
        while (i + run < spacings.GetSize() && std::fabs(spacings[i + run] - spacings[i]) < 1e-6)
            ++run;
        CString term;
        term.Format(L"%d*%s", static_cast<int>(run), FormatFixed(spacings[i], -7).GetString());
        if (!expression.IsEmpty())
            expression += L"+";
        expression += term;
        i += run;
    }
    return expression;
}

int SpacingListsDiffer(const CArray<double, const double&>& a, const CArray<double, const double&>& b)
{
    if (a.GetSize() != b.GetSize())
        return 1;
    for (INT_PTR i = 0; i < a.GetSize(); ++i)
        if (std::fabs(a[i] - b[i]) >= 1e-6)
            return 1;
    return 0;
}
