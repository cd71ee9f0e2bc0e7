// Plane transformations. Singularity is judged on the linear part's determinant
// relative to the size of its entries, so tiny drawings do not look singular.
#include "AcGeMatrix2d.h"

#include "AcGeLine2d.h"

#include <algorithm>
#include <cmath>

const AcGeMatrix2d AcGeMatrix2d::kIdentity;

AcGeMatrix2d AcGeMatrix2d::operator*(const AcGeMatrix2d& mat) const
{
    return AcGeMatrix2d().setToProduct(*this, mat);
}

AcGeMatrix2d& AcGeMatrix2d::operator*=(const AcGeMatrix2d& mat)
{
    return postMultBy(mat);
}

AcGeMatrix2d& AcGeMatrix2d::setToIdentity()
{
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            entry[r][c] = r == c ? 1.0 : 0.0;
    return *this;
}

AcGeMatrix2d& AcGeMatrix2d::preMultBy(const AcGeMatrix2d& leftSide)
{
    return *this = leftSide * *this;
}

AcGeMatrix2d& AcGeMatrix2d::postMultBy(const AcGeMatrix2d& rightSide)
{
    return *this = *this * rightSide;
}

AcGeMatrix2d& AcGeMatrix2d::setToProduct(const AcGeMatrix2d& a, const AcGeMatrix2d& b)
{
    AcGeMatrix2d m;
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            m.entry[r][c] = a.entry[r][0] * b.entry[0][c] + a.entry[r][1] * b.entry[1][c] + a.entry[r][2] * b.entry[2][c];
    return *this = m;
}

double AcGeMatrix2d::det() const
{
    const auto& e = entry;
    return e[0][0] * (e[1][1] * e[2][2] - e[1][2] * e[2][1]) - e[0][1] * (e[1][0] * e[2][2] - e[1][2] * e[2][0]) +
           e[0][2] * (e[1][0] * e[2][1] - e[1][1] * e[2][0]);
}

bool AcGeMatrix2d::isSingular(const AcGeTol& tol) const
{
    double size = 0.0;
    for (const auto& row : entry)
        for (double v : row)
            size = std::max(size, std::fabs(v));
    return size == 0.0 || std::fabs(det()) <= tol.equalVector() * size * size * size;
}

AcGeMatrix2d& AcGeMatrix2d::invert()
{
    if (isSingular())
        return *this;
    const auto& e = entry;
    const double d = det();
    AcGeMatrix2d m;
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) {
            // Cofactor of (c, r), i.e. the adjugate's (r, c) entry.
            const int r0 = (c + 1) % 3, r1 = (c + 2) % 3, c0 = (r + 1) % 3, c1 = (r + 2) % 3;
            m.entry[r][c] = (e[r0][c0] * e[r1][c1] - e[r0][c1] * e[r1][c0]) / d;
        }
    }
    return *this = m;
}

AcGeMatrix2d AcGeMatrix2d::inverse() const
{
    return AcGeMatrix2d(*this).invert();
}

AcGeMatrix2d& AcGeMatrix2d::transposeIt()
{
    for (int r = 0; r < 3; ++r)
        for (int c = r + 1; c < 3; ++c)
            std::swap(entry[r][c], entry[c][r]);
    return *this;
}

AcGeMatrix2d AcGeMatrix2d::transpose() const
{
    return AcGeMatrix2d(*this).transposeIt();
}

bool AcGeMatrix2d::isEqualTo(const AcGeMatrix2d& mat, const AcGeTol& tol) const
{
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            if (std::fabs(entry[r][c] - mat.entry[r][c]) > tol.equalVector())
                return false;
    return true;
}

bool AcGeMatrix2d::isUniScaledOrtho(const AcGeTol& tol) const
{
    const AcGeVector2d e0(entry[0][0], entry[1][0]);
    const AcGeVector2d e1(entry[0][1], entry[1][1]);
    const double l0 = e0.length();
    return l0 > tol.equalVector() && std::fabs(l0 - e1.length()) <= tol.equalVector() * l0 &&
           std::fabs(e0.dotProduct(e1)) <= tol.equalVector() * l0 * l0;
}

bool AcGeMatrix2d::isConformal(double& scale, double& angle, bool& isMirror, AcGeVector2d& reflex) const
{
    if (!isUniScaledOrtho())
        return false;
    const AcGeVector2d e0(entry[0][0], entry[1][0]);
    const double d = entry[0][0] * entry[1][1] - entry[0][1] * entry[1][0];
    scale = e0.length();
    isMirror = d < 0.0;
    // A reflection is taken in the X axis first, then the rotation that carries X to e0.
    angle = e0.angle();
    reflex = isMirror ? AcGeVector2d::kXAxis : AcGeVector2d::kIdentity;
    return true;
}

double AcGeMatrix2d::scale() const
{
    return std::max(AcGeVector2d(entry[0][0], entry[1][0]).length(), AcGeVector2d(entry[0][1], entry[1][1]).length());
}

