// The root dictionary is the first object, as readers take the first dictionary for it.
// Erased objects are left out, and references to them are written as "0".
#include "AcDbDxfWriter.h"

#include "AcDbBlockTable.h"
#include "AcDbDatabase.h"
#include "AcDbDictionary.h"
#include "AcDbDimStyleTable.h"
#include "AcDbDxfFiler.h"
#include "AcDbEntity.h"
#include "AcDbLayerTable.h"
#include "AcDbLinetypeTable.h"
#include "AcDbRegAppTable.h"
#include "AcDbTextStyleTable.h"
#include "AcDbUCSTable.h"
#include "AcDbViewTable.h"
#include "AcDbViewportTable.h"

#include <set>

namespace {

// Classes that need a CLASS record (the format's built-in records do not).
struct ClassRecord {
    const ACHAR* dxfName;
    const ACHAR* cppName;
    int proxyFlags;
    bool isEntity;
};

const ClassRecord kClassRecords[] = {
    { L"ACDBPLACEHOLDER", L"AcDbPlaceHolder", 0, false },
    { L"LAYOUT", L"AcDbLayout", 0, false },
    { L"SORTENTSTABLE", L"AcDbSortentsTable", 0, false },
    { L"WIPEOUTVARIABLES", L"AcDbWipeoutVariables", 0, false },
    { L"WIPEOUT", L"AcDbWipeout", 127, true },
};

void writeSectionStart(AcDbDxfFiler& f, const ACHAR* name)
{
    f.writeString(0, L"SECTION");
    f.writeString(2, name);
}

} // namespace

AcDbDxfWriter::AcDbDxfWriter(AcDbDatabase* db)
    : mDb(db)
{
}

std::string AcDbDxfWriter::write()
{
    std::string out;
    // A drawing sheet's text is about a megabyte: room for it at once, so it seldom moves.
    out.reserve(std::size_t{1} << 20);
    AcDbDxfFiler f(mDb, out);
    writeHeader(f);
    writeClasses(f);
    writeTables(f);
    writeBlocks(f);
    writeEntities(f);
    writeObjects(f);
    f.writeString(0, L"EOF");
    return out;
}

void AcDbDxfWriter::writeHeader(AcDbDxfFiler& f)
{
    writeSectionStart(f, L"HEADER");
    auto var = [&](const ACHAR* name) { f.writeString(9, name); };
    var(L"$ACADVER");
    f.writeString(1, L"AC1021");
    var(L"$DWGCODEPAGE");
    f.writeString(3, L"ANSI_936");
    var(L"$INSBASE");
    f.writePoint3d(10, mDb->insbase());
    var(L"$EXTMIN");
    f.writePoint3d(10, mDb->extmin());
    var(L"$EXTMAX");
    f.writePoint3d(10, mDb->extmax());
    var(L"$LTSCALE");
    f.writeDouble(40, mDb->ltscale());
    var(L"$TEXTSIZE");
    f.writeDouble(40, mDb->textsize());
    var(L"$CLAYER");
    f.writeString(8, AcDbDatabase::symbolName(mDb->clayer()));
    var(L"$CELTYPE");
    f.writeString(6, AcDbDatabase::symbolName(mDb->celtype()));
    var(L"$CECOLOR");
    f.writeInt16(62, mDb->cecolor().colorIndex());
    var(L"$CELTSCALE");
    f.writeDouble(40, mDb->celtscale());
    var(L"$CELWEIGHT");
    f.writeInt16(370, mDb->celweight());
    var(L"$TEXTSTYLE");
    f.writeString(7, AcDbDatabase::symbolName(mDb->textstyle()));
    var(L"$DIMSTYLE");
    f.writeString(2, AcDbDatabase::symbolName(mDb->dimstyle()));
    var(L"$PDMODE");
    f.writeInt16(70, mDb->pdmode());
    var(L"$PDSIZE");
    f.writeDouble(40, mDb->pdsize());
    var(L"$TILEMODE");
    f.writeInt16(70, mDb->tilemode() ? 1 : 0);
    var(L"$HANDSEED");
    f.writeHandle(5, mDb->handseed());
    f.writeString(0, L"ENDSEC");
}

void AcDbDxfWriter::writeClasses(AcDbDxfFiler& f)
{
    writeSectionStart(f, L"CLASSES");
    std::set<std::wstring> present;
    for (const AcDbObjectId& id : mDb->allObjectIds())
        if (!id.isErased())
            present.insert(id.objectClass()->dxfName());
    for (const ClassRecord& c : kClassRecords) {
        if (!present.count(c.dxfName))
            continue;
        f.writeString(0, L"CLASS");
        f.writeString(1, c.dxfName);
        f.writeString(2, c.cppName);
        f.writeString(3, L"ObjectDBX Classes");
        f.writeInt32(90, c.proxyFlags);
        f.writeInt32(91, 0);
        f.writeInt16(280, 0);
        f.writeInt16(281, c.isEntity ? 1 : 0);
    }
    f.writeString(0, L"ENDSEC");
}

