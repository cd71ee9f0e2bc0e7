// Object ids look through their stub to the object and its database.
#include "AcDbObjectId.h"

#include "AcDbObject.h"
#include "AcDbStub.h"

const AcDbObjectId AcDbObjectId::kNull;

void AcDbStub::attach(std::unique_ptr<AcDbObject> object)
{
    mObject = std::move(object);
}

std::unique_ptr<AcDbObject> AcDbStub::replace(std::unique_ptr<AcDbObject> object)
{
    std::swap(mObject, object);
    return object;
}

bool AcDbObjectId::isValid() const
{
    return mStub != nullptr && mStub->object() != nullptr;
}

bool AcDbObjectId::isErased() const
{
    return isValid() && mStub->object()->isErased();
}

AcDbDatabase* AcDbObjectId::database() const
{
    return mStub ? mStub->database() : nullptr;
}

AcDbHandle AcDbObjectId::handle() const
{
    return mStub ? mStub->handle() : AcDbHandle();
}

AcRxClass* AcDbObjectId::objectClass() const
{
    return isValid() ? mStub->object()->isA() : nullptr;
}

AcDbObjectId& AcDbObjectId::setFromOldId(Adesk::Int64 oldId)
{
    mStub = reinterpret_cast<AcDbStub*>(static_cast<std::intptr_t>(oldId));
    return *this;
}
