// Space composite curves: the chain of pieces answers, the composite adds the offset of the
// whole chain, worked out in a plane and carried back into space.
#include "AcGeCompositeCurve3d.h"

#include "AcGeCurve2d.h"
#include "GeOffset.h"
#include "GePlanar.h"

#include <memory>

AcGeCompositeCurve3d::AcGeCompositeCurve3d(const AcGeVoidPointerArray& curveList)
{
    setCurveList(curveList);
}

AcGeCompositeCurve3d::AcGeCompositeCurve3d(const AcGeCompositeCurve3d& other) = default;

AcGeCompositeCurve3d& AcGeCompositeCurve3d::operator=(const AcGeCompositeCurve3d& other) = default;

void AcGeCompositeCurve3d::getCurveList(AcGeVoidPointerArray& curveList) const
{
    mChain.getCurveList(curveList);
}

AcGeCompositeCurve3d& AcGeCompositeCurve3d::setCurveList(const AcGeVoidPointerArray& curveList)
{
    mChain.setCurveList(curveList);
    return *this;
}

double AcGeCompositeCurve3d::globalToLocalParam(double param, int& segNum) const
{
    return mChain.globalToLocalParam(param, segNum);
}

double AcGeCompositeCurve3d::localToGlobalParam(double param, int segNum) const
{
    return mChain.localToGlobalParam(param, segNum);
}

bool AcGeCompositeCurve3d::isKindOf(AcGe::EntityId entType) const
{
    return entType == AcGe::kCompositeCrv3d || AcGeCurve3d::isKindOf(entType);
}

void AcGeCompositeCurve3d::getInterval(AcGeInterval& range) const
{
    mChain.getInterval(range);
}

bool AcGeCompositeCurve3d::setInterval(const AcGeInterval& range)
{
    return mChain.setInterval(range);
}

AcGeCompositeCurve3d& AcGeCompositeCurve3d::reverseParam()
{
    mChain.reverseParam();
    return *this;
}

AcGePoint3d AcGeCompositeCurve3d::evaluate(double t, AcGeVector3d* d1, AcGeVector3d* d2) const
{
    return mChain.evaluate(t, d1, d2);
}

AcGeVector3d AcGeCompositeCurve3d::higherDeriv(double t, int order) const
{
    return mChain.higherDeriv(t, order);
}

std::vector<double> AcGeCompositeCurve3d::breakParams() const
{
    return mChain.breakParams();
}

double AcGeCompositeCurve3d::paramOf(const AcGePoint3d& pnt, const AcGeTol& tol) const
{
    return mChain.paramOf(pnt, tol);
}

AcGePoint3d AcGeCompositeCurve3d::closestPointTo(const AcGePoint3d& pnt, const AcGeTol& tol) const
{
    return evalPoint(paramOf(pnt, tol));
}

double AcGeCompositeCurve3d::length(double fromParam, double toParam, double tol) const
{
    return mChain.length(fromParam, toParam, tol);
}

double AcGeCompositeCurve3d::paramAtLength(double datumParam, double len, bool posParamDir, double tol) const
{
    return mChain.paramAtLength(datumParam, len, posParamDir, tol);
}

AcGeVector3d AcGeCompositeCurve3d::sweptArea(double t0, double t1) const
{
    return mChain.sweptArea(t0, t1);
}

AcGeCompositeCurve3d& AcGeCompositeCurve3d::transformBy(const AcGeMatrix3d& xfm)
{
    mChain.transformBy(xfm);
    return *this;
}

void AcGeCompositeCurve3d::getTrimmedOffset(double distance, const AcGeVector3d& planeNormal,
                                            AcGeVoidPointerArray& offsetCurveList,
                                            AcGe::OffsetCrvExtType extensionType, const AcGeTol& tol) const
{
    // The chain is offset in the coordinates of a plane through its start.
    if (mChain.isEmpty())
        return;
    const AcGePlane plane(evalPoint(0.0), planeNormal);
    std::vector<std::unique_ptr<AcGeCurve2d>> flat;
    std::vector<const AcGeCurve2d*> pieces;
    for (const AcGeCurve3d* c : mChain.pieces()) {
        flat.emplace_back(GePlanar::toPlane(*c, plane));
        if (flat.back())
            pieces.push_back(flat.back().get());
    }
    std::unique_ptr<AcGeCurve2d> offset(GeOffset::offsetChain(pieces, isClosed(tol), distance, extensionType, tol));
    if (offset)
        offsetCurveList.append(GePlanar::toSpace(*offset, plane));
}
