// B-spline algorithms after the standard formulations: span search, basis derivatives,
// rational derivatives by the quotient rule, Boehm insertion, global interpolation.
#include "GeNurbs.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace GeNurbs {

namespace {

double dist(const Vec3& a, const Vec3& b)
{
    return std::sqrt((a[0] - b[0]) * (a[0] - b[0]) + (a[1] - b[1]) * (a[1] - b[1]) + (a[2] - b[2]) * (a[2] - b[2]));
}

int findSpan(const Curve& c, double u)
{
    const int n = c.numPoints() - 1;
    const int p = c.degree;
    const auto& U = c.knots;
    if (u >= U[static_cast<std::size_t>(n + 1)])
        return n;
    if (u <= U[static_cast<std::size_t>(p)])
        return p;
    // Last span whose start is <= u.
    const auto it = std::upper_bound(U.begin() + p, U.begin() + n + 1, u);
    return static_cast<int>(it - U.begin()) - 1;
}

// Basis functions and their derivatives up to order n at u in span i: ders[k][j].
std::vector<std::vector<double>> basisDerivs(const Curve& c, int i, double u, int n)
{
    const int p = c.degree;
    const auto& U = c.knots;
    auto K = [&](int idx) { return U[static_cast<std::size_t>(idx)]; };
    std::vector<std::vector<double>> ndu(p + 1, std::vector<double>(p + 1, 0.0));
    std::vector<double> left(p + 1), right(p + 1);
    ndu[0][0] = 1.0;
    for (int j = 1; j <= p; ++j) {
        left[j] = u - K(i + 1 - j);
        right[j] = K(i + j) - u;
        double saved = 0.0;
        for (int r = 0; r < j; ++r) {
            ndu[j][r] = right[r + 1] + left[j - r];
            const double temp = ndu[j][r] != 0.0 ? ndu[r][j - 1] / ndu[j][r] : 0.0;
            ndu[r][j] = saved + right[r + 1] * temp;
            saved = left[j - r] * temp;
        }
        ndu[j][j] = saved;
    }
    std::vector<std::vector<double>> ders(n + 1, std::vector<double>(p + 1, 0.0));
    for (int j = 0; j <= p; ++j)
        ders[0][j] = ndu[j][p];
    std::vector<std::vector<double>> a(2, std::vector<double>(p + 1, 0.0));
    for (int r = 0; r <= p; ++r) {
        int s1 = 0, s2 = 1;
        a[0][0] = 1.0;
        for (int k = 1; k <= n && k <= p; ++k) {
            double d = 0.0;
            const int rk = r - k, pk = p - k;
            if (r >= k) {
                a[s2][0] = ndu[pk + 1][rk] != 0.0 ? a[s1][0] / ndu[pk + 1][rk] : 0.0;
                d = a[s2][0] * ndu[rk][pk];
            }
            const int j1 = rk >= -1 ? 1 : -rk;
            const int j2 = (r - 1 <= pk) ? k - 1 : p - r;
            for (int j = j1; j <= j2; ++j) {
                a[s2][j] = ndu[pk + 1][rk + j] != 0.0 ? (a[s1][j] - a[s1][j - 1]) / ndu[pk + 1][rk + j] : 0.0;
                d += a[s2][j] * ndu[rk + j][pk];
            }
            if (r <= pk) {
                a[s2][k] = ndu[pk + 1][r] != 0.0 ? -a[s1][k - 1] / ndu[pk + 1][r] : 0.0;
                d += a[s2][k] * ndu[r][pk];
            }
            ders[k][r] = d;
            std::swap(s1, s2);
        }
    }
    double f = p;
    for (int k = 1; k <= n && k <= p; ++k) {
        for (int j = 0; j <= p; ++j)
            ders[k][j] *= f;
        f *= (p - k);
    }
    return ders;
}

// Solves the dense system a x = b (b holds three right-hand sides) by elimination.
void solve(std::vector<std::vector<double>>& a, std::vector<Vec3>& b)
{
    const std::size_t n = a.size();
    for (std::size_t col = 0; col < n; ++col) {
        std::size_t piv = col;
        for (std::size_t r = col + 1; r < n; ++r)
            if (std::fabs(a[r][col]) > std::fabs(a[piv][col]))
                piv = r;
        if (a[piv][col] == 0.0)
            throw std::runtime_error("singular interpolation system");
        std::swap(a[piv], a[col]);
        std::swap(b[piv], b[col]);
        for (std::size_t r = col + 1; r < n; ++r) {
            const double f = a[r][col] / a[col][col];
            if (f == 0.0)
                continue;
            for (std::size_t c = col; c < n; ++c)
                a[r][c] -= f * a[col][c];
            for (int k = 0; k < 3; ++k)
                b[r][k] -= f * b[col][k];
        }
    }
    for (std::size_t r = n; r-- > 0;) {
        for (std::size_t c = r + 1; c < n; ++c)
            for (int k = 0; k < 3; ++k)
                b[r][k] -= a[r][c] * b[c][k];
        for (int k = 0; k < 3; ++k)
            b[r][k] /= a[r][r];
    }
}

std::vector<double> chordParams(const std::vector<Vec3>& pts)
{
    std::vector<double> u{0.0};
    for (std::size_t i = 1; i < pts.size(); ++i) {
        double d = dist(pts[i], pts[i - 1]);
        // Repeated points would give a singular system; keep the parameters increasing.
        u.push_back(u.back() + std::max(d, 1e-12));
    }
    return u;
}

Hom lift(const Vec3& p)
{
    return {p[0], p[1], p[2], 1.0};
}

// Row of basis values at u for the unknown control points.
std::vector<double> basisRow(const Curve& c, double u)
{
    std::vector<double> row(static_cast<std::size_t>(c.numPoints()), 0.0);
    const int span = findSpan(c, u);
    const auto ders = basisDerivs(c, span, u, 0);
    for (int j = 0; j <= c.degree; ++j)
        row[static_cast<std::size_t>(span - c.degree + j)] = ders[0][j];
    return row;
}

} // namespace

