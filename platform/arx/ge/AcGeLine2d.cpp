// Infinite plane lines.
#include "AcGeLine2d.h"

const AcGeLine2d AcGeLine2d::kXAxis(AcGePoint2d(0.0, 0.0), AcGeVector2d(1.0, 0.0));
const AcGeLine2d AcGeLine2d::kYAxis(AcGePoint2d(0.0, 0.0), AcGeVector2d(0.0, 1.0));

AcGeLine2d::AcGeLine2d(const AcGePoint2d& pnt, const AcGeVector2d& vec) : AcGeLinearEnt2d(pnt, vec)
{
}

AcGeLine2d::AcGeLine2d(const AcGePoint2d& pnt1, const AcGePoint2d& pnt2) : AcGeLinearEnt2d(pnt1, pnt2 - pnt1)
{
}

AcGeLine2d& AcGeLine2d::set(const AcGePoint2d& pnt, const AcGeVector2d& vec)
{
    mPoint = pnt;
    mVector = vec;
    return *this;
}

AcGeLine2d& AcGeLine2d::set(const AcGePoint2d& pnt1, const AcGePoint2d& pnt2)
{
    return set(pnt1, pnt2 - pnt1);
}

bool AcGeLine2d::isKindOf(AcGe::EntityId entType) const
{
    return entType == AcGe::kLine2d || AcGeLinearEnt2d::isKindOf(entType);
}

void AcGeLine2d::getInterval(AcGeInterval& range) const
{
    range.set();
}

AcGeLine2d& AcGeLine2d::reverseParam()
{
    mVector.negate();
    return *this;
}
