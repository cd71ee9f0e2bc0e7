// The library's doorway into the drawing database: appending entities to a block and closing
// them, opening entities, curves, blocks and tables, erasing, groups, transforms and layers.
#include "MavUtils.h"

#include "MavHelpers.h"
#include "MavSymbolTables.h"

#include "AcDbBlockTable.h"
#include "AcDbBlockTableRecord.h"
#include "AcDbCurve.h"
#include "AcDbDatabase.h"
#include "AcDbDictionary.h"
#include "AcDbDimStyleTable.h"
#include "AcDbEntity.h"
#include "AcDbExtents.h"
#include "AcDbGroup.h"
#include "AcDbHostApplicationServices.h"
#include "AcDbLayerTable.h"
#include "AcDbLinetypeTable.h"
#include "AcDbRegAppTable.h"
#include "AcDbServices.h"
#include "AcDbTextStyleTable.h"
#include "AcDbUCSTable.h"
#include "AcDbViewTable.h"
#include "AcDbViewportTable.h"
#include "AcGeEntity2d.h"
#include "AcGeMatrix2d.h"
#include "AcGeMatrix3d.h"
#include "aced.h"

namespace {

// An entity that a failed append left outside every database still belongs to no one but us;
// one that already lives in a database is that database's and must not be freed here.
void discardUnappended(AcDbEntity* pEnt)
{
    if (pEnt != nullptr && !pEnt->isDatabaseResident())
        delete pEnt;
}

// The layer is given by name or by id, as the entity's two setters take it.
template <class Layer>
void setLayerOfEntity(const AcDbObjectId& id, const Layer& layer)
{
    AcDbEntity* pEnt = nullptr;
    const Acad::ErrorStatus es = MavUtils::openEntWithID(id, AcDb::kForWrite, pEnt);
    if (es != Acad::eOk) {
        MavUtils::errorReport(es);
        return;
    }
    pEnt->setLayer(layer, true, false);
    pEnt->close();
}

template <class Table>
Acad::ErrorStatus openTable(AcDbDatabase* pDb, AcDb::OpenMode mode, AcDbSymbolTable*& pTable)
{
    Table* typed = nullptr;
    const Acad::ErrorStatus es = pDb->getSymbolTable(typed, mode);
    pTable = typed;
    return es;
}

} // namespace

void MavUtils::addToBlockTableRecordAndClose(AcDbEntity* pEnt, AcDbBlockTableRecord* pRecord)
{
    AcDbObjectId unused;
    addToBlockTableRecordAndClose(unused, pEnt, pRecord);
}

Acad::ErrorStatus MavUtils::addToCurrentSpace(AcDbEntity* pEnt, AcDbDatabase* pDb)
{
    if (pDb == nullptr)
        return Acad::eNoDatabase;
    if (pEnt == nullptr)
        return Acad::eInvalidInput;
    AcDbBlockTableRecord* pSpace = openCurrentSpaceBlock(AcDb::kForWrite, pDb);
    if (pSpace == nullptr)
        return Acad::eInvalidInput;
    const Acad::ErrorStatus es = pSpace->appendAcDbEntity(pEnt);
    if (es != Acad::eOk)
        BDTAlert(L"addToCurrentSpace");
    pSpace->close();
    return es;
}

Acad::ErrorStatus MavUtils::addToCurrentSpace(AcDbEntity* pEnt) { return addToCurrentSpace(pEnt, WorkingDatabase()); }

Acad::ErrorStatus MavUtils::addToCurrentSpaceAndClose(AcDbEntity* pEnt, AcDbDatabase* pDb)
{
    const Acad::ErrorStatus es = addToCurrentSpace(pEnt, pDb);
    if (es == Acad::eOk)
        pEnt->close();
    else
        discardUnappended(pEnt);
    return es;
}

Acad::ErrorStatus MavUtils::addToCurrentSpaceAndClose(AcDbEntity* pEnt, AcDbObjectId& newId)
{
    // Open the current space of the working database for write.
    AcDbBlockTableRecord* pSpace = openCurrentSpaceBlock(AcDb::kForWrite, WorkingDatabase());
    if (pSpace == nullptr) {
        discardUnappended(pEnt);
        return Acad::eInvalidInput;
    }
    // Append the entity, its id going to the caller.
    Acad::ErrorStatus es = pEnt != nullptr ? pSpace->appendAcDbEntity(newId, pEnt) : Acad::eInvalidInput;
    if (es != Acad::eOk) {
        BDTAlert(L"addToCurrentSpace");
        discardUnappended(pEnt);
        pSpace->close();
        return es;
    }
    // Close the entity until it is really closed.
    es = CloseFully(pEnt);
    pSpace->close();
    return es;
}

