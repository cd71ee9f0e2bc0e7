// Set numbers are never reused within a session, so a freed name stays invalid.
#include "HostSelectionSets.h"

void HostSelectionSets::create(ads_name name)
{
    const long number = mNext++;
    mSets[number];
    name[0] = number;
    name[1] = kTag;
}

std::vector<AcDbObjectId>* HostSelectionSets::find(const ads_name name)
{
    if (name == nullptr || name[1] != kTag)
        return nullptr;
    const auto it = mSets.find(name[0]);
    return it == mSets.end() ? nullptr : &it->second;
}

bool HostSelectionSets::free(const ads_name name)
{
    if (name == nullptr || name[1] != kTag)
        return false;
    return mSets.erase(name[0]) == 1;
}