void AcDbDxfWriter::writeRecord(AcDbDxfFiler& f, const AcDbObject* obj)
{
    f.writeString(0, obj->isA()->dxfName());
    obj->dxfOutFields(&f);
    obj->dxfOutXData(&f);
}

void AcDbDxfWriter::writeTables(AcDbDxfFiler& f)
{
    writeSectionStart(f, L"TABLES");
    const AcDbObjectId tables[] = { mDb->viewportTableId(), mDb->linetypeTableId(), mDb->layerTableId(),
        mDb->textStyleTableId(), mDb->viewTableId(), mDb->UCSTableId(), mDb->regAppTableId(), mDb->dimStyleTableId(),
        mDb->blockTableId() };
    for (const AcDbObjectId& tableId : tables) {
        auto* table = AcDbSymbolTable::cast(AcDbDatabase::peek(tableId));
        if (table == nullptr)
            continue;
        f.writeString(0, L"TABLE");
        f.writeString(2, table->dxfTableName());
        table->dxfOutFields(&f);
        for (const AcDbObjectId& id : table->recordIds())
            if (!id.isErased())
                writeRecord(f, AcDbDatabase::peek(id));
        f.writeString(0, L"ENDTAB");
    }
    f.writeString(0, L"ENDSEC");
}

void AcDbDxfWriter::writeEntity(AcDbDxfFiler& f, const AcDbEntity* ent)
{
    writeRecord(f, ent);
    AcDbObjectIdArray owned;
    ent->subObjectIds(owned);
    for (const AcDbObjectId& id : owned)
        if (!id.isErased())
            writeRecord(f, AcDbDatabase::peek(id));
    const AcDbHandle seqEnd = ent->sequenceEndHandle();
    if (!seqEnd.isNull()) {
        f.writeString(0, L"SEQEND");
        f.writeHandle(5, seqEnd);
        f.writeObjectId(330, ent->objectId());
        f.writeSubclass(L"AcDbEntity");
        if (ent->ownerId() == mDb->paperSpaceId())
            f.writeInt16(67, 1);
        f.writeString(8, AcDbDatabase::symbolName(ent->layerId()));
    }
}

void AcDbDxfWriter::writeEntitiesOf(AcDbDxfFiler& f, const AcDbObject* block)
{
    for (const AcDbObjectId& id : static_cast<const AcDbBlockTableRecord*>(block)->entityIds())
        if (auto* ent = AcDbEntity::cast(AcDbDatabase::peek(id)); ent && !ent->isErased())
            writeEntity(f, ent);
}

void AcDbDxfWriter::writeBlocks(AcDbDxfFiler& f)
{
    writeSectionStart(f, L"BLOCKS");
    auto* blocks = AcDbBlockTable::cast(AcDbDatabase::peek(mDb->blockTableId()));
    for (const AcDbObjectId& id : blocks->recordIds()) {
        auto* block = AcDbBlockTableRecord::cast(AcDbDatabase::peek(id));
        if (block == nullptr || block->isErased())
            continue;
        block->dxfOutBlockBegin(&f);
        // Model and paper space entities go to the ENTITIES section; an external reference's
        // entities live in its own drawing.
        if (!block->isLayout() && !block->isFromExternalReference())
            writeEntitiesOf(f, block);
        block->dxfOutBlockEnd(&f);
    }
    f.writeString(0, L"ENDSEC");
}

void AcDbDxfWriter::writeEntities(AcDbDxfFiler& f)
{
    writeSectionStart(f, L"ENTITIES");
    for (const AcDbObjectId& space : { mDb->modelSpaceId(), mDb->paperSpaceId() })
        if (AcDbObject* block = AcDbDatabase::peek(space))
            writeEntitiesOf(f, block);
    f.writeString(0, L"ENDSEC");
}

void AcDbDxfWriter::writeObjects(AcDbDxfFiler& f)
{
    writeSectionStart(f, L"OBJECTS");
    if (AcDbObject* root = AcDbDatabase::peek(mDb->namedObjectsDictionaryId()))
        writeRecord(f, root);
    for (const AcDbObjectId& id : mDb->allObjectIds()) {
        const AcDbObject* obj = AcDbDatabase::peek(id);
        if (obj->isErased() || id == mDb->namedObjectsDictionaryId() || obj->isKindOf(AcDbEntity::desc())
            || obj->isKindOf(AcDbSymbolTable::desc()) || obj->isKindOf(AcDbSymbolTableRecord::desc()))
            continue;
        writeRecord(f, obj);
    }
    f.writeString(0, L"ENDSEC");
}