Acad::ErrorStatus MavUtils::addToDatabase(AcDbEntity* pEnt, AcDbObjectId& newId)
{
    AcDbBlockTable* pTable = nullptr;
    Acad::ErrorStatus es = openWorkingTable(AcDb::kForRead, pTable);
    if (es != Acad::eOk)
        return es;
    AcDbBlockTableRecord* pModel = nullptr;
    es = pTable->getAt(L"*Model_Space", pModel, AcDb::kForWrite);
    if (es == Acad::eOk) {
        es = pEnt != nullptr ? pModel->appendAcDbEntity(newId, pEnt) : Acad::eInvalidInput;
        if (es == Acad::eOk)
            pEnt->close();
        pModel->close();
    }
    pTable->close();
    return es;
}

Acad::ErrorStatus MavUtils::openEntWithID(AcDbObjectId id, AcDb::OpenMode mode, AcDbEntity*& pEnt)
{
    if (id.isNull() || !id.isValid())
        return Acad::eInvalidInput;
    return acdbOpenAcDbEntity(pEnt, id, mode, false);
}

Acad::ErrorStatus MavUtils::openCurveWithID(const AcDbObjectId& id, AcDb::OpenMode mode, AcDbCurve*& pCurve)
{
    if (id.isNull())
        return Acad::eInvalidInput;
    AcDbEntity* pEnt = nullptr;
    const Acad::ErrorStatus es = openEntWithID(id, mode, pEnt);
    if (es != Acad::eOk)
        return es;
    if (!pEnt->isKindOf(AcDbCurve::desc())) {
        pEnt->close();
        return Acad::eInvalidInput;
    }
    pCurve = AcDbCurve::cast(pEnt);
    return Acad::eOk;
}

AcDbBlockTableRecord* MavUtils::openCurrentSpaceBlock(AcDb::OpenMode mode, AcDbDatabase* pDb)
{
    if (pDb == nullptr)
        return nullptr;
    AcDbBlockTableRecord* pRecord = nullptr;
    if (acdbOpenObject(pRecord, pDb->currentSpaceId(), mode, false) != Acad::eOk)
        return nullptr;
    return pRecord;
}

Acad::ErrorStatus MavUtils::openBlockDef(
    const wchar_t* blockName, AcDbBlockTableRecord*& pRecord, AcDb::OpenMode mode, AcDbDatabase* pDb)
{
    if (pDb == nullptr)
        return Acad::eNoDatabase;
    AcDbBlockTable* pTable = nullptr;
    Acad::ErrorStatus es = pDb->getBlockTable(pTable, AcDb::kForRead);
    if (es != Acad::eOk)
        return es;
    es = pTable->getAt(blockName, pRecord, mode, false);
    if (es != Acad::eOk && es != Acad::eKeyNotFound)
        BDTAlert(L"openBlockDef");
    pTable->close();
    return es;
}

AcDbSymbolTable* MavUtils::openSymbolTable(AcRxClass* recordClass, AcDb::OpenMode mode, AcDbDatabase* pDb)
{
    AcDbSymbolTable* pTable = nullptr;
    Acad::ErrorStatus es = Acad::eInvalidInput;
    if (pDb == nullptr)
        es = Acad::eNoDatabase;
    else if (recordClass == AcDbBlockTableRecord::desc())
        es = openTable<AcDbBlockTable>(pDb, mode, pTable);
    else if (recordClass == AcDbDimStyleTableRecord::desc())
        es = openTable<AcDbDimStyleTable>(pDb, mode, pTable);
    else if (recordClass == AcDbLayerTableRecord::desc())
        es = openTable<AcDbLayerTable>(pDb, mode, pTable);
    else if (recordClass == AcDbLinetypeTableRecord::desc())
        es = openTable<AcDbLinetypeTable>(pDb, mode, pTable);
    else if (recordClass == AcDbTextStyleTableRecord::desc())
        es = openTable<AcDbTextStyleTable>(pDb, mode, pTable);
    else if (recordClass == AcDbRegAppTableRecord::desc())
        es = openTable<AcDbRegAppTable>(pDb, mode, pTable);
    else if (recordClass == AcDbUCSTableRecord::desc())
        es = openTable<AcDbUCSTable>(pDb, mode, pTable);
    else if (recordClass == AcDbViewTableRecord::desc())
        es = openTable<AcDbViewTable>(pDb, mode, pTable);
    else if (recordClass == AcDbViewportTableRecord::desc())
        es = openTable<AcDbViewportTable>(pDb, mode, pTable);
    if (es != Acad::eOk) {
        errorReport(es);
        return nullptr;
    }
    return pTable;
}

void MavUtils::deleteObj(AcDbObjectId id)
{
    if (id.isNull() || !id.isValid())
        return;
    AcDbObject* pObj = nullptr;
    acdbOpenAcDbObject(pObj, id, AcDb::kForWrite, false);
    if (pObj == nullptr)
        return;
    pObj->erase();
    pObj->close();
}

MavUtils::MavUtils() = default;

MavUtils::MavUtils(const MavUtils&) { }

MavUtils& MavUtils::operator=(const MavUtils&) { return *this; }

MavUtils::~MavUtils() = default;

// This form makes no linetype; its callers take the success it answers.
Acad::ErrorStatus MavUtils::createLinetypeEx(const wchar_t*, AcDbObjectId&) { return Acad::eOk; }

