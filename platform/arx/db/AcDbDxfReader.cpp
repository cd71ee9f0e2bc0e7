// Sections are split into records first, then read in the order references need: tables
// (names used by entities), blocks, entities, objects; header names are resolved last.
#include "AcDbDxfReader.h"

#include "AcDb2dPolyline.h"
#include "AcDb3dPolyline.h"
#include "AcDbBlockTable.h"
#include "AcDbDatabase.h"
#include "AcDbDictionary.h"
#include "AcDbDimStyleTable.h"
#include "AcDbLayerTable.h"
#include "AcDbLinetypeTable.h"
#include "AcDbRegAppTable.h"
#include "AcDbStub.h"
#include "AcDbTextStyleTable.h"
#include "AcDbUCSTable.h"
#include "AcDbViewTable.h"
#include "AcDbViewportTable.h"
#include "CString.h"

#include <cstdint>
#include <functional>
#include <memory>

namespace {

AcDbSymbolTable* newTable(const std::wstring& name)
{
    static const std::map<std::wstring, std::function<AcDbSymbolTable*()>> kTables = {
        { L"BLOCK_RECORD", [] { return new AcDbBlockTable(); } },
        { L"LAYER", [] { return new AcDbLayerTable(); } },
        { L"LTYPE", [] { return new AcDbLinetypeTable(); } },
        { L"STYLE", [] { return new AcDbTextStyleTable(); } },
        { L"DIMSTYLE", [] { return new AcDbDimStyleTable(); } },
        { L"APPID", [] { return new AcDbRegAppTable(); } },
        { L"UCS", [] { return new AcDbUCSTable(); } },
        { L"VIEW", [] { return new AcDbViewTable(); } },
        { L"VPORT", [] { return new AcDbViewportTable(); } },
    };
    const auto it = kTables.find(name);
    return it == kTables.end() ? nullptr : it->second();
}

std::wstring valueOf(const std::vector<AcDbDxfGroup>& groups, int code)
{
    for (const AcDbDxfGroup& g : groups)
        if (g.code == code)
            return g.asString();
    return L"";
}

AcDbHandle handleOf(const std::vector<AcDbDxfGroup>& groups)
{
    for (const AcDbDxfGroup& g : groups)
        if (g.code == 5 || g.code == 105)
            return g.asHandle();
    return AcDbHandle();
}

} // namespace

AcDbDxfReader::AcDbDxfReader(AcDbDatabase* db)
    : mDb(db)
{
}

bool AcDbDxfReader::tokenize(const std::string& text, std::vector<AcDbDxfGroup>& groups)
{
    std::size_t pos = 0;
    if (text.compare(0, 3, "\xEF\xBB\xBF") == 0)
        pos = 3;
    auto nextLine = [&](std::string& line) {
        if (pos >= text.size())
            return false;
        std::size_t end = text.find('\n', pos);
        if (end == std::string::npos)
            end = text.size();
        line = text.substr(pos, end - pos);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        pos = end + 1;
        return true;
    };
    std::string codeLine, valueLine;
    while (nextLine(codeLine)) {
        if (!nextLine(valueLine))
            return false;
        AcDbDxfGroup g;
        g.value = codeLine;
        const std::size_t b = codeLine.find_first_not_of(' ');
        if (b == std::string::npos)
            return false;
        for (std::size_t i = b; i < codeLine.size(); ++i)
            if ((codeLine[i] < '0' || codeLine[i] > '9') && !(i == b && codeLine[i] == '-') && codeLine[i] != ' ')
                return false;
        g.code = g.asInt();
        g.value = valueLine;
        groups.push_back(std::move(g));
    }
    return true;
}

