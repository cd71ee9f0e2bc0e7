#include "ShapePieces.h"

#include "AcDbPolyline.h"

#include <cmath>

namespace {

constexpr double kNoBulge = 1e-9;
constexpr double kNoLength = 1e-6;

} // namespace

std::vector<ShapePiece> StraightPiecesOf(const AcDbPolyline& outline, std::vector<AcGePoint3d>* arcEnds)
{
    std::vector<ShapePiece> pieces;
    const unsigned int n = outline.numVerts();
    for (unsigned int i = 0; i + 1 < n || (outline.isClosed() && i < n && n > 2); ++i) {
        double bulge = 0.0;
        outline.getBulgeAt(i, bulge);
        AcGePoint3d a, b;
        outline.getPointAt(i, a);
        outline.getPointAt((i + 1) % n, b);
        if (std::fabs(bulge) > kNoBulge) {
            if (arcEnds != nullptr)
                arcEnds->insert(arcEnds->end(), { a, b });
        } else if (a.distanceTo(b) > kNoLength) {
            pieces.push_back({ a, b });
        }
    }
    return pieces;
}

std::optional<ShapePiece> PieceUpTo(ShapePiece piece, double cut)
{
    if (piece.a.x > cut && piece.b.x > cut)
        return std::nullopt;
    if (piece.a.x > cut)
        piece.a = piece.b + (piece.a - piece.b) * ((cut - piece.b.x) / (piece.a.x - piece.b.x));
    else if (piece.b.x > cut)
        piece.b = piece.a + (piece.b - piece.a) * ((cut - piece.a.x) / (piece.b.x - piece.a.x));
    if (piece.a.distanceTo(piece.b) <= kNoLength)
        return std::nullopt;
    return piece;
}
