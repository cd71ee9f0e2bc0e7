// A set of object ids for membership tests over a whole block: one flat table, no allocation
// per id, so that testing every entity of a large block against it stays linear.
#pragma once

#include "AcDbObjectId.h"

#include <iterator>
#include <vector>

class DbObjectIdSet {
public:
    template <typename Range> explicit DbObjectIdSet(const Range& ids)
    {
        rehash(static_cast<std::size_t>(std::distance(std::begin(ids), std::end(ids))));
        for (const AcDbObjectId& id : ids)
            insert(id);
    }

    bool contains(const AcDbObjectId& id) const;
    // False when the id was already in the set.
    bool insert(const AcDbObjectId& id);
    // A mark on an id of the set (none on an id not in it), and whether an id bears one.
    void mark(const AcDbObjectId& id);
    bool marked(const AcDbObjectId& id) const;

private:
    void rehash(std::size_t count);
    std::size_t slotOf(const AcDbStub* entry) const;

    // Open addressing with linear probing, at most half full; a null slot is empty, so the
    // null id is kept apart.
    std::vector<const AcDbStub*> mSlots;
    std::vector<bool> mMarks;
    bool mNullMarked = false;
    int mBits = 0;
    std::size_t mCount = 0;
    bool mHasNull = false;
};
