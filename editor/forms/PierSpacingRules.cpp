#include "PierSpacingRules.h"

#include "NumericHelpers.h"

namespace {

int StoreEntry(CArray<double, const double&>& spacings, int i, double value)
{
    if (i < 0 || i >= spacings.GetSize() || IsEqualTol(spacings[i], value, 1e-6))
        return 0;
    spacings[i] = value;
    return 1;
}

} // namespace

BOOL IsAutomaticSpacing(int i, int n, BOOL equalMiddle, BOOL symmetric)
{
    if (i <= 0)
        return FALSE;
    if (equalMiddle && symmetric)
        return TRUE;
    if (equalMiddle)
        return i < n - 1;
    if (symmetric)
        return i == n - 1 || i > n / 2;
    return FALSE;
}

int StoreSupportSpacing(CArray<double, const double&>& spacings, int i, double value, BOOL symmetric)
{
    const int n = static_cast<int>(spacings.GetSize());
    int changed = StoreEntry(spacings, i, value);
    if (symmetric && n >= 2) {
        if (i == 0)
            changed |= StoreEntry(spacings, n - 1, value);
        else if (i >= 2 && n >= 4)
            changed |= StoreEntry(spacings, n - i, value);
    }
    return changed;
}
