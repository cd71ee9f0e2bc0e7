// The items on the sheets: the room inside each sheet's frame, and the place of every item that
// its own step would leave off its sheet, in the title table or over another item.
#include "CGLGZ_CapDraw.h"

#include "AcDbEntity.h"
#include "AcDbServices.h"
#include "AcGeMatrix3d.h"

#include <algorithm>
#include <optional>
#include <set>
#include <tuple>

namespace {

// The title block drawing stands 20 left of the sheet's origin: its inner border and its title
// table, from the sheet's origin.
constexpr double kInnerLeft = -5.0;
constexpr double kInnerBottom = -5.0;
constexpr double kInnerRight = 385.0;
constexpr double kInnerTop = 282.0;
constexpr double kTitleTableLeft = 165.0;
constexpr double kTitleTableTop = 25.0;

bool IsNotes(const CString& name) { return name.GetLength() > 0 && name[0] == L'注'; }

// The items drawn as one series, each named by the series and its number or letter.
const wchar_t* const kSeries[] = { L"截面", L"骨架大样" };

} // namespace

CString CGLGZ_CapDraw::SeriesOf(const CString& name)
{
    for (const wchar_t* series : kSeries)
        if (name.Find(series) == 0)
            return series;
    return {};
}

SheetSpace::Box CGLGZ_CapDraw::SheetArea(const AcGePoint3d& sheet)
{
    return { sheet.x + kInnerLeft, sheet.y + kInnerBottom, sheet.x + kInnerRight, sheet.y + kInnerTop };
}

SheetSpace::Box CGLGZ_CapDraw::TitleTable(const AcGePoint3d& sheet)
{
    return { sheet.x + kTitleTableLeft, sheet.y + kInnerBottom, sheet.x + kInnerRight, sheet.y + kTitleTableTop };
}

bool CGLGZ_CapDraw::ExtentsOf(const AcDbObjectIdArray& ids, SheetSpace::Box& box)
{
    bool any = false;
    for (int i = 0; i < ids.length(); ++i) {
        AcDbEntity* entity = nullptr;
        if (ids[i].isNull() || ids[i].isErased() || acdbOpenAcDbEntity(entity, ids[i], AcDb::kForRead) != Acad::eOk)
            continue;
        AcDbExtents e;
        if (entity->getGeomExtents(e) == Acad::eOk) {
            const SheetSpace::Box b { e.minPoint().x, e.minPoint().y, e.maxPoint().x, e.maxPoint().y };
            box = any ? box.Joined(b) : b;
            any = true;
        }
        entity->close();
    }
    return any;
}

void CGLGZ_CapDraw::MoveIds(const AcDbObjectIdArray& ids, const AcGeVector3d& shift)
{
    const AcGeMatrix3d move = AcGeMatrix3d::translation(shift);
    for (int i = 0; i < ids.length(); ++i) {
        AcDbEntity* entity = nullptr;
        if (acdbOpenAcDbEntity(entity, ids[i], AcDb::kForWrite) != Acad::eOk)
            continue;
        entity->transformBy(move);
        entity->close();
    }
}

void CGLGZ_CapDraw::SettleItems()
{
    if (m_ptsSheetOrigins.isEmpty())
        return;
    SheetSpace space;
    for (int i = 0; i < m_ptsSheetOrigins.length(); ++i) {
        space.AddSheet(SheetArea(m_ptsSheetOrigins[i]));
        space.Take(TitleTable(m_ptsSheetOrigins[i]));
    }
    // The notes keep their places by the title block.
    std::vector<Loose> items;
    for (const DrawnItems::Item& item : m_drawnItems.Collect()) {
        SheetSpace::Box box;
        if (item.name.IsEmpty() || !ExtentsOf(item.ids, box))
            continue;
        if (IsNotes(item.name))
            space.Take(box);
        else
            items.push_back({ item.ids, box, item.name });
    }
    const std::vector<Loose> movers = KeepItemsInPlace(space, items);
    PlaceMovedItems(space, movers);
    MergeSparseSheets();
}

void CGLGZ_CapDraw::MergeSparseSheets()
{
    // A sheet whose items fit into the free room of the sheet before it moves there and its
    // notes go: the items as they stand together, or else one after another in reading order.
    // The sheets after it move up one place with their notes (a long bar list shifts the third
    // sheet's), and the last sheet goes.
    for (int k = 1; k < m_ptsSheetOrigins.length();) {
        SheetSpace space;
        for (int i = 0; i < m_ptsSheetOrigins.length(); ++i) {
            space.AddSheet(SheetArea(m_ptsSheetOrigins[i]));
            space.Take(TitleTable(m_ptsSheetOrigins[i]));
        }
        std::vector<Placed> placed;
        for (const DrawnItems::Item& item : m_drawnItems.Collect()) {
            SheetSpace::Box box;
            if (item.name.IsEmpty() || !ExtentsOf(item.ids, box))
                continue;
            const int sheet = space.SheetOf(box);
            const bool notes = IsNotes(item.name);
            placed.push_back({ item.ids, box, sheet, notes, AcGeVector3d() });
            if (sheet != k || notes)
                space.Take(box);
        }
        if (!ShiftsOntoSheetBefore(space, k, placed)) {
            ++k;
            continue;
        }
        const AcGeVector3d up(0.0, kSheetPitch, 0.0);
        for (const Placed& item : placed) {
            if (item.sheet == k)
                item.notes ? EraseIds(item.ids) : MoveIds(item.ids, item.shift);
            else if (item.sheet > k)
                MoveIds(item.ids, up);
        }
        m_ptsSheetOrigins.removeLast();
    }
}