AcGeVector2d AcGeMatrix2d::translation() const
{
    return {entry[0][2], entry[1][2]};
}

AcGeMatrix2d& AcGeMatrix2d::setTranslation(const AcGeVector2d& vec)
{
    entry[0][2] = vec.x;
    entry[1][2] = vec.y;
    return *this;
}

AcGeMatrix2d& AcGeMatrix2d::setCoordSystem(const AcGePoint2d& origin, const AcGeVector2d& e0, const AcGeVector2d& e1)
{
    setToIdentity();
    entry[0][0] = e0.x;
    entry[1][0] = e0.y;
    entry[0][1] = e1.x;
    entry[1][1] = e1.y;
    return setTranslation(origin.asVector());
}

void AcGeMatrix2d::getCoordSystem(AcGePoint2d& origin, AcGeVector2d& e0, AcGeVector2d& e1) const
{
    origin.set(entry[0][2], entry[1][2]);
    e0.set(entry[0][0], entry[1][0]);
    e1.set(entry[0][1], entry[1][1]);
}

AcGeMatrix2d& AcGeMatrix2d::setToTranslation(const AcGeVector2d& vec)
{
    return setToIdentity().setTranslation(vec);
}

AcGeMatrix2d& AcGeMatrix2d::setToRotation(double angle, const AcGePoint2d& center)
{
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    setToIdentity();
    entry[0][0] = c;
    entry[0][1] = -s;
    entry[1][0] = s;
    entry[1][1] = c;
    return setTranslation(center.asVector() - (*this * center.asVector()));
}

AcGeMatrix2d& AcGeMatrix2d::setToScaling(double scaleAll, const AcGePoint2d& center)
{
    setToIdentity();
    entry[0][0] = scaleAll;
    entry[1][1] = scaleAll;
    return setTranslation(center.asVector() * (1.0 - scaleAll));
}

AcGeMatrix2d& AcGeMatrix2d::setToMirroring(const AcGePoint2d& pnt)
{
    return setToScaling(-1.0, pnt);
}

AcGeMatrix2d& AcGeMatrix2d::setToMirroring(const AcGePoint2d& pnt, const AcGeVector2d& dir)
{
    const AcGeVector2d u = dir.normal();
    setToIdentity();
    entry[0][0] = 2.0 * u.x * u.x - 1.0;
    entry[0][1] = 2.0 * u.x * u.y;
    entry[1][0] = 2.0 * u.x * u.y;
    entry[1][1] = 2.0 * u.y * u.y - 1.0;
    return setTranslation(pnt.asVector() - (*this * pnt.asVector()));
}

AcGeMatrix2d& AcGeMatrix2d::setToMirroring(const AcGeLine2d& line)
{
    return setToMirroring(line.pointOnLine(), line.direction());
}

AcGeMatrix2d& AcGeMatrix2d::setToAlignCoordSys(const AcGePoint2d& fromOrigin, const AcGeVector2d& fromE0,
                                               const AcGeVector2d& fromE1, const AcGePoint2d& toOrigin,
                                               const AcGeVector2d& toE0, const AcGeVector2d& toE1)
{
    const AcGeMatrix2d from = AcGeMatrix2d().setCoordSystem(fromOrigin, fromE0, fromE1);
    const AcGeMatrix2d to = AcGeMatrix2d().setCoordSystem(toOrigin, toE0, toE1);
    return setToProduct(to, from.inverse());
}

AcGeMatrix2d AcGeMatrix2d::translation(const AcGeVector2d& vec)
{
    return AcGeMatrix2d().setToTranslation(vec);
}

AcGeMatrix2d AcGeMatrix2d::rotation(double angle, const AcGePoint2d& center)
{
    return AcGeMatrix2d().setToRotation(angle, center);
}

AcGeMatrix2d AcGeMatrix2d::scaling(double scaleAll, const AcGePoint2d& center)
{
    return AcGeMatrix2d().setToScaling(scaleAll, center);
}

AcGeMatrix2d AcGeMatrix2d::mirroring(const AcGePoint2d& pnt)
{
    return AcGeMatrix2d().setToMirroring(pnt);
}

AcGeMatrix2d AcGeMatrix2d::mirroring(const AcGePoint2d& pnt, const AcGeVector2d& dir)
{
    return AcGeMatrix2d().setToMirroring(pnt, dir);
}

AcGeMatrix2d AcGeMatrix2d::mirroring(const AcGeLine2d& line)
{
    return AcGeMatrix2d().setToMirroring(line);
}

AcGeMatrix2d AcGeMatrix2d::alignCoordSys(const AcGePoint2d& fromOrigin, const AcGeVector2d& fromE0,
                                         const AcGeVector2d& fromE1, const AcGePoint2d& toOrigin,
                                         const AcGeVector2d& toE0, const AcGeVector2d& toE1)
{
    return AcGeMatrix2d().setToAlignCoordSys(fromOrigin, fromE0, fromE1, toOrigin, toE0, toE1);
}
