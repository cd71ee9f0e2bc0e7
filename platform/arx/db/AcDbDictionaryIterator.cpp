// The iterator walks a copy of the entries taken when it was made.
#include "AcDbDictionaryIterator.h"

#include "AcDbServices.h"

AcDbDictionaryIterator::AcDbDictionaryIterator(std::vector<std::pair<std::wstring, AcDbObjectId>> entries)
    : mEntries(std::move(entries))
{
}

const ACHAR* AcDbDictionaryIterator::name() const
{
    return done() ? nullptr : mEntries[mPos].first.c_str();
}

AcDbObjectId AcDbDictionaryIterator::objectId() const
{
    return done() ? AcDbObjectId() : mEntries[mPos].second;
}

Acad::ErrorStatus AcDbDictionaryIterator::getObject(AcDbObject*& pObject, AcDb::OpenMode mode) const
{
    if (done())
        return Acad::eInvalidIndex;
    return acdbOpenAcDbObject(pObject, mEntries[mPos].second, mode);
}

bool AcDbDictionaryIterator::next()
{
    if (!done())
        ++mPos;
    return !done();
}

bool AcDbDictionaryIterator::setPosition(AcDbObjectId objId)
{
    for (std::size_t i = 0; i < mEntries.size(); ++i)
        if (mEntries[i].second == objId) {
            mPos = i;
            return true;
        }
    return false;
}
