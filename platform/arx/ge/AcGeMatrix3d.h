// Affine transformation of space as a 4x4 matrix acting on column vectors:
// (A * B) applied to p is A applied to (B applied to p).
#pragma once

#include "AcGeContext.h"
#include "AcGePoint3d.h"
#include "AcGeVector3d.h"

class AcGeLine3d;
class AcGePlane;

class AcGeMatrix3d {
public:
    constexpr AcGeMatrix3d()
    {
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 4; ++c)
                entry[r][c] = r == c ? 1.0 : 0.0;
    }

    static const AcGeMatrix3d kIdentity;

    double operator()(int row, int col) const { return entry[row][col]; }
    double& operator()(int row, int col) { return entry[row][col]; }
    AcGeMatrix3d operator*(const AcGeMatrix3d& mat) const;
    AcGeMatrix3d& operator*=(const AcGeMatrix3d& mat);
    bool operator==(const AcGeMatrix3d& mat) const { return isEqualTo(mat); }
    bool operator!=(const AcGeMatrix3d& mat) const { return !isEqualTo(mat); }

    AcGeMatrix3d& setToIdentity();
    AcGeMatrix3d& preMultBy(const AcGeMatrix3d& leftSide);
    AcGeMatrix3d& postMultBy(const AcGeMatrix3d& rightSide);
    AcGeMatrix3d& setToProduct(const AcGeMatrix3d& mat1, const AcGeMatrix3d& mat2);

    // Leaves a singular matrix unchanged.
    AcGeMatrix3d& invert();
    AcGeMatrix3d inverse() const;
    bool isSingular(const AcGeTol& tol = AcGeContext::gTol) const;
    AcGeMatrix3d& transposeIt();
    AcGeMatrix3d transpose() const;
    double det() const;
    bool isEqualTo(const AcGeMatrix3d& mat, const AcGeTol& tol = AcGeContext::gTol) const;
    bool isUniScaledOrtho(const AcGeTol& tol = AcGeContext::gTol) const;
    // The largest factor by which the matrix stretches a length.
    double scale() const;
    AcGeVector3d translation() const;

    AcGeMatrix3d& setTranslation(const AcGeVector3d& vec);
    AcGeMatrix3d& setCoordSystem(const AcGePoint3d& origin, const AcGeVector3d& xAxis, const AcGeVector3d& yAxis,
                                 const AcGeVector3d& zAxis);
    void getCoordSystem(AcGePoint3d& origin, AcGeVector3d& xAxis, AcGeVector3d& yAxis, AcGeVector3d& zAxis) const;

    AcGeMatrix3d& setToTranslation(const AcGeVector3d& vec);
    AcGeMatrix3d& setToRotation(double angle, const AcGeVector3d& axis,
                                const AcGePoint3d& center = AcGePoint3d::kOrigin);
    AcGeMatrix3d& setToScaling(double scaleAll, const AcGePoint3d& center = AcGePoint3d::kOrigin);
    AcGeMatrix3d& setToMirroring(const AcGePlane& plane);
    AcGeMatrix3d& setToMirroring(const AcGePoint3d& pnt);
    // Reflection in the infinite line through pnt along dir (a half turn about it).
    AcGeMatrix3d& setToMirroring(const AcGePoint3d& pnt, const AcGeVector3d& dir);
    AcGeMatrix3d& setToMirroring(const AcGeLine3d& line);
    AcGeMatrix3d& setToAlignCoordSys(const AcGePoint3d& fromOrigin, const AcGeVector3d& fromXAxis,
                                     const AcGeVector3d& fromYAxis, const AcGeVector3d& fromZAxis,
                                     const AcGePoint3d& toOrigin, const AcGeVector3d& toXAxis,
                                     const AcGeVector3d& toYAxis, const AcGeVector3d& toZAxis);
    // From the world to the coordinates of a plane through the origin with this normal,
    // its X axis chosen by the arbitrary-axis rule (AcGeVector3d::perpVector).
    AcGeMatrix3d& setToWorldToPlane(const AcGeVector3d& normal);
    AcGeMatrix3d& setToWorldToPlane(const AcGePlane& plane);
    AcGeMatrix3d& setToPlaneToWorld(const AcGeVector3d& normal);
    AcGeMatrix3d& setToPlaneToWorld(const AcGePlane& plane);

    static AcGeMatrix3d translation(const AcGeVector3d& vec);
    static AcGeMatrix3d rotation(double angle, const AcGeVector3d& axis,
                                 const AcGePoint3d& center = AcGePoint3d::kOrigin);
    static AcGeMatrix3d scaling(double scaleAll, const AcGePoint3d& center = AcGePoint3d::kOrigin);
    static AcGeMatrix3d mirroring(const AcGePlane& plane);
    static AcGeMatrix3d mirroring(const AcGePoint3d& pnt);
    static AcGeMatrix3d mirroring(const AcGePoint3d& pnt, const AcGeVector3d& dir);
    static AcGeMatrix3d mirroring(const AcGeLine3d& line);
    static AcGeMatrix3d alignCoordSys(const AcGePoint3d& fromOrigin, const AcGeVector3d& fromXAxis,
                                      const AcGeVector3d& fromYAxis, const AcGeVector3d& fromZAxis,
                                      const AcGePoint3d& toOrigin, const AcGeVector3d& toXAxis,
                                      const AcGeVector3d& toYAxis, const AcGeVector3d& toZAxis);
    static AcGeMatrix3d worldToPlane(const AcGeVector3d& normal);
    static AcGeMatrix3d worldToPlane(const AcGePlane& plane);
    static AcGeMatrix3d planeToWorld(const AcGeVector3d& normal);
    static AcGeMatrix3d planeToWorld(const AcGePlane& plane);

    double entry[4][4] = {};
};

inline AcGePoint3d operator*(const AcGeMatrix3d& mat, const AcGePoint3d& pnt)
{
    return AcGePoint3d().setToProduct(mat, pnt);
}

inline AcGeVector3d operator*(const AcGeMatrix3d& mat, const AcGeVector3d& vec)
{
    return AcGeVector3d().setToProduct(mat, vec);
}
