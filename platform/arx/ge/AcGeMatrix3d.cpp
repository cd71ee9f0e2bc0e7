// Space transformations. Inversion is Gauss-Jordan with partial pivoting; singularity is
// judged relative to the size of the entries, so tiny drawings do not look singular.
#include "AcGeMatrix3d.h"

#include "AcGeLine3d.h"
#include "AcGePlane.h"

#include <algorithm>
#include <cmath>

const AcGeMatrix3d AcGeMatrix3d::kIdentity;

AcGeMatrix3d AcGeMatrix3d::operator*(const AcGeMatrix3d& mat) const
{
    return AcGeMatrix3d().setToProduct(*this, mat);
}

AcGeMatrix3d& AcGeMatrix3d::operator*=(const AcGeMatrix3d& mat)
{
    return postMultBy(mat);
}

AcGeMatrix3d& AcGeMatrix3d::setToIdentity()
{
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            entry[r][c] = r == c ? 1.0 : 0.0;
    return *this;
}

AcGeMatrix3d& AcGeMatrix3d::preMultBy(const AcGeMatrix3d& leftSide)
{
    return *this = leftSide * *this;
}

AcGeMatrix3d& AcGeMatrix3d::postMultBy(const AcGeMatrix3d& rightSide)
{
    return *this = *this * rightSide;
}

AcGeMatrix3d& AcGeMatrix3d::setToProduct(const AcGeMatrix3d& a, const AcGeMatrix3d& b)
{
    AcGeMatrix3d m;
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            double sum = 0.0;
            for (int k = 0; k < 4; ++k)
                sum += a.entry[r][k] * b.entry[k][c];
            m.entry[r][c] = sum;
        }
    }
    return *this = m;
}

namespace {

// Gauss-Jordan elimination on a copy; returns false when a pivot vanishes.
bool invertInto(const AcGeMatrix3d& src, AcGeMatrix3d& out, double pivotTol)
{
    AcGeMatrix3d a = src;
    out.setToIdentity();
    for (int col = 0; col < 4; ++col) {
        int pivot = col;
        for (int r = col + 1; r < 4; ++r)
            if (std::fabs(a.entry[r][col]) > std::fabs(a.entry[pivot][col]))
                pivot = r;
        if (std::fabs(a.entry[pivot][col]) <= pivotTol)
            return false;
        std::swap(a.entry[pivot], a.entry[col]);
        std::swap(out.entry[pivot], out.entry[col]);
        const double p = a.entry[col][col];
        for (int c = 0; c < 4; ++c) {
            a.entry[col][c] /= p;
            out.entry[col][c] /= p;
        }
        for (int r = 0; r < 4; ++r) {
            if (r == col)
                continue;
            const double f = a.entry[r][col];
            for (int c = 0; c < 4; ++c) {
                a.entry[r][c] -= f * a.entry[col][c];
                out.entry[r][c] -= f * out.entry[col][c];
            }
        }
    }
    return true;
}

double largestEntry(const AcGeMatrix3d& m)
{
    double size = 0.0;
    for (const auto& row : m.entry)
        for (double v : row)
            size = std::max(size, std::fabs(v));
    return size;
}

} // namespace

double AcGeMatrix3d::det() const
{
    // Determinant by elimination with partial pivoting.
    double a[4][4];
    std::copy(&entry[0][0], &entry[0][0] + 16, &a[0][0]);
    double d = 1.0;
    for (int col = 0; col < 4; ++col) {
        int pivot = col;
        for (int r = col + 1; r < 4; ++r)
            if (std::fabs(a[r][col]) > std::fabs(a[pivot][col]))
                pivot = r;
        if (a[pivot][col] == 0.0)
            return 0.0;
        if (pivot != col) {
            std::swap(a[pivot], a[col]);
            d = -d;
        }
        d *= a[col][col];
        for (int r = col + 1; r < 4; ++r) {
            const double f = a[r][col] / a[col][col];
            for (int c = col; c < 4; ++c)
                a[r][c] -= f * a[col][c];
        }
    }
    return d;
}

bool AcGeMatrix3d::isSingular(const AcGeTol& tol) const
{
    AcGeMatrix3d unused;
    const double size = largestEntry(*this);
    return size == 0.0 || !invertInto(*this, unused, tol.equalVector() * size);
}

AcGeMatrix3d& AcGeMatrix3d::invert()
{
    AcGeMatrix3d inv;
    const double size = largestEntry(*this);
    if (size > 0.0 && invertInto(*this, inv, AcGeContext::gTol.equalVector() * size))
        *this = inv;
    return *this;
}

AcGeMatrix3d AcGeMatrix3d::inverse() const
{
    return AcGeMatrix3d(*this).invert();
}

