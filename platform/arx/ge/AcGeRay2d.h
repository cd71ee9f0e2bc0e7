// A plane half-line from a base point along a vector; parameter 0 at the base, unbounded above.
#pragma once

#include "AcGeLinearEnt2d.h"

class AcGeRay2d : public AcGeLinearEnt2d {
public:
    AcGeRay2d() = default;
    AcGeRay2d(const AcGePoint2d& pnt, const AcGeVector2d& vec);
    AcGeRay2d(const AcGePoint2d& pnt1, const AcGePoint2d& pnt2);

    AcGeRay2d& set(const AcGePoint2d& pnt, const AcGeVector2d& vec);
    AcGeRay2d& set(const AcGePoint2d& pnt1, const AcGePoint2d& pnt2);

    AcGe::EntityId type() const override { return AcGe::kRay2d; }
    bool isKindOf(AcGe::EntityId entType) const override;
    AcGeRay2d* copy() const override { return new AcGeRay2d(*this); }
    void getInterval(AcGeInterval& range) const override;
    bool setInterval(const AcGeInterval& range) override;
    // A ray cannot run the other way from its base; it is left as it is.
    AcGeRay2d& reverseParam() override;
};