void AcDbDxfReader::splitRecords(const std::vector<AcDbDxfGroup>& groups)
{
    std::wstring section;
    for (std::size_t i = 0; i < groups.size(); ++i) {
        const AcDbDxfGroup& g = groups[i];
        if (g.code != 0)
            continue;
        const std::wstring name = g.asString();
        if (name == L"SECTION" && i + 1 < groups.size() && groups[i + 1].code == 2) {
            // The header's variables follow the section name directly, in a nameless record.
            section = groups[++i].asString();
            Record head { L"", {} };
            for (std::size_t j = i + 1; j < groups.size() && groups[j].code != 0; ++j)
                head.groups.push_back(groups[j]);
            mSections[section].push_back(std::move(head));
            continue;
        }
        if (name == L"ENDSEC" || name == L"EOF") {
            section.clear();
            continue;
        }
        Record record { name, {} };
        for (std::size_t j = i + 1; j < groups.size() && groups[j].code != 0; ++j)
            record.groups.push_back(groups[j]);
        if (!section.empty())
            mSections[section].push_back(std::move(record));
    }
}

Acad::ErrorStatus AcDbDxfReader::read(const std::string& text)
{
    std::vector<AcDbDxfGroup> groups;
    if (!tokenize(text, groups))
        return Acad::eInvalidInput;
    splitRecords(groups);
    if (mSections.find(L"TABLES") == mSections.end() || mSections.find(L"ENTITIES") == mSections.end())
        return Acad::eInvalidInput;
    mDb->clear();
    readHeader(mSections[L"HEADER"]);
    readTables(mSections[L"TABLES"]);
    if (mDb->blockTableId().isNull() || mDb->layerTableId().isNull() || mDb->modelSpaceId().isNull())
        return Acad::eInvalidInput;
    readBlocks(mSections[L"BLOCKS"]);
    readEntities(mSections[L"ENTITIES"]);
    readObjects(mSections[L"OBJECTS"]);
    resolveHeader();
    return Acad::eOk;
}

void AcDbDxfReader::readHeader(const std::vector<Record>& records)
{
    // The header is one record of "9 $NAME" groups, each followed by its value groups.
    for (const Record& record : records) {
        std::wstring var;
        for (const AcDbDxfGroup& g : record.groups) {
            if (g.code == 9)
                var = g.asString();
            else if (!var.empty())
                mHeader[var].push_back(g);
        }
    }
    if (const auto it = mHeader.find(L"$HANDSEED"); it != mHeader.end() && !it->second.empty())
        mDb->setHandseed(it->second.front().asHandle());
}

AcDbObject* AcDbDxfReader::createFor(const Record& record) const
{
    // Records that several classes share (DIMENSION, POLYLINE, VERTEX) are told apart by the
    // most derived subclass marker whose class writes that record.
    for (auto it = record.groups.rbegin(); it != record.groups.rend(); ++it) {
        if (it->code != 100)
            continue;
        const AcRxClass* cls = AcRxClass::findByName(it->asString().c_str());
        if (cls != nullptr && record.name == cls->dxfName())
            if (AcRxObject* obj = cls->create())
                return AcDbObject::cast(obj);
    }
    const AcRxClass* cls = AcRxClass::findByDxfName(record.name.c_str());
    return cls ? AcDbObject::cast(cls->create()) : nullptr;
}

AcDbObject* AcDbDxfReader::readObject(const Record& record, AcDbObject* obj)
{
    const AcDbHandle h = handleOf(record.groups);
    if (obj == nullptr || h.isNull()) {
        delete obj;
        return nullptr;
    }
    AcDbStub* stub = mDb->stubForHandle(h);
    if (stub->object() != nullptr) {
        delete obj;
        return nullptr;
    }
    stub->attach(std::unique_ptr<AcDbObject>(obj));
    obj->setDatabaseStub(stub);
    std::vector<AcDbDxfGroup> fields;
    std::vector<AcDbDxfGroup> xdata;
    for (const AcDbDxfGroup& g : record.groups)
        (g.code >= 1000 || !xdata.empty() ? xdata : fields).push_back(g);
    AcDbDxfFiler filer(mDb, fields);
    obj->dxfInFields(&filer);
    obj->dxfInXData(xdata);
    obj->close();
    return obj;
}