AcGeMatrix3d& AcGeMatrix3d::transposeIt()
{
    for (int r = 0; r < 4; ++r)
        for (int c = r + 1; c < 4; ++c)
            std::swap(entry[r][c], entry[c][r]);
    return *this;
}

AcGeMatrix3d AcGeMatrix3d::transpose() const
{
    return AcGeMatrix3d(*this).transposeIt();
}

bool AcGeMatrix3d::isEqualTo(const AcGeMatrix3d& mat, const AcGeTol& tol) const
{
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            if (std::fabs(entry[r][c] - mat.entry[r][c]) > tol.equalVector())
                return false;
    return true;
}

bool AcGeMatrix3d::isUniScaledOrtho(const AcGeTol& tol) const
{
    AcGePoint3d o;
    AcGeVector3d ax[3];
    getCoordSystem(o, ax[0], ax[1], ax[2]);
    const double l = ax[0].length();
    if (l <= tol.equalVector())
        return false;
    for (int i = 0; i < 3; ++i) {
        if (std::fabs(ax[i].length() - l) > tol.equalVector() * l)
            return false;
        if (std::fabs(ax[i].dotProduct(ax[(i + 1) % 3])) > tol.equalVector() * l * l)
            return false;
    }
    return true;
}

double AcGeMatrix3d::scale() const
{
    AcGePoint3d o;
    AcGeVector3d x, y, z;
    getCoordSystem(o, x, y, z);
    return std::max({x.length(), y.length(), z.length()});
}

AcGeVector3d AcGeMatrix3d::translation() const
{
    return {entry[0][3], entry[1][3], entry[2][3]};
}

AcGeMatrix3d& AcGeMatrix3d::setTranslation(const AcGeVector3d& vec)
{
    entry[0][3] = vec.x;
    entry[1][3] = vec.y;
    entry[2][3] = vec.z;
    return *this;
}

AcGeMatrix3d& AcGeMatrix3d::setCoordSystem(const AcGePoint3d& origin, const AcGeVector3d& xAxis,
                                           const AcGeVector3d& yAxis, const AcGeVector3d& zAxis)
{
    setToIdentity();
    for (int r = 0; r < 3; ++r) {
        entry[r][0] = xAxis[r];
        entry[r][1] = yAxis[r];
        entry[r][2] = zAxis[r];
    }
    return setTranslation(origin.asVector());
}

void AcGeMatrix3d::getCoordSystem(AcGePoint3d& origin, AcGeVector3d& xAxis, AcGeVector3d& yAxis,
                                  AcGeVector3d& zAxis) const
{
    origin.set(entry[0][3], entry[1][3], entry[2][3]);
    xAxis.set(entry[0][0], entry[1][0], entry[2][0]);
    yAxis.set(entry[0][1], entry[1][1], entry[2][1]);
    zAxis.set(entry[0][2], entry[1][2], entry[2][2]);
}

AcGeMatrix3d& AcGeMatrix3d::setToTranslation(const AcGeVector3d& vec)
{
    return setToIdentity().setTranslation(vec);
}

AcGeMatrix3d& AcGeMatrix3d::setToRotation(double angle, const AcGeVector3d& axis, const AcGePoint3d& center)
{
    setCoordSystem(AcGePoint3d::kOrigin, AcGeVector3d(AcGeVector3d::kXAxis).rotateBy(angle, axis),
                   AcGeVector3d(AcGeVector3d::kYAxis).rotateBy(angle, axis),
                   AcGeVector3d(AcGeVector3d::kZAxis).rotateBy(angle, axis));
    return setTranslation(center.asVector() - (*this * center.asVector()));
}

AcGeMatrix3d& AcGeMatrix3d::setToScaling(double scaleAll, const AcGePoint3d& center)
{
    setToIdentity();
    for (int i = 0; i < 3; ++i)
        entry[i][i] = scaleAll;
    return setTranslation(center.asVector() * (1.0 - scaleAll));
}

AcGeMatrix3d& AcGeMatrix3d::setToMirroring(const AcGePlane& plane)
{
    const AcGeVector3d n = plane.normal();
    setCoordSystem(AcGePoint3d::kOrigin, AcGeVector3d(AcGeVector3d::kXAxis).mirror(n),
                   AcGeVector3d(AcGeVector3d::kYAxis).mirror(n), AcGeVector3d(AcGeVector3d::kZAxis).mirror(n));
    const AcGeVector3d o = plane.pointOnPlane().asVector();
    return setTranslation(o - (*this * o));
}

AcGeMatrix3d& AcGeMatrix3d::setToMirroring(const AcGePoint3d& pnt)
{
    return setToScaling(-1.0, pnt);
}

AcGeMatrix3d& AcGeMatrix3d::setToMirroring(const AcGePoint3d& pnt, const AcGeVector3d& dir)
{
    return setToRotation(std::acos(-1.0), dir, pnt);
}

