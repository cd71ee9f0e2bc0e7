// A dictionary of run-time objects by name: the system registry, where the host files its
// dynamic linker, class dictionary and command stack for modules to look up.
#pragma once

#include "AcRxObject.h"

#include <map>
#include <string>

class AcRxDictionary : public AcRxObject {
public:
    ACRX_DECLARE_MEMBERS(AcRxDictionary);

    // The object filed under the key, or null.
    AcRxObject* at(const ACHAR* key) const;
    // Files the object (not owned) and returns the one it replaces, or null.
    AcRxObject* atPut(const ACHAR* key, AcRxObject* pObject);
    // Takes the entry out and returns its object, or null when there was none.
    AcRxObject* remove(const ACHAR* key);
    bool has(const ACHAR* key) const { return at(key) != nullptr; }
    Adesk::UInt32 numEntries() const { return static_cast<Adesk::UInt32>(mEntries.size()); }

private:
    std::map<std::wstring, AcRxObject*> mEntries;
};

// The host's system registry, with its services filed under the ACRX_* keys of AcRx.h.
AcRxDictionary* acrxSysRegistry();
