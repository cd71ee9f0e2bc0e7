// The straight pieces of a drawn bar shape, and the part of a piece that a half drawing shows
// up to its cut.
#pragma once

#include "AcGePoint3d.h"

#include <optional>
#include <vector>

class AcDbPolyline;

// A straight piece of a shape, from a to b.
struct ShapePiece {
    AcGePoint3d a, b;
};

// The straight pieces of a polyline, its closing piece too when it is closed; pieces of no
// length are left out. The ends of its arcs (the hooks) go to arcEnds when it is given.
std::vector<ShapePiece> StraightPiecesOf(const AcDbPolyline& outline, std::vector<AcGePoint3d>* arcEnds = nullptr);

// The part of a piece up to the line x = cut, an end past the line moved back onto it; none
// when nothing of some length is left.
std::optional<ShapePiece> PieceUpTo(ShapePiece piece, double cut);
