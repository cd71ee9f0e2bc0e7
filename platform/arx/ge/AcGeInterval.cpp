// Parameter ranges: an unbounded side contains every value on that side.
#include "AcGeInterval.h"

#include <algorithm>

AcGeInterval::AcGeInterval(double lower, double upper)
{
    set(lower, upper);
}

AcGeInterval::AcGeInterval(bool boundedBelow, double bound)
{
    set(boundedBelow, bound);
}

void AcGeInterval::getBounds(double& lower, double& upper) const
{
    lower = mLower;
    upper = mUpper;
}

bool AcGeInterval::contains(double val, double tol) const
{
    return (!mBoundedBelow || val >= mLower - tol) && (!mBoundedAbove || val <= mUpper + tol);
}

double AcGeInterval::clamp(double val) const
{
    if (mBoundedBelow)
        val = std::max(val, mLower);
    if (mBoundedAbove)
        val = std::min(val, mUpper);
    return val;
}

AcGeInterval& AcGeInterval::set(double lower, double upper)
{
    mLower = std::min(lower, upper);
    mUpper = std::max(lower, upper);
    mBoundedBelow = mBoundedAbove = true;
    return *this;
}

AcGeInterval& AcGeInterval::set(bool boundedBelow, double bound)
{
    mLower = mUpper = bound;
    mBoundedBelow = boundedBelow;
    mBoundedAbove = !boundedBelow;
    return *this;
}

AcGeInterval& AcGeInterval::set()
{
    mLower = mUpper = 0.0;
    mBoundedBelow = mBoundedAbove = false;
    return *this;
}
