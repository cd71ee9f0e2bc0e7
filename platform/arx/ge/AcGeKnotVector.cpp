// Knot sequences: multiplicity counts the neighbours within the tolerance.
#include "AcGeKnotVector.h"

#include <cmath>

AcGeKnotVector::AcGeKnotVector(int size, int growSize) : mKnots(size, growSize)
{
}

AcGeKnotVector::AcGeKnotVector(int size, const double source[], double tol)
{
    set(size, source, tol);
}

AcGeKnotVector::AcGeKnotVector(const AcGeDoubleArray& dblArray, double tol) : mKnots(dblArray), mTolerance(tol)
{
}

bool AcGeKnotVector::isEqualTo(const AcGeKnotVector& other) const
{
    if (length() != other.length())
        return false;
    for (int i = 0; i < length(); ++i)
        if (std::fabs(mKnots[i] - other.mKnots[i]) > mTolerance)
            return false;
    return true;
}

int AcGeKnotVector::multiplicityAt(int i) const
{
    return multiplicityAt(mKnots[i]);
}

int AcGeKnotVector::multiplicityAt(double param) const
{
    int count = 0;
    for (double k : mKnots)
        if (std::fabs(k - param) <= mTolerance)
            ++count;
    return count;
}

int AcGeKnotVector::numIntervals() const
{
    AcGeDoubleArray distinct;
    getDistinctKnots(distinct);
    return distinct.isEmpty() ? 0 : distinct.length() - 1;
}

int AcGeKnotVector::getInterval(int ord, double par, AcGeInterval& interval) const
{
    const int first = ord - 1;
    const int last = length() - ord;
    for (int i = first; i < last; ++i) {
        if (par < mKnots[i + 1] || i + 1 == last) {
            interval.set(mKnots[i], mKnots[i + 1]);
            return i;
        }
    }
    return -1;
}

void AcGeKnotVector::getDistinctKnots(AcGeDoubleArray& knots, AcGeDoubleArray* multiplicity) const
{
    for (double k : mKnots) {
        if (!knots.isEmpty() && std::fabs(k - knots.last()) <= mTolerance) {
            if (multiplicity)
                multiplicity->last() += 1.0;
            continue;
        }
        knots.append(k);
        if (multiplicity)
            multiplicity->append(1.0);
    }
}

bool AcGeKnotVector::contains(double param) const
{
    return !isEmpty() && param >= startParam() - mTolerance && param <= endParam() + mTolerance;
}

bool AcGeKnotVector::isOn(double knot) const
{
    return multiplicityAt(knot) > 0;
}

AcGeKnotVector& AcGeKnotVector::reverse()
{
    if (isEmpty())
        return *this;
    const double sum = startParam() + endParam();
    mKnots.reverse();
    for (double& k : mKnots)
        k = sum - k;
    return *this;
}

AcGeKnotVector& AcGeKnotVector::removeAt(int i)
{
    mKnots.removeAt(i);
    return *this;
}

AcGeKnotVector& AcGeKnotVector::removeSubVector(int startIndex, int endIndex)
{
    mKnots.removeSubArray(startIndex, endIndex);
    return *this;
}

AcGeKnotVector& AcGeKnotVector::insertAt(int indx, double u, int multiplicity)
{
    for (int i = 0; i < multiplicity; ++i)
        mKnots.insertAt(indx, u);
    return *this;
}

AcGeKnotVector& AcGeKnotVector::insert(double u)
{
    int i = 0;
    while (i < length() && mKnots[i] <= u)
        ++i;
    return insertAt(i, u);
}

int AcGeKnotVector::append(double val)
{
    return mKnots.append(val);
}

AcGeKnotVector& AcGeKnotVector::set(int size, const double source[], double tol)
{
    mKnots.removeAll();
    for (int i = 0; i < size; ++i)
        mKnots.append(source[i]);
    mTolerance = tol;
    return *this;
}

AcGeKnotVector& AcGeKnotVector::setLogicalLength(int n)
{
    mKnots.setLogicalLength(n);
    return *this;
}

AcGeKnotVector& AcGeKnotVector::setTolerance(double tol)
{
    mTolerance = tol;
    return *this;
}