void AcDbDxfReader::readTables(const std::vector<Record>& records)
{
    AcDbSymbolTable* table = nullptr;
    AcDbObjectId ids[9];
    const std::wstring order[]
        = { L"BLOCK_RECORD", L"LAYER", L"LTYPE", L"STYLE", L"DIMSTYLE", L"APPID", L"UCS", L"VIEW", L"VPORT" };
    for (const Record& record : records) {
        if (record.name == L"TABLE") {
            const std::wstring name = valueOf(record.groups, 2);
            std::vector<AcDbDxfGroup> rest;
            for (const AcDbDxfGroup& g : record.groups)
                if (g.code != 2)
                    rest.push_back(g);
            table = static_cast<AcDbSymbolTable*>(readObject({ L"TABLE", rest }, newTable(name)));
            for (int i = 0; i < 9; ++i)
                if (table != nullptr && order[i] == name)
                    ids[i] = table->objectId();
            // Later tables name records of earlier ones (a layer its linetype).
            mDb->setTableIds(ids[0], ids[1], ids[2], ids[3], ids[4], ids[5], ids[6], ids[7], ids[8]);
        } else if (record.name == L"ENDTAB") {
            table = nullptr;
        } else if (table != nullptr) {
            AcDbObject* rec = readObject(record, createFor(record));
            if (rec != nullptr && rec->isKindOf(table->recordClass()))
                table->appendReadRecord(rec->objectId());
        }
    }
    mDb->setTableIds(ids[0], ids[1], ids[2], ids[3], ids[4], ids[5], ids[6], ids[7], ids[8]);
    mDb->setSpaceIds(mDb->symbolId(ids[0], L"*Model_Space"), mDb->symbolId(ids[0], L"*Paper_Space"));
}

void AcDbDxfReader::readEntity(const Record& record, AcDbObjectId defaultBlock)
{
    if (record.name == L"SEQEND") {
        if (auto* ent = AcDbEntity::cast(mOpenSequence))
            ent->setSequenceEndHandle(handleOf(record.groups));
        mDb->noteHandle(handleOf(record.groups));
        mOpenSequence = nullptr;
        return;
    }
    AcDbObject* obj = readObject(record, createFor(record));
    if (obj == nullptr)
        return;
    if (record.name == L"VERTEX") {
        if (auto* p2 = AcDb2dPolyline::cast(mOpenSequence))
            p2->appendReadVertex(obj->objectId());
        else if (auto* p3 = AcDb3dPolyline::cast(mOpenSequence))
            p3->appendReadVertex(obj->objectId());
        return;
    }
    auto* block = AcDbBlockTableRecord::cast(AcDbDatabase::peek(obj->ownerId()));
    if (block == nullptr) {
        block = AcDbBlockTableRecord::cast(AcDbDatabase::peek(defaultBlock));
        obj->setOwnerId(defaultBlock);
    }
    if (block != nullptr)
        block->appendReadEntity(obj->objectId());
    mOpenSequence = (record.name == L"POLYLINE") ? obj : nullptr;
}

void AcDbDxfReader::readBlocks(const std::vector<Record>& records)
{
    AcDbObjectId current;
    for (const Record& record : records) {
        if (record.name == L"BLOCK") {
            current = mDb->symbolId(mDb->blockTableId(), valueOf(record.groups, 2).c_str());
            if (auto* block = AcDbBlockTableRecord::cast(AcDbDatabase::peek(current))) {
                AcDbDxfFiler filer(mDb, record.groups);
                block->dxfInBlockBegin(&filer);
            }
        } else if (record.name == L"ENDBLK") {
            if (auto* block = AcDbBlockTableRecord::cast(AcDbDatabase::peek(current))) {
                AcDbDxfFiler filer(mDb, record.groups);
                block->dxfInBlockEnd(&filer);
            }
            current = AcDbObjectId();
        } else if (!current.isNull()) {
            readEntity(record, current);
        }
    }
}

void AcDbDxfReader::readEntities(const std::vector<Record>& records)
{
    for (const Record& record : records) {
        if (record.name.empty())
            continue;
        const bool paper = valueOf(record.groups, 67) == L"1";
        readEntity(record, paper ? mDb->paperSpaceId() : mDb->modelSpaceId());
    }
}

