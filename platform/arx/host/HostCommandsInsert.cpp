// -INSERT and -XREF Attach. A block not in the drawing is read from a drawing file (DXF;
// a ".dwg" name finds the ".dxf" beside it) and inserted as a block of the file's name. An
// attached reference is an external-reference block record holding the file's full path,
// with a reference to it; the file's contents stay in the file, as the host keeps them.
#include "HostCommandInterpreter.h"

#include "AcDbBlockReference.h"
#include "AcDbBlockTable.h"
#include "AcDbBlockTableRecord.h"
#include "AcDbDatabase.h"
#include "AcDbHostApplicationServices.h"
#include "AcDbServices.h"
#include "AcGeScale3d.h"
#include "CString.h"
#include "HostPaths.h"

#include <cmath>
#include <filesystem>
#include <memory>

namespace fs = std::filesystem;

// AcDbDatabase::insert(blockId, name, db) is still being written on the database's side. It
// is reached through a weak reference to the member, so that the host links without it and
// inserting a drawing file says it cannot until the member is there.
extern Acad::ErrorStatus corbelDatabaseInsert(AcDbDatabase* self, AcDbObjectId& blockId, const ACHAR* pBlockName,
                                              AcDbDatabase* pDb, bool preserveSourceDatabase)
    __asm__("_ZN12AcDbDatabase6insertER12AcDbObjectIdPKwPS_b") __attribute__((weak));

namespace {

std::wstring lower(std::wstring s)
{
    for (wchar_t& c : s)
        c = static_cast<wchar_t>(std::towlower(c));
    return s;
}

} // namespace

std::wstring HostCommandInterpreter::findDrawingFile(const std::wstring& name) const
{
    if (name.empty())
        return L"";
    const fs::path given = HostPaths::toPath(name);
    std::vector<fs::path> names{given};
    const std::wstring ext = lower(HostPaths::fromPath(given.extension()));
    if (ext.empty())
        names.push_back(fs::path(given).concat(".dxf"));
    else if (ext == L".dwg")
        names.push_back(fs::path(given).replace_extension(".dxf"));

    std::vector<fs::path> folders{fs::path()};
    if (!mDb->fileName().empty())
        folders.push_back(HostPaths::toPath(mDb->fileName()).parent_path());
    std::error_code ec;
    for (const fs::path& folder : folders) {
        for (const fs::path& n : names) {
            const fs::path candidate = folder.empty() || n.is_absolute() ? n : folder / n;
            if (fs::is_regular_file(candidate, ec))
                return HostPaths::fromPath(fs::absolute(candidate, ec).lexically_normal());
        }
    }
    for (const fs::path& n : names) {
        CString found;
        if (acdbHostApplicationServices()->findFile(found, HostPaths::fromPath(n.filename()).c_str()) == Acad::eOk)
            return HostPaths::nativePath(found.GetString());
    }
    return L"";
}

HostCommandInterpreter::Placement HostCommandInterpreter::nextPlacement(bool askScale)
{
    Placement p;
    bool scalePreset = false, rotationPreset = false;
    while (!nextIsPoint()) {
        const std::wstring option = nextWord(L"insertion point or option");
        if (option == L"X" || option == L"Y" || option == L"Z") {
            p.scale[option[0] - L'X'] = nextReal(L"scale factor");
            scalePreset = true;
        } else if (option == L"S" || option == L"SCALE") {
            p.scale[0] = p.scale[1] = p.scale[2] = nextReal(L"scale factor");
            scalePreset = true;
        } else if (option == L"R" || option == L"ROTATE") {
            p.rotationDegrees = nextReal(L"rotation angle");
            rotationPreset = true;
        } else {
            fail(L"option \"" + option + L"\" is not supported (X, Y, Z, Scale, Rotate, or a point).");
        }
    }
    nextPoint(L"insertion point", p.point);
    // The prompts after the point: X scale, Y scale (Enter: same as X), rotation (Enter: 0).
    if (askScale && !scalePreset && !atEnd()) {
        if (nextIsEnter())
            ++mPos;
        else
            p.scale[0] = p.scale[1] = p.scale[2] = nextReal(L"X scale factor");
        if (!atEnd()) {
            if (nextIsEnter())
                ++mPos;
            else
                p.scale[1] = nextReal(L"Y scale factor");
        }
    }
    if (!rotationPreset && !atEnd()) {
        if (nextIsEnter())
            ++mPos;
        else
            p.rotationDegrees = nextReal(L"rotation angle");
    }
    if (p.scale[0] == 0.0 || p.scale[1] == 0.0 || p.scale[2] == 0.0)
        fail(L"a scale factor of 0 is not allowed.");
    return p;
}

