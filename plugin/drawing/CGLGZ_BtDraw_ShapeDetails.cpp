// The bar shape details of the skew-section drawing: every mark's bar copied from the elevation
// with its labels and callout, the strengthening bars, the hooked bars and the stirrups; the
// bent-up bars and the bottom-plate bar hung under the top-plate bar between the support centre
// lines; then all of them packed onto the sheets with the quantity table.
#include "CGLGZ_BtDraw.h"

#include "AcDbEntity.h"
#include "AcDbPolyline.h"
#include "AcDbServices.h"
#include "BarColumnCodes.h"
#include "MavUtils.h"
#include "ShapePieces.h"
#include "acut.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <vector>

namespace {

// The detail groups the packing knows: the top-plate bar with what hangs under it, the straight
// and plate bars, the bent-up bars, the hooked bars and the stirrups.
constexpr int kHangingGroup = 1;
constexpr int kStraightGroup = 2;
constexpr int kBentGroup = 3;
constexpr int kHookedGroup = 4;
constexpr int kStirrupGroup = 5;
// Gap between the shapes hung under the top-plate bar, and the bottom-plate bar's drop under them.
constexpr double kHangingPitch = 8.0;
constexpr double kBottomBarDrop = 6.0;
// The room GetExtents leaves round a detail.
constexpr double kExtentsMargin = 3.0;
// A level run shorter than this keeps its callout near its end; one shorter than the least
// carries none.
constexpr double kShortRun = 100.0;
constexpr double kLevelRun = 20.0;


bool IsLabelledKind(int kind) { return kind >= 1 && kind <= 7; }

// A first-run mark's group by its bar's kind: plate and straight bars, or bent-up bars.
int GroupOfBarKind(int kind) { return kind >= 4 && kind <= 7 ? kBentGroup : kStraightGroup; }

// The straight pieces of a bar's drawn shape. The bar's point list may begin and end with the
// ends of the line it was built on, which the shape does not reach, and it does not tell the
// hooks' arcs from straight pieces; the shape's own vertices do, and the ends of its arcs are
// kept. Without the shape, the pieces between the listed points.
std::vector<ShapePiece> StraightPieces(AcDbObjectId shape, const AcGePoint3dArray& pts, std::vector<AcGePoint3d>& hookEnds)
{
    AcDbPolyline* outline = nullptr;
    if (acdbOpenObject(outline, shape, AcDb::kForRead) == Acad::eOk) {
        std::vector<ShapePiece> pieces = StraightPiecesOf(*outline, &hookEnds);
        outline->close();
        return pieces;
    }
    std::vector<ShapePiece> pieces;
    for (int j = 0; j + 1 < pts.length(); ++j)
        pieces.push_back({ pts[j], pts[j + 1] });
    return pieces;
}

// Where a bent bar's callout stands: on its longest level run, a quarter along it, clear of the
// run's label at its middle (near the left end of a short run, the callout running left, or near
// its right end running right where a hook ends the run on the left); without a level run of
// some length a quarter along its longest sloped piece, the callout running left off a rising one.
AcGePoint3d QuarterOfSlope(const std::vector<ShapePiece>& pieces, const std::vector<AcGePoint3d>& hookEnds, int& left)
{
    left = 0;
    const ShapePiece* level = nullptr;
    const ShapePiece* sloped = nullptr;
    auto length = [](const ShapePiece* piece) { return piece->a.distanceTo(piece->b); };
    for (const ShapePiece& piece : pieces) {
        if (std::fabs(piece.a.y - piece.b.y) <= 1e-6) {
            if (length(&piece) >= kLevelRun && (level == nullptr || length(&piece) > length(level)))
                level = &piece;
        } else if (sloped == nullptr || length(&piece) > length(sloped)) {
            sloped = &piece;
        }
    }
    if (level != nullptr) {
        const AcGePoint3d& a = level->a.x < level->b.x ? level->a : level->b;
        const AcGePoint3d& b = level->a.x < level->b.x ? level->b : level->a;
        const double run = a.distanceTo(b);
        if (run >= kShortRun)
            return CGLGZ_CapDraw::PointAlongLine(a, b, 0.25 * run);
        const bool hooked = std::any_of(hookEnds.begin(), hookEnds.end(),
            [&a](const AcGePoint3d& end) { return end.distanceTo(a) <= 1e-6; });
        left = hooked ? 0 : 1;
        return CGLGZ_CapDraw::PointAlongLine(a, b, (hooked ? 0.875 : 0.125) * run);
    }
    if (sloped != nullptr) {
        const AcGePoint3d& a = sloped->a.y < sloped->b.y ? sloped->a : sloped->b;
        const AcGePoint3d& b = sloped->a.y < sloped->b.y ? sloped->b : sloped->a;
        left = b.x > a.x ? 1 : 0;
        return CGLGZ_CapDraw::PointAlongLine(a, b, 0.25 * a.distanceTo(b));
    }
    return pieces.empty() ? AcGePoint3d::kOrigin : pieces.front().a;
}

// A bent bar's callout on the part of it that is shown: a half drawing cuts the shapes at the
// middle, the callout stands on the pieces up to the cut.
AcGePoint3d BentBarCallout(AcDbObjectId shape, const AcGePoint3dArray& pts, double cut, int& left)
{
    std::vector<AcGePoint3d> hookEnds;
    std::vector<ShapePiece> shown;
    for (const ShapePiece& piece : StraightPieces(shape, pts, hookEnds)) {
        if (const auto part = PieceUpTo(piece, cut))
            shown.push_back(*part);
    }
    return QuarterOfSlope(shown, hookEnds, left);
}

// A straight bar's callout: three quarters along the part of it that is shown, clear of its
// length at the middle.
AcGePoint3d ThreeQuartersShown(const AcGePoint3dArray& pts, double cut, int clipped)
{
    if (pts.length() < 2)
        return pts.length() > 0 ? pts[0] : AcGePoint3d::kOrigin;
    AcGePoint3d a = pts[0].x < pts.last().x ? pts[0] : pts.last();
    AcGePoint3d b = pts[0].x < pts.last().x ? pts.last() : pts[0];
    if (clipped && a.x < cut && b.x > cut)
        b = AcGePoint3d(cut, a.y + (b.y - a.y) * (cut - a.x) / (b.x - a.x), 0.0);
    return CGLGZ_CapDraw::PointAlongLine(a, b, 0.75 * a.distanceTo(b));
}

// Whether the bars of a mark have one length at their left (0) or right (1) end: the mark's
// pairs of end lengths agree, or it holds none.
bool EndsAgree(const AcGePoint3dArray& pairs, int end)
{
    for (const AcGePoint3d& p : pairs)
        if (std::fabs((end == 0 ? p.x : p.y) - (end == 0 ? pairs[0].x : pairs[0].y)) >= 1e-6)
            return false;
    return true;
}

// Whether a shape lies wholly at or beyond the cut of a half drawing: a bar at a support of the
// right half, a bar of its own and not the half of one.
bool WhollyPast(const AcGePoint3dArray& pts, double cut)
{
    for (const AcGePoint3d& p : pts)
        if (p.x < cut - 1e-6)
            return false;
    return !pts.isEmpty();
}

// A bar's shape for its detail. The skeleton detail of a half drawing erased the shapes wholly
// past its middle; such a shape is copied as it was and stays erased.
AcDbObjectId CopyBarShape(AcDbObjectId id)
{
    auto setErased = [&](bool erased) {
        AcDbEntity* entity = nullptr;
        if (acdbOpenAcDbEntity(entity, id, AcDb::kForWrite, true) != Acad::eOk)
            return false;
        entity->erase(erased);
        entity->close();
        return true;
    };
    const bool erased = !id.isNull() && id.isErased() && setErased(false);
    const AcDbObjectId copy = CGLGZ_CapDraw::CopyEntityToModelSpace(id);
    if (erased)
        setErased(true);
    return copy;
}

} // namespace

