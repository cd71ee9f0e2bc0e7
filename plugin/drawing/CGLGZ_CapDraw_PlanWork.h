// What the plans of both drawings are drawn from: the outline, axis and bar zone of one plan,
// and the stirrup kinds, positions and marks of its stirrups.
#pragma once

#include "CGLGZ_CapDraw.h"

#include <algorithm>
#include <vector>

// The plan's points, drawing units: the outline, its axis and middle line, the bar zone.
struct CGLGZ_CapDraw::PlanFrame {
    AcGePoint3d origin;
    double halfWidth = 0.0;
    double axisY = 0.0;
    double left = 0.0;
    double right = 0.0;
    // The end angles, degrees as the geometry gives them and radians.
    double leftDegrees = 90.0;
    double rightDegrees = 90.0;
    double leftAngle = 0.0;
    double rightAngle = 0.0;
    // The outline corners.
    AcGePoint3d ul, ll, ur, lr;
    // The middles of the long edges, through which the middle line of a half drawing runs, and
    // the middle of the elevation's ends.
    AcGePoint3d topMiddle, bottomMiddle;
    double middleX = 0.0;
    // The bar zone's end lines (bottom to top) and its corners: upper and lower left, upper and
    // lower right.
    AcGePoint3d zoneLeftBottom, zoneLeftTop, zoneRightBottom, zoneRightTop;
    AcGePoint3d p1, p2, p3, p4;
    // How far inside the outline's end lines the bars end.
    double barInset = 0.0;
    // The stirrup positions that the marks stand between.
    AcGeDoubleArray positions;
};

// What the stirrups of one plan are drawn from, drawing units unless said otherwise.
struct CGLGZ_CapDraw::PlanStirrupWork {
    // The bar zone's corners (upper and lower left, upper and lower right), the end angles in
    // degrees and the outline's corners (upper left, lower left, upper right, lower right).
    AcGePoint3d p1, p2, p3, p4;
    double leftDegrees = 90.0;
    double rightDegrees = 90.0;
    AcGePoint3d p5, p6, p7, p8;
    double axisY = 0.0;
    // The middle line of a half drawing and the middle of the elevation's ends.
    AcGePoint3d middleBottom, middleTop;
    double middleX = 0.0;
    // The stirrup's hook (mm) and the outer diameters of the stirrup and the skeleton bars (mm).
    double hook = 0.0;
    double stirrupOuter = 0.0;
    double skeletonOuter = 0.0;
    // Where the plan's bars end on the axis, left and right: one bar and the end cover inside
    // the outline's ends.
    double barEnd[2] = { 0.0, 0.0 };

    // A stirrup kind: its record in the bar-code list, its width (mm), whether it has one leg,
    // and the record of its skewed copy at the ends (-1 while there is none).
    struct Kind {
        int record = -1;
        double width = 0.0;
        bool singleLeg = false;
        int endRecord = -1;
    };
    // A stirrup of the main face: its kind and the heights of its lower and upper end.
    struct Stirrup {
        int kind = 0;
        double low = 0.0;
        double high = 0.0;
        // Whether its kind counts it: a stirrup that the bar tables count is drawn only.
        bool counted = true;
    };
    // A stirrup line at a skewed end and the record it counts under.
    struct EndLine {
        AcGePoint3d a, b;
        int record = -1;
    };
    std::vector<Kind> kinds;
    std::vector<Stirrup> stirrups;
    // The records this call appends start here.
    int firstRecord = 0;
    AcGeDoubleArray positions;
    std::vector<EndLine> endLines[2];
    // Where the mark of a skewed kind stands at an end: its record, its leader's x and how many
    // circles hang above its own on that leader.
    struct EndMark {
        int record = -1;
        double x = 0.0;
        int stacked = 0;
    };
    std::vector<EndMark> endMarks[2];
    // The centres of the mark circles drawn so far.
    std::vector<AcGePoint3d> markCentres;
    // How many circles hang under each other at an end.
    int Depth(int side) const
    {
        int depth = endMarks[side].empty() ? 0 : 1;
        for (const EndMark& mark : endMarks[side])
            depth = std::max(depth, mark.stacked + 1);
        return depth;
    }
};
