// A space curve made of pieces joined end to start. The composite owns its pieces: the
// constructor takes the given curves over (null entries are skipped), getCurveList hands out
// new copies that the caller deletes. Parameter: the pieces' own intervals laid end to end
// from 0, so piece i covers [offset_i, offset_i + its interval's length].
#pragma once

#include "AcGeCurve3d.h"
#include "GeCompositeCurveT.h"

#include <vector>

class AcGeCompositeCurve3d : public AcGeCurve3d {
public:
    AcGeCompositeCurve3d() = default;
    explicit AcGeCompositeCurve3d(const AcGeVoidPointerArray& curveList);
    AcGeCompositeCurve3d(const AcGeCompositeCurve3d& other);
    AcGeCompositeCurve3d& operator=(const AcGeCompositeCurve3d& other);

    void getCurveList(AcGeVoidPointerArray& curveList) const;
    AcGeCompositeCurve3d& setCurveList(const AcGeVoidPointerArray& curveList);
    int numCurves() const { return mChain.numCurves(); }
    // The piece holding param, and the piece's own parameter there.
    double globalToLocalParam(double param, int& segNum) const;
    double localToGlobalParam(double param, int segNum) const;

    AcGe::EntityId type() const override { return AcGe::kCompositeCrv3d; }
    bool isKindOf(AcGe::EntityId entType) const override;
    AcGeCompositeCurve3d* copy() const override { return new AcGeCompositeCurve3d(*this); }
    void getInterval(AcGeInterval& range) const override;
    bool setInterval(const AcGeInterval& range) override;
    AcGeCompositeCurve3d& reverseParam() override;
    AcGePoint3d evaluate(double t, AcGeVector3d* d1, AcGeVector3d* d2) const override;
    std::vector<double> breakParams() const override;
    double paramOf(const AcGePoint3d& pnt, const AcGeTol& tol = AcGeContext::gTol) const override;
    AcGePoint3d closestPointTo(const AcGePoint3d& pnt, const AcGeTol& tol = AcGeContext::gTol) const override;
    double length(double fromParam, double toParam, double tol = AcGeContext::gTol.equalPoint()) const override;
    double paramAtLength(double datumParam, double length, bool posParamDir = true,
                         double tol = AcGeContext::gTol.equalPoint()) const override;
    AcGeVector3d sweptArea(double t0, double t1) const override;
    AcGeCompositeCurve3d& transformBy(const AcGeMatrix3d& xfm) override;
    void getTrimmedOffset(double distance, const AcGeVector3d& planeNormal, AcGeVoidPointerArray& offsetCurveList,
                          AcGe::OffsetCrvExtType extensionType = AcGe::kFillet,
                          const AcGeTol& tol = AcGeContext::gTol) const override;

protected:
    AcGeVector3d higherDeriv(double t, int order) const override;

private:
    GeCompositeCurveT<AcGeCurve3d> mChain;
};