int CGLGZ_BtDraw::DrawShapeDetails()
{
    m_drawnItems.BeginItem(L"大样");
    CArray<CHLGZ_SteelCode, const CHLGZ_SteelCode&>& codes = m_steelCodes;
    const CHLGZ_MoreInfo& more = m_pDesign->GetMoreInfo();
    // 1. Each strengthened column adds a top-plate and a bottom-plate bar.
    const CHLGZ_ExtendSteel& steel = m_pDesign->GetExtendSteel();
    for (int i = 0; i < steel.GetCodeCount(); ++i) {
        if (!IsStrengthenedCode(steel.GetCodeAt(i)))
            continue;
        for (INT_PTR k = 0; k < 2 && k < codes.GetSize(); ++k)
            ++codes[k].nCount;
    }
    // 2. The grouped marks: each bar's shape copied from the elevation and labelled by its kind.
    const int grouped = static_cast<int>(std::min<INT_PTR>(m_nGroupedMarks, codes.GetSize()));
    AcDbObjectIdArray clips;
    double cut = 0.0;
    int anchor = -1;
    int bottomBar = -1;
    std::vector<int> hanging[2];
    for (int e = 0; e < grouped; ++e) {
        CHLGZ_SteelCode& entry = codes[e];
        entry.nBarType = more.GetSkeletonBarType();
        // A mark without a bar shape has no detail and takes no room.
        const int number = entry.aTags.length() > 0 ? entry.aTags[0] : 0;
        const CHLGZ_BASSteel* bar = number != 0 ? FindBarByNumber(std::abs(number)) : nullptr;
        const AcDbObjectId shape = bar == nullptr
            ? AcDbObjectId()
            : CopyBarShape(number > 0 ? bar->GetFirstId() : bar->GetSecondId());
        if (shape.isNull()) {
            MarkPlaced(entry);
            continue;
        }
        entry.aEntityIds.append(shape);
        // The ends whose lengths differ from bar to bar, read from the mark's pairs of end
        // lengths before its points give way to the shape's.
        m_nVaryingEnds = (EndsAgree(entry.aPoints, 0) ? 0 : 1) | (EndsAgree(entry.aPoints, 1) ? 0 : 2);
        entry.aPoints = number > 0 ? bar->GetFirstPoints() : bar->GetSecondPoints();
        const AcGePoint3dArray& p = entry.aPoints;
        const int kind = bar->GetKind();
        if (PlacementState(entry) != kStraightGroup && PlacementState(entry) != kBentGroup)
            PlacementState(entry) = GroupOfBarKind(kind);
        AcGePoint3d callout = p.length() > 0 ? p[0] : AcGePoint3d::kOrigin;
        int left = 0;
        // A half drawing shows the shape up to its cut, unless the shape lies wholly past it.
        const double shownUpTo = m_bHalfDrawing && cut > 0.0 && !WhollyPast(p, cut)
            ? cut
            : std::numeric_limits<double>::max();
        switch (IsLabelledKind(kind) ? kind : 0) {
        case 1: {
            DrawBottomPlateBarDetail(entry);
            const int from = m_bAbutment ? 1 : 2;
            const double d = m_pSupports != nullptr && m_pSupports->length() > 0 ? (*m_pSupports)[0] / m_dScale : 0.0;
            if (p.length() > from + 1)
                callout = PointAlongLine(p[from], p[from + 1], d);
            bottomBar = e;
            break;
        }
        case 2:
        case 3:
            DrawStraightBarDetail(entry);
            callout = ThreeQuartersShown(p, m_bHalfDrawing ? cut : 0.0, m_bHalfDrawing);
            break;
        case 4:
            DrawUpperBentBarDetail(entry, cut, static_cast<int>(hanging[0].size()));
            callout = BentBarCallout(shape, p, shownUpTo, left);
            hanging[0].push_back(e);
            break;
        case 5:
        case 7:
            // The upper bent-up bars at a support are drawn as the lower ones there.
            DrawSupportLowerBentBarDetail(entry);
            callout = BentBarCallout(shape, p, shownUpTo, left);
            break;
        case 6:
            DrawLowerBentBarDetail(entry, cut);
            callout = BentBarCallout(shape, p, shownUpTo, left);
            hanging[1].push_back(e);
            break;
        default:
            if (p.length() > 2)
                cut = p[2].x;
            DrawTopPlateBarDetail(entry);
            if (p.length() > 3)
                callout = m_bHalfDrawing ? AcGePoint3d(p[2].x - 25.0, p[2].y, 0.0) : MidPoint(p[2], p[3]);
            if (!m_bHalfDrawing && m_lines.GetSize() > 0)
                callout.x = m_lines[m_lines.GetSize() - 1].start.x + 2.0;
            anchor = e;
            break;
        }
        m_nVaryingEnds = 0;
        // The shape's points kept where the shared hanging and centre lines read them.
        entry.aFurtherPoints = entry.aPoints;
        // The cut would take all of a bar wholly beyond it: it stays whole.
        if (!WhollyPast(p, cut))
            clips.append(shape);
        DrawBarCallout(callout, &entry, left);
        entry.GetExtents(0);
    }
    // 10. (before the details are moved, where the cut still lies at its abscissa) A half
    // drawing shows the shapes up to the middle; the boxes shrink with them.
    if (m_bHalfDrawing) {
        for (int k = clips.length() - 1; k >= 0; --k)
            ClipPolylineAtX(clips[k], cut);
        for (int e = 0; e < grouped; ++e)
            codes[e].GetExtents(0);
    }
    const int hookedEnd = std::min(static_cast<int>(codes.GetSize()), grouped + m_nClosingMarks);
    const int tableStart = m_nTableMarksStart >= 0 ? m_nTableMarksStart : static_cast<int>(codes.GetSize());
    const int tableEnd = std::min(static_cast<int>(codes.GetSize()), tableStart + m_nStirrupMarks);
    // 3. The strengthening bars, appended after every other mark.
    DrawStrengtheningBarShapes();
    // 4. The hooked bars.
    for (int e = grouped; e < hookedEnd; ++e) {
        CHLGZ_SteelCode& entry = codes[e];
        PlacementState(entry) = kHookedGroup;
        MavUtils::selectLayer(L"04-钢筋");
        if (!DrawHookedBarDetail(entry, 0)) {
            MarkPlaced(entry);
            continue;
        }
        AcGePoint3d callout = PointAlongLine(entry.aPoints[1], entry.aPoints[2],
            6.0 / 8.0 * entry.aPoints[1].distanceTo(entry.aPoints[2]));
        callout.x -= 5.0;
        AddAverageRangeLabel(entry, 0);
        DrawBarCallout(callout, &entry, 0);
        entry.GetExtents(0);
    }
    // 5. The stirrups of the bar tables, after the plan's stirrup kinds: each kind the table
    // counts is detailed as the tables' stirrups are, so that every row has its detail. A kind
    // whose stirrups the tables count alone has no row and no detail.
    for (int e = hookedEnd; e < tableEnd; ++e) {
        CHLGZ_SteelCode& entry = codes[e];
        const bool planKind = e < tableStart;
        if (planKind && entry.nCount <= 0) {
            MarkPlaced(entry);
            continue;
        }
        PlacementState(entry) = kStirrupGroup;
        entry.nDiameter = more.GetStirrupDiameter();
        MavUtils::selectLayer(L"04-钢筋");
        if (entry.aPoints.length() <= 1) {
            acutPrintf(L"一个箍筋无法绘制大样!\n");
            MarkPlaced(entry);
            continue;
        }
        if (planKind) {
            // The plan kept the kind's shortest and longest plan width (drawing units); where
            // they agree the callout shows the one length, in metres as the other marks hold it.
            if (entry.dMaxLength - entry.dMinLength < 0.001 && entry.nCount > 0)
                entry.dMinLength = entry.dMaxLength = entry.dTotalLength / entry.nCount;
            DrawPlanStirrupKindDetail(entry);
            continue;
        }
        DrawStirrupDetail(entry);
        const AcGePoint3d& p0 = entry.aPoints[0];
        DrawBarCallout(MidPoint(p0, MidPoint(entry.aPoints[1], p0)), &entry, 0);
        AddSegmentLabels(entry);
        entry.GetExtents(0);
    }
    // 8. (before the marks are reordered) The bent-up bars and the bottom-plate bar hang under
    // the top-plate bar between the centre lines of the supports. Without grouped marks there is
    // nothing to hang the centre lines on.
    if (grouped > 0)
        HangShapeDetails(anchor < 0 ? 0 : anchor, hanging, bottomBar < 0 ? 1 : bottomBar);
    // 6. The marks in the order of their groups, the placed ones first.
    for (INT_PTR k = 0; k < codes.GetSize(); ++k)
        for (INT_PTR m = k + 1; m < codes.GetSize(); ++m)
            if (PlacementState(codes[m]) < PlacementState(codes[k])) {
                const CHLGZ_SteelCode swap = codes[k];
                codes[k] = codes[m];
                codes[m] = swap;
            }
    // 7. Each detail one group when the drawing groups its entities.
    if (m_bGroup)
        for (INT_PTR k = 0; k < codes.GetSize(); ++k)
            MakeGroup(CString(), codes[k].aEntityIds, 1);
    // 9. The details and the quantity table onto the sheets.
    if (m_bHalfPlan)
        ArrangeDetails();
    else
        ArrangeDetailsInRows();
    KeepDetailsClearOfSkeleton();
    return 1;
}

