// A block: model space, paper space, a named or anonymous block, or an external reference
// (a block whose entities live in another drawing named by its path). Holds its entities in
// the order they were appended.
#pragma once

#include "AcDbSymbolTableRecord.h"
#include "AcGePoint3d.h"

#include <vector>

class AcDbBlockTableRecordIterator;
class AcDbEntity;

class AcDbBlockTableRecord : public AcDbSymbolTableRecord {
public:
    ACRX_DECLARE_MEMBERS(AcDbBlockTableRecord);

    // The record must be in a database and open for write (45 otherwise); the entity must be
    // new (26 when already in a database). The entity gets its id, this record as owner and
    // the database's current values for what was not set; it stays open for write.
    Acad::ErrorStatus appendAcDbEntity(AcDbEntity* pEntity);
    Acad::ErrorStatus appendAcDbEntity(AcDbObjectId& pOutputId, AcDbEntity* pEntity);
    Acad::ErrorStatus newIterator(
        AcDbBlockTableRecordIterator*& pIterator, bool atBeginning = true, bool skipDeleted = true) const;

    AcGePoint3d origin() const { return mOrigin; }
    Acad::ErrorStatus setOrigin(const AcGePoint3d& pt);
    Acad::ErrorStatus comments(const ACHAR*& pString) const;
    Acad::ErrorStatus comments(ACHAR*& pString) const;
    Acad::ErrorStatus setComments(const ACHAR* pString);
    // The referenced drawing of an external reference; empty for a block of this drawing.
    Acad::ErrorStatus pathName(const ACHAR*& pPath) const;
    Acad::ErrorStatus pathName(ACHAR*& pPath) const;
    Acad::ErrorStatus setPathName(const ACHAR* pathStr);
    bool isFromExternalReference() const { return !mPathName.empty(); }
    bool isAnonymous() const;
    bool isLayout() const;
    bool hasAttributeDefinitions() const { return false; }
    AcDbObjectId getLayoutId() const { return mLayoutId; }
    Acad::ErrorStatus setLayoutId(const AcDbObjectId& id);

    // The entities in append order, erased ones included.
    const std::vector<AcDbObjectId>& entityIds() const { return mEntities; }
    // For the DXF reader: an entity read from a file joins its block.
    void appendReadEntity(AcDbObjectId id) { mEntities.push_back(id); }
    // Moves entities out (for insert); they are the caller's to re-own.
    std::vector<AcDbObjectId> takeEntityIds();

    void objectAddedToDatabase() override;
    Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;
    Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
    // The BLOCK and ENDBLK records of the BLOCKS section, which carry the origin, the flags,
    // the path and the description.
    void dxfOutBlockBegin(AcDbDxfFiler* filer) const;
    void dxfOutBlockEnd(AcDbDxfFiler* filer) const;
    void dxfInBlockBegin(AcDbDxfFiler* filer);
    void dxfInBlockEnd(AcDbDxfFiler* filer);

private:
    int blockFlags() const;

    std::vector<AcDbObjectId> mEntities;
    AcGePoint3d mOrigin;
    std::wstring mComments;
    std::wstring mPathName;
    AcDbObjectId mLayoutId;
    AcDbHandle mBeginHandle;
    AcDbHandle mEndHandle;
};
