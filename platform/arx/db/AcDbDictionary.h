// A dictionary: objects by name (names compare without regard to case), owned by the
// dictionary. The named-objects dictionary, the group dictionary and extension dictionaries
// are dictionaries.
#pragma once

#include "AcDbObject.h"

#include <string>
#include <utility>
#include <vector>

class AcDbDictionaryIterator;

class AcDbDictionary : public AcDbObject {
public:
    ACRX_DECLARE_MEMBERS(AcDbDictionary);

    // eKeyNotFound for a name with no live entry.
    Acad::ErrorStatus getAt(const ACHAR* entryName, AcDbObject*& entryObj, AcDb::OpenMode mode) const;
    Acad::ErrorStatus getAt(const ACHAR* entryName, AcDbObjectId& entryObjId) const;
    Acad::ErrorStatus nameAt(AcDbObjectId objId, ACHAR*& entryName) const;
    bool has(const ACHAR* entryName) const;
    bool has(AcDbObjectId objId) const;
    Adesk::UInt32 numEntries() const;

    // The dictionary must be open for write and in a database. A new object is added to the
    // database; the dictionary becomes its owner. An entry of that name is replaced and its
    // old object erased. The object stays open as it was.
    Acad::ErrorStatus setAt(const ACHAR* srchKey, AcDbObject* newValue, AcDbObjectId& retObjId);
    Acad::ErrorStatus remove(const ACHAR* key);
    Acad::ErrorStatus remove(const ACHAR* key, AcDbObjectId& returnId);
    Acad::ErrorStatus remove(AcDbObjectId objId);
    bool setName(const ACHAR* oldName, const ACHAR* newName);

    AcDbDictionaryIterator* newIterator() const;
    // Live entries in the order they were set.
    std::vector<std::pair<std::wstring, AcDbObjectId>> liveEntries() const;

    Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;
    Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;

private:
    std::vector<std::pair<std::wstring, AcDbObjectId>>::const_iterator find(const ACHAR* key) const;

    std::vector<std::pair<std::wstring, AcDbObjectId>> mEntries;
};
