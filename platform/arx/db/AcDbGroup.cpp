// Members name the group as a persistent reactor, as the host keeps it, so a reader of the
// file finds the group from the entity too.
#include "AcDbGroup.h"

#include "AcDbDatabase.h"
#include "AcDbDictionary.h"
#include "AcDbDxfFiler.h"
#include "AcDbEntity.h"
#include "AcDbSymbolTableRecord.h"

#include <algorithm>

ACRX_DEFINE_DXF_MEMBERS(AcDbGroup, AcDbObject, L"GROUP")

AcDbGroup::AcDbGroup(const ACHAR* grpDesc, bool selectable)
    : mDescription(grpDesc ? grpDesc : L"")
    , mSelectable(selectable)
{
}

Acad::ErrorStatus AcDbGroup::setDescription(const ACHAR* grpDesc)
{
    if (Acad::ErrorStatus es = checkWritable(); es != Acad::eOk)
        return es;
    mDescription = grpDesc ? grpDesc : L"";
    return Acad::eOk;
}

Acad::ErrorStatus AcDbGroup::setSelectable(bool selectable)
{
    if (Acad::ErrorStatus es = checkWritable(); es != Acad::eOk)
        return es;
    mSelectable = selectable;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbGroup::setAnonymous()
{
    if (Acad::ErrorStatus es = checkWritable(); es != Acad::eOk)
        return es;
    mAnonymous = true;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbGroup::getName(ACHAR*& name) const
{
    auto* dict = AcDbDictionary::cast(AcDbDatabase::peek(ownerId()));
    if (dict == nullptr)
        return Acad::eNotInDatabase;
    return dict->nameAt(objectId(), name);
}

Acad::ErrorStatus AcDbGroup::setName(const ACHAR* newName)
{
    if (Acad::ErrorStatus es = checkWritable(); es != Acad::eOk)
        return es;
    auto* dict = AcDbDictionary::cast(AcDbDatabase::peek(ownerId()));
    if (dict == nullptr)
        return Acad::eNotInDatabase;
    ACHAR* old = nullptr;
    if (Acad::ErrorStatus es = dict->nameAt(objectId(), old); es != Acad::eOk)
        return es;
    // The dictionary is changed on the group's behalf: the name is the group's own property.
    const bool wasWrite = dict->isWriteEnabled();
    if (!wasWrite)
        dict->openFor(AcDb::kForWrite, false);
    const bool renamed = dict->setName(old, newName);
    if (!wasWrite)
        dict->close();
    acutDelString(old);
    return renamed ? Acad::eOk : Acad::eDuplicateKey;
}

Acad::ErrorStatus AcDbGroup::checkMember(AcDbObjectId id) const
{
    if (database() == nullptr)
        return Acad::eNotInDatabase;
    if (!isWriteEnabled())
        return Acad::eNotOpenForWrite;
    if (id.isNull())
        return Acad::eNullObjectId;
    if (id.database() != database() || !AcDbEntity::cast(AcDbDatabase::peek(id)))
        return Acad::eInvalidInput;
    if (std::find(mEntities.begin(), mEntities.end(), id) != mEntities.end())
        return Acad::eInvalidInput;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbGroup::insertAt(Adesk::UInt32 idx, AcDbObjectId id)
{
    if (Acad::ErrorStatus es = checkMember(id); es != Acad::eOk)
        return es;
    if (idx > mEntities.size())
        return Acad::eInvalidIndex;
    mEntities.insert(mEntities.begin() + idx, id);
    AcDbDatabase::peek(id)->addPersistentReactor(objectId());
    return Acad::eOk;
}

Acad::ErrorStatus AcDbGroup::append(AcDbObjectId id)
{
    return insertAt(static_cast<Adesk::UInt32>(mEntities.size()), id);
}

Acad::ErrorStatus AcDbGroup::append(const AcDbObjectIdArray& ids)
{
    for (const AcDbObjectId& id : ids)
        if (Acad::ErrorStatus es = checkMember(id); es != Acad::eOk)
            return es;
    for (const AcDbObjectId& id : ids)
        if (Acad::ErrorStatus es = append(id); es != Acad::eOk)
            return es;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbGroup::prepend(AcDbObjectId id)
{
    return insertAt(0, id);
}

Acad::ErrorStatus AcDbGroup::remove(AcDbObjectId id)
{
    if (Acad::ErrorStatus es = checkWritable(); es != Acad::eOk)
        return es;
    const auto it = std::find(mEntities.begin(), mEntities.end(), id);
    if (it == mEntities.end())
        return Acad::eInvalidInput;
    mEntities.erase(it);
    if (AcDbObject* ent = AcDbDatabase::peek(id))
        ent->removePersistentReactor(objectId());
    return Acad::eOk;
}

Acad::ErrorStatus AcDbGroup::removeAt(Adesk::UInt32 idx)
{
    if (idx >= mEntities.size())
        return Acad::eInvalidIndex;
    return remove(mEntities[idx]);
}

Acad::ErrorStatus AcDbGroup::clear()
{
    if (Acad::ErrorStatus es = checkWritable(); es != Acad::eOk)
        return es;
    while (!mEntities.empty())
        remove(mEntities.back());
    return Acad::eOk;
}

Adesk::UInt32 AcDbGroup::numEntities() const
{
    AcDbObjectIdArray ids;
    return allEntityIds(ids);
}

Adesk::UInt32 AcDbGroup::allEntityIds(AcDbObjectIdArray& ids) const
{
    Adesk::UInt32 n = 0;
    for (const AcDbObjectId& id : mEntities)
        if (id.isValid() && !id.isErased()) {
            ids.append(id);
            ++n;
        }
    return n;
}

bool AcDbGroup::has(const AcDbObject* pEntity) const
{
    return pEntity != nullptr && std::find(mEntities.begin(), mEntities.end(), pEntity->objectId()) != mEntities.end();
}

Acad::ErrorStatus AcDbGroup::dxfOutFields(AcDbDxfFiler* filer) const
{
    AcDbObject::dxfOutFields(filer);
    filer->writeSubclass(L"AcDbGroup");
    filer->writeString(300, mDescription);
    filer->writeInt16(70, mAnonymous ? 1 : 0);
    filer->writeInt16(71, mSelectable ? 1 : 0);
    for (const AcDbObjectId& id : mEntities)
        if (id.isValid() && !id.isErased())
            filer->writeObjectId(340, id);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbGroup::dxfInFields(AcDbDxfFiler* filer)
{
    AcDbObject::dxfInFields(filer);
    filer->atSubclassData(L"AcDbGroup");
    filer->readSubclass([&](const AcDbDxfGroup& g) {
        switch (g.code) {
        case 300:
            mDescription = g.asString();
            break;
        case 70:
            mAnonymous = g.asInt() != 0;
            break;
        case 71:
            mSelectable = g.asInt() != 0;
            break;
        case 340:
            mEntities.push_back(filer->readObjectId(g));
            break;
        default:
            break;
        }
    });
    return Acad::eOk;
}
