// Selection sets named by ads_name: the first long is the set's number, the second a tag
// that no entity name carries, so a set name is never taken for an entity name.
#pragma once

#include "AcDbObjectId.h"
#include "resbuf.h"

#include <map>
#include <vector>

class HostSelectionSets {
public:
    static constexpr long kTag = 0x53534554; // "SSET"

    // A new empty set; its name goes to `name`.
    void create(ads_name name);
    // The set's members, or null when the name is no live set.
    std::vector<AcDbObjectId>* find(const ads_name name);
    bool free(const ads_name name);
    std::size_t count() const { return mSets.size(); }
    void clear() { mSets.clear(); }

private:
    std::map<long, std::vector<AcDbObjectId>> mSets;
    long mNext = 1;
};
