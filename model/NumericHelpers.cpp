#include "NumericHelpers.h"

#include "CLocale.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

const double kPi = 3.1415926535;

// Crossing parameters of two lines in space: p = a + s (b - a), q = c + t (d - c).
// Lines that do not meet within the point tolerance, or are parallel, have none.
bool CrossingParameters(const AcGePoint3d& a, const AcGePoint3d& b, const AcGePoint3d& c,
                        const AcGePoint3d& d, double& s, double& t)
{
    AcGeVector3d u = b - a;
    AcGeVector3d v = d - c;
    AcGeVector3d w = a - c;
    double uu = u.dotProduct(u);
    double uv = u.dotProduct(v);
    double vv = v.dotProduct(v);
    double uw = u.dotProduct(w);
    double vw = v.dotProduct(w);
    double denominator = uu * vv - uv * uv;
    if (uu <= 0.0 || vv <= 0.0 || std::fabs(denominator) <= 1e-12 * uu * vv)
        return false;
    s = (uv * vw - vv * uw) / denominator;
    t = (uu * vw - uv * uw) / denominator;
    AcGePoint3d p = a + u * s;
    AcGePoint3d q = c + v * t;
    return p.distanceTo(q) <= AcGeContext::gTol.equalPoint() * std::max(1.0, std::sqrt(std::max(uu, vv)));
}

// Whether parameter s lies on a segment of the given length, within the point tolerance.
bool OnSegment(double s, double length)
{
    double slack = AcGeContext::gTol.equalPoint() / length;
    return s >= -slack && s <= 1.0 + slack;
}

} // namespace

CString FormatFixed(double x, int count)
{
    int decimals = std::abs(count);
    if (decimals > 8)
        return CString();
    CString text;
    text.Format(L"%.*f", decimals, x);
    if (count < 0) {
        text.TrimRight(L'0');
        text.TrimRight(L'.');
    }
    return text;
}

int CompareWithTolerance(double a, double b, double tolerance)
{
    if (std::fabs(a - b) <= std::fabs(tolerance))
        return 0;
    return a > b ? 1 : -1;
}

int CompareReal(double a, double b)
{
    if (std::fabs(a - b) < 0.0001)
        return 0;
    return a > b ? 1 : -1;
}

int IsEqualTol(double a, double b, double tolerance) { return std::fabs(a - b) < tolerance ? 1 : 0; }

double RoundReal(double x, int count)
{
    CString text = FormatFixed(x, count);
    if (text.IsEmpty())
        return 0.0;
    return wcstod_l(text.GetString(), nullptr, corbel::CLocale());
}

int Sign(double x)
{
    if (x < 0.0)
        return -1;
    if (x > 0.0)
        return 1;
    return 0;
}

AcGePoint3d MidPoint(const AcGePoint3d& p, const AcGePoint3d& q)
{
    return AcGePoint3d((p.x + q.x) * 0.5, (p.y + q.y) * 0.5, (p.z + q.z) * 0.5);
}

double GetDirectionAngle(const AcGePoint3d& p1, const AcGePoint3d& p2)
{
    double length = p1.distanceTo(p2);
    if (length == 0.0)
        return 0.0;
    double s = (p2.y - p1.y) / length;
    if (p2.x - p1.x > 0.0)
        return std::asin(s);
    return kPi - std::asin(s);
}

AcGePoint3d GetSecondPoint(const AcDbExtents& box) { return box.maxPoint(); }
double GetDeltaX(const AcDbExtents& box) { return std::fabs(box.maxPoint().x - box.minPoint().x); }
double GetDeltaY(const AcDbExtents& box) { return std::fabs(box.maxPoint().y - box.minPoint().y); }

AcGePoint3d IntersectLines(const AcGePoint3d& a, const AcGePoint3d& b, const AcGePoint3d& c,
                           const AcGePoint3d& d, int extendFirst, int extendSecond, int* found)
{
    double s = 0.0;
    double t = 0.0;
    bool hit = CrossingParameters(a, b, c, d, s, t) && (extendFirst || OnSegment(s, a.distanceTo(b))) &&
               (extendSecond || OnSegment(t, c.distanceTo(d)));
    if (found != nullptr)
        *found = hit ? 1 : 0;
    if (!hit)
        return AcGePoint3d::kOrigin;
    return a + (b - a) * s;
}

AcGePoint3d IntersectWithAxisLine(const AcGePoint3d& a, const AcGePoint3d& b, double c, int vertical,
                                  int* found)
{
    if (vertical)
        return IntersectLines(a, b, AcGePoint3d(c, 0, 0), AcGePoint3d(c, 1, 0), 1, 1, found);
    return IntersectLines(a, b, AcGePoint3d(0, c, 0), AcGePoint3d(1, c, 0), 1, 1, found);
}
