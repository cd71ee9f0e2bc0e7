// Inserting a drawing as a block copies objects between databases through their own DXF
// fields: each copied object is written from the source and read into the target, with
// handles translated to the copies (or to the target's records of the same name).
#include "CodePage.h"
#include "AcDbDatabase.h"

#include "AcDb2dPolyline.h"
#include "AcDb3dPolyline.h"
#include "AcDbBlockTable.h"
#include "AcDbDimStyleTable.h"
#include "AcDbDxfReader.h"
#include "AcDbLayerTable.h"
#include "AcDbLinetypeTable.h"
#include "AcDbRegAppTable.h"
#include "AcDbStub.h"
#include "AcDbTextStyleTable.h"
#include "CString.h"

#include <algorithm>
#include <cwchar>
#include <map>
#include <set>

namespace {

class Copier {
public:
    Copier(AcDbDatabase* source, AcDbDatabase* target)
        : mSource(source)
        , mTarget(target)
    {
    }

    void mapTo(AcDbObjectId from, AcDbObjectId to) { mMap[from.handle().value()] = to; }
    // Reserves the copy's id, so references to it read right whatever the copying order.
    void reserve(AcDbObjectId from) { mMap[from.handle().value()] = mTarget->stubForHandle(mTarget->allocateHandle()); }
    bool isMapped(AcDbObjectId from) const { return mMap.count(from.handle().value()) != 0; }
    AcDbObjectId mapped(AcDbObjectId from) const { return mMap.at(from.handle().value()); }
    void renameBlock(const std::wstring& from, const std::wstring& to) { mBlockNames[from] = to; }

    // Copies one reserved object; the copy is closed and has joined its target's database.
    AcDbObject* copy(AcDbObjectId from)
    {
        const AcDbObject* src = AcDbDatabase::peek(from);
        std::string text;
        AcDbDxfFiler out(mSource, text);
        src->dxfOutFields(&out);
        src->dxfOutXData(&out);
        std::vector<AcDbDxfGroup> groups;
        AcDbDxfReader::tokenize(text, groups);
        std::vector<AcDbDxfGroup> fields, xdata;
        for (AcDbDxfGroup& g : groups) {
            // Block names in references follow renamed blocks.
            if (g.code == 2
                && (src->isA()->dxfName() == std::wstring(L"INSERT")
                    || src->isA()->dxfName() == std::wstring(L"DIMENSION"))) {
                const auto it = mBlockNames.find(g.asString());
                if (it != mBlockNames.end())
                    g.value = WideToUtf8Lossy(it->second);
            }
            (g.code >= 1000 || !xdata.empty() ? xdata : fields).push_back(g);
        }
        auto* obj = AcDbObject::cast(src->isA()->create());
        AcDbStub* stub = mapped(from);
        stub->attach(std::unique_ptr<AcDbObject>(obj));
        obj->setDatabaseStub(stub);
        AcDbDxfFiler in(mTarget, fields);
        in.setHandleMap(&mStubs);
        obj->dxfInFields(&in);
        obj->dxfInXData(xdata);
        obj->objectAddedToDatabase();
        obj->close();
        return obj;
    }

    // The handle map the readers use, made once all copies are reserved.
    void freeze()
    {
        for (const auto& [h, id] : mMap)
            mStubs[h] = id;
    }

private:
    AcDbDatabase* mSource;
    AcDbDatabase* mTarget;
    std::map<Adesk::UInt64, AcDbObjectId> mMap;
    std::map<Adesk::UInt64, AcDbStub*> mStubs;
    std::map<std::wstring, std::wstring> mBlockNames;
};

// The next "*Dn"/"*Un"-style name free in the target's block table and not yet given out.
std::wstring freeAnonymousName(AcDbDatabase* db, const std::wstring& prefix, std::set<std::wstring>& taken)
{
    for (long n = 1;; ++n) {
        const std::wstring name = prefix + std::to_wstring(n);
        if (db->symbolId(db->blockTableId(), name.c_str()).isNull() && taken.insert(name).second)
            return name;
    }
}

bool isSpace(const std::wstring& name)
{
    return acdbSymbolNamesEqual(name, L"*Model_Space") || acdbSymbolNamesEqual(name, L"*Paper_Space");
}

} // namespace

