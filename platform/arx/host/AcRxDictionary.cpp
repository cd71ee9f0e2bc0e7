// The system registry holds pointers to objects that live as long as the host; it owns none.
#include "AcRxDictionary.h"

#include "HostApplication.h"

ACRX_DEFINE_MEMBERS(AcRxDictionary, AcRxObject);

AcRxObject* AcRxDictionary::at(const ACHAR* key) const
{
    const auto it = mEntries.find(key ? key : L"");
    return it == mEntries.end() ? nullptr : it->second;
}

AcRxObject* AcRxDictionary::atPut(const ACHAR* key, AcRxObject* pObject)
{
    AcRxObject*& slot = mEntries[key ? key : L""];
    AcRxObject* old = slot;
    slot = pObject;
    return old;
}

AcRxObject* AcRxDictionary::remove(const ACHAR* key)
{
    const auto it = mEntries.find(key ? key : L"");
    if (it == mEntries.end())
        return nullptr;
    AcRxObject* old = it->second;
    mEntries.erase(it);
    return old;
}

AcRxDictionary* acrxSysRegistry() { return &HostApplication::instance().sysRegistry(); }
