// Draw order: the SORTENTS switch and moving entities in the draw-order table of their block,
// with the table found in, or created into, the block's extension dictionary.
#include "MavUtils.h"

#include "MavHelpers.h"

#include "AcApDocManager.h"
#include "AcApDocument.h"
#include "AcDbBlockTableRecord.h"
#include "AcDbDictionary.h"
#include "AcDbEntity.h"
#include "AcDbServices.h"
#include "AcDbSortentsTable.h"
#include "aced.h"

namespace {

constexpr short kSortentsAll = 127;

// The draw-order table of the entity's block, open for write; null when the entity does not
// open or its block has no table and none can be made.
AcDbSortentsTable* sortTableOf(const AcDbObjectId& id)
{
    AcDbEntity* pEnt = nullptr;
    if (acdbOpenAcDbEntity(pEnt, id, AcDb::kForRead, false) != Acad::eOk)
        return nullptr;
    AcDbSortentsTable* pTable = GetOrCreateSortentsTable(pEnt);
    pEnt->close();
    return pTable;
}

} // namespace

void MavUtils::configureSortents()
{
    resbuf value{};
    acedGetVar(L"SORTENTS", &value);
    const short sortents = value.resval.rint;
    if ((sortents & kSortentsAll) == kSortentsAll)
        return;
    SetSortentsVar(static_cast<short>(sortents | kSortentsAll));
}

int MavUtils::sendTop(const AcDbObjectId& id)
{
    AcDbSortentsTable* pTable = sortTableOf(id);
    if (pTable == nullptr)
        return 0;
    AcDbObjectIdArray ids;
    ids.append(id);
    pTable->moveToTop(ids);
    pTable->close();
    return 1;
}

int MavUtils::sendAbove(const AcDbObjectId& id, const AcDbObjectId& target)
{
    AcDbSortentsTable* pTable = sortTableOf(id);
    if (pTable == nullptr)
        return 0;
    AcDbObjectIdArray ids;
    ids.append(id);
    pTable->moveAbove(ids, target);
    pTable->close();
    return 1;
}

AcDbSortentsTable* GetOrCreateSortentsTable(AcDbEntity* pEnt)
{
    // The entity's owner block.
    const AcDbObjectId ownerId = pEnt->ownerId();
    if (ownerId.isNull())
        return nullptr;
    AcDbBlockTableRecord* pBlock = nullptr;
    if (acdbOpenObject(pBlock, ownerId, AcDb::kForRead, false) != Acad::eOk)
        return nullptr;
    // Its extension dictionary, created when missing.
    AcDbObjectId dictId = pBlock->extensionDictionary();
    if (dictId.isNull()) {
        if (pBlock->upgradeOpen() != Acad::eOk) {
            pBlock->close();
            return nullptr;
        }
        pBlock->createExtensionDictionary();
        dictId = pBlock->extensionDictionary();
        if (dictId.isNull()) {
            pBlock->close();
            return nullptr;
        }
    }
    AcDbDictionary* pDict = nullptr;
    const Acad::ErrorStatus es = acdbOpenObject(pDict, dictId, AcDb::kForRead, false);
    pBlock->close();
    if (es != Acad::eOk)
        return nullptr;
    // The table under "ACAD_SORTENTS", or a new one for this block.
    AcDbObject* pFound = nullptr;
    if (pDict->getAt(L"ACAD_SORTENTS", pFound, AcDb::kForWrite) != Acad::eOk) {
        if (pDict->upgradeOpen() != Acad::eOk) {
            pDict->close();
            return nullptr;
        }
        auto* pNew = new AcDbSortentsTable();
        AcDbObjectId tableId;
        if (pDict->setAt(L"ACAD_SORTENTS", pNew, tableId) != Acad::eOk) {
            delete pNew;
            pDict->close();
            return nullptr;
        }
        pNew->setBlockId(ownerId);
        pFound = pNew;
    }
    pDict->close();
    // Only a draw-order table is handed out.
    if (auto* pTable = AcDbSortentsTable::cast(pFound))
        return pTable;
    pFound->close();
    return nullptr;
}

int SetSortentsVar(short value)
{
    resbuf rb{};
    rb.restype = RTSHORT;
    rb.resval.rint = value;
    return acedSetVar(L"SORTENTS", &rb);
}

AcDbDatabase* GetCurrentDocDatabase()
{
    AcApDocument* pDoc = acDocManager->curDocument();
    return pDoc != nullptr ? pDoc->database() : nullptr;
}
