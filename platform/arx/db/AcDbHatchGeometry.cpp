// The hatch's geometry: its loops as lines, circular and elliptic arcs in its plane; the
// pattern lines of the predefined patterns clipped to the loops by the even-odd rule; the
// pattern's definition lines for DXF; extents, outline curves and transformation.
#include "AcDbHatch.h"

#include "AcDbDxfFiler.h"
#include "AcGeCircArc2d.h"
#include "AcGeCircArc3d.h"
#include "AcGeEllipArc2d.h"
#include "AcGeEllipArc3d.h"
#include "AcGeLineSeg2d.h"
#include "AcGeLineSeg3d.h"
#include "DbGeometry.h"
#include "GeNumerics.h"

#include <algorithm>
#include <cmath>
#include <cwctype>
#include <numbers>

namespace {

using GeNumerics::kTwoPi;

// One family of parallel lines of a pattern, as a pattern file gives it: angle (degrees),
// base point, and the offset from one line to the next along and across the line.
struct PatternFamily {
    double angle;
    double baseX, baseY;
    double along, across;
};

// The predefined patterns in drawing units of millimetres (the drawing is metric).
const std::vector<PatternFamily>* predefinedPattern(const std::wstring& name)
{
    static const std::vector<std::pair<std::wstring, std::vector<PatternFamily>>> patterns = {
        { L"ANSI31", { { 45.0, 0.0, 0.0, 0.0, 3.175 } } },
        { L"ANSI32", { { 45.0, 0.0, 0.0, 0.0, 9.525 }, { 45.0, 4.490128, 0.0, 0.0, 9.525 } } },
        { L"ANSI37", { { 45.0, 0.0, 0.0, 0.0, 3.175 }, { 135.0, 0.0, 0.0, 0.0, 3.175 } } },
        { L"LINE", { { 0.0, 0.0, 0.0, 0.0, 3.175 } } },
        { L"NET", { { 0.0, 0.0, 0.0, 0.0, 3.175 }, { 90.0, 0.0, 0.0, 0.0, 3.175 } } },
    };
    std::wstring upper = name;
    for (wchar_t& c : upper)
        c = static_cast<wchar_t>(std::towupper(c));
    for (const auto& [key, families] : patterns)
        if (key == upper)
            return &families;
    return nullptr;
}

// A family line's direction, base point and offset to the next line in the hatch's plane.
struct FamilyInPlane {
    AcGeVector2d direction;
    AcGePoint2d base;
    AcGeVector2d offset;
    double angle;
};

FamilyInPlane placeFamily(const PatternFamily& f, double patternAngle, double scale)
{
    FamilyInPlane out;
    out.angle = f.angle * std::numbers::pi / 180.0 + patternAngle;
    out.direction = AcGeVector2d(std::cos(out.angle), std::sin(out.angle));
    const AcGeVector2d across(-out.direction.y, out.direction.x);
    AcGeVector2d base(f.baseX, f.baseY);
    base.rotateBy(patternAngle);
    out.base = AcGePoint2d(base.x * scale, base.y * scale);
    out.offset = (out.direction * f.along + across * f.across) * scale;
    return out;
}

// Where the line base + t * dir crosses a boundary curve: the values of t.
void crossings(const AcGeCurve2d& curve, const AcGePoint2d& base, const AcGeVector2d& dir, std::vector<double>& ts)
{
    const AcGeVector2d normal(-dir.y, dir.x);
    if (curve.type() == AcGe::kLineSeg2d) {
        const auto& seg = static_cast<const AcGeLineSeg2d&>(curve);
        const AcGePoint2d a = seg.startPoint();
        const AcGePoint2d b = seg.endPoint();
        const double da = (a - base).dotProduct(normal);
        const double db = (b - base).dotProduct(normal);
        // Half-open so that a line through a vertex counts one of its two segments.
        if ((da < 0.0) == (db < 0.0) || da == db)
            return;
        const double s = da / (da - db);
        ts.push_back((a + (b - a) * s - base).dotProduct(dir));
        return;
    }
    // Arcs and elliptic arcs: the conic C + P cos t + Q sin t meets the line where
    // (C - base) . n + (P . n) cos t + (Q . n) sin t = 0.
    AcGePoint2d c;
    AcGeVector2d p, q;
    double t0 = 0.0, t1 = 0.0;
    if (curve.type() == AcGe::kCircArc2d) {
        const auto& arc = static_cast<const AcGeCircArc2d&>(curve);
        c = arc.center();
        p = arc.refVec().normal() * arc.radius();
        q = AcGeVector2d(-p.y, p.x);
        if (arc.isClockWise())
            q = -q;
        t0 = arc.startAng();
        t1 = arc.endAng();
    } else if (curve.type() == AcGe::kEllipArc2d) {
        const auto& ell = static_cast<const AcGeEllipArc2d&>(curve);
        c = ell.center();
        p = ell.majorAxis().normal() * ell.majorRadius();
        q = ell.minorAxis().normal() * ell.minorRadius();
        t0 = ell.startAng();
        t1 = ell.endAng();
    } else {
        return;
    }
    const double k = (c - base).dotProduct(normal);
    const double A = p.dotProduct(normal);
    const double B = q.dotProduct(normal);
    const double R = std::hypot(A, B);
    if (R <= 0.0 || std::fabs(k) >= R)
        return;
    const double phi = std::atan2(B, A);
    const double delta = std::acos(-k / R);
    for (double t : { phi + delta, phi - delta }) {
        while (t < t0)
            t += kTwoPi;
        while (t - kTwoPi >= t0)
            t -= kTwoPi;
        // Half-open at the end, as for segments, so that joints count once.
        if (t < t1 || (t1 - t0 >= kTwoPi - 1e-12))
            ts.push_back((c + p * std::cos(t) + q * std::sin(t) - base).dotProduct(dir));
    }
}

} // namespace

