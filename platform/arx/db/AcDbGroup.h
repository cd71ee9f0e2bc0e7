// A named selection of entities of one drawing, kept in the group dictionary under its name.
#pragma once

#include "AcDbObject.h"

#include <string>
#include <vector>

class AcDbGroup : public AcDbObject {
public:
    ACRX_DECLARE_MEMBERS(AcDbGroup);

    AcDbGroup() = default;
    explicit AcDbGroup(const ACHAR* grpDesc, bool selectable = true);

    const ACHAR* description() const { return mDescription.c_str(); }
    Acad::ErrorStatus setDescription(const ACHAR* grpDesc);
    bool isSelectable() const { return mSelectable; }
    Acad::ErrorStatus setSelectable(bool selectable);
    bool isAnonymous() const { return mAnonymous; }
    Acad::ErrorStatus setAnonymous();
    // The group's key in the group dictionary.
    Acad::ErrorStatus getName(ACHAR*& name) const;
    Acad::ErrorStatus setName(const ACHAR* newName);

    // The group must be open for write and in a database; the entity must be in the same
    // database (eInvalidInput otherwise, and for an entity already in the group).
    Acad::ErrorStatus append(AcDbObjectId id);
    Acad::ErrorStatus append(const AcDbObjectIdArray& ids);
    Acad::ErrorStatus prepend(AcDbObjectId id);
    Acad::ErrorStatus insertAt(Adesk::UInt32 idx, AcDbObjectId id);
    Acad::ErrorStatus remove(AcDbObjectId id);
    Acad::ErrorStatus removeAt(Adesk::UInt32 idx);
    Acad::ErrorStatus clear();
    Adesk::UInt32 numEntities() const;
    // The live members in group order.
    Adesk::UInt32 allEntityIds(AcDbObjectIdArray& ids) const;
    bool has(const AcDbObject* pEntity) const;

    Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;
    Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;

private:
    Acad::ErrorStatus checkMember(AcDbObjectId id) const;

    std::wstring mDescription;
    bool mSelectable = true;
    bool mAnonymous = false;
    std::vector<AcDbObjectId> mEntities;
};
