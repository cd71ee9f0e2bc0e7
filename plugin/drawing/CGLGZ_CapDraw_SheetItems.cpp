// The items on the sheets: the room inside each sheet's frame, and the place of every item that
// its own step would leave off its sheet, in the title table or over another item.
#include "CGLGZ_CapDraw.h"

#include "AcDbEntity.h"
#include "AcDbServices.h"
#include "AcGeMatrix3d.h"

#include <algorithm>

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

} // namespace

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
            box = any ? SheetSpace::Box { std::min(box.x0, b.x0), std::min(box.y0, b.y0), std::max(box.x1, b.x1),
                                          std::max(box.y1, b.y1) }
                      : b;
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
    // The notes keep their places by the title block; the other items follow in the order they
    // were drawn, each clear of those before it.
    struct Loose {
        AcDbObjectIdArray ids;
        SheetSpace::Box box;
    };
    std::vector<Loose> loose;
    for (const DrawnItems::Item& item : m_drawnItems.Collect()) {
        SheetSpace::Box box;
        if (item.name.IsEmpty() || !ExtentsOf(item.ids, box))
            continue;
        if (IsNotes(item.name))
            space.Take(box);
        else
            loose.push_back({ item.ids, box });
    }
    for (const Loose& item : loose) {
        if (space.Fits(item.box)) {
            space.Take(item.box);
            continue;
        }
        auto place = space.FindPlace(item.box, space.SheetOf(item.box));
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
        space.Take({ item.box.x0 + shift.x, item.box.y0 + shift.y, item.box.x1 + shift.x, item.box.y1 + shift.y });
    }
}
