// The database owns every object through its stub; ids stay valid for the database's life.
// DXF save and read are in AcDbDatabaseDxf.cpp, insert in AcDbDatabaseInsert.cpp.
#include "CodePage.h"
#include "AcDbDatabase.h"

#include "AcDbBlockTable.h"
#include "AcDbDictionary.h"
#include "AcDbDimStyleTable.h"
#include "AcDbHostApplicationServices.h"
#include "AcDbLayerTable.h"
#include "AcDbLayout.h"
#include "AcDbLinetypeTable.h"
#include "AcDbPlaceHolder.h"
#include "AcDbRealText.h"
#include "AcDbRegAppTable.h"
#include "AcDbStub.h"
#include "AcDbTextStyleTable.h"
#include "AcDbUCSTable.h"
#include "AcDbViewTable.h"
#include "AcDbViewportTable.h"

#include <cwctype>
#include <fstream>
#include <sstream>

namespace {

// Adds a new object and closes it; the default drawing is built from these.
template <class T> AcDbObjectId addClosed(AcDbDatabase* db, T* obj, AcDbObjectId owner)
{
    AcDbObjectId id;
    db->addAcDbObject(id, obj);
    obj->setOwnerId(owner);
    obj->close();
    return id;
}

template <class Table, class Record> AcDbObjectId addRecord(AcDbObjectId tableId, Record* rec, const ACHAR* name)
{
    rec->setName(name);
    auto* table = Table::cast(AcDbDatabase::peek(tableId));
    AcDbObjectId id;
    if (table == nullptr || table->openFor(AcDb::kForWrite, false) != Acad::eOk) {
        delete rec;
        return id;
    }
    if (table->add(id, rec) == Acad::eOk)
        rec->close();
    else
        delete rec;
    table->close();
    return id;
}

} // namespace

AcDbDatabase::AcDbDatabase(bool buildDefault, bool)
{
    if (buildDefault)
        buildDefaultDrawing();
}

AcDbDatabase::~AcDbDatabase()
{
    if (acdbHostApplicationServices()->workingDatabase() == this)
        acdbHostApplicationServices()->setWorkingDatabase(nullptr);
}

