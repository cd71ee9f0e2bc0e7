// An infinite space line through a point along a vector; unbounded parameter.
#pragma once

#include "AcGeLinearEnt3d.h"

class AcGeLine3d : public AcGeLinearEnt3d {
public:
    AcGeLine3d() = default;
    AcGeLine3d(const AcGePoint3d& pnt, const AcGeVector3d& vec);
    AcGeLine3d(const AcGePoint3d& pnt1, const AcGePoint3d& pnt2);

    static const AcGeLine3d kXAxis;
    static const AcGeLine3d kYAxis;
    static const AcGeLine3d kZAxis;

    AcGeLine3d& set(const AcGePoint3d& pnt, const AcGeVector3d& vec);
    AcGeLine3d& set(const AcGePoint3d& pnt1, const AcGePoint3d& pnt2);

    AcGe::EntityId type() const override { return AcGe::kLine3d; }
    bool isKindOf(AcGe::EntityId entType) const override;
    AcGeLine3d* copy() const override { return new AcGeLine3d(*this); }
    void getInterval(AcGeInterval& range) const override;
    AcGeLine3d& reverseParam() override;
};