void CGLGZ_BtDraw::HangShapeDetails(int anchor, const std::vector<int> hanging[2], int bottomBar)
{
    CArray<CHLGZ_SteelCode, const CHLGZ_SteelCode&>& codes = m_steelCodes;
    if (anchor >= codes.GetSize())
        return;
    CHLGZ_SteelCode& top = codes[anchor];
    PlacementState(top) = kHangingGroup;
    // The bent-up bars one under the other below the top-plate bar, each moved only up or down
    // so that it stays over its supports.
    double level = top.ptMin.y;
    for (int list = 0; list < 2; ++list)
        for (int e : hanging[list]) {
            CHLGZ_SteelCode& entry = codes[e];
            MoveEntities(entry, AcGePoint3d(0.0, entry.ptMax.y, 0.0), AcGePoint3d(0.0, level, 0.0));
            entry.GetExtents(0);
            level = entry.ptMin.y + 2.0 * kExtentsMargin - kHangingPitch;
            CopyIdList(top, entry);
            MarkPlaced(entry);
        }
    top.GetExtents(0);
    // The bottom-plate bar under them, by its lower-left bend.
    if (bottomBar != anchor && bottomBar < std::min<INT_PTR>(m_nGroupedMarks, codes.GetSize())) {
        CHLGZ_SteelCode& entry = codes[bottomBar];
        const int at = m_bAbutment ? 1 : 2;
        if (entry.aPoints.length() > at) {
            const double y = entry.aPoints[at].y;
            const double target = top.ptMin.y + kExtentsMargin - kBottomBarDrop - (entry.ptMax.y - kExtentsMargin - y);
            MoveEntities(entry, AcGePoint3d(0.0, y, 0.0), AcGePoint3d(0.0, target, 0.0));
            for (AcGePoint3dArray* points : { &entry.aPoints, &entry.aFurtherPoints })
                for (int i = 0; i < points->length(); ++i)
                    (*points)[i].y += target - y;
            CopyIdList(top, entry);
            MarkPlaced(entry);
        }
    }
    // The support centre lines over the hung shapes; a half drawing ends with the span's middle.
    DrawSpanCentreLines(anchor, bottomBar);
    top.GetExtents(0);
}
