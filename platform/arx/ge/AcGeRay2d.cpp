// Plane rays.
#include "AcGeRay2d.h"

AcGeRay2d::AcGeRay2d(const AcGePoint2d& pnt, const AcGeVector2d& vec) : AcGeLinearEnt2d(pnt, vec)
{
}

AcGeRay2d::AcGeRay2d(const AcGePoint2d& pnt1, const AcGePoint2d& pnt2) : AcGeLinearEnt2d(pnt1, pnt2 - pnt1)
{
}

AcGeRay2d& AcGeRay2d::set(const AcGePoint2d& pnt, const AcGeVector2d& vec)
{
    mPoint = pnt;
    mVector = vec;
    return *this;
}

AcGeRay2d& AcGeRay2d::set(const AcGePoint2d& pnt1, const AcGePoint2d& pnt2)
{
    return set(pnt1, pnt2 - pnt1);
}

bool AcGeRay2d::isKindOf(AcGe::EntityId entType) const
{
    return entType == AcGe::kRay2d || AcGeLinearEnt2d::isKindOf(entType);
}

void AcGeRay2d::getInterval(AcGeInterval& range) const
{
    range.set(true, 0.0);
}

bool AcGeRay2d::setInterval(const AcGeInterval& range)
{
    if (!range.isBoundedBelow() || range.isBoundedAbove())
        return false;
    mPoint = evalPoint(range.lowerBound());
    return true;
}

AcGeRay2d& AcGeRay2d::reverseParam()
{
    return *this;
}