void AcDbDxfReader::readObjects(const std::vector<Record>& records)
{
    std::vector<AcDbObject*> read;
    for (const Record& record : records) {
        if (record.name.empty())
            continue;
        AcDbObject* obj = readObject(record, createFor(record));
        if (obj == nullptr) {
            mDb->noteHandle(handleOf(record.groups));
            continue;
        }
        if (mDb->namedObjectsDictionaryId().isNull() && AcDbDictionary::cast(obj))
            mDb->setNamedObjectsDictionaryId(obj->objectId());
        read.push_back(obj);
    }
    // An object whose owner is of a kind we do not read cannot be reached: it is dropped.
    for (AcDbObject* obj : read) {
        if (obj->objectId() == mDb->namedObjectsDictionaryId() || obj->ownerId().isValid())
            continue;
        obj->openFor(AcDb::kForWrite, true);
        obj->erase();
        obj->close();
    }
}

void AcDbDxfReader::resolveHeader()
{
    auto text = [&](const wchar_t* var, int code) {
        const auto it = mHeader.find(var);
        return it == mHeader.end() ? std::wstring() : valueOf(it->second, code);
    };
    auto real = [&](const wchar_t* var, double fallback) {
        const auto it = mHeader.find(var);
        return (it == mHeader.end() || it->second.empty()) ? fallback : it->second.front().asDouble();
    };
    // A whole number in [lowest, highest]; anything else, which only a damaged file holds
    // (and which no conversion may be asked to hold), reads as the fallback.
    auto integer = [&](const wchar_t* var, int lowest, int highest, int fallback) {
        const double v = real(var, fallback);
        return v >= lowest && v <= highest ? static_cast<int>(v) : fallback;
    };
    auto point = [&](const wchar_t* var, const AcGePoint3d& fallback) {
        const auto it = mHeader.find(var);
        if (it == mHeader.end() || it->second.empty())
            return fallback;
        AcDbDxfFiler filer(mDb, it->second);
        AcDbDxfGroup g;
        filer.readGroup(g);
        return filer.readPoint3d(g);
    };
    const AcDbObjectId layer = mDb->symbolId(mDb->layerTableId(), text(L"$CLAYER", 8).c_str());
    mDb->setClayer(layer.isNull() ? mDb->layerZero() : layer);
    const AcDbObjectId ltype = mDb->symbolId(mDb->linetypeTableId(), text(L"$CELTYPE", 6).c_str());
    mDb->setCeltype(ltype.isNull() ? mDb->byLayerLinetype() : ltype);
    const AcDbObjectId style = mDb->symbolId(mDb->textStyleTableId(), text(L"$TEXTSTYLE", 7).c_str());
    mDb->setTextstyle(style.isNull() ? mDb->symbolId(mDb->textStyleTableId(), L"Standard") : style);
    const AcDbObjectId dimstyle = mDb->symbolId(mDb->dimStyleTableId(), text(L"$DIMSTYLE", 2).c_str());
    mDb->setDimstyle(dimstyle.isNull() ? mDb->symbolId(mDb->dimStyleTableId(), L"Standard") : dimstyle);
    AcCmColor color;
    color.setColorIndex(static_cast<Adesk::UInt16>(integer(L"$CECOLOR", 0, 256, 256)));
    mDb->setCecolor(color);
    mDb->setCelweight(static_cast<AcDb::LineWeight>(
        integer(L"$CELWEIGHT", AcDb::kLnWtByLwDefault, AcDb::kLnWt211, AcDb::kLnWtByLayer)));
    mDb->setCeltscale(real(L"$CELTSCALE", 1.0));
    mDb->setLtscale(real(L"$LTSCALE", 1.0));
    mDb->setTextsize(real(L"$TEXTSIZE", 2.5));
    mDb->setPdmode(static_cast<Adesk::Int16>(integer(L"$PDMODE", INT16_MIN, INT16_MAX, 0)));
    mDb->setPdsize(real(L"$PDSIZE", 0.0));
    mDb->setTilemode(real(L"$TILEMODE", 1) != 0.0);
    mDb->setInsbase(point(L"$INSBASE", AcGePoint3d()));
    mDb->setExtmin(point(L"$EXTMIN", AcGePoint3d(1e20, 1e20, 1e20)));
    mDb->setExtmax(point(L"$EXTMAX", AcGePoint3d(-1e20, -1e20, -1e20)));
}
