#include "DrawnItems.h"

#include "AcDbBlockTableRecord.h"
#include "AcDbBlockTableRecordIterator.h"
#include "AcDbDatabase.h"
#include "AcDbHostApplicationServices.h"

#include <algorithm>
#include <set>

void DrawnItems::BeginItem(const CString& name)
{
    m_starts.push_back({ name, acdbHostApplicationServices()->workingDatabase()->handseed() });
}

void DrawnItems::AddItem(const CString& name, const AcDbObjectIdArray& ids)
{
    if (!ids.isEmpty())
        m_given.push_back({ name, ids });
}

std::vector<DrawnItems::Item> DrawnItems::Collect() const
{
    // The items by their names, in the order they first began.
    std::vector<Item> items;
    std::vector<size_t> itemOf;
    for (const Start& start : m_starts) {
        const auto same = std::find_if(items.begin(), items.end(), [&](const Item& i) { return i.name == start.name; });
        itemOf.push_back(static_cast<size_t>(same - items.begin()));
        if (same == items.end())
            items.push_back({ start.name, AcDbObjectIdArray() });
    }
    std::set<AcDbObjectId> given;
    for (const Item& item : m_given)
        for (const AcDbObjectId& id : item.ids)
            given.insert(id);
    AcDbBlockTableRecord* space = nullptr;
    AcDbDatabase* db = acdbHostApplicationServices()->workingDatabase();
    if (!m_starts.empty() && acdbOpenObject(space, db->modelSpaceId(), AcDb::kForRead) == Acad::eOk) {
        for (AcDbBlockTableRecordIterator it(space, true, true); !it.done(); it.step()) {
            AcDbObjectId id;
            it.getEntityId(id);
            // The last item begun at or before the entity's handle.
            const auto after = std::upper_bound(m_starts.begin(), m_starts.end(), id.handle(),
                [](const AcDbHandle& h, const Start& s) { return h < s.from; });
            if (after != m_starts.begin() && given.count(id) == 0)
                items[itemOf[static_cast<size_t>(after - m_starts.begin() - 1)]].ids.append(id);
        }
        space->close();
    }
    for (const Item& item : m_given) {
        Item own { item.name, AcDbObjectIdArray() };
        for (const AcDbObjectId& id : item.ids)
            if (!id.isNull() && !id.isErased())
                own.ids.append(id);
        items.push_back(own);
    }
    return items;
}
