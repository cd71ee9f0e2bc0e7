// The database's record of one object: its handle and the object itself. An object id points
// at a stub, so ids stay valid while the object is created, read from DXF or erased.
#pragma once

#include "AcDbHandle.h"

#include <memory>

class AcDbDatabase;
class AcDbObject;

class AcDbStub {
public:
    AcDbStub(AcDbDatabase* db, AcDbHandle h)
        : mDatabase(db)
        , mHandle(h)
    {
    }

    AcDbDatabase* database() const { return mDatabase; }
    AcDbHandle handle() const { return mHandle; }
    AcDbObject* object() const { return mObject.get(); }
    // The database owns the object from here on.
    void attach(std::unique_ptr<AcDbObject> object);
    // Puts another object under this id; the old one goes back to the caller.
    std::unique_ptr<AcDbObject> replace(std::unique_ptr<AcDbObject> object);

private:
    AcDbDatabase* mDatabase;
    AcDbHandle mHandle;
    std::unique_ptr<AcDbObject> mObject;
};