bool Curve::isValid() const
{
    return degree >= 1 && numPoints() > degree && knots.size() == points.size() + static_cast<std::size_t>(degree) + 1;
}

void evaluate(const Curve& c, double u, int n, Vec3* out)
{
    const int p = c.degree;
    const int span = findSpan(c, u);
    const auto ders = basisDerivs(c, span, u, n);
    // Derivatives of the homogeneous curve, then the quotient rule for the rational one.
    std::vector<Hom> cw(static_cast<std::size_t>(n + 1), Hom{0, 0, 0, 0});
    for (int k = 0; k <= std::min(n, p); ++k)
        for (int j = 0; j <= p; ++j)
            for (int d = 0; d < 4; ++d)
                cw[k][d] += ders[k][j] * c.points[static_cast<std::size_t>(span - p + j)][d];
    for (int k = 0; k <= n; ++k) {
        Vec3 v{cw[k][0], cw[k][1], cw[k][2]};
        double binom = 1.0;
        for (int i = 1; i <= k; ++i) {
            binom = binom * (k - i + 1) / i;
            for (int d = 0; d < 3; ++d)
                v[d] -= binom * cw[i][3] * out[k - i][d];
        }
        for (int d = 0; d < 3; ++d)
            out[k][d] = v[d] / cw[0][3];
    }
}

void insertKnot(Curve& c, double u)
{
    const int p = c.degree;
    const int k = findSpan(c, u);
    std::vector<Hom> q(c.points.size() + 1);
    for (int i = 0; i <= k - p; ++i)
        q[i] = c.points[i];
    for (int i = k; i < c.numPoints(); ++i)
        q[i + 1] = c.points[i];
    for (int i = k - p + 1; i <= k; ++i) {
        const double denom = c.knots[i + p] - c.knots[i];
        const double a = denom != 0.0 ? (u - c.knots[i]) / denom : 0.0;
        for (int d = 0; d < 4; ++d)
            q[i][d] = a * c.points[i][d] + (1.0 - a) * c.points[i - 1][d];
    }
    c.points = std::move(q);
    c.knots.insert(std::upper_bound(c.knots.begin(), c.knots.end(), u), u);
}

void trim(Curve& c, double a, double b)
{
    const int p = c.degree;
    for (double u : {a, b}) {
        const auto mult = std::count(c.knots.begin(), c.knots.end(), u);
        for (auto m = mult; m < p; ++m)
            insertKnot(c, u);
    }
    // The point at a is the control point just before a's last occurrence, less p.
    const auto lastA = std::upper_bound(c.knots.begin(), c.knots.end(), a) - c.knots.begin() - 1;
    const auto firstPoint = lastA - p;
    std::vector<double> knots(static_cast<std::size_t>(p + 1), a);
    for (double u : c.knots)
        if (u > a && u < b)
            knots.push_back(u);
    knots.insert(knots.end(), static_cast<std::size_t>(p + 1), b);
    const auto count = static_cast<std::ptrdiff_t>(knots.size()) - p - 1;
    std::vector<Hom> points(c.points.begin() + firstPoint, c.points.begin() + firstPoint + count);
    c.knots = std::move(knots);
    c.points = std::move(points);
}

void reverse(Curve& c)
{
    const double a = c.knots.front();
    const double b = c.knots.back();
    std::reverse(c.points.begin(), c.points.end());
    std::reverse(c.knots.begin(), c.knots.end());
    for (double& u : c.knots)
        u = a + b - u;
}