Acad::ErrorStatus AcDbDatabase::insert(AcDbObjectId& blockId, const ACHAR* pBlockName, AcDbDatabase* pDb, bool)
{
    if (pDb == nullptr)
        return Acad::eNullObjectPointer;
    if (pDb == this)
        return Acad::eSelfReference;
    if (acdbSNValid(pBlockName, false) != RTNORM)
        return Acad::eInvalidInput;
    if (!pDb->symbolId(pDb->blockTableId(), pBlockName).isNull())
        return Acad::eSelfReference;

    // The target block: made when missing, emptied when it holds entities.
    AcDbObjectId target = symbolId(mBlockTable, pBlockName);
    if (target.isNull()) {
        auto* table = AcDbBlockTable::cast(peek(mBlockTable));
        auto* block = new AcDbBlockTableRecord();
        block->setName(pBlockName);
        const bool wasWrite = table->isWriteEnabled();
        if (!wasWrite && table->openFor(AcDb::kForWrite, false) != Acad::eOk) {
            delete block;
            return Acad::eWasOpenForRead;
        }
        const Acad::ErrorStatus es = table->add(target, block);
        if (es == Acad::eOk)
            block->close();
        else
            delete block;
        if (!wasWrite)
            table->close();
        if (es != Acad::eOk)
            return es;
    }
    auto* targetBlock = AcDbBlockTableRecord::cast(peek(target));
    for (const AcDbObjectId& id : targetBlock->entityIds()) {
        AcDbObject* ent = peek(id);
        if (ent != nullptr && !ent->isErased() && ent->openFor(AcDb::kForWrite, false) == Acad::eOk) {
            ent->erase();
            ent->close();
        }
    }

    // Which source objects are copied, and which map to the target's records of that name.
    Copier copier(pDb, this);
    std::vector<std::pair<AcDbObjectId, AcDbObjectId>> newRecords; // record, target table
    const std::pair<AcDbObjectId, AcDbObjectId> tables[] = {
        { pDb->regAppTableId(), mRegAppTable },
        { pDb->linetypeTableId(), mLinetypeTable },
        { pDb->layerTableId(), mLayerTable },
        { pDb->textStyleTableId(), mTextStyleTable },
        { pDb->blockTableId(), mBlockTable },
        { pDb->dimStyleTableId(), mDimStyleTable },
    };
    std::vector<AcDbObjectId> blocksToFill;
    std::map<AcDbObjectId, std::wstring> anonymousNames;
    std::set<std::wstring> taken;
    for (const auto& [srcTable, dstTable] : tables) {
        auto* table = AcDbSymbolTable::cast(peek(srcTable));
        for (const AcDbObjectId& id : table->recordIds()) {
            if (id.isErased())
                continue;
            const std::wstring name = symbolName(id);
            if (srcTable == pDb->blockTableId()) {
                if (acdbSymbolNamesEqual(name, L"*Model_Space")) {
                    copier.mapTo(id, target);
                    continue;
                }
                if (isSpace(name))
                    continue;
                if (name[0] == L'*') {
                    anonymousNames[id] = freeAnonymousName(this, name.substr(0, 2), taken);
                    copier.renameBlock(name, anonymousNames[id]);
                } else if (!symbolId(dstTable, name.c_str()).isNull()) {
                    copier.mapTo(id, symbolId(dstTable, name.c_str()));
                    continue;
                }
                blocksToFill.push_back(id);
            } else if (!symbolId(dstTable, name.c_str()).isNull()) {
                copier.mapTo(id, symbolId(dstTable, name.c_str()));
                continue;
            }
            copier.reserve(id);
            newRecords.emplace_back(id, dstTable);
        }
    }
    std::vector<AcDbObjectId> entities;
    blocksToFill.push_back(pDb->modelSpaceId());
    for (const AcDbObjectId& blockIdInSource : blocksToFill) {
        for (const AcDbObjectId& id : AcDbBlockTableRecord::cast(peek(blockIdInSource))->entityIds()) {
            if (id.isErased())
                continue;
            copier.reserve(id);
            entities.push_back(id);
            AcDbObjectIdArray owned;
            peek(id)->subObjectIds(owned);
            for (const AcDbObjectId& vertex : owned)
                copier.reserve(vertex);
        }
    }
    copier.freeze();

    // Records first (entities name them), then the entities into their blocks.
    for (const auto& [id, dstTable] : newRecords) {
        AcDbObject* copy = copier.copy(id);
        copy->setOwnerId(dstTable);
        AcDbSymbolTable::cast(peek(dstTable))->appendReadRecord(copy->objectId());
    }
    for (const auto& [id, name] : anonymousNames) {
        auto* block = AcDbBlockTableRecord::cast(peek(copier.mapped(id)));
        block->openFor(AcDb::kForWrite, false);
        block->setName(name.c_str());
        block->close();
    }
    for (const AcDbObjectId& id : entities) {
        AcDbObject* copy = copier.copy(id);
        if (auto* block = AcDbBlockTableRecord::cast(peek(copy->ownerId())))
            block->appendReadEntity(copy->objectId());
        AcDbObjectIdArray owned;
        peek(id)->subObjectIds(owned);
        for (const AcDbObjectId& vertex : owned) {
            AcDbObject* vertexCopy = copier.copy(vertex);
            if (auto* p2 = AcDb2dPolyline::cast(copy))
                p2->appendReadVertex(vertexCopy->objectId());
            else if (auto* p3 = AcDb3dPolyline::cast(copy))
                p3->appendReadVertex(vertexCopy->objectId());
        }
    }
    blockId = target;
    return Acad::eOk;
}