std::vector<std::unique_ptr<AcGeCurve2d>> AcDbHatch::boundaryCurves() const
{
    std::vector<std::unique_ptr<AcGeCurve2d>> out;
    for (const Loop& loop : mLoops) {
        if (loop.type & kPolyline) {
            const std::size_t n = loop.vertices.size();
            const std::size_t segs = loop.closed || n < 3 ? n : n - 1;
            for (std::size_t i = 0; i < segs && n > 1; ++i) {
                const AcGePoint2d& a = loop.vertices[i];
                const AcGePoint2d& b = loop.vertices[(i + 1) % n];
                if (!a.isEqualTo(b))
                    out.emplace_back(DbGeometry::bulgeSegment2d(a, b, i < loop.bulges.size() ? loop.bulges[i] : 0.0));
            }
            continue;
        }
        for (const Edge& e : loop.edges) {
            // Clockwise arcs carry their angles measured clockwise, as DXF stores them.
            double s = e.startAngle, t = e.endAngle;
            if (!e.counterClockwise) {
                s = -e.endAngle;
                t = -e.startAngle;
            }
            while (t <= s)
                t += kTwoPi;
            if (e.type == kLine) {
                out.push_back(std::make_unique<AcGeLineSeg2d>(e.start, e.end));
            } else if (e.type == kCirArc) {
                out.push_back(std::make_unique<AcGeCircArc2d>(e.start, e.radius, s, std::min(t, s + kTwoPi)));
            } else {
                const AcGeVector2d major(e.end.x, e.end.y);
                const double a = major.length();
                if (a <= 0.0)
                    continue;
                const AcGeVector2d minor(-major.y, major.x);
                out.push_back(std::make_unique<AcGeEllipArc2d>(
                    e.start, major.normal(), minor.normal(), a, a * e.radius, s, std::min(t, s + kTwoPi)));
            }
        }
    }
    return out;
}

