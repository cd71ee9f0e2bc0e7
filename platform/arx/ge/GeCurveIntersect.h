// Numerical crossing search shared by the plane and space curve intersectors: both curves
// are sampled, close pairs of chords become starting points, and a damped Gauss-Newton
// iteration on C1(s) - C2(t) = 0 polishes each; solutions closer than a merge distance
// are one point (tangent contacts give one point).
#pragma once

#include "GeNumerics.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace GeCurveIntersect {

struct Hit {
    double param1;
    double param2;
};

// Distance between the chords a0-a1 and b0-b1, by sampling the shorter problem exactly
// enough for candidate selection: minimum over the end points projected on the other chord.
template <class P, class V>
double chordDistance(const P& a0, const P& a1, const P& b0, const P& b1)
{
    auto pointToChord = [](const P& p, const P& q0, const P& q1) {
        const V d = q1 - q0;
        const double len2 = d.lengthSqrd();
        double t = len2 > 0.0 ? (p - q0).dotProduct(d) / len2 : 0.0;
        t = std::clamp(t, 0.0, 1.0);
        return (q0 + d * t - p).length();
    };
    // Chords that cross have distance 0; test by minimising over a few interior points.
    double best = std::min({pointToChord(a0, b0, b1), pointToChord(a1, b0, b1), pointToChord(b0, a0, a1),
                            pointToChord(b1, a0, a1)});
    for (int i = 1; i < 8; ++i) {
        const P a = a0 + (a1 - a0) * (i / 8.0);
        best = std::min(best, pointToChord(a, b0, b1));
    }
    return best;
}

// Damped Gauss-Newton on r(s, t) = C1(s) - C2(t) within the two parameter ranges.
template <class P, class V, class E1, class E2>
bool polish(const E1& eval1, const E2& eval2, double lo1, double hi1, double lo2, double hi2, double& s, double& t,
            double tol)
{
    double lambda = 1e-9;
    V d1, d2;
    P p1 = eval1(s, &d1, nullptr);
    P p2 = eval2(t, &d2, nullptr);
    double err = (p1 - p2).lengthSqrd();
    for (int it = 0; it < 200 && err > tol * tol * 1e-4; ++it) {
        const V r = p1 - p2;
        const double a = d1.dotProduct(d1), b = -d1.dotProduct(d2), c = d2.dotProduct(d2);
        const double g1 = d1.dotProduct(r), g2 = -d2.dotProduct(r);
        const double a11 = a + lambda * (1.0 + a), a22 = c + lambda * (1.0 + c);
        const double det = a11 * a22 - b * b;
        if (det == 0.0)
            break;
        const double ns = std::clamp(s - (a22 * g1 - b * g2) / det, lo1, hi1);
        const double nt = std::clamp(t - (a11 * g2 - b * g1) / det, lo2, hi2);
        V nd1, nd2;
        const P np1 = eval1(ns, &nd1, nullptr);
        const P np2 = eval2(nt, &nd2, nullptr);
        const double nerr = (np1 - np2).lengthSqrd();
        if (nerr < err) {
            s = ns, t = nt, p1 = np1, p2 = np2, d1 = nd1, d2 = nd2, err = nerr;
            lambda = std::max(lambda * 0.1, 1e-15);
        } else {
            lambda *= 10.0;
            if (lambda > 1e10)
                break;
        }
    }
    return std::sqrt(err) <= tol;
}

template <class P, class V, class E1, class E2>
std::vector<Hit> search(const E1& eval1, const std::vector<double>& breaks1, double lo1, double hi1, const E2& eval2,
                        const std::vector<double>& breaks2, double lo2, double hi2, double tol)
{
    const std::vector<double> s = GeNumerics::sampleParams(lo1, hi1, breaks1, 32);
    const std::vector<double> t = GeNumerics::sampleParams(lo2, hi2, breaks2, 32);
    std::vector<P> a, b;
    for (double u : s)
        a.push_back(eval1(u, nullptr, nullptr));
    for (double u : t)
        b.push_back(eval2(u, nullptr, nullptr));
    double scale = 0.0;
    for (std::size_t i = 1; i < a.size(); ++i)
        scale = std::max(scale, (a[i] - a[0]).length());
    for (std::size_t j = 1; j < b.size(); ++j)
        scale = std::max(scale, (b[j] - a[0]).length());
    const double merge = std::max(10.0 * tol, 1e-6 * scale);
    std::vector<Hit> hits;
    std::vector<P> points;
    for (std::size_t i = 0; i + 1 < a.size(); ++i) {
        for (std::size_t j = 0; j + 1 < b.size(); ++j) {
            const double reach = 0.5 * std::max((a[i + 1] - a[i]).length(), (b[j + 1] - b[j]).length());
            if (chordDistance<P, V>(a[i], a[i + 1], b[j], b[j + 1]) > reach + tol)
                continue;
            double u = 0.5 * (s[i] + s[i + 1]);
            double v = 0.5 * (t[j] + t[j + 1]);
            if (!polish<P, V>(eval1, eval2, lo1, hi1, lo2, hi2, u, v, tol))
                continue;
            const P p = eval1(u, nullptr, nullptr);
            bool seen = false;
            for (const P& q : points)
                seen = seen || (q - p).length() <= merge;
            if (!seen) {
                points.push_back(p);
                hits.push_back({u, v});
            }
        }
    }
    return hits;
}

} // namespace GeCurveIntersect
