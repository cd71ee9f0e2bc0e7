#include "DbObjectIdSet.h"

#include <cstdint>

void DbObjectIdSet::rehash(std::size_t count)
{
    int bits = 4;
    while ((std::size_t(1) << bits) < 2 * count)
        ++bits;
    std::vector<const AcDbStub*> old;
    old.swap(mSlots);
    std::vector<bool> oldMarks;
    oldMarks.swap(mMarks);
    mSlots.assign(std::size_t(1) << bits, nullptr);
    mMarks.assign(mSlots.size(), false);
    mBits = bits;
    for (std::size_t i = 0; i < old.size(); ++i)
        if (old[i] != nullptr) {
            const std::size_t slot = slotOf(old[i]);
            mSlots[slot] = old[i];
            mMarks[slot] = oldMarks[i];
        }
}

std::size_t DbObjectIdSet::slotOf(const AcDbStub* entry) const
{
    // Fibonacci hashing: the high bits of the product mix every bit of the address.
    const std::uint64_t key = static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(entry));
    const std::size_t mask = mSlots.size() - 1;
    std::size_t slot = static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ull) >> (64 - mBits));
    while (mSlots[slot] != nullptr && mSlots[slot] != entry)
        slot = (slot + 1) & mask;
    return slot;
}

bool DbObjectIdSet::contains(const AcDbObjectId& id) const
{
    const AcDbStub* entry = id;
    if (entry == nullptr)
        return mHasNull;
    return mSlots[slotOf(entry)] == entry;
}

bool DbObjectIdSet::insert(const AcDbObjectId& id)
{
    const AcDbStub* entry = id;
    if (entry == nullptr) {
        const bool added = !mHasNull;
        mHasNull = true;
        return added;
    }
    std::size_t slot = slotOf(entry);
    if (mSlots[slot] == entry)
        return false;
    if (2 * (mCount + 1) > mSlots.size()) {
        rehash(2 * (mCount + 1));
        slot = slotOf(entry);
    }
    mSlots[slot] = entry;
    ++mCount;
    return true;
}

void DbObjectIdSet::mark(const AcDbObjectId& id)
{
    const AcDbStub* entry = id;
    if (entry == nullptr) {
        mNullMarked = mHasNull;
        return;
    }
    const std::size_t slot = slotOf(entry);
    if (mSlots[slot] == entry)
        mMarks[slot] = true;
}

bool DbObjectIdSet::marked(const AcDbObjectId& id) const
{
    const AcDbStub* entry = id;
    if (entry == nullptr)
        return mNullMarked;
    const std::size_t slot = slotOf(entry);
    return mSlots[slot] == entry && mMarks[slot];
}
