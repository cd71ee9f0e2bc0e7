// Numerical building blocks shared by the 2-D and 3-D curves: quadrature, closest
// parameters and length inversion, written once over the point and vector types.
// An evaluator is a callable P eval(double t, V* firstDeriv, V* secondDeriv).
#pragma once

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <utility>
#include <vector>

namespace GeNumerics {

// A full turn in radians.
inline constexpr double kTwoPi = 2.0 * std::numbers::pi;

// 10-point Gauss-Legendre rule on [a, b].
template <class F>
double gauss(const F& f, double a, double b)
{
    static constexpr double x[5] = {0.1488743389816312, 0.4333953941292472, 0.6794095682990244,
                                    0.8650633666889845, 0.9739065285171717};
    static constexpr double w[5] = {0.2955242247147529, 0.2692667193099963, 0.2190863625159820,
                                    0.1494513491505806, 0.0666713443086881};
    const double m = 0.5 * (a + b);
    const double h = 0.5 * (b - a);
    double sum = 0.0;
    for (int i = 0; i < 5; ++i)
        sum += w[i] * (f(m - h * x[i]) + f(m + h * x[i]));
    return sum * h;
}

// Adaptive Gauss-Legendre: halves the interval until the two estimates agree within tol.
template <class F>
double integrate(const F& f, double a, double b, double tol, int depth = 0)
{
    const double m = 0.5 * (a + b);
    const double whole = gauss(f, a, b);
    const double halves = gauss(f, a, m) + gauss(f, m, b);
    if (depth >= 30 || std::fabs(whole - halves) <= std::max(tol, 1e-15 * std::fabs(halves)))
        return halves;
    return integrate(f, a, m, 0.5 * tol, depth + 1) + integrate(f, m, b, 0.5 * tol, depth + 1);
}

// Integral over [a, b] (either order) split at the given break parameters, where the
// integrand may have kinks (knots of a spline).
template <class F>
double integrateSpans(const F& f, double a, double b, const std::vector<double>& breaks, double tol)
{
    const double sign = b < a ? -1.0 : 1.0;
    if (b < a)
        std::swap(a, b);
    double sum = 0.0;
    double from = a;
    for (double k : breaks) {
        if (k > from && k < b) {
            sum += integrate(f, from, k, tol);
            from = k;
        }
    }
    return sign * (sum + integrate(f, from, b, tol));
}

// Sample parameters: every span between breaks gets the same number of samples.
inline std::vector<double> sampleParams(double lo, double hi, const std::vector<double>& breaks, int perSpan)
{
    std::vector<double> spans{lo};
    for (double k : breaks)
        if (k > spans.back() && k < hi)
            spans.push_back(k);
    spans.push_back(hi);
    const int n = std::max(perSpan, 64 / static_cast<int>(spans.size() - 1));
    std::vector<double> ts;
    for (std::size_t s = 0; s + 1 < spans.size(); ++s)
        for (int i = 0; i < n; ++i)
            ts.push_back(spans[s] + (spans[s + 1] - spans[s]) * i / n);
    ts.push_back(hi);
    return ts;
}

// Minimises the distance from p over [a, b] starting near t: golden section to narrow
// the bracket, then Newton on (C - p) . C' = 0 to polish.
template <class P, class V, class Eval>
double refineClosest(const Eval& eval, const P& p, double a, double b)
{
    auto dist2 = [&](double t) { return (eval(t, nullptr, nullptr) - p).lengthSqrd(); };
    const double lo = a;
    const double hi = b;
    const double g = 0.5 * (std::sqrt(5.0) - 1.0);
    double c = b - g * (b - a);
    double d = a + g * (b - a);
    double fc = dist2(c);
    double fd = dist2(d);
    for (int i = 0; i < 60 && b - a > 1e-15 * (1.0 + std::fabs(a)); ++i) {
        if (fc < fd) {
            b = d;
            d = c;
            fd = fc;
            c = b - g * (b - a);
            fc = dist2(c);
        } else {
            a = c;
            c = d;
            fc = fd;
            d = a + g * (b - a);
            fd = dist2(d);
        }
    }
    double t = fc < fd ? c : d;
    double best = std::min(fc, fd);
    for (int i = 0; i < 8; ++i) {
        V d1, d2;
        const P c0 = eval(t, &d1, &d2);
        const V r = c0 - p;
        const double h = d1.dotProduct(d1) + r.dotProduct(d2);
        if (h <= 0.0)
            break;
        const double tn = t - r.dotProduct(d1) / h;
        const double fn = dist2(tn);
        // Golden section only pins a flat minimum to about sqrt(epsilon); Newton finishes it.
        if (!(fn <= best) || tn < lo || tn > hi)
            break;
        t = tn;
        best = fn;
    }
    return t;
}

// The parameter of the point of the curve nearest to p, over [lo, hi].
template <class P, class V, class Eval>
double closestParam(const Eval& eval, const P& p, double lo, double hi, const std::vector<double>& breaks)
{
    const std::vector<double> ts = sampleParams(lo, hi, breaks, 16);
    std::vector<double> d(ts.size());
    for (std::size_t i = 0; i < ts.size(); ++i)
        d[i] = (eval(ts[i], nullptr, nullptr) - p).lengthSqrd();
    // Refine around every sampled local minimum and keep the best.
    double bestT = lo;
    double bestD = std::numeric_limits<double>::max();
    for (std::size_t i = 0; i < ts.size(); ++i) {
        const bool localMin = (i == 0 || d[i] <= d[i - 1]) && (i + 1 == ts.size() || d[i] <= d[i + 1]);
        if (!localMin)
            continue;
        const double a = ts[i == 0 ? 0 : i - 1];
        const double b = ts[i + 1 == ts.size() ? i : i + 1];
        double t = refineClosest<P, V>(eval, p, a, b);
        t = std::clamp(t, lo, hi);
        const double dt = (eval(t, nullptr, nullptr) - p).lengthSqrd();
        if (dt < bestD) {
            bestD = dt;
            bestT = t;
        }
    }
    return bestT;
}

// Solves length(t0, t) = len for t in [t0, limit] (limit may lie below t0): Newton on the
// length with the speed as derivative, kept inside a shrinking bracket.
template <class LengthFn, class SpeedFn>
double paramAtLength(const LengthFn& length, const SpeedFn& speed, double t0, double limit, double len, double tol)
{
    const double dir = limit >= t0 ? 1.0 : -1.0;
    double a = t0;
    double b = limit;
    if (len <= 0.0)
        return t0;
    if (length(t0, limit) <= len)
        return limit;
    const double v0 = speed(t0);
    double t = v0 > 0.0 ? t0 + dir * len / v0 : 0.5 * (a + b);
    for (int i = 0; i < 100; ++i) {
        if ((t - a) * dir <= 0.0 || (t - b) * dir >= 0.0)
            t = 0.5 * (a + b);
        const double f = length(t0, t) - len;
        if (std::fabs(f) <= tol)
            return t;
        if (f < 0.0)
            a = t;
        else
            b = t;
        const double v = speed(t);
        t = v > 0.0 ? t - dir * f / v : 0.5 * (a + b);
        if (std::fabs(b - a) <= 1e-15 * (1.0 + std::fabs(a)))
            return 0.5 * (a + b);
    }
    return t;
}

} // namespace GeNumerics