bool CGLGZ_CapDraw::ShiftsOntoSheetBefore(const SheetSpace& space, int k, std::vector<Placed>& placed)
{
    std::vector<Placed*> movers;
    std::optional<SheetSpace::Box> block;
    for (Placed& item : placed) {
        if (item.sheet != k || item.notes)
            continue;
        movers.push_back(&item);
        block = block ? block->Joined(item.box) : item.box;
    }
    if (!block)
        return true;
    // The shift that sets a box in the room of the sheet before, after the box given.
    auto onSheetBefore = [&](const SheetSpace& room, const SheetSpace::Box& box,
                             const std::optional<SheetSpace::Box>& after) -> std::optional<AcGeVector3d> {
        const auto place = room.FindPlace(box, k - 1, after);
        if (!place || room.SheetOf(box.MovedTo(place->first, place->second)) != k - 1)
            return std::nullopt;
        return AcGeVector3d(place->first - box.x0, place->second - box.y0, 0.0);
    };
    // Together, as they stand.
    if (const auto shift = onSheetBefore(space, *block, std::nullopt)) {
        for (Placed* item : movers)
            item->shift = *shift;
        return true;
    }
    // One after another in reading order: top down, left to right.
    std::stable_sort(movers.begin(), movers.end(), [](const Placed* a, const Placed* b) {
        return std::tuple(-a->box.y1, a->box.x0) < std::tuple(-b->box.y1, b->box.x0);
    });
    SheetSpace room = space;
    std::optional<SheetSpace::Box> previous;
    for (Placed* item : movers) {
        const auto shift = onSheetBefore(room, item->box, previous);
        if (!shift)
            return false;
        item->shift = *shift;
        previous = item->box.Shifted(shift->x, shift->y);
        room.Take(*previous);
    }
    return true;
}

void CGLGZ_CapDraw::EraseIds(const AcDbObjectIdArray& ids)
{
    for (int i = 0; i < ids.length(); ++i) {
        AcDbEntity* entity = nullptr;
        if (acdbOpenAcDbEntity(entity, ids[i], AcDb::kForWrite) != Acad::eOk)
            continue;
        entity->erase();
        entity->close();
    }
}

std::vector<CGLGZ_CapDraw::Loose> CGLGZ_CapDraw::KeepItemsInPlace(SheetSpace& space, const std::vector<Loose>& items)
{
    // In reading order of the places their steps gave them: sheet by sheet, top down, left to
    // right. An item stays where it fits, or drops straight down its column to the first place
    // where it does; the others move, in the order they were drawn.
    std::vector<size_t> order(items.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    auto key = [&](size_t i) {
        const SheetSpace::Box& b = items[i].box;
        return std::tuple(space.SheetOf(b), -b.y1, b.x0);
    };
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return key(a) < key(b); });
    std::vector<bool> moves(items.size(), false);
    std::set<CString> brokenSeries;
    for (const size_t i : order) {
        const Loose& item = items[i];
        // A series (the column sections, the skeleton details) reads in order: once one of it
        // moves, those after it follow it.
        const CString series = SeriesOf(item.name);
        if (!series.IsEmpty() && brokenSeries.count(series) != 0) {
            moves[i] = true;
            continue;
        }
        if (space.Fits(item.box)) {
            space.Take(item.box);
            continue;
        }
        if (const auto drop = space.FindDrop(item.box)) {
            const AcGeVector3d shift(0.0, -*drop, 0.0);
            MoveIds(item.ids, shift);
            space.Take({ item.box.x0, item.box.y0 - *drop, item.box.x1, item.box.y1 - *drop });
            continue;
        }
        moves[i] = true;
        if (!series.IsEmpty())
            brokenSeries.insert(series);
    }
    std::vector<Loose> movers;
    for (size_t i = 0; i < items.size(); ++i)
        if (moves[i])
            movers.push_back(items[i]);
    return movers;
}

void CGLGZ_CapDraw::PlaceMovedItems(SheetSpace& space, const std::vector<Loose>& movers)
{
    // Each item moved follows the one moved before it in reading order; where nothing follows
    // it on the sheets, it takes any free place before a new sheet is opened for it.
    std::optional<SheetSpace::Box> previous;
    for (const Loose& item : movers) {
        const int own = space.SheetOf(item.box);
        auto place = space.FindPlace(item.box, own, previous);
        if (!place)
            place = space.FindPlace(item.box, 0);
        const bool fitsASheet = item.box.Width() + 2.0 * SheetSpace::kMargin <= kInnerRight - kInnerLeft
            && item.box.Height() + 2.0 * SheetSpace::kMargin <= kInnerTop - kInnerBottom;
        if (!place && fitsASheet) {
            // A new sheet, with its notes, for what has no room on the others.
            const int first = m_ptsSheetOrigins.length();
            const AcGePoint3d origin = NextViewOrigin();
            space.AddSheet(SheetArea(origin));
            space.Take(TitleTable(origin));
            SheetSpace::Box notes;
            if (ExtentsOf(DrawNotesFrom(first), notes))
                space.Take(notes);
            place = space.FindPlace(item.box, first);
        }
        if (!place) {
            space.Take(item.box);
            continue;
        }
        const AcGeVector3d shift(place->first - item.box.x0, place->second - item.box.y0, 0.0);
        MoveIds(item.ids, shift);
        const SheetSpace::Box moved = item.box.Shifted(shift.x, shift.y);
        space.Take(moved);
        previous = moved;
    }
}