void AcDbDatabase::buildDefaultDrawing()
{
    mBlockTable = addClosed(this, new AcDbBlockTable(), AcDbObjectId());
    mLayerTable = addClosed(this, new AcDbLayerTable(), AcDbObjectId());
    mLinetypeTable = addClosed(this, new AcDbLinetypeTable(), AcDbObjectId());
    mTextStyleTable = addClosed(this, new AcDbTextStyleTable(), AcDbObjectId());
    mDimStyleTable = addClosed(this, new AcDbDimStyleTable(), AcDbObjectId());
    mRegAppTable = addClosed(this, new AcDbRegAppTable(), AcDbObjectId());
    mUCSTable = addClosed(this, new AcDbUCSTable(), AcDbObjectId());
    mViewTable = addClosed(this, new AcDbViewTable(), AcDbObjectId());
    mViewportTable = addClosed(this, new AcDbViewportTable(), AcDbObjectId());

    mCeltype = addRecord<AcDbLinetypeTable>(mLinetypeTable, new AcDbLinetypeTableRecord(), L"ByBlock");
    mCeltype = addRecord<AcDbLinetypeTable>(mLinetypeTable, new AcDbLinetypeTableRecord(), L"ByLayer");
    auto* continuous = new AcDbLinetypeTableRecord();
    continuous->setComments(L"Solid line");
    addRecord<AcDbLinetypeTable>(mLinetypeTable, continuous, L"Continuous");
    mClayer = addRecord<AcDbLayerTable>(mLayerTable, new AcDbLayerTableRecord(), L"0");
    mTextstyle = addRecord<AcDbTextStyleTable>(mTextStyleTable, new AcDbTextStyleTableRecord(), L"Standard");
    addRecord<AcDbRegAppTable>(mRegAppTable, new AcDbRegAppTableRecord(), L"ACAD");
    mDimstyle = addRecord<AcDbDimStyleTable>(mDimStyleTable, new AcDbDimStyleTableRecord(), L"Standard");
    addRecord<AcDbViewportTable>(mViewportTable, new AcDbViewportTableRecord(), L"*Active");
    mModelSpace = addRecord<AcDbBlockTable>(mBlockTable, new AcDbBlockTableRecord(), L"*Model_Space");
    mPaperSpace = addRecord<AcDbBlockTable>(mBlockTable, new AcDbBlockTableRecord(), L"*Paper_Space");

    mNamedObjects = addClosed(this, new AcDbDictionary(), AcDbObjectId());
    auto* root = AcDbDictionary::cast(peek(mNamedObjects));
    root->openFor(AcDb::kForWrite, false);
    AcDbObjectId id;
    auto* groups = new AcDbDictionary();
    root->setAt(L"ACAD_GROUP", groups, id);
    groups->close();
    auto* layouts = new AcDbDictionary();
    root->setAt(L"ACAD_LAYOUT", layouts, id);
    auto* plotStyles = new AcDbDictionary();
    root->setAt(L"ACAD_PLOTSTYLENAME", plotStyles, id);
    root->close();
    auto* normal = new AcDbPlaceHolder();
    plotStyles->setAt(L"Normal", normal, id);
    normal->close();
    plotStyles->close();
    const std::pair<const ACHAR*, AcDbObjectId> spaces[] = { { L"Model", mModelSpace }, { L"Layout1", mPaperSpace } };
    int tab = 0;
    for (const auto& [name, block] : spaces) {
        auto* layout = new AcDbLayout();
        layout->setLayoutName(name);
        layout->setTabOrder(tab++);
        layout->setBlockTableRecordId(block);
        layouts->setAt(name, layout, id);
        layout->close();
        AcDbBlockTableRecord::cast(peek(block))->setLayoutId(id);
    }
    layouts->close();
}