std::vector<double> interiorKnots(const Curve& c)
{
    std::vector<double> result;
    const double lo = c.startParam();
    const double hi = c.endParam();
    for (double u : c.knots)
        if (u > lo && u < hi && (result.empty() || u != result.back()))
            result.push_back(u);
    return result;
}

Curve interpolateCubic(const std::vector<Vec3>& pts, const Vec3& startDeriv, const Vec3& endDeriv)
{
    const std::vector<double> ub = chordParams(pts);
    const std::size_t n = pts.size() - 1;
    Curve c;
    c.degree = 3;
    c.knots.assign(4, ub.front());
    c.knots.insert(c.knots.end(), ub.begin() + 1, ub.end() - 1);
    c.knots.insert(c.knots.end(), 4, ub.back());
    c.points.assign(n + 3, Hom{0, 0, 0, 1});
    // The end points and their neighbours follow from the end derivatives.
    Vec3 p1, pn1;
    for (int d = 0; d < 3; ++d) {
        p1[d] = pts[0][d] + (ub[1] - ub[0]) / 3.0 * startDeriv[d];
        pn1[d] = pts[n][d] - (ub[n] - ub[n - 1]) / 3.0 * endDeriv[d];
    }
    c.points[0] = lift(pts[0]);
    c.points[1] = lift(p1);
    c.points[n + 1] = lift(pn1);
    c.points[n + 2] = lift(pts[n]);
    if (n < 2)
        return c;
    // Interior points: C(u_k) = Q_k for k = 1 .. n-1 in the unknowns P_2 .. P_n.
    std::vector<std::vector<double>> a(n - 1, std::vector<double>(n - 1, 0.0));
    std::vector<Vec3> rhs(n - 1);
    for (std::size_t k = 1; k < n; ++k) {
        const std::vector<double> row = basisRow(c, ub[k]);
        rhs[k - 1] = pts[k];
        for (std::size_t j = 0; j < row.size(); ++j) {
            if (j >= 2 && j <= n)
                a[k - 1][j - 2] = row[j];
            else
                for (int d = 0; d < 3; ++d)
                    rhs[k - 1][d] -= row[j] * c.points[j][d];
        }
    }
    solve(a, rhs);
    for (std::size_t j = 2; j <= n; ++j)
        c.points[j] = lift(rhs[j - 2]);
    return c;
}

Curve interpolate(const std::vector<Vec3>& pts, int degree)
{
    const std::vector<double> ub = chordParams(pts);
    const int n = static_cast<int>(pts.size()) - 1;
    Curve c;
    c.degree = std::max(1, std::min(degree, n));
    const int p = c.degree;
    c.knots.assign(static_cast<std::size_t>(p + 1), ub.front());
    for (int j = 1; j <= n - p; ++j) {
        double sum = 0.0;
        for (int i = j; i < j + p; ++i)
            sum += ub[i];
        c.knots.push_back(sum / p);
    }
    c.knots.insert(c.knots.end(), static_cast<std::size_t>(p + 1), ub.back());
    c.points.assign(pts.size(), Hom{0, 0, 0, 1});
    std::vector<std::vector<double>> a;
    for (double u : ub)
        a.push_back(basisRow(c, u));
    std::vector<Vec3> rhs = pts;
    solve(a, rhs);
    for (std::size_t j = 0; j < pts.size(); ++j)
        c.points[j] = lift(rhs[j]);
    return c;
}

namespace {

// Derivative at the first of three points of the parabola through them at chord parameters.
Vec3 parabolaDeriv(const Vec3& q0, const Vec3& q1, const Vec3& q2)
{
    const double h0 = std::max(dist(q0, q1), 1e-12);
    const double h1 = std::max(dist(q1, q2), 1e-12);
    Vec3 d;
    for (int k = 0; k < 3; ++k) {
        const double s0 = (q1[k] - q0[k]) / h0;
        const double s1 = (q2[k] - q1[k]) / h1;
        d[k] = s0 - (s1 - s0) * h0 / (h0 + h1);
    }
    return d;
}

} // namespace

Vec3 besselStartDeriv(const std::vector<Vec3>& pts)
{
    const std::size_t n = pts.size();
    if (n < 3) {
        const double h = std::max(dist(pts[0], pts[n - 1]), 1e-12);
        return {(pts[n - 1][0] - pts[0][0]) / h, (pts[n - 1][1] - pts[0][1]) / h, (pts[n - 1][2] - pts[0][2]) / h};
    }
    return parabolaDeriv(pts[0], pts[1], pts[2]);
}

Vec3 besselEndDeriv(const std::vector<Vec3>& pts)
{
    std::vector<Vec3> reversed(pts.rbegin(), pts.rend());
    Vec3 d = besselStartDeriv(reversed);
    return {-d[0], -d[1], -d[2]};
}

} // namespace GeNurbs
