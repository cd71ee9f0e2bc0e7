// Affine transformation of the plane as a 3x3 matrix acting on column vectors:
// (A * B) applied to p is A applied to (B applied to p).
#pragma once

#include "AcGeContext.h"
#include "AcGePoint2d.h"
#include "AcGeVector2d.h"

class AcGeLine2d;

class AcGeMatrix2d {
public:
    constexpr AcGeMatrix2d()
    {
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 3; ++c)
                entry[r][c] = r == c ? 1.0 : 0.0;
    }

    static const AcGeMatrix2d kIdentity;

    double operator()(int row, int col) const { return entry[row][col]; }
    double& operator()(int row, int col) { return entry[row][col]; }
    AcGeMatrix2d operator*(const AcGeMatrix2d& mat) const;
    AcGeMatrix2d& operator*=(const AcGeMatrix2d& mat);
    bool operator==(const AcGeMatrix2d& mat) const { return isEqualTo(mat); }
    bool operator!=(const AcGeMatrix2d& mat) const { return !isEqualTo(mat); }

    AcGeMatrix2d& setToIdentity();
    AcGeMatrix2d& preMultBy(const AcGeMatrix2d& leftSide);
    AcGeMatrix2d& postMultBy(const AcGeMatrix2d& rightSide);
    AcGeMatrix2d& setToProduct(const AcGeMatrix2d& mat1, const AcGeMatrix2d& mat2);

    // Leaves a singular matrix unchanged.
    AcGeMatrix2d& invert();
    AcGeMatrix2d inverse() const;
    bool isSingular(const AcGeTol& tol = AcGeContext::gTol) const;
    AcGeMatrix2d& transposeIt();
    AcGeMatrix2d transpose() const;
    double det() const;
    bool isEqualTo(const AcGeMatrix2d& mat, const AcGeTol& tol = AcGeContext::gTol) const;
    bool isUniScaledOrtho(const AcGeTol& tol = AcGeContext::gTol) const;
    bool isConformal(double& scale, double& angle, bool& isMirror, AcGeVector2d& reflex) const;
    double scale() const;
    AcGeVector2d translation() const;

    AcGeMatrix2d& setTranslation(const AcGeVector2d& vec);
    AcGeMatrix2d& setCoordSystem(const AcGePoint2d& origin, const AcGeVector2d& e0, const AcGeVector2d& e1);
    void getCoordSystem(AcGePoint2d& origin, AcGeVector2d& e0, AcGeVector2d& e1) const;

    AcGeMatrix2d& setToTranslation(const AcGeVector2d& vec);
    AcGeMatrix2d& setToRotation(double angle, const AcGePoint2d& center = AcGePoint2d::kOrigin);
    AcGeMatrix2d& setToScaling(double scaleAll, const AcGePoint2d& center = AcGePoint2d::kOrigin);
    AcGeMatrix2d& setToMirroring(const AcGePoint2d& pnt);
    // Reflection in the infinite line through pnt along dir.
    AcGeMatrix2d& setToMirroring(const AcGePoint2d& pnt, const AcGeVector2d& dir);
    AcGeMatrix2d& setToMirroring(const AcGeLine2d& line);
    AcGeMatrix2d& setToAlignCoordSys(const AcGePoint2d& fromOrigin, const AcGeVector2d& fromE0,
                                     const AcGeVector2d& fromE1, const AcGePoint2d& toOrigin,
                                     const AcGeVector2d& toE0, const AcGeVector2d& toE1);

    static AcGeMatrix2d translation(const AcGeVector2d& vec);
    static AcGeMatrix2d rotation(double angle, const AcGePoint2d& center = AcGePoint2d::kOrigin);
    static AcGeMatrix2d scaling(double scaleAll, const AcGePoint2d& center = AcGePoint2d::kOrigin);
    static AcGeMatrix2d mirroring(const AcGePoint2d& pnt);
    static AcGeMatrix2d mirroring(const AcGePoint2d& pnt, const AcGeVector2d& dir);
    static AcGeMatrix2d mirroring(const AcGeLine2d& line);
    static AcGeMatrix2d alignCoordSys(const AcGePoint2d& fromOrigin, const AcGeVector2d& fromE0,
                                      const AcGeVector2d& fromE1, const AcGePoint2d& toOrigin,
                                      const AcGeVector2d& toE0, const AcGeVector2d& toE1);

    double entry[3][3] = {};
};

inline AcGePoint2d operator*(const AcGeMatrix2d& mat, const AcGePoint2d& pnt)
{
    return AcGePoint2d().setToProduct(mat, pnt);
}

inline AcGeVector2d operator*(const AcGeMatrix2d& mat, const AcGeVector2d& vec)
{
    return AcGeVector2d().setToProduct(mat, vec);
}
