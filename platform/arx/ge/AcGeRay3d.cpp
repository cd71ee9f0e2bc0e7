// Space rays.
#include "AcGeRay3d.h"

AcGeRay3d::AcGeRay3d(const AcGePoint3d& pnt, const AcGeVector3d& vec) : AcGeLinearEnt3d(pnt, vec)
{
}

AcGeRay3d::AcGeRay3d(const AcGePoint3d& pnt1, const AcGePoint3d& pnt2) : AcGeLinearEnt3d(pnt1, pnt2 - pnt1)
{
}

AcGeRay3d& AcGeRay3d::set(const AcGePoint3d& pnt, const AcGeVector3d& vec)
{
    mPoint = pnt;
    mVector = vec;
    return *this;
}

AcGeRay3d& AcGeRay3d::set(const AcGePoint3d& pnt1, const AcGePoint3d& pnt2)
{
    return set(pnt1, pnt2 - pnt1);
}

bool AcGeRay3d::isKindOf(AcGe::EntityId entType) const
{
    return entType == AcGe::kRay3d || AcGeLinearEnt3d::isKindOf(entType);
}

void AcGeRay3d::getInterval(AcGeInterval& range) const
{
    range.set(true, 0.0);
}

bool AcGeRay3d::setInterval(const AcGeInterval& range)
{
    if (!range.isBoundedBelow() || range.isBoundedAbove())
        return false;
    mPoint = evalPoint(range.lowerBound());
    return true;
}

AcGeRay3d& AcGeRay3d::reverseParam()
{
    return *this;
}