Acad::ErrorStatus AcDbHatch::evaluateHatch(bool)
{
    if (mLoops.empty())
        return Acad::eInvalidInput;
    for (const Loop& loop : mLoops)
        if ((loop.type & kPolyline) ? loop.vertices.size() < 2 : loop.edges.empty())
            return Acad::eInvalidInput;
    mHatchLines.clear();
    const std::vector<PatternFamily>* pattern = isSolidFill() ? nullptr : predefinedPattern(mPatternName);
    if (pattern == nullptr)
        return Acad::eOk;
    const auto curves = boundaryCurves();
    std::vector<AcGePoint2d> corners;
    for (const auto& c : curves) {
        AcGeInterval range;
        c->getInterval(range);
        for (int i = 0; i <= 64; ++i)
            corners.push_back(c->evalPoint(range.lowerBound() + range.length() * i / 64.0));
    }
    // Each family's lines across the boundary's reach, cut where they cross it; the spans
    // between the first and second crossing, third and fourth and so on are inside.
    for (const PatternFamily& family : *pattern) {
        const FamilyInPlane f = placeFamily(family, mPatternAngle, mPatternScale);
        const AcGeVector2d across(-f.direction.y, f.direction.x);
        const double spacing = f.offset.dotProduct(across);
        if (std::fabs(spacing) <= 1e-12)
            continue;
        double lo = HUGE_VAL, hi = -HUGE_VAL;
        for (const AcGePoint2d& p : corners) {
            const double s = (p - f.base).dotProduct(across) / spacing;
            lo = std::min(lo, s);
            hi = std::max(hi, s);
        }
        constexpr double kMaxLines = 20000.0;
        if (hi - lo > kMaxLines)
            return Acad::eInvalidInput;
        for (double k = std::ceil(lo); k <= hi; k += 1.0) {
            const AcGePoint2d base = f.base + f.offset * k;
            std::vector<double> ts;
            for (const auto& c : curves)
                crossings(*c, base, f.direction, ts);
            std::sort(ts.begin(), ts.end());
            for (std::size_t i = 0; i + 1 < ts.size(); i += 2)
                if (ts[i + 1] - ts[i] > 1e-9)
                    mHatchLines.emplace_back(base + f.direction * ts[i], base + f.direction * ts[i + 1]);
        }
    }
    return Acad::eOk;
}

void AcDbHatch::subClose()
{
    evaluateHatch();
}

