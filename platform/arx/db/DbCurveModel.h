// The geometry behind a database curve: a chain of geometry-library curves, each mapped
// linearly from the entity's own parameter (a line's distance, a polyline's vertex index
// plus fraction) to its own, so that every AcDbCurve query has one implementation.
#pragma once

#include "AcGeCurve3d.h"
#include "AcadErrorStatus.h"

#include <memory>
#include <vector>

class DbCurveModel {
public:
    struct Span {
        std::unique_ptr<AcGeCurve3d> curve;
        double p0 = 0.0; // entity parameter range (may be infinite for rays and xlines)
        double p1 = 0.0;
        double origin = 0.0; // a finite entity parameter where the span's own is g0
        double g0 = 0.0;
        double scale = 1.0; // d(own parameter) / d(entity parameter)
    };

    // A bounded span from entity parameters p0..p1 onto its own g0..g1.
    void add(AcGeCurve3d* curve, double p0, double p1, double g0, double g1);
    // An unbounded span (ray, xline) whose own parameter is the entity's.
    void addUnbounded(AcGeCurve3d* curve, double p0, double p1);
    // A line answers for any parameter, since every real lies on its infinite line.
    void setAnyParam(bool any) { mAnyParam = any; }
    // Whether the curve closes on itself (no natural extension then).
    void setClosed(bool closed) { mClosed = closed; }

    bool empty() const { return mSpans.empty(); }
    bool closed() const { return mClosed; }
    const std::vector<Span>& spans() const { return mSpans; }
    double startParam() const { return mSpans.front().p0; }
    double endParam() const { return mSpans.back().p1; }

    // Point and derivatives with respect to the entity's parameter; eInvalidInput outside.
    Acad::ErrorStatus evaluate(double param, AcGePoint3d& point, AcGeVector3d* d1, AcGeVector3d* d2) const;
    // The parameter of a point on the curve; false when the point is off it.
    bool paramOf(const AcGePoint3d& point, double& param) const;
    // The nearest point of the curve, or of its natural extension (lines to infinite lines,
    // arcs to circles, the end segments of a chain beyond its ends).
    AcGePoint3d closestPoint(const AcGePoint3d& point, bool extend) const;
    // Arc length from the start to param; false for a parameter outside the curve.
    bool lengthTo(double param, double& length) const;
    bool paramAtLength(double length, double& param) const;
    // Copies of the spans, extended as closestPoint extends them when asked.
    std::vector<std::unique_ptr<AcGeCurve3d>> curves(bool extend) const;
    // Whether a point lies on the curve (the tolerance grows with the coordinates' size).
    static double onCurveTolerance(const AcGePoint3d& point);

private:
    int spanAt(double param) const;
    double ownParam(const Span& span, double param) const { return span.g0 + (param - span.origin) * span.scale; }
    bool inRange(double param) const;

    std::vector<Span> mSpans;
    bool mAnyParam = false;
    bool mClosed = false;
};
