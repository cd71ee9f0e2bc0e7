// Entries whose object was erased are kept (the object may be unerased) but are not found.
#include "AcDbDictionary.h"

#include "AcDbDatabase.h"
#include "AcDbDictionaryIterator.h"
#include "AcDbDxfFiler.h"
#include "AcDbSymbolTableRecord.h"

#include <algorithm>

ACRX_DEFINE_DXF_MEMBERS(AcDbDictionary, AcDbObject, L"DICTIONARY")

std::vector<std::pair<std::wstring, AcDbObjectId>>::const_iterator AcDbDictionary::find(const ACHAR* key) const
{
    if (key == nullptr)
        return mEntries.end();
    return std::find_if(mEntries.begin(), mEntries.end(), [&](const auto& e) {
        return !e.second.isErased() && e.second.isValid() && acdbSymbolNamesEqual(e.first, key);
    });
}

Acad::ErrorStatus AcDbDictionary::getAt(const ACHAR* entryName, AcDbObjectId& entryObjId) const
{
    const auto it = find(entryName);
    if (it == mEntries.end())
        return Acad::eKeyNotFound;
    entryObjId = it->second;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbDictionary::getAt(const ACHAR* entryName, AcDbObject*& entryObj, AcDb::OpenMode mode) const
{
    entryObj = nullptr;
    AcDbObjectId id;
    if (Acad::ErrorStatus es = getAt(entryName, id); es != Acad::eOk)
        return es;
    return acdbOpenAcDbObject(entryObj, id, mode);
}

Acad::ErrorStatus AcDbDictionary::nameAt(AcDbObjectId objId, ACHAR*& entryName) const
{
    for (const auto& e : mEntries)
        if (e.second == objId && !objId.isErased()) {
            entryName = acutNewString(e.first.c_str());
            return Acad::eOk;
        }
    return Acad::eKeyNotFound;
}

bool AcDbDictionary::has(const ACHAR* entryName) const
{
    return find(entryName) != mEntries.end();
}

bool AcDbDictionary::has(AcDbObjectId objId) const
{
    return !objId.isErased()
        && std::any_of(mEntries.begin(), mEntries.end(), [&](const auto& e) { return e.second == objId; });
}

Adesk::UInt32 AcDbDictionary::numEntries() const
{
    return static_cast<Adesk::UInt32>(liveEntries().size());
}

std::vector<std::pair<std::wstring, AcDbObjectId>> AcDbDictionary::liveEntries() const
{
    std::vector<std::pair<std::wstring, AcDbObjectId>> live;
    for (const auto& e : mEntries)
        if (e.second.isValid() && !e.second.isErased())
            live.push_back(e);
    return live;
}

Acad::ErrorStatus AcDbDictionary::setAt(const ACHAR* srchKey, AcDbObject* newValue, AcDbObjectId& retObjId)
{
    if (newValue == nullptr)
        return Acad::eNullObjectPointer;
    if (srchKey == nullptr || srchKey[0] == 0)
        return Acad::eInvalidInput;
    if (database() == nullptr)
        return Acad::eNoDatabase;
    if (!isWriteEnabled())
        return Acad::eNotOpenForWrite;
    if (newValue->isDatabaseResident() && newValue->database() != database())
        return Acad::eInvalidInput;
    if (!newValue->isDatabaseResident()) {
        if (Acad::ErrorStatus es = database()->addAcDbObject(retObjId, newValue); es != Acad::eOk)
            return es;
    } else {
        retObjId = newValue->objectId();
    }
    newValue->setOwnerId(objectId());
    newValue->addPersistentReactor(objectId());
    for (auto& e : mEntries) {
        if (acdbSymbolNamesEqual(e.first, srchKey)) {
            // The replaced object goes, unless someone holds it open.
            AcDbObject* old = AcDbDatabase::peek(e.second);
            if (e.second != retObjId && old != nullptr && !old->isErased()
                && old->openFor(AcDb::kForWrite, false) == Acad::eOk) {
                old->erase();
                old->close();
            }
            e = { srchKey, retObjId };
            newValue->objectAddedToDatabase();
            return Acad::eOk;
        }
    }
    mEntries.emplace_back(srchKey, retObjId);
    newValue->objectAddedToDatabase();
    return Acad::eOk;
}

Acad::ErrorStatus AcDbDictionary::remove(const ACHAR* key)
{
    AcDbObjectId id;
    return remove(key, id);
}

Acad::ErrorStatus AcDbDictionary::remove(const ACHAR* key, AcDbObjectId& returnId)
{
    if (!isWriteEnabled())
        return Acad::eNotOpenForWrite;
    const auto it = find(key);
    if (it == mEntries.end())
        return Acad::eKeyNotFound;
    returnId = it->second;
    mEntries.erase(it);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbDictionary::remove(AcDbObjectId objId)
{
    if (!isWriteEnabled())
        return Acad::eNotOpenForWrite;
    const auto it = std::find_if(mEntries.begin(), mEntries.end(), [&](const auto& e) { return e.second == objId; });
    if (it == mEntries.end())
        return Acad::eKeyNotFound;
    mEntries.erase(it);
    return Acad::eOk;
}

bool AcDbDictionary::setName(const ACHAR* oldName, const ACHAR* newName)
{
    if (!isWriteEnabled() || newName == nullptr || newName[0] == 0 || has(newName))
        return false;
    for (auto& e : mEntries)
        if (!e.second.isErased() && acdbSymbolNamesEqual(e.first, oldName)) {
            e.first = newName;
            return true;
        }
    return false;
}

AcDbDictionaryIterator* AcDbDictionary::newIterator() const
{
    return new AcDbDictionaryIterator(liveEntries());
}

Acad::ErrorStatus AcDbDictionary::dxfOutFields(AcDbDxfFiler* filer) const
{
    AcDbObject::dxfOutFields(filer);
    filer->writeSubclass(L"AcDbDictionary");
    filer->writeInt16(281, 1);
    for (const auto& e : liveEntries()) {
        filer->writeString(3, e.first);
        filer->writeObjectId(350, e.second);
    }
    return Acad::eOk;
}

Acad::ErrorStatus AcDbDictionary::dxfInFields(AcDbDxfFiler* filer)
{
    AcDbObject::dxfInFields(filer);
    filer->atSubclassData(L"AcDbDictionary");
    std::wstring key;
    filer->readSubclass([&](const AcDbDxfGroup& g) {
        if (g.code == 3)
            key = g.asString();
        else if ((g.code == 350 || g.code == 360) && !key.empty())
            mEntries.emplace_back(key, filer->readObjectId(g));
    });
    return Acad::eOk;
}
