// A space line segment from a start to an end point; parameter 0 at the start, 1 at the end.
#pragma once

#include "AcGeLinearEnt3d.h"

class AcGeLineSeg3d : public AcGeLinearEnt3d {
public:
    AcGeLineSeg3d() = default;
    AcGeLineSeg3d(const AcGePoint3d& pnt1, const AcGePoint3d& pnt2);
    AcGeLineSeg3d(const AcGePoint3d& pnt, const AcGeVector3d& vec);

    AcGeLineSeg3d& set(const AcGePoint3d& pnt1, const AcGePoint3d& pnt2);
    AcGeLineSeg3d& set(const AcGePoint3d& pnt, const AcGeVector3d& vec);

    AcGePoint3d startPoint() const { return mPoint; }
    AcGePoint3d endPoint() const { return mPoint + mVector; }
    AcGePoint3d midPoint() const { return mPoint + mVector * 0.5; }
    double length() const { return mVector.length(); }
    using AcGeLinearEnt3d::length;
    // The plane that bisects the segment at right angles.
    void getBisector(AcGePlane& plane) const;
    // The point (1 - blendCoeff) * start + blendCoeff * end.
    AcGePoint3d baryComb(double blendCoeff) const { return evalPoint(blendCoeff); }

    AcGe::EntityId type() const override { return AcGe::kLineSeg3d; }
    bool isKindOf(AcGe::EntityId entType) const override;
    AcGeLineSeg3d* copy() const override { return new AcGeLineSeg3d(*this); }
    void getInterval(AcGeInterval& range) const override;
    bool setInterval(const AcGeInterval& range) override;
    AcGeLineSeg3d& reverseParam() override;
};
