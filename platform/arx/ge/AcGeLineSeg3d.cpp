// Space line segments. Trimming moves the end points and keeps the parameter range [0, 1].
#include "AcGeLineSeg3d.h"

#include "AcGePlane.h"

AcGeLineSeg3d::AcGeLineSeg3d(const AcGePoint3d& pnt1, const AcGePoint3d& pnt2) : AcGeLinearEnt3d(pnt1, pnt2 - pnt1)
{
}

AcGeLineSeg3d::AcGeLineSeg3d(const AcGePoint3d& pnt, const AcGeVector3d& vec) : AcGeLinearEnt3d(pnt, vec)
{
}

AcGeLineSeg3d& AcGeLineSeg3d::set(const AcGePoint3d& pnt1, const AcGePoint3d& pnt2)
{
    return set(pnt1, pnt2 - pnt1);
}

AcGeLineSeg3d& AcGeLineSeg3d::set(const AcGePoint3d& pnt, const AcGeVector3d& vec)
{
    mPoint = pnt;
    mVector = vec;
    return *this;
}

void AcGeLineSeg3d::getBisector(AcGePlane& plane) const
{
    plane.set(midPoint(), mVector);
}

bool AcGeLineSeg3d::isKindOf(AcGe::EntityId entType) const
{
    return entType == AcGe::kLineSeg3d || AcGeLinearEnt3d::isKindOf(entType);
}

void AcGeLineSeg3d::getInterval(AcGeInterval& range) const
{
    range.set(0.0, 1.0);
}

bool AcGeLineSeg3d::setInterval(const AcGeInterval& range)
{
    if (!range.isBounded())
        return false;
    set(evalPoint(range.lowerBound()), evalPoint(range.upperBound()));
    return true;
}

AcGeLineSeg3d& AcGeLineSeg3d::reverseParam()
{
    return set(endPoint(), startPoint());
}
