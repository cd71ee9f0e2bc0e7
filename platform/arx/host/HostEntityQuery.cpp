// Layouts are the block records flagged as layouts (model space and paper spaces).
#include "HostEntityQuery.h"

#include "AcDbBlockTable.h"
#include "AcDbBlockTableRecord.h"
#include "AcDbDatabase.h"
#include "AcDbEntity.h"
#include "AcDbHandle.h"
#include "AcDbServices.h"

#include <cwctype>

namespace {

bool matchOne(const wchar_t* s, const wchar_t* p)
{
    if (*p == 0)
        return *s == 0;
    if (*p == L'*')
        return matchOne(s, p + 1) || (*s != 0 && matchOne(s + 1, p));
    if (*s == 0)
        return false;
    return (*p == L'?' || std::towupper(*p) == std::towupper(*s)) && matchOne(s + 1, p + 1);
}

} // namespace

AcDbObjectId HostEntityQuery::entityByHandle(AcDbDatabase* db, const std::wstring& hexHandle)
{
    AcDbObjectId id;
    if (db == nullptr || db->getAcDbObjectId(id, false, AcDbHandle(hexHandle.c_str())) != Acad::eOk)
        return AcDbObjectId();
    AcDbEntity* ent = nullptr;
    if (acdbOpenAcDbEntity(ent, id, AcDb::kForRead) != Acad::eOk)
        return AcDbObjectId();
    ent->close();
    return id;
}

std::vector<AcDbObjectId> HostEntityQuery::allEntities(AcDbDatabase* db)
{
    std::vector<AcDbObjectId> ids;
    AcDbBlockTable* table = nullptr;
    if (db == nullptr || db->getBlockTable(table, AcDb::kForRead) != Acad::eOk)
        return ids;
    std::vector<AcDbObjectId> blocks = table->recordIds();
    table->close();
    for (const AcDbObjectId& blockId : blocks) {
        AcDbBlockTableRecord* block = nullptr;
        if (acdbOpenObject(block, blockId, AcDb::kForRead) != Acad::eOk)
            continue;
        if (block->isLayout()) {
            for (const AcDbObjectId& id : block->entityIds()) {
                if (!id.isErased())
                    ids.push_back(id);
            }
        }
        block->close();
    }
    return ids;
}

bool HostEntityQuery::wildcardMatch(const std::wstring& name, const std::wstring& patterns)
{
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = patterns.find(L',', start);
        const std::wstring one = patterns.substr(start, comma == std::wstring::npos ? std::wstring::npos : comma - start);
        if (matchOne(name.c_str(), one.c_str()))
            return true;
        if (comma == std::wstring::npos)
            return false;
        start = comma + 1;
    }
}

bool HostEntityQuery::filterSupported(const resbuf* filter, int& badCode)
{
    for (const resbuf* rb = filter; rb != nullptr; rb = rb->rbnext) {
        if (rb->restype != 0 && rb->restype != RTDXF0 && rb->restype != 8 && rb->restype != 62) {
            badCode = rb->restype;
            return false;
        }
    }
    return true;
}

bool HostEntityQuery::matches(AcDbEntity* entity, const resbuf* filter)
{
    for (const resbuf* rb = filter; rb != nullptr; rb = rb->rbnext) {
        switch (rb->restype) {
        case 0:
        case RTDXF0:
            if (!wildcardMatch(entity->isA()->dxfName(), rb->resval.rstring ? rb->resval.rstring : L""))
                return false;
            break;
        case 8: {
            const std::wstring layer = AcDbDatabase::symbolName(entity->layerId());
            if (!wildcardMatch(layer, rb->resval.rstring ? rb->resval.rstring : L""))
                return false;
            break;
        }
        case 62:
            if (entity->colorIndex() != rb->resval.rint)
                return false;
            break;
        default:
            return false;
        }
    }
    return true;
}
