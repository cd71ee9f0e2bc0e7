// Sort handles are the block's entity handles in ascending order, dealt out along the draw
// order: the k-th entity drawn gets the k-th smallest handle. Only entities whose sort handle
// differs from their own handle are written.
#include "AcDbSortentsTable.h"

#include "AcDbBlockTableRecord.h"
#include "AcDbDatabase.h"
#include "AcDbDxfFiler.h"
#include "DbObjectIdSet.h"

#include <algorithm>
#include <map>

ACRX_DEFINE_DXF_MEMBERS(AcDbSortentsTable, AcDbObject, L"SORTENTSTABLE")

Acad::ErrorStatus AcDbSortentsTable::setBlockId(AcDbObjectId id)
{
    if (Acad::ErrorStatus es = checkWritable(); es != Acad::eOk)
        return es;
    if (!AcDbBlockTableRecord::cast(AcDbDatabase::peek(id)))
        return Acad::eWrongObjectType;
    mBlockId = id;
    return Acad::eOk;
}

std::vector<AcDbObjectId> AcDbSortentsTable::fullOrder() const
{
    std::vector<AcDbObjectId> live;
    auto* block = AcDbBlockTableRecord::cast(AcDbDatabase::peek(mBlockId));
    if (block == nullptr)
        return live;
    for (const AcDbObjectId& id : block->entityIds())
        if (id.isValid() && !id.isErased())
            live.push_back(id);
    if (!mReadHandles.empty()) {
        std::map<AcDbObjectId, Adesk::UInt64> readKey;
        for (const auto& [id, h] : mReadHandles)
            readKey[id] = h.value();
        std::vector<std::pair<Adesk::UInt64, AcDbObjectId>> keyed;
        keyed.reserve(live.size());
        for (const AcDbObjectId& id : live) {
            const auto read = readKey.find(id);
            keyed.emplace_back(read != readKey.end() ? read->second : id.handle().value(), id);
        }
        std::stable_sort(keyed.begin(), keyed.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        for (std::size_t i = 0; i < keyed.size(); ++i)
            live[i] = keyed[i].second;
        return live;
    }
    if (mOrder.empty())
        return live;
    // The live entities, those placed by the order marked.
    DbObjectIdSet alive(live);
    std::vector<AcDbObjectId> order;
    order.reserve(live.size());
    for (const AcDbObjectId& id : mOrder)
        if (alive.contains(id)) {
            order.push_back(id);
            alive.mark(id);
        }
    for (const AcDbObjectId& id : live)
        if (!alive.marked(id))
            order.push_back(id);
    return order;
}

Acad::ErrorStatus AcDbSortentsTable::move(const AcDbObjectIdArray& ar, AcDbObjectId target, bool above)
{
    if (Acad::ErrorStatus es = checkWritable(); es != Acad::eOk)
        return es;
    std::vector<AcDbObjectId> order = fullOrder();
    // The entities moved, those found in the order marked; the target must be in it too.
    DbObjectIdSet moving(ar);
    bool targetFound = target.isNull();
    for (const AcDbObjectId& id : order) {
        moving.mark(id);
        targetFound = targetFound || id == target;
    }
    for (const AcDbObjectId& id : ar)
        if (!moving.marked(id))
            return Acad::eInvalidInput;
    if (!targetFound || (!target.isNull() && moving.contains(target)))
        return Acad::eInvalidInput;
    // The moved entities keep their relative draw order.
    std::vector<AcDbObjectId> moved;
    std::vector<AcDbObjectId> rest;
    for (const AcDbObjectId& id : order)
        (moving.contains(id) ? moved : rest).push_back(id);
    std::size_t at = above ? rest.size() : 0;
    if (!target.isNull()) {
        const auto t = std::find(rest.begin(), rest.end(), target) - rest.begin();
        at = static_cast<std::size_t>(above ? t + 1 : t);
    }
    rest.insert(rest.begin() + static_cast<long>(at), moved.begin(), moved.end());
    mOrder = std::move(rest);
    mReadHandles.clear();
    return Acad::eOk;
}

Acad::ErrorStatus AcDbSortentsTable::moveToTop(const AcDbObjectIdArray& ar)
{
    return move(ar, AcDbObjectId(), true);
}

Acad::ErrorStatus AcDbSortentsTable::moveToBottom(const AcDbObjectIdArray& ar)
{
    return move(ar, AcDbObjectId(), false);
}

Acad::ErrorStatus AcDbSortentsTable::moveAbove(const AcDbObjectIdArray& ar, AcDbObjectId target)
{
    if (target.isNull())
        return Acad::eNullObjectId;
    return move(ar, target, true);
}

Acad::ErrorStatus AcDbSortentsTable::moveBelow(const AcDbObjectIdArray& ar, AcDbObjectId target)
{
    if (target.isNull())
        return Acad::eNullObjectId;
    return move(ar, target, false);
}

Acad::ErrorStatus AcDbSortentsTable::getFullDrawOrder(AcDbObjectIdArray& ents, Adesk::UInt8) const
{
    ents.removeAll();
    for (const AcDbObjectId& id : fullOrder())
        ents.append(id);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbSortentsTable::getSortHandle(AcDbObjectId id, AcDbHandle& h) const
{
    const std::vector<AcDbObjectId> order = fullOrder();
    std::vector<Adesk::UInt64> handles;
    for (const AcDbObjectId& e : order)
        handles.push_back(e.handle().value());
    std::sort(handles.begin(), handles.end());
    for (std::size_t i = 0; i < order.size(); ++i)
        if (order[i] == id) {
            h = AcDbHandle(handles[i]);
            return Acad::eOk;
        }
    return Acad::eInvalidInput;
}

Acad::ErrorStatus AcDbSortentsTable::dxfOutFields(AcDbDxfFiler* filer) const
{
    AcDbObject::dxfOutFields(filer);
    filer->writeSubclass(L"AcDbSortentsTable");
    filer->writeObjectId(330, mBlockId);
    const std::vector<AcDbObjectId> order = fullOrder();
    std::vector<Adesk::UInt64> handles;
    for (const AcDbObjectId& e : order)
        handles.push_back(e.handle().value());
    std::sort(handles.begin(), handles.end());
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (order[i].handle().value() == handles[i])
            continue;
        filer->writeObjectId(331, order[i]);
        filer->writeHandle(5, AcDbHandle(handles[i]));
    }
    return Acad::eOk;
}

Acad::ErrorStatus AcDbSortentsTable::dxfInFields(AcDbDxfFiler* filer)
{
    AcDbObject::dxfInFields(filer);
    filer->atSubclassData(L"AcDbSortentsTable");
    AcDbObjectId entity;
    filer->readSubclass([&](const AcDbDxfGroup& g) {
        if (g.code == 330)
            mBlockId = filer->readObjectId(g);
        else if (g.code == 331)
            entity = filer->readObjectId(g);
        else if (g.code == 5 && !entity.isNull())
            mReadHandles.emplace_back(entity, g.asHandle());
    });
    return Acad::eOk;
}