// This form offsets nothing; its callers take the success it answers.
Acad::ErrorStatus MavUtils::offsetCurve(
    const AcDbObjectId&, const AcDbObjectId&, const AcDbObjectId&, double, AcDbEntity*&)
{
    return Acad::eOk;
}

void MavUtils::addToBlockTableRecordAndClose(AcDbObjectId& newId, AcDbEntity* pEnt, AcDbBlockTableRecord* pRecord)
{
    if (pEnt == nullptr || pRecord == nullptr)
        return;
    pRecord->appendAcDbEntity(newId, pEnt);
    if (pEnt->isDatabaseResident())
        pEnt->close();
    else
        discardUnappended(pEnt);
}

Acad::ErrorStatus MavUtils::addToCurrentSpaceAndClose(AcDbEntity* pEnt)
{
    return addToCurrentSpaceAndClose(pEnt, WorkingDatabase());
}

int MavUtils::addToSymbolTableAndClose(AcDbSymbolTableRecord* pRecord, AcDbObjectId& newId)
{
    if (pRecord == nullptr)
        return 0;
    AcDbSymbolTable* pTable = openSymbolTable(pRecord->isA(), AcDb::kForWrite, WorkingDatabase());
    if (pTable == nullptr)
        return 0;
    int added = 1;
    if (pTable->add(newId, pRecord) == Acad::eOk) {
        pRecord->close();
    } else {
        BDTAlert(L"addToSymbolTableAndClose");
        if (!pRecord->isDatabaseResident())
            delete pRecord;
        added = 0;
    }
    pTable->close();
    return added;
}

void MavUtils::addToGroup(AcArray<AcDbObjectId>& ids, CString name)
{
    // Drop repeated ids; nothing left, no group.
    purgeAcArray(ids);
    if (ids.isEmpty())
        return;
    // Open the group dictionary; the platform takes members only into a group that is
    // already filed in a database, so the group is filed before its members are appended.
    AcDbDatabase* pDb = WorkingDatabase();
    AcDbDictionary* pGroups = nullptr;
    if (pDb == nullptr || pDb->getGroupDictionary(pGroups, AcDb::kForWrite) != Acad::eOk)
        return;
    // A taken name gets the drawing's date once, then "1" until it is free.
    CString key = name;
    if (pGroups->has(key)) {
        resbuf date{};
        acedGetVar(L"CDATE", &date);
        CString stamp;
        stamp.Format(L"%.6f", date.resval.rreal);
        key += stamp;
        while (pGroups->has(key))
            key += L"1";
    }
    auto* pGroup = new AcDbGroup();
    AcDbObjectId groupId;
    if (pGroups->setAt(key, pGroup, groupId) != Acad::eOk) {
        delete pGroup;
        pGroups->close();
        return;
    }
    // Append the members in array order.
    for (int i = 0; i < ids.length(); ++i)
        pGroup->append(ids[i]);
    pGroups->close();
    pGroup->close();
}

void MavUtils::deleteObjs(AcArray<AcDbObjectId>& ids)
{
    for (int i = 0; i < ids.length(); ++i) {
        AcDbObject* pObj = nullptr;
        if (acdbOpenAcDbObject(pObj, ids[i], AcDb::kForWrite) != Acad::eOk)
            continue;
        pObj->erase();
        pObj->close();
    }
}

int MavUtils::updateDbEntity(const AcDbObjectId& id)
{
    ads_name ename = {0, 0};
    objIdToEname(id, ename);
    return acdbEntUpd(ename);
}

void MavUtils::doTransformBy(AcGePoint2d& point, const AcGeMatrix2d& mat) { point.transformBy(mat); }

void MavUtils::doTransformBy(AcDbEntity* pEnt, const AcGeMatrix3d& mat, int report)
{
    if (pEnt == nullptr)
        return;
    Acad::ErrorStatus es = pEnt->upgradeOpen();
    if (es == Acad::eOk)
        es = pEnt->transformBy(mat);
    if (es != Acad::eOk && report != 0)
        errorReport(es);
}

void MavUtils::doTransformBy(AcGeEntity2d* pEnt, const AcGeMatrix2d& mat)
{
    if (pEnt != nullptr)
        pEnt->transformBy(mat);
}

void MavUtils::scaleToSize(AcGeEntity2d* pEnt, double factor, const AcGePoint2d& base)
{
    doTransformBy(pEnt, AcGeMatrix2d::scaling(factor, base));
}

Acad::ErrorStatus MavUtils::getCurveExtents(AcDbCurve* pCurve, AcDbExtents& extents)
{
    if (pCurve == nullptr)
        return Acad::eInvalidInput;
    return pCurve->getGeomExtents(extents);
}

void MavUtils::sendDbEntityToLayer(const AcDbObjectId& id, const CString& layerName)
{
    setLayerOfEntity(id, static_cast<const wchar_t*>(layerName));
}

void MavUtils::sendDbEntityToLayer(const AcDbObjectId& id, const AcDbObjectId& layerId)
{
    setLayerOfEntity(id, layerId);
}