AcGeMatrix3d& AcGeMatrix3d::setToMirroring(const AcGeLine3d& line)
{
    return setToMirroring(line.pointOnLine(), line.direction());
}

AcGeMatrix3d& AcGeMatrix3d::setToAlignCoordSys(const AcGePoint3d& fromOrigin, const AcGeVector3d& fromXAxis,
                                               const AcGeVector3d& fromYAxis, const AcGeVector3d& fromZAxis,
                                               const AcGePoint3d& toOrigin, const AcGeVector3d& toXAxis,
                                               const AcGeVector3d& toYAxis, const AcGeVector3d& toZAxis)
{
    const AcGeMatrix3d from = AcGeMatrix3d().setCoordSystem(fromOrigin, fromXAxis, fromYAxis, fromZAxis);
    const AcGeMatrix3d to = AcGeMatrix3d().setCoordSystem(toOrigin, toXAxis, toYAxis, toZAxis);
    return setToProduct(to, from.inverse());
}

AcGeMatrix3d& AcGeMatrix3d::setToWorldToPlane(const AcGeVector3d& normal)
{
    return setToPlaneToWorld(normal).invert();
}

AcGeMatrix3d& AcGeMatrix3d::setToWorldToPlane(const AcGePlane& plane)
{
    return setToPlaneToWorld(plane).invert();
}

AcGeMatrix3d& AcGeMatrix3d::setToPlaneToWorld(const AcGeVector3d& normal)
{
    const AcGeVector3d z = normal.normal();
    const AcGeVector3d x = z.perpVector();
    return setCoordSystem(AcGePoint3d::kOrigin, x, z.crossProduct(x), z);
}

AcGeMatrix3d& AcGeMatrix3d::setToPlaneToWorld(const AcGePlane& plane)
{
    AcGePoint3d origin;
    AcGeVector3d u, v;
    plane.get(origin, u, v);
    return setCoordSystem(origin, u.normal(), v.normal(), plane.normal());
}

AcGeMatrix3d AcGeMatrix3d::translation(const AcGeVector3d& vec)
{
    return AcGeMatrix3d().setToTranslation(vec);
}

AcGeMatrix3d AcGeMatrix3d::rotation(double angle, const AcGeVector3d& axis, const AcGePoint3d& center)
{
    return AcGeMatrix3d().setToRotation(angle, axis, center);
}

AcGeMatrix3d AcGeMatrix3d::scaling(double scaleAll, const AcGePoint3d& center)
{
    return AcGeMatrix3d().setToScaling(scaleAll, center);
}

AcGeMatrix3d AcGeMatrix3d::mirroring(const AcGePlane& plane)
{
    return AcGeMatrix3d().setToMirroring(plane);
}

AcGeMatrix3d AcGeMatrix3d::mirroring(const AcGePoint3d& pnt)
{
    return AcGeMatrix3d().setToMirroring(pnt);
}

AcGeMatrix3d AcGeMatrix3d::mirroring(const AcGePoint3d& pnt, const AcGeVector3d& dir)
{
    return AcGeMatrix3d().setToMirroring(pnt, dir);
}

AcGeMatrix3d AcGeMatrix3d::mirroring(const AcGeLine3d& line)
{
    return AcGeMatrix3d().setToMirroring(line);
}

AcGeMatrix3d AcGeMatrix3d::alignCoordSys(const AcGePoint3d& fromOrigin, const AcGeVector3d& fromXAxis,
                                         const AcGeVector3d& fromYAxis, const AcGeVector3d& fromZAxis,
                                         const AcGePoint3d& toOrigin, const AcGeVector3d& toXAxis,
                                         const AcGeVector3d& toYAxis, const AcGeVector3d& toZAxis)
{
    return AcGeMatrix3d().setToAlignCoordSys(fromOrigin, fromXAxis, fromYAxis, fromZAxis, toOrigin, toXAxis,
                                             toYAxis, toZAxis);
}

AcGeMatrix3d AcGeMatrix3d::worldToPlane(const AcGeVector3d& normal)
{
    return AcGeMatrix3d().setToWorldToPlane(normal);
}

AcGeMatrix3d AcGeMatrix3d::worldToPlane(const AcGePlane& plane)
{
    return AcGeMatrix3d().setToWorldToPlane(plane);
}

AcGeMatrix3d AcGeMatrix3d::planeToWorld(const AcGeVector3d& normal)
{
    return AcGeMatrix3d().setToPlaneToWorld(normal);
}

AcGeMatrix3d AcGeMatrix3d::planeToWorld(const AcGePlane& plane)
{
    return AcGeMatrix3d().setToPlaneToWorld(plane);
}
