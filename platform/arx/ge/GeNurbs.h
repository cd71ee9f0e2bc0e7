// B-spline mathematics shared by the plane and space NURBS curves and polylines: control
// points are held in weighted homogeneous form (w x, w y, w z, w), plane curves with z = 0.
#pragma once

#include <array>
#include <vector>

namespace GeNurbs {

using Vec3 = std::array<double, 3>;
using Hom = std::array<double, 4>;

struct Curve {
    int degree = 1;
    std::vector<double> knots;
    std::vector<Hom> points;

    int numPoints() const { return static_cast<int>(points.size()); }
    // The parameter range where the basis is complete: [u_p, u_(m-p)].
    double startParam() const { return knots[static_cast<std::size_t>(degree)]; }
    double endParam() const { return knots[knots.size() - 1 - static_cast<std::size_t>(degree)]; }
    bool isValid() const;
};

// Point and derivatives up to order n of the rational curve at u: out[0..n].
void evaluate(const Curve& c, double u, int n, Vec3* out);
// Inserts u once (Boehm's algorithm); the curve's shape is unchanged.
void insertKnot(Curve& c, double u);
// Cuts the curve down to [a, b] by inserting both ends to full multiplicity.
void trim(Curve& c, double a, double b);
// Runs the curve the other way over the same parameter range.
void reverse(Curve& c);
// Distinct knots strictly inside the parameter range.
std::vector<double> interiorKnots(const Curve& c);

// Interpolation through points at chord-length parameters starting at 0. The cubic form
// takes first derivatives at both ends (with respect to that parameter); the other form
// uses averaged knots of the given degree (lowered when there are too few points).
Curve interpolateCubic(const std::vector<Vec3>& pts, const Vec3& startDeriv, const Vec3& endDeriv);
Curve interpolate(const std::vector<Vec3>& pts, int degree);
// End derivatives estimated from the parabola through the first (last) three points.
Vec3 besselStartDeriv(const std::vector<Vec3>& pts);
Vec3 besselEndDeriv(const std::vector<Vec3>& pts);

} // namespace GeNurbs
