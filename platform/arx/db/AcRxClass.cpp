// Class descriptors register themselves by name on construction; the descriptors are
// function-local statics, so the dictionary lives as long as the program.
#include "AcRxClass.h"

#include "AcDbClassRegistry.h"
#include "AcRxObject.h"

#include <map>

namespace {

std::map<std::wstring, AcRxClass*>& classesByName()
{
    static std::map<std::wstring, AcRxClass*> sClasses;
    return sClasses;
}

std::map<std::wstring, AcRxClass*>& classesByDxfName()
{
    static std::map<std::wstring, AcRxClass*> sClasses;
    return sClasses;
}

} // namespace

AcRxClass::AcRxClass(const ACHAR* name, AcRxClass* parent, const ACHAR* dxfName, Constructor create)
    : mName(name)
    , mDxfName(dxfName ? dxfName : L"")
    , mParent(parent)
    , mCreate(create)
{
    classesByName()[mName] = this;
    if (!mDxfName.empty() && mCreate)
        classesByDxfName()[mDxfName] = this;
}

bool AcRxClass::isDerivedFrom(const AcRxClass* other) const
{
    for (const AcRxClass* c = this; c != nullptr; c = c->mParent)
        if (c == other)
            return true;
    return false;
}

AcRxClass* AcRxClass::findByName(const ACHAR* name)
{
    acdbRegisterDatabaseClasses();
    const auto it = classesByName().find(name ? name : L"");
    return it == classesByName().end() ? nullptr : it->second;
}

AcRxClass* AcRxClass::findByDxfName(const ACHAR* dxfName)
{
    acdbRegisterDatabaseClasses();
    const auto it = classesByDxfName().find(dxfName ? dxfName : L"");
    return it == classesByDxfName().end() ? nullptr : it->second;
}

AcRxClass* AcRxObject::desc()
{
    static AcRxClass sClass(L"AcRxObject", nullptr);
    return &sClass;
}

AcRxClass* AcRxObject::isA() const
{
    return AcRxObject::desc();
}
