// The draw order of one block's entities, kept as "ACAD_SORTENTS" in the block's extension
// dictionary. Entities it does not list are drawn in append order, after those it lists;
// new entities are therefore drawn on top.
#pragma once

#include "AcDbObject.h"

#include <vector>

class AcDbSortentsTable : public AcDbObject {
public:
    ACRX_DECLARE_MEMBERS(AcDbSortentsTable);

    AcDbObjectId blockId() const { return mBlockId; }
    Acad::ErrorStatus setBlockId(AcDbObjectId id);

    // The entities must belong to the table's block (eInvalidInput otherwise); the table must
    // be open for write. Moved entities keep their relative order.
    Acad::ErrorStatus moveToTop(const AcDbObjectIdArray& ar);
    Acad::ErrorStatus moveToBottom(const AcDbObjectIdArray& ar);
    Acad::ErrorStatus moveAbove(const AcDbObjectIdArray& ar, AcDbObjectId target);
    Acad::ErrorStatus moveBelow(const AcDbObjectIdArray& ar, AcDbObjectId target);
    // Bottom first: the order in which the block's live entities are drawn.
    Acad::ErrorStatus getFullDrawOrder(AcDbObjectIdArray& ents, Adesk::UInt8 honorSortentsMask = 0) const;
    // The handle that places the entity in the draw order: draw order sorts by it.
    Acad::ErrorStatus getSortHandle(AcDbObjectId id, AcDbHandle& h) const;

    Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;
    Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;

private:
    std::vector<AcDbObjectId> fullOrder() const;
    Acad::ErrorStatus move(const AcDbObjectIdArray& ar, AcDbObjectId target, bool above);

    AcDbObjectId mBlockId;
    // The draw order at the last change; ids of entities added later are not in it.
    std::vector<AcDbObjectId> mOrder;
    // Sort handles as read from a file, applied when the order is first needed.
    std::vector<std::pair<AcDbObjectId, AcDbHandle>> mReadHandles;
};
