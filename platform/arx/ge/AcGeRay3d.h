// A space half-line from a base point along a vector; parameter 0 at the base, unbounded above.
#pragma once

#include "AcGeLinearEnt3d.h"

class AcGeRay3d : public AcGeLinearEnt3d {
public:
    AcGeRay3d() = default;
    AcGeRay3d(const AcGePoint3d& pnt, const AcGeVector3d& vec);
    AcGeRay3d(const AcGePoint3d& pnt1, const AcGePoint3d& pnt2);

    AcGeRay3d& set(const AcGePoint3d& pnt, const AcGeVector3d& vec);
    AcGeRay3d& set(const AcGePoint3d& pnt1, const AcGePoint3d& pnt2);

    AcGe::EntityId type() const override { return AcGe::kRay3d; }
    bool isKindOf(AcGe::EntityId entType) const override;
    AcGeRay3d* copy() const override { return new AcGeRay3d(*this); }
    void getInterval(AcGeInterval& range) const override;
    bool setInterval(const AcGeInterval& range) override;
    // A ray cannot run the other way from its base; it is left as it is.
    AcGeRay3d& reverseParam() override;
};
