// The BLOCK and ENDBLK records of a block have handles of their own, given when the block
// joins a database, so the file names them the same on every save.
#include "AcDbBlockTableRecord.h"

#include "AcDbBlockTableRecordIterator.h"
#include "AcDbDatabase.h"
#include "AcDbDxfFiler.h"
#include "AcDbEntity.h"

ACRX_DEFINE_DXF_MEMBERS(AcDbBlockTableRecord, AcDbSymbolTableRecord, L"BLOCK_RECORD")

Acad::ErrorStatus AcDbBlockTableRecord::appendAcDbEntity(AcDbEntity* pEntity)
{
    AcDbObjectId id;
    return appendAcDbEntity(id, pEntity);
}

Acad::ErrorStatus AcDbBlockTableRecord::appendAcDbEntity(AcDbObjectId& pOutputId, AcDbEntity* pEntity)
{
    if (pEntity == nullptr)
        return Acad::eNullObjectPointer;
    if (database() == nullptr)
        return Acad::eNotInDatabase;
    if (!isWriteEnabled())
        return Acad::eNotOpenForWrite;
    if (pEntity->isDatabaseResident())
        return Acad::eAlreadyInDb;
    if (Acad::ErrorStatus es = database()->addAcDbObject(pOutputId, pEntity); es != Acad::eOk)
        return es;
    pEntity->setOwnerId(objectId());
    mEntities.push_back(pOutputId);
    pEntity->objectAddedToDatabase();
    return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockTableRecord::newIterator(
    AcDbBlockTableRecordIterator*& pIterator, bool atBeginning, bool skipDeleted) const
{
    pIterator = new AcDbBlockTableRecordIterator(this, atBeginning, skipDeleted);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockTableRecord::setOrigin(const AcGePoint3d& pt)
{
    if (Acad::ErrorStatus es = checkWritable(); es != Acad::eOk)
        return es;
    mOrigin = pt;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockTableRecord::comments(const ACHAR*& pString) const
{
    pString = mComments.c_str();
    return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockTableRecord::comments(ACHAR*& pString) const
{
    pString = acutNewString(mComments.c_str());
    return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockTableRecord::setComments(const ACHAR* pString)
{
    if (Acad::ErrorStatus es = checkWritable(); es != Acad::eOk)
        return es;
    mComments = pString ? pString : L"";
    return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockTableRecord::pathName(const ACHAR*& pPath) const
{
    pPath = mPathName.c_str();
    return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockTableRecord::pathName(ACHAR*& pPath) const
{
    pPath = acutNewString(mPathName.c_str());
    return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockTableRecord::setPathName(const ACHAR* pathStr)
{
    if (Acad::ErrorStatus es = checkWritable(); es != Acad::eOk)
        return es;
    mPathName = pathStr ? pathStr : L"";
    return Acad::eOk;
}

bool AcDbBlockTableRecord::isLayout() const
{
    return acdbSymbolNamesEqual(name(), L"*Model_Space") || name().rfind(L"*Paper_Space", 0) == 0
        || name().rfind(L"*PAPER_SPACE", 0) == 0;
}

bool AcDbBlockTableRecord::isAnonymous() const
{
    return !name().empty() && name()[0] == L'*' && !isLayout();
}

Acad::ErrorStatus AcDbBlockTableRecord::setLayoutId(const AcDbObjectId& id)
{
    mLayoutId = id;
    return Acad::eOk;
}

std::vector<AcDbObjectId> AcDbBlockTableRecord::takeEntityIds()
{
    std::vector<AcDbObjectId> ids;
    ids.swap(mEntities);
    return ids;
}

void AcDbBlockTableRecord::objectAddedToDatabase()
{
    if (mBeginHandle.isNull())
        mBeginHandle = database()->allocateHandle();
    if (mEndHandle.isNull())
        mEndHandle = database()->allocateHandle();
}

int AcDbBlockTableRecord::blockFlags() const
{
    return (isAnonymous() ? 1 : 0) | (isFromExternalReference() ? 4 : 0);
}

Acad::ErrorStatus AcDbBlockTableRecord::dxfOutFields(AcDbDxfFiler* filer) const
{
    AcDbSymbolTableRecord::dxfOutFields(filer);
    filer->writeSubclass(L"AcDbBlockTableRecord");
    filer->writeString(2, name());
    filer->writeObjectId(340, mLayoutId);
    filer->writeInt16(70, 0);
    filer->writeInt16(280, 1);
    filer->writeInt16(281, 0);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockTableRecord::dxfInFields(AcDbDxfFiler* filer)
{
    AcDbSymbolTableRecord::dxfInFields(filer);
    filer->atSubclassData(L"AcDbBlockTableRecord");
    filer->readSubclass([&](const AcDbDxfGroup& g) {
        if (g.code == 2)
            dxfInName(g.asString());
        else if (g.code == 340)
            mLayoutId = filer->readObjectId(g);
    });
    return Acad::eOk;
}

void AcDbBlockTableRecord::dxfOutBlockBegin(AcDbDxfFiler* filer) const
{
    filer->writeString(0, L"BLOCK");
    filer->writeHandle(5, mBeginHandle);
    filer->writeObjectId(330, objectId());
    filer->writeSubclass(L"AcDbEntity");
    if (filer->database() != nullptr && objectId() == filer->database()->paperSpaceId())
        filer->writeInt16(67, 1);
    filer->writeString(8, L"0");
    filer->writeSubclass(L"AcDbBlockBegin");
    filer->writeString(2, name());
    filer->writeInt16(70, blockFlags());
    filer->writePoint3d(10, mOrigin);
    filer->writeString(3, name());
    filer->writeString(1, mPathName);
    if (!mComments.empty())
        filer->writeString(4, mComments);
}

void AcDbBlockTableRecord::dxfOutBlockEnd(AcDbDxfFiler* filer) const
{
    filer->writeString(0, L"ENDBLK");
    filer->writeHandle(5, mEndHandle);
    filer->writeObjectId(330, objectId());
    filer->writeSubclass(L"AcDbEntity");
    if (filer->database() != nullptr && objectId() == filer->database()->paperSpaceId())
        filer->writeInt16(67, 1);
    filer->writeString(8, L"0");
    filer->writeSubclass(L"AcDbBlockEnd");
}

void AcDbBlockTableRecord::dxfInBlockBegin(AcDbDxfFiler* filer)
{
    AcDbDxfGroup g;
    while (filer->readGroup(g)) {
        switch (g.code) {
        case 5:
            mBeginHandle = g.asHandle();
            filer->database()->noteHandle(mBeginHandle);
            break;
        case 10:
            mOrigin = filer->readPoint3d(g);
            break;
        case 1:
            mPathName = g.asString();
            break;
        case 4:
            mComments = g.asString();
            break;
        default:
            break;
        }
    }
}

void AcDbBlockTableRecord::dxfInBlockEnd(AcDbDxfFiler* filer)
{
    AcDbDxfGroup g;
    while (filer->readGroup(g))
        if (g.code == 5) {
            mEndHandle = g.asHandle();
            filer->database()->noteHandle(mEndHandle);
        }
}
