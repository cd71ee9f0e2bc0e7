// Names one object of one database for the life of that database. The null id names nothing.
// Ids compare by identity of the object they name.
#pragma once

#include "AcArray.h"
#include "AcDbHandle.h"

#include <cstddef>
#include <functional>

class AcDbDatabase;
class AcDbStub;
class AcRxClass;

class AcDbObjectId {
public:
    AcDbObjectId() = default;
    AcDbObjectId(AcDbStub* stub)
        : mStub(stub)
    {
    }

    static const AcDbObjectId kNull;

    bool isNull() const { return mStub == nullptr; }
    void setNull() { mStub = nullptr; }
    // Not null and naming an object that exists (erased or not).
    bool isValid() const;
    bool isErased() const;
    bool isResident() const { return isValid(); }
    AcDbDatabase* database() const;
    AcDbHandle handle() const;
    AcRxClass* objectClass() const;
    // An integer that names the object in this process, for the platform's old-style names.
    Adesk::Int64 asOldId() const { return static_cast<Adesk::Int64>(reinterpret_cast<std::intptr_t>(mStub)); }
    AcDbObjectId& setFromOldId(Adesk::Int64 oldId);

    operator AcDbStub*() const { return mStub; }
    bool operator==(const AcDbObjectId& o) const { return mStub == o.mStub; }
    bool operator!=(const AcDbObjectId& o) const { return mStub != o.mStub; }
    bool operator<(const AcDbObjectId& o) const { return std::less<const AcDbStub*>()(mStub, o.mStub); }
    bool operator==(std::nullptr_t) const { return mStub == nullptr; }

private:
    AcDbStub* mStub = nullptr;
};

typedef AcArray<AcDbObjectId> AcDbObjectIdArray;

template <> struct std::hash<AcDbObjectId> {
    std::size_t operator()(const AcDbObjectId& id) const noexcept
    {
        return std::hash<const void*>()(static_cast<const AcDbStub*>(id));
    }
};
