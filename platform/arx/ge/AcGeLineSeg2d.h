// A plane line segment from a start to an end point; parameter 0 at the start, 1 at the end.
#pragma once

#include "AcGeLinearEnt2d.h"

class AcGeLineSeg2d : public AcGeLinearEnt2d {
public:
    AcGeLineSeg2d() = default;
    AcGeLineSeg2d(const AcGePoint2d& pnt1, const AcGePoint2d& pnt2);
    AcGeLineSeg2d(const AcGePoint2d& pnt, const AcGeVector2d& vec);

    AcGeLineSeg2d& set(const AcGePoint2d& pnt1, const AcGePoint2d& pnt2);
    AcGeLineSeg2d& set(const AcGePoint2d& pnt, const AcGeVector2d& vec);

    AcGePoint2d startPoint() const { return mPoint; }
    AcGePoint2d endPoint() const { return mPoint + mVector; }
    AcGePoint2d midPoint() const { return mPoint + mVector * 0.5; }
    double length() const { return mVector.length(); }
    using AcGeLinearEnt2d::length;
    // The perpendicular bisector.
    void getBisector(AcGeLine2d& line) const;
    // The point (1 - blendCoeff) * start + blendCoeff * end.
    AcGePoint2d baryComb(double blendCoeff) const { return evalPoint(blendCoeff); }

    AcGe::EntityId type() const override { return AcGe::kLineSeg2d; }
    bool isKindOf(AcGe::EntityId entType) const override;
    AcGeLineSeg2d* copy() const override { return new AcGeLineSeg2d(*this); }
    void getInterval(AcGeInterval& range) const override;
    bool setInterval(const AcGeInterval& range) override;
    AcGeLineSeg2d& reverseParam() override;
};
