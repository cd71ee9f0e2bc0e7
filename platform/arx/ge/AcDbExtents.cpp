// Extents boxes: kept here because pure geometry code measures and merges them too.
#include "AcDbExtents.h"

#include <algorithm>

namespace {

constexpr double kEmptyBound = 1.0e20;

} // namespace

AcDbExtents::AcDbExtents()
    : mMin(kEmptyBound, kEmptyBound, kEmptyBound), mMax(-kEmptyBound, -kEmptyBound, -kEmptyBound)
{
}

AcDbExtents::AcDbExtents(const AcGePoint3d& min, const AcGePoint3d& max) : AcDbExtents()
{
    set(min, max);
}

Acad::ErrorStatus AcDbExtents::set(const AcGePoint3d& min, const AcGePoint3d& max)
{
    if (min.x > max.x || min.y > max.y || min.z > max.z)
        return Acad::eInvalidInput;
    mMin = min;
    mMax = max;
    return Acad::eOk;
}

void AcDbExtents::addPoint(const AcGePoint3d& pt)
{
    mMin.set(std::min(mMin.x, pt.x), std::min(mMin.y, pt.y), std::min(mMin.z, pt.z));
    mMax.set(std::max(mMax.x, pt.x), std::max(mMax.y, pt.y), std::max(mMax.z, pt.z));
}

void AcDbExtents::addExt(const AcDbExtents& src)
{
    if (src.isEmpty())
        return;
    addPoint(src.mMin);
    addPoint(src.mMax);
}

void AcDbExtents::expandBy(const AcGeVector3d& vec)
{
    addPoint(mMin + vec);
    addPoint(mMax + vec);
}

void AcDbExtents::transformBy(const AcGeMatrix3d& mat)
{
    if (isEmpty())
        return;
    const AcDbExtents old = *this;
    *this = AcDbExtents();
    for (int i = 0; i < 8; ++i) {
        const AcGePoint3d corner((i & 1) ? old.mMax.x : old.mMin.x, (i & 2) ? old.mMax.y : old.mMin.y,
                                 (i & 4) ? old.mMax.z : old.mMin.z);
        addPoint(mat * corner);
    }
}

bool AcDbExtents::isEmpty() const
{
    return mMin.x > mMax.x || mMin.y > mMax.y || mMin.z > mMax.z;
}
