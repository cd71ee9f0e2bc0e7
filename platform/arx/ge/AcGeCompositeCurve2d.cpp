// Plane composite curves: the chain of pieces answers, the composite adds the offset of the
// whole chain with its corners joined.
#include "AcGeCompositeCurve2d.h"

#include "GeOffset.h"

AcGeCompositeCurve2d::AcGeCompositeCurve2d(const AcGeVoidPointerArray& curveList)
{
    setCurveList(curveList);
}

AcGeCompositeCurve2d::AcGeCompositeCurve2d(const AcGeCompositeCurve2d& other) = default;

AcGeCompositeCurve2d& AcGeCompositeCurve2d::operator=(const AcGeCompositeCurve2d& other) = default;

void AcGeCompositeCurve2d::getCurveList(AcGeVoidPointerArray& curveList) const
{
    mChain.getCurveList(curveList);
}

AcGeCompositeCurve2d& AcGeCompositeCurve2d::setCurveList(const AcGeVoidPointerArray& curveList)
{
    mChain.setCurveList(curveList);
    return *this;
}

double AcGeCompositeCurve2d::globalToLocalParam(double param, int& segNum) const
{
    return mChain.globalToLocalParam(param, segNum);
}

double AcGeCompositeCurve2d::localToGlobalParam(double param, int segNum) const
{
    return mChain.localToGlobalParam(param, segNum);
}

bool AcGeCompositeCurve2d::isKindOf(AcGe::EntityId entType) const
{
    return entType == AcGe::kCompositeCrv2d || AcGeCurve2d::isKindOf(entType);
}

void AcGeCompositeCurve2d::getInterval(AcGeInterval& range) const
{
    mChain.getInterval(range);
}

bool AcGeCompositeCurve2d::setInterval(const AcGeInterval& range)
{
    return mChain.setInterval(range);
}

AcGeCompositeCurve2d& AcGeCompositeCurve2d::reverseParam()
{
    mChain.reverseParam();
    return *this;
}

AcGePoint2d AcGeCompositeCurve2d::evaluate(double t, AcGeVector2d* d1, AcGeVector2d* d2) const
{
    return mChain.evaluate(t, d1, d2);
}

AcGeVector2d AcGeCompositeCurve2d::higherDeriv(double t, int order) const
{
    return mChain.higherDeriv(t, order);
}

std::vector<double> AcGeCompositeCurve2d::breakParams() const
{
    return mChain.breakParams();
}

double AcGeCompositeCurve2d::paramOf(const AcGePoint2d& pnt, const AcGeTol& tol) const
{
    return mChain.paramOf(pnt, tol);
}

AcGePoint2d AcGeCompositeCurve2d::closestPointTo(const AcGePoint2d& pnt, const AcGeTol& tol) const
{
    return evalPoint(paramOf(pnt, tol));
}

double AcGeCompositeCurve2d::length(double fromParam, double toParam, double tol) const
{
    return mChain.length(fromParam, toParam, tol);
}

double AcGeCompositeCurve2d::paramAtLength(double datumParam, double len, bool posParamDir, double tol) const
{
    return mChain.paramAtLength(datumParam, len, posParamDir, tol);
}

double AcGeCompositeCurve2d::sweptArea(double t0, double t1) const
{
    return mChain.sweptArea(t0, t1);
}

AcGeCompositeCurve2d& AcGeCompositeCurve2d::transformBy(const AcGeMatrix2d& xfm)
{
    mChain.transformBy(xfm);
    return *this;
}

void AcGeCompositeCurve2d::getTrimmedOffset(double distance, AcGeVoidPointerArray& offsetCurveList,
                                            AcGe::OffsetCrvExtType extensionType, const AcGeTol& tol) const
{
    if (AcGeCurve2d* offset = GeOffset::offsetChain(mChain.pieces(), isClosed(tol), distance, extensionType, tol))
        offsetCurveList.append(offset);
}
