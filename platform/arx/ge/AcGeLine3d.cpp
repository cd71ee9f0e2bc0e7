// Infinite space lines.
#include "AcGeLine3d.h"

const AcGeLine3d AcGeLine3d::kXAxis(AcGePoint3d(0.0, 0.0, 0.0), AcGeVector3d(1.0, 0.0, 0.0));
const AcGeLine3d AcGeLine3d::kYAxis(AcGePoint3d(0.0, 0.0, 0.0), AcGeVector3d(0.0, 1.0, 0.0));
const AcGeLine3d AcGeLine3d::kZAxis(AcGePoint3d(0.0, 0.0, 0.0), AcGeVector3d(0.0, 0.0, 1.0));

AcGeLine3d::AcGeLine3d(const AcGePoint3d& pnt, const AcGeVector3d& vec) : AcGeLinearEnt3d(pnt, vec)
{
}

AcGeLine3d::AcGeLine3d(const AcGePoint3d& pnt1, const AcGePoint3d& pnt2) : AcGeLinearEnt3d(pnt1, pnt2 - pnt1)
{
}

AcGeLine3d& AcGeLine3d::set(const AcGePoint3d& pnt, const AcGeVector3d& vec)
{
    mPoint = pnt;
    mVector = vec;
    return *this;
}

AcGeLine3d& AcGeLine3d::set(const AcGePoint3d& pnt1, const AcGePoint3d& pnt2)
{
    return set(pnt1, pnt2 - pnt1);
}

bool AcGeLine3d::isKindOf(AcGe::EntityId entType) const
{
    return entType == AcGe::kLine3d || AcGeLinearEnt3d::isKindOf(entType);
}

void AcGeLine3d::getInterval(AcGeInterval& range) const
{
    range.set();
}

AcGeLine3d& AcGeLine3d::reverseParam()
{
    mVector.negate();
    return *this;
}
