// Walks the sub-entities an entity owns (the vertices of a polyline), resident or not.
#pragma once

#include "AcDbObjectId.h"

#include <utility>
#include <vector>

class AcDbEntity;

class AcDbObjectIterator {
public:
    explicit AcDbObjectIterator(std::vector<std::pair<AcDbObjectId, AcDbEntity*>> items)
        : mItems(std::move(items))
    {
    }

    bool done() const { return mPos >= mItems.size(); }
    void step(bool backwards = false, bool skipErased = true);
    void start(bool atEnd = false) { mPos = atEnd && !mItems.empty() ? mItems.size() - 1 : 0; }
    // Null while the owner is not in a database.
    AcDbObjectId objectId() const { return done() ? AcDbObjectId() : mItems[mPos].first; }
    // The sub-entity itself, whatever its open state; for reading while the owner is open.
    AcDbEntity* entity() const { return done() ? nullptr : mItems[mPos].second; }

private:
    std::vector<std::pair<AcDbObjectId, AcDbEntity*>> mItems;
    std::size_t mPos = 0;
};