Acad::ErrorStatus AcDbDatabase::addAcDbObject(AcDbObjectId& objId, AcDbObject* pObj)
{
    if (pObj == nullptr)
        return Acad::eNullObjectPointer;
    if (pObj->isDatabaseResident())
        return Acad::eAlreadyInDb;
    AcDbStub* stub = stubForHandle(allocateHandle());
    stub->attach(std::unique_ptr<AcDbObject>(pObj));
    pObj->setDatabaseStub(stub);
    objId = AcDbObjectId(stub);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbDatabase::addAcDbObject(AcDbObject* pObj)
{
    AcDbObjectId id;
    return addAcDbObject(id, pObj);
}

Acad::ErrorStatus AcDbDatabase::getAcDbObjectId(AcDbObjectId& retId, bool, const AcDbHandle& objHandle, Adesk::UInt32)
{
    const auto it = mByHandle.find(objHandle.value());
    if (it == mByHandle.end() || it->second->object() == nullptr)
        return Acad::eKeyNotFound;
    retId = AcDbObjectId(it->second);
    return Acad::eOk;
}

AcDbHandle AcDbDatabase::allocateHandle()
{
    const AcDbHandle h = mNextHandle;
    ++mNextHandle;
    return h;
}

void AcDbDatabase::noteHandle(AcDbHandle h)
{
    if (!(h < mNextHandle))
        mNextHandle = AcDbHandle(h.value() + 1);
}

void AcDbDatabase::setHandseed(AcDbHandle seed)
{
    if (mNextHandle < seed)
        mNextHandle = seed;
}

AcDbStub* AcDbDatabase::stubForHandle(AcDbHandle h)
{
    const auto it = mByHandle.find(h.value());
    if (it != mByHandle.end())
        return it->second;
    mStubs.push_back(std::make_unique<AcDbStub>(this, h));
    mByHandle[h.value()] = mStubs.back().get();
    noteHandle(h);
    return mStubs.back().get();
}

AcDbObject* AcDbDatabase::peek(AcDbObjectId id)
{
    const AcDbStub* stub = id;
    return stub ? stub->object() : nullptr;
}

std::wstring AcDbDatabase::symbolName(AcDbObjectId id)
{
    auto* rec = AcDbSymbolTableRecord::cast(peek(id));
    return rec ? rec->name() : std::wstring();
}

AcDbObjectId AcDbDatabase::symbolId(AcDbObjectId tableId, const ACHAR* name) const
{
    auto* table = AcDbSymbolTable::cast(peek(tableId));
    AcDbObjectId id;
    if (table == nullptr || table->getAt(name, id) != Acad::eOk)
        return AcDbObjectId();
    return id;
}

bool AcDbDatabase::hasRegApp(const ACHAR* name) const
{
    return !symbolId(mRegAppTable, name).isNull();
}

AcDbObjectId AcDbDatabase::layerZero() const
{
    return symbolId(mLayerTable, L"0");
}
AcDbObjectId AcDbDatabase::byLayerLinetype() const
{
    return symbolId(mLinetypeTable, L"ByLayer");
}
AcDbObjectId AcDbDatabase::byBlockLinetype() const
{
    return symbolId(mLinetypeTable, L"ByBlock");
}
AcDbObjectId AcDbDatabase::continuousLinetype() const
{
    return symbolId(mLinetypeTable, L"Continuous");
}

AcDbObjectId AcDbDatabase::layerIdForDxf(const std::wstring& name)
{
    AcDbObjectId id = symbolId(mLayerTable, name.c_str());
    if (!id.isNull() || acdbSNValid(name.c_str(), true) != RTNORM)
        return id.isNull() ? layerZero() : id;
    return addRecord<AcDbLayerTable>(mLayerTable, new AcDbLayerTableRecord(), name.c_str());
}

void AcDbDatabase::setTableIds(AcDbObjectId block, AcDbObjectId layer, AcDbObjectId linetype, AcDbObjectId textStyle,
    AcDbObjectId dimStyle, AcDbObjectId regApp, AcDbObjectId ucs, AcDbObjectId view, AcDbObjectId viewport)
{
    mBlockTable = block;
    mLayerTable = layer;
    mLinetypeTable = linetype;
    mTextStyleTable = textStyle;
    mDimStyleTable = dimStyle;
    mRegAppTable = regApp;
    mUCSTable = ucs;
    mViewTable = view;
    mViewportTable = viewport;
}

void AcDbDatabase::setSpaceIds(AcDbObjectId model, AcDbObjectId paper)
{
    mModelSpace = model;
    mPaperSpace = paper;
}

void AcDbDatabase::clear()
{
    mByHandle.clear();
    mStubs.clear();
    mNextHandle = AcDbHandle(1);
    setTableIds({}, {}, {}, {}, {}, {}, {}, {}, {});
    mNamedObjects = mModelSpace = mPaperSpace = mClayer = mCeltype = mTextstyle = mDimstyle = AcDbObjectId();
}

std::vector<AcDbObjectId> AcDbDatabase::allObjectIds() const
{
    std::vector<AcDbObjectId> ids;
    for (const auto& [h, stub] : mByHandle)
        if (stub->object() != nullptr)
            ids.emplace_back(stub);
    return ids;
}

namespace {

template <class T> Acad::ErrorStatus openTable(T*& pTable, AcDbObjectId id, AcDb::OpenMode mode)
{
    pTable = nullptr;
    if (id.isNull())
        return Acad::eNoDatabase;
    return acdbOpenObject(pTable, id, mode);
}

} // namespace

Acad::ErrorStatus AcDbDatabase::getBlockTable(AcDbBlockTable*& p, AcDb::OpenMode m)
{
    return openTable(p, mBlockTable, m);
}
Acad::ErrorStatus AcDbDatabase::getLayerTable(AcDbLayerTable*& p, AcDb::OpenMode m)
{
    return openTable(p, mLayerTable, m);
}
Acad::ErrorStatus AcDbDatabase::getLinetypeTable(AcDbLinetypeTable*& p, AcDb::OpenMode m)
{
    return openTable(p, mLinetypeTable, m);
}
Acad::ErrorStatus AcDbDatabase::getTextStyleTable(AcDbTextStyleTable*& p, AcDb::OpenMode m)
{
    return openTable(p, mTextStyleTable, m);
}
Acad::ErrorStatus AcDbDatabase::getDimStyleTable(AcDbDimStyleTable*& p, AcDb::OpenMode m)
{
    return openTable(p, mDimStyleTable, m);
}
Acad::ErrorStatus AcDbDatabase::getRegAppTable(AcDbRegAppTable*& p, AcDb::OpenMode m)
{
    return openTable(p, mRegAppTable, m);
}
Acad::ErrorStatus AcDbDatabase::getUCSTable(AcDbUCSTable*& p, AcDb::OpenMode m)
{
    return openTable(p, mUCSTable, m);
}
Acad::ErrorStatus AcDbDatabase::getViewTable(AcDbViewTable*& p, AcDb::OpenMode m)
{
    return openTable(p, mViewTable, m);
}
Acad::ErrorStatus AcDbDatabase::getViewportTable(AcDbViewportTable*& p, AcDb::OpenMode m)
{
    return openTable(p, mViewportTable, m);
}

Acad::ErrorStatus AcDbDatabase::getNamedObjectsDictionary(AcDbDictionary*& pDict, AcDb::OpenMode mode)
{
    return openTable(pDict, mNamedObjects, mode);
}

AcDbObjectId AcDbDatabase::groupDictionaryId() const
{
    auto* root = AcDbDictionary::cast(peek(mNamedObjects));
    AcDbObjectId id;
    if (root != nullptr)
        root->getAt(L"ACAD_GROUP", id);
    return id;
}

AcDbObjectId AcDbDatabase::layoutDictionaryId() const
{
    auto* root = AcDbDictionary::cast(peek(mNamedObjects));
    AcDbObjectId id;
    if (root != nullptr)
        root->getAt(L"ACAD_LAYOUT", id);
    return id;
}

Acad::ErrorStatus AcDbDatabase::getGroupDictionary(AcDbDictionary*& pDict, AcDb::OpenMode mode)
{
    return openTable(pDict, groupDictionaryId(), mode);
}

namespace {

template <class Record> Acad::ErrorStatus checkRecord(AcDbObjectId id, const AcDbDatabase* db)
{
    if (id.isNull())
        return Acad::eNullObjectId;
    if (id.database() != db || !Record::cast(AcDbDatabase::peek(id)))
        return Acad::eWrongObjectType;
    if (id.isErased())
        return Acad::eWasErased;
    return Acad::eOk;
}

} // namespace

Acad::ErrorStatus AcDbDatabase::setClayer(AcDbObjectId objId)
{
    if (Acad::ErrorStatus es = checkRecord<AcDbLayerTableRecord>(objId, this); es != Acad::eOk)
        return es;
    mClayer = objId;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbDatabase::setCeltype(AcDbObjectId objId)
{
    if (Acad::ErrorStatus es = checkRecord<AcDbLinetypeTableRecord>(objId, this); es != Acad::eOk)
        return es;
    mCeltype = objId;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbDatabase::setTextstyle(AcDbObjectId objId)
{
    if (Acad::ErrorStatus es = checkRecord<AcDbTextStyleTableRecord>(objId, this); es != Acad::eOk)
        return es;
    mTextstyle = objId;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbDatabase::setDimstyle(AcDbObjectId objId)
{
    if (Acad::ErrorStatus es = checkRecord<AcDbDimStyleTableRecord>(objId, this); es != Acad::eOk)
        return es;
    mDimstyle = objId;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbDatabase::setCecolor(const AcCmColor& color)
{
    mCecolor = color;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbDatabase::setCelweight(AcDb::LineWeight weight)
{
    if (weight < AcDb::kLnWtByLwDefault || weight > AcDb::kLnWt211)
        return Acad::eInvalidInput;
    mCelweight = weight;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbDatabase::setCeltscale(double scale)
{
    if (!(scale > 0.0))
        return Acad::eInvalidInput;
    mCeltscale = scale;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbDatabase::setLtscale(double scale)
{
    if (!(scale > 0.0))
        return Acad::eInvalidInput;
    mLtscale = scale;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbDatabase::setPdmode(Adesk::Int16 mode)
{
    mPdmode = mode;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbDatabase::setPdsize(double size)
{
    mPdsize = size;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbDatabase::setTextsize(double size)
{
    if (!(size > 0.0))
        return Acad::eInvalidInput;
    mTextsize = size;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbDatabase::setInsbase(const AcGePoint3d& base)
{
    mInsbase = base;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbDatabase::setExtmin(const AcGePoint3d& p)
{
    mExtmin = p;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbDatabase::setExtmax(const AcGePoint3d& p)
{
    mExtmax = p;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbDatabase::setTilemode(bool mode)
{
    mTilemode = mode;
    return Acad::eOk;
}

AcDbObjectId AcDbDatabase::currentSpaceId() const
{
    return mTilemode ? mModelSpace : mPaperSpace;
}

Acad::ErrorStatus AcDbDatabase::loadLineTypeFile(const ACHAR* ltn, const ACHAR* filename)
{
    if (ltn == nullptr || ltn[0] == 0)
        return Acad::eInvalidInput;
    const bool all = std::wstring(ltn) == L"*";
    // Built-in linetypes (Continuous) are in no file but always loaded.
    if (!all && !symbolId(mLinetypeTable, ltn).isNull())
        return Acad::eDuplicateRecordName;
    CString path;
    if (acdbHostApplicationServices()->findFile(path, filename) != Acad::eOk)
        return Acad::eKeyNotFound;
    std::ifstream in(path.ToUtf8(), std::ios::binary);
    if (!in)
        return Acad::eKeyNotFound;
    bool found = false;
    std::string line;
    std::wstring name, description;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const std::wstring w = Utf8ToWideLossy(line);
        if (w.empty() || w.rfind(L";;", 0) == 0)
            continue;
        if (w[0] == L'*') {
            const std::size_t comma = w.find(L',');
            name = w.substr(1, comma == std::wstring::npos ? std::wstring::npos : comma - 1);
            description = comma == std::wstring::npos ? L"" : w.substr(comma + 1);
            continue;
        }
        if (name.empty() || (w[0] != L'A' && w[0] != L'a') || (!all && !acdbSymbolNamesEqual(name, ltn))) {
            name.clear();
            continue;
        }
        found = true;
        if (!symbolId(mLinetypeTable, name.c_str()).isNull()) {
            name.clear();
            continue;
        }
        // Dashes follow the alignment letter; bracketed complex elements are left out.
        std::vector<double> dashes;
        std::wstringstream ss(w.substr(w.find(L',') == std::wstring::npos ? w.size() : w.find(L',') + 1));
        std::wstring item;
        while (std::getline(ss, item, L',')) {
            if (item.find(L'[') != std::wstring::npos || item.find(L']') != std::wstring::npos)
                continue;
            double dash = 0.0;
            if (!acdbParseReal(item, dash))
                return Acad::eInvalidInput;
            dashes.push_back(dash);
        }
        auto* rec = new AcDbLinetypeTableRecord();
        rec->setName(name.c_str());
        rec->setComments(description.c_str());
        rec->setNumDashes(static_cast<int>(dashes.size()));
        double total = 0.0;
        for (std::size_t i = 0; i < dashes.size(); ++i) {
            rec->setDashLengthAt(static_cast<int>(i), dashes[i]);
            total += dashes[i] < 0 ? -dashes[i] : dashes[i];
        }
        rec->setPatternLength(total);
        if (addRecord<AcDbLinetypeTable>(mLinetypeTable, rec, name.c_str()).isNull())
            return Acad::eWasOpenForRead;
        name.clear();
    }
    return found ? Acad::eOk : Acad::eKeyNotFound;
}
