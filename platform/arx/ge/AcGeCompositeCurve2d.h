// A plane curve made of pieces joined end to start. The composite owns its pieces: the
// constructor takes the given curves over (null entries are skipped), getCurveList hands out
// new copies that the caller deletes. Parameter: the pieces' own intervals laid end to end
// from 0, so piece i covers [offset_i, offset_i + its interval's length].
#pragma once

#include "AcGeCurve2d.h"
#include "GeCompositeCurveT.h"

#include <vector>

class AcGeCompositeCurve2d : public AcGeCurve2d {
public:
    AcGeCompositeCurve2d() = default;
    explicit AcGeCompositeCurve2d(const AcGeVoidPointerArray& curveList);
    AcGeCompositeCurve2d(const AcGeCompositeCurve2d& other);
    AcGeCompositeCurve2d& operator=(const AcGeCompositeCurve2d& other);

    void getCurveList(AcGeVoidPointerArray& curveList) const;
    AcGeCompositeCurve2d& setCurveList(const AcGeVoidPointerArray& curveList);
    int numCurves() const { return mChain.numCurves(); }
    // The piece holding param, and the piece's own parameter there.
    double globalToLocalParam(double param, int& segNum) const;
    double localToGlobalParam(double param, int segNum) const;

    AcGe::EntityId type() const override { return AcGe::kCompositeCrv2d; }
    bool isKindOf(AcGe::EntityId entType) const override;
    AcGeCompositeCurve2d* copy() const override { return new AcGeCompositeCurve2d(*this); }
    void getInterval(AcGeInterval& range) const override;
    bool setInterval(const AcGeInterval& range) override;
    AcGeCompositeCurve2d& reverseParam() override;
    AcGePoint2d evaluate(double t, AcGeVector2d* d1, AcGeVector2d* d2) const override;
    std::vector<double> breakParams() const override;
    double paramOf(const AcGePoint2d& pnt, const AcGeTol& tol = AcGeContext::gTol) const override;
    AcGePoint2d closestPointTo(const AcGePoint2d& pnt, const AcGeTol& tol = AcGeContext::gTol) const override;
    double length(double fromParam, double toParam, double tol = AcGeContext::gTol.equalPoint()) const override;
    double paramAtLength(double datumParam, double length, bool posParamDir = true,
                         double tol = AcGeContext::gTol.equalPoint()) const override;
    double sweptArea(double t0, double t1) const override;
    AcGeCompositeCurve2d& transformBy(const AcGeMatrix2d& xfm) override;
    void getTrimmedOffset(double distance, AcGeVoidPointerArray& offsetCurveList,
                          AcGe::OffsetCrvExtType extensionType = AcGe::kFillet,
                          const AcGeTol& tol = AcGeContext::gTol) const override;

protected:
    AcGeVector2d higherDeriv(double t, int order) const override;

private:
    GeCompositeCurveT<AcGeCurve2d> mChain;
};
