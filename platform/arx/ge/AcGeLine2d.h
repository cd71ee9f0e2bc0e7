// An infinite plane line through a point along a vector; unbounded parameter.
#pragma once

#include "AcGeLinearEnt2d.h"

class AcGeLine2d : public AcGeLinearEnt2d {
public:
    AcGeLine2d() = default;
    AcGeLine2d(const AcGePoint2d& pnt, const AcGeVector2d& vec);
    AcGeLine2d(const AcGePoint2d& pnt1, const AcGePoint2d& pnt2);

    static const AcGeLine2d kXAxis;
    static const AcGeLine2d kYAxis;

    AcGeLine2d& set(const AcGePoint2d& pnt, const AcGeVector2d& vec);
    AcGeLine2d& set(const AcGePoint2d& pnt1, const AcGePoint2d& pnt2);

    AcGe::EntityId type() const override { return AcGe::kLine2d; }
    bool isKindOf(AcGe::EntityId entType) const override;
    AcGeLine2d* copy() const override { return new AcGeLine2d(*this); }
    void getInterval(AcGeInterval& range) const override;
    AcGeLine2d& reverseParam() override;
};