Acad::ErrorStatus AcDbHatch::getHatchLineDataAt(int index, AcGePoint2d& startPt, AcGePoint2d& endPt) const
{
    if (index < 0 || index >= numHatchLines())
        return Acad::eInvalidIndex;
    startPt = mHatchLines[static_cast<std::size_t>(index)].first;
    endPt = mHatchLines[static_cast<std::size_t>(index)].second;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbHatch::getHatchLinesData(AcGePoint2dArray& startPts, AcGePoint2dArray& endPts) const
{
    for (const auto& [a, b] : mHatchLines) {
        startPts.append(a);
        endPts.append(b);
    }
    return Acad::eOk;
}

void AcDbHatch::dxfOutPatternLines(AcDbDxfFiler* filer) const
{
    const std::vector<PatternFamily>* pattern = predefinedPattern(mPatternName);
    filer->writeInt16(78, pattern ? static_cast<int>(pattern->size()) : 0);
    if (pattern == nullptr)
        return;
    for (const PatternFamily& family : *pattern) {
        const FamilyInPlane f = placeFamily(family, mPatternAngle, mPatternScale);
        filer->writeAngle(53, f.angle);
        filer->writeDouble(43, f.base.x);
        filer->writeDouble(44, f.base.y);
        filer->writeDouble(45, f.offset.x);
        filer->writeDouble(46, f.offset.y);
        filer->writeInt16(79, 0);
    }
}

bool AcDbHatch::getGeCurves(std::vector<std::unique_ptr<AcGeCurve3d>>& curves, bool) const
{
    const AcGeMatrix3d toWorld
        = AcGeMatrix3d::planeToWorld(mNormal) * AcGeMatrix3d::translation(AcGeVector3d(0, 0, mElevation));
    for (const auto& c : boundaryCurves()) {
        AcGeInterval range;
        c->getInterval(range);
        std::unique_ptr<AcGeCurve3d> curve;
        if (c->type() == AcGe::kLineSeg2d) {
            const auto& seg = static_cast<const AcGeLineSeg2d&>(*c);
            curve = std::make_unique<AcGeLineSeg3d>(AcGePoint3d(seg.startPoint().x, seg.startPoint().y, 0.0),
                AcGePoint3d(seg.endPoint().x, seg.endPoint().y, 0.0));
        } else if (c->type() == AcGe::kCircArc2d) {
            const auto& arc = static_cast<const AcGeCircArc2d&>(*c);
            curve = std::make_unique<AcGeCircArc3d>(AcGePoint3d(arc.center().x, arc.center().y, 0.0),
                arc.isClockWise() ? -AcGeVector3d::kZAxis : AcGeVector3d::kZAxis,
                AcGeVector3d(arc.refVec().x, arc.refVec().y, 0.0), arc.radius(), arc.startAng(), arc.endAng());
        } else {
            const auto& ell = static_cast<const AcGeEllipArc2d&>(*c);
            curve = std::make_unique<AcGeEllipArc3d>(AcGePoint3d(ell.center().x, ell.center().y, 0.0),
                AcGeVector3d(ell.majorAxis().x, ell.majorAxis().y, 0.0),
                AcGeVector3d(ell.minorAxis().x, ell.minorAxis().y, 0.0), ell.majorRadius(), ell.minorRadius(),
                ell.startAng(), ell.endAng());
        }
        curve->transformBy(toWorld);
        curves.push_back(std::move(curve));
    }
    return true;
}

Acad::ErrorStatus AcDbHatch::getGeomExtents(AcDbExtents& extents) const
{
    std::vector<std::unique_ptr<AcGeCurve3d>> curves;
    getGeCurves(curves, false);
    AcDbExtents box;
    for (const auto& c : curves)
        DbGeometry::addCurveExtents(*c, box);
    if (box.isEmpty())
        return Acad::eNotApplicable;
    extents = box;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbHatch::transformBy(const AcGeMatrix3d& xform)
{
    if (Acad::ErrorStatus es = checkWritable(); es != Acad::eOk)
        return es;
    double scale = 1.0;
    if (!DbGeometry::isUniform(xform, scale))
        return Acad::eNotApplicable;
    // The loops stay in the hatch's plane: the transformation as seen in the old and new
    // planes maps every loop point, arc centre and axis.
    AcGeVector3d n = mNormal;
    n.transformBy(xform);
    const AcGeVector3d newNormal = n.normal();
    const AcGeMatrix3d fromOld
        = AcGeMatrix3d::planeToWorld(mNormal) * AcGeMatrix3d::translation(AcGeVector3d(0, 0, mElevation));
    const AcGeMatrix3d inPlane = AcGeMatrix3d::worldToPlane(newNormal) * xform * fromOld;
    const bool mirrored = DbGeometry::isMirroring(xform);
    auto mapPoint = [&](const AcGePoint2d& p) {
        const AcGePoint3d q = inPlane * AcGePoint3d(p.x, p.y, 0.0);
        return AcGePoint2d(q.x, q.y);
    };
    auto mapVector = [&](const AcGeVector2d& v) {
        AcGeVector3d w(v.x, v.y, 0.0);
        w.transformBy(inPlane);
        return AcGeVector2d(w.x, w.y);
    };
    const double elevation = (inPlane * AcGePoint3d::kOrigin).z;
    // The turn of the plane's X axis, for angles measured from it.
    const AcGeVector2d xTurned = mapVector(AcGeVector2d(1.0, 0.0));
    const double turn = std::atan2(xTurned.y, xTurned.x);
    for (Loop& loop : mLoops) {
        for (std::size_t i = 0; i < loop.vertices.size(); ++i) {
            loop.vertices[i] = mapPoint(loop.vertices[i]);
            if (mirrored && i < loop.bulges.size())
                loop.bulges[i] = -loop.bulges[i];
        }
        for (Edge& e : loop.edges) {
            if (e.type == kLine) {
                e.start = mapPoint(e.start);
                e.end = mapPoint(e.end);
                continue;
            }
            e.start = mapPoint(e.start);
            const double s = e.startAngle, t = e.endAngle;
            if (e.type == kCirArc) {
                // Angles from the plane's X axis turn with it; a mirror reflects them.
                e.radius *= scale;
                e.startAngle = mirrored ? turn - t : s + turn;
                e.endAngle = mirrored ? turn - s : t + turn;
            } else {
                // An ellipse's parameters count from its own major axis, which moves with it;
                // a mirror only reverses them.
                const AcGeVector2d major = mapVector(AcGeVector2d(e.end.x, e.end.y));
                e.end = AcGePoint2d(major.x, major.y);
                if (mirrored) {
                    e.startAngle = -t;
                    e.endAngle = -s;
                }
            }
        }
    }
    mNormal = newNormal;
    mElevation = elevation;
    mPatternScale *= scale;
    // A mirrored pattern is drawn at the reflected angle (families keep their own angles).
    mPatternAngle = mirrored ? turn - mPatternAngle : mPatternAngle + turn;
    evaluateHatch();
    return Acad::eOk;
}
