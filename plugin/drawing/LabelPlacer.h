// Where a label can stand without covering another: the boxes of the texts already placed on
// the sheets, and the least shift of a label along its own line (the segment or dimension line
// it reads along, or its leader) that clears them.
#pragma once

#include "AcGePoint3d.h"
#include "AcGeVector3d.h"

#include <array>
#include <optional>
#include <vector>

class LabelPlacer {
public:
    // A text's box as its four corners in order round it (a convex quadrilateral).
    using Quad = std::array<AcGePoint3d, 4>;

    // Texts closer than this (a quarter of a label's height or so) run into one another.
    static constexpr double kGap = 0.6;

    void Occupy(const Quad& box) { m_occupied.push_back(box); }
    // Whether any of the boxes covers a box already placed.
    bool Covers(const std::vector<Quad>& boxes) const;
    // The shift along the unit direction, between least and most and the smallest in size,
    // that keeps the boxes (moving together) kGap clear of every box placed; none when every
    // shift in that range leaves one of them too close.
    std::optional<double> FreeShift(
        const std::vector<Quad>& boxes, const AcGeVector3d& direction, double least, double most) const;

    // Whether two boxes overlap by more than the tolerance.
    static bool Overlap(const Quad& a, const Quad& b, double tolerance = 0.01);
    static Quad Shifted(const Quad& box, const AcGeVector3d& by);

private:
    std::vector<Quad> m_occupied;
};