void HostCommandInterpreter::addReference(AcDbObjectId blockId, const Placement& placement)
{
    auto* ref = new AcDbBlockReference(AcGePoint3d(placement.point[0], placement.point[1], placement.point[2]), blockId);
    ref->setDatabaseDefaults(mDb);
    ref->setScaleFactors(AcGeScale3d(placement.scale[0], placement.scale[1], placement.scale[2]));
    ref->setRotation(placement.rotationDegrees * M_PI / 180.0);
    AcDbBlockTableRecord* space = nullptr;
    Acad::ErrorStatus es = acdbOpenObject(space, mDb->currentSpaceId(), AcDb::kForWrite);
    if (es == Acad::eOk) {
        es = space->appendAcDbEntity(ref);
        space->close();
    }
    if (es != Acad::eOk) {
        delete ref;
        fail(std::wstring(L"the reference cannot be added (") + acadErrorStatusText(es) + L").");
    }
    ref->close();
}

int HostCommandInterpreter::insert()
{
    const std::wstring name = nextText(L"block name");
    if (name.empty())
        fail(L"missing block name.");
    AcDbObjectId blockId = mDb->symbolId(mDb->blockTableId(), name.c_str());
    if (blockId.isNull()) {
        const std::wstring file = findDrawingFile(name);
        if (file.empty())
            fail(L"block \"" + name + L"\" is not in the drawing and no drawing file has that name.");
        // A drawing inserted before is a block of its file's name by now.
        const std::wstring blockName = HostPaths::fromPath(HostPaths::toPath(file).stem());
        blockId = mDb->symbolId(mDb->blockTableId(), blockName.c_str());
        if (blockId.isNull()) {
            if (corbelDatabaseInsert == nullptr)
                fail(L"inserting a drawing file needs the database's insert, which is not there yet.");
            auto source = std::make_unique<AcDbDatabase>(false, true);
            Acad::ErrorStatus es = source->readDwgFile(file.c_str());
            if (es == Acad::eOk)
                es = corbelDatabaseInsert(mDb, blockId, blockName.c_str(), source.get(), true);
            if (es != Acad::eOk)
                fail(L"drawing \"" + file + L"\" cannot be inserted (" + acadErrorStatusText(es) + L").");
        }
    }
    addReference(blockId, nextPlacement(true));
    return RTNORM;
}

int HostCommandInterpreter::xref()
{
    const std::wstring option = nextWord(L"xref option");
    if (option != L"A" && option != L"ATTACH")
        fail(L"option \"" + option + L"\" is not supported (Attach).");
    const std::wstring path = nextText(L"file name");
    const std::wstring file = findDrawingFile(path);
    if (file.empty())
        fail(L"cannot find the referenced drawing \"" + path + L"\".");
    const std::wstring blockName = HostPaths::fromPath(HostPaths::toPath(file).stem());

    AcDbObjectId blockId = mDb->symbolId(mDb->blockTableId(), blockName.c_str());
    if (!blockId.isNull()) {
        AcDbBlockTableRecord* block = nullptr;
        if (acdbOpenObject(block, blockId, AcDb::kForRead) != Acad::eOk)
            fail(L"block \"" + blockName + L"\" cannot be opened.");
        const ACHAR* existing = nullptr;
        block->pathName(existing);
        const bool same = block->isFromExternalReference() && existing != nullptr && file == existing;
        block->close();
        if (!same)
            fail(L"a block named \"" + blockName + L"\" is already in the drawing.");
    } else {
        AcDbBlockTable* table = nullptr;
        if (mDb->getBlockTable(table, AcDb::kForWrite) != Acad::eOk)
            fail(L"the block table cannot be opened.");
        auto* block = new AcDbBlockTableRecord();
        Acad::ErrorStatus es = block->setName(blockName.c_str());
        if (es == Acad::eOk)
            es = block->setPathName(file.c_str());
        if (es == Acad::eOk)
            es = table->add(blockId, block);
        table->close();
        if (es != Acad::eOk) {
            delete block;
            fail(L"the reference block cannot be made (" + std::wstring(acadErrorStatusText(es)) + L").");
        }
        block->close();
    }
    addReference(blockId, nextPlacement(true));
    return RTNORM;
}
