// Plane line segments. Trimming moves the end points and keeps the parameter range [0, 1].
#include "AcGeLineSeg2d.h"

#include "AcGeLine2d.h"

AcGeLineSeg2d::AcGeLineSeg2d(const AcGePoint2d& pnt1, const AcGePoint2d& pnt2) : AcGeLinearEnt2d(pnt1, pnt2 - pnt1)
{
}

AcGeLineSeg2d::AcGeLineSeg2d(const AcGePoint2d& pnt, const AcGeVector2d& vec) : AcGeLinearEnt2d(pnt, vec)
{
}

AcGeLineSeg2d& AcGeLineSeg2d::set(const AcGePoint2d& pnt1, const AcGePoint2d& pnt2)
{
    return set(pnt1, pnt2 - pnt1);
}

AcGeLineSeg2d& AcGeLineSeg2d::set(const AcGePoint2d& pnt, const AcGeVector2d& vec)
{
    mPoint = pnt;
    mVector = vec;
    return *this;
}

void AcGeLineSeg2d::getBisector(AcGeLine2d& line) const
{
    line.set(midPoint(), mVector.perpVector());
}

bool AcGeLineSeg2d::isKindOf(AcGe::EntityId entType) const
{
    return entType == AcGe::kLineSeg2d || AcGeLinearEnt2d::isKindOf(entType);
}

void AcGeLineSeg2d::getInterval(AcGeInterval& range) const
{
    range.set(0.0, 1.0);
}

bool AcGeLineSeg2d::setInterval(const AcGeInterval& range)
{
    if (!range.isBounded())
        return false;
    set(evalPoint(range.lowerBound()), evalPoint(range.upperBound()));
    return true;
}

AcGeLineSeg2d& AcGeLineSeg2d::reverseParam()
{
    return set(endPoint(), startPoint());
}
