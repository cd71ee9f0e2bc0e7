#include "XrefBinder.h"

#include "AcDbBlockTable.h"
#include "AcDbBlockTableRecord.h"
#include "AcDbDatabase.h"
#include "AcDbServices.h"

#include <memory>

namespace {

struct Reference {
    AcDbObjectId blockId;
    std::wstring name;
    std::wstring path;
};

std::vector<Reference> referencesOf(AcDbDatabase* db)
{
    std::vector<Reference> references;
    AcDbBlockTable* table = nullptr;
    if (db->getBlockTable(table, AcDb::kForRead) != Acad::eOk)
        return references;
    for (const AcDbObjectId& id : table->recordIds()) {
        AcDbBlockTableRecord* block = nullptr;
        if (id.isErased() || acdbOpenObject(block, id, AcDb::kForRead) != Acad::eOk)
            continue;
        if (block->isFromExternalReference()) {
            const ACHAR* name = nullptr;
            const ACHAR* path = nullptr;
            block->getName(name);
            block->pathName(path);
            references.push_back({id, name ? name : L"", path ? path : L""});
        }
        block->close();
    }
    table->close();
    return references;
}

bool bind(AcDbDatabase* db, const Reference& reference)
{
    auto source = std::make_unique<AcDbDatabase>(false, true);
    if (source->readDwgFile(reference.path.c_str()) != Acad::eOk)
        return false;
    AcDbObjectId blockId = reference.blockId;
    if (db->insert(blockId, reference.name.c_str(), source.get(), true) != Acad::eOk)
        return false;
    AcDbBlockTableRecord* block = nullptr;
    if (acdbOpenObject(block, blockId, AcDb::kForWrite) != Acad::eOk)
        return false;
    block->setPathName(L"");
    block->close();
    return true;
}

} // namespace

void XrefBinder::bindAll(AcDbDatabase* db, std::vector<std::wstring>& unbound)
{
    for (const Reference& reference : referencesOf(db)) {
        if (!bind(db, reference))
            unbound.push_back(reference.name + L" (" + reference.path + L")");
    }
}
