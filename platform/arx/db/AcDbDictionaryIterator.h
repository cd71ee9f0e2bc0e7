// Walks the live entries of a dictionary in the order they were set.
#pragma once

#include "AcDbObject.h"

#include <string>
#include <utility>
#include <vector>

class AcDbDictionaryIterator {
public:
    explicit AcDbDictionaryIterator(std::vector<std::pair<std::wstring, AcDbObjectId>> entries);

    const ACHAR* name() const;
    AcDbObjectId objectId() const;
    Acad::ErrorStatus getObject(AcDbObject*& pObject, AcDb::OpenMode mode = AcDb::kForRead) const;
    bool done() const { return mPos >= mEntries.size(); }
    bool next();
    bool setPosition(AcDbObjectId objId);

private:
    std::vector<std::pair<std::wstring, AcDbObjectId>> mEntries;
    std::size_t mPos = 0;
};
