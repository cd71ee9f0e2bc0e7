// Open state is a reader count and write/notify flags on the object itself: objects are
// opened in place, so every open of one id returns the same pointer.
#include "CodePage.h"
#include "AcDbObject.h"

#include "AcDbDatabase.h"
#include "AcDbDictionary.h"
#include "AcDbDxfFiler.h"
#include "AcDbStub.h"
#include "CString.h"

#include <algorithm>

namespace {

constexpr int kMaxReaders = 256;

bool isStringCode(int code)
{
    return code == 1000 || (code >= 1002 && code <= 1005);
}
bool isPointCode(int code)
{
    return code >= 1010 && code <= 1013;
}
bool isRealCode(int code)
{
    return code >= 1040 && code <= 1042;
}

} // namespace

ACRX_DEFINE_MEMBERS(AcDbObject, AcRxObject)

AcDbObject::AcDbObject() = default;

AcDbObject::~AcDbObject() = default;

AcDbHandle AcDbObject::handle() const
{
    return mStub ? mStub->handle() : AcDbHandle();
}

AcDbDatabase* AcDbObject::database() const
{
    return mStub ? mStub->database() : nullptr;
}

Acad::ErrorStatus AcDbObject::setOwnerId(AcDbObjectId ownerId)
{
    mOwnerId = ownerId;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbObject::checkWritable() const
{
    return (mStub == nullptr || mWrite) ? Acad::eOk : Acad::eNotOpenForWrite;
}

Acad::ErrorStatus AcDbObject::openFor(AcDb::OpenMode mode, bool openErased)
{
    if (mErased && !openErased)
        return Acad::eWasErased;
    if (mWrite)
        return Acad::eWasOpenForWrite;
    if (mNotify)
        return Acad::eWasNotifying;
    switch (mode) {
    case AcDb::kForRead:
        if (mReaders >= kMaxReaders)
            return Acad::eAtMaxReaders;
        ++mReaders;
        mLastOpenWasRead = true;
        return Acad::eOk;
    case AcDb::kForWrite:
        if (mReaders > 0)
            return Acad::eWasOpenForRead;
        mWrite = true;
        mLastOpenWasRead = false;
        return Acad::eOk;
    case AcDb::kForNotify:
        mNotify = true;
        mLastOpenWasRead = false;
        return Acad::eOk;
    }
    return Acad::eInvalidInput;
}

Acad::ErrorStatus AcDbObject::close()
{
    if (mStub == nullptr)
        return Acad::eNotInDatabase;
    if (mWrite) {
        subClose();
        mWrite = false;
        return Acad::eOk;
    }
    if (mNotify) {
        mNotify = false;
        return Acad::eOk;
    }
    if (mReaders > 0) {
        --mReaders;
        return Acad::eOk;
    }
    return mLastOpenWasRead ? Acad::eNotOpenForRead : Acad::eWasNotOpenForWrite;
}

Acad::ErrorStatus AcDbObject::upgradeOpen()
{
    if (mWrite)
        return Acad::eWasOpenForWrite;
    if (mNotify)
        return Acad::eWasNotifying;
    if (mReaders == 0)
        return Acad::eNotOpenForRead;
    if (mReaders > 1)
        return Acad::eHadMultipleReaders;
    mReaders = 0;
    mWrite = true;
    mLastOpenWasRead = false;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbObject::downgradeOpen()
{
    if (!mWrite || mStub == nullptr)
        return Acad::eNotOpenForWrite;
    subClose();
    mWrite = false;
    mReaders = 1;
    mLastOpenWasRead = true;
    return Acad::eOk;
}

bool AcDbObject::isReallyClosing() const
{
    return mWrite || mNotify || mReaders == 1;
}

Acad::ErrorStatus AcDbObject::erase(bool erasing)
{
    if (mStub == nullptr)
        return Acad::eNotInDatabase;
    if (!mWrite)
        return Acad::eNotOpenForWrite;
    mErased = erasing;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbObject::handOverTo(AcDbObject* newObject)
{
    if (newObject == nullptr)
        return Acad::eNullObjectPointer;
    if (mStub == nullptr)
        return Acad::eNotInDatabase;
    if (!mWrite)
        return Acad::eNotOpenForWrite;
    if (newObject->isDatabaseResident())
        return Acad::eAlreadyInDb;
    AcDbStub* stub = mStub;
    newObject->mStub = stub;
    newObject->mOwnerId = mOwnerId;
    newObject->mExtensionDictionary = mExtensionDictionary;
    newObject->mReactors = mReactors;
    newObject->mXData = mXData;
    newObject->mWrite = true;
    mStub = nullptr;
    stub->replace(std::unique_ptr<AcDbObject>(newObject)).release();
    return Acad::eOk;
}

resbuf* AcDbObject::xData(const ACHAR* regappName) const
{
    resbuf* head = nullptr;
    resbuf* tail = nullptr;
    auto push = [&](resbuf* rb) {
        (tail ? tail->rbnext : head) = rb;
        tail = rb;
    };
    for (const XDataApp& app : mXData) {
        if (regappName != nullptr && CString(app.name.c_str()).CompareNoCase(regappName) != 0)
            continue;
        resbuf* rb = acutNewRb(1001);
        rb->resval.rstring = acutNewString(app.name.c_str());
        push(rb);
        for (const XDataItem& it : app.items) {
            rb = acutNewRb(it.code);
            if (isStringCode(it.code))
                rb->resval.rstring = acutNewString(it.text.c_str());
            else if (isPointCode(it.code))
                std::copy(it.values, it.values + 3, rb->resval.rpoint);
            else if (isRealCode(it.code))
                rb->resval.rreal = it.values[0];
            else if (it.code == 1070)
                rb->resval.rint = static_cast<short>(it.integer);
            else
                rb->resval.rlong = static_cast<Adesk::Int32>(it.integer);
            push(rb);
        }
    }
    return head;
}

Acad::ErrorStatus AcDbObject::setXData(const resbuf* xdata)
{
    if (Acad::ErrorStatus es = checkWritable(); es != Acad::eOk)
        return es;
    if (xdata == nullptr || xdata->restype != 1001 || xdata->resval.rstring == nullptr)
        return Acad::eInvalidInput;
    // Check the whole list first, so a refused list changes nothing.
    std::vector<XDataApp> apps;
    for (const resbuf* rb = xdata; rb != nullptr; rb = rb->rbnext) {
        const int code = rb->restype;
        if (code == 1001) {
            if (rb->resval.rstring == nullptr || rb->resval.rstring[0] == 0)
                return Acad::eInvalidInput;
            AcDbDatabase* db = database();
            if (db != nullptr && !db->hasRegApp(rb->resval.rstring))
                return Acad::eKeyNotFound;
            apps.push_back({ rb->resval.rstring, {} });
            continue;
        }
        XDataItem it;
        it.code = static_cast<short>(code);
        if (isStringCode(code)) {
            if (rb->resval.rstring == nullptr)
                return Acad::eInvalidInput;
            it.text = rb->resval.rstring;
            if (code == 1000 && WideToUtf8Lossy(it.text).size() > 255)
                return Acad::eInvalidInput;
        } else if (isPointCode(code)) {
            std::copy(rb->resval.rpoint, rb->resval.rpoint + 3, it.values);
        } else if (isRealCode(code)) {
            it.values[0] = rb->resval.rreal;
        } else if (code == 1070) {
            it.integer = rb->resval.rint;
        } else if (code == 1071) {
            it.integer = rb->resval.rlong;
        } else {
            return Acad::eInvalidInput;
        }
        apps.back().items.push_back(it);
    }
    for (XDataApp& app : apps) {
        auto found = std::find_if(mXData.begin(), mXData.end(),
            [&](const XDataApp& a) { return CString(a.name.c_str()).CompareNoCase(app.name.c_str()) == 0; });
        if (app.items.empty()) {
            if (found != mXData.end())
                mXData.erase(found);
        } else if (found != mXData.end()) {
            found->items = std::move(app.items);
        } else {
            mXData.push_back(std::move(app));
        }
    }
    return Acad::eOk;
}

Acad::ErrorStatus AcDbObject::createExtensionDictionary()
{
    if (mStub == nullptr)
        return Acad::eNotInDatabase;
    if (Acad::ErrorStatus es = checkWritable(); es != Acad::eOk)
        return es;
    if (!mExtensionDictionary.isNull())
        return Acad::eAlreadyInDb;
    auto* dict = new AcDbDictionary();
    AcDbObjectId dictId;
    if (Acad::ErrorStatus es = database()->addAcDbObject(dictId, dict); es != Acad::eOk) {
        delete dict;
        return es;
    }
    dict->setOwnerId(objectId());
    dict->addPersistentReactor(objectId());
    dict->close();
    mExtensionDictionary = dictId;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbObject::releaseExtensionDictionary()
{
    if (Acad::ErrorStatus es = checkWritable(); es != Acad::eOk)
        return es;
    if (mExtensionDictionary.isNull())
        return Acad::eOk;
    auto* dict = AcDbDictionary::cast(AcDbDatabase::peek(mExtensionDictionary));
    if (dict != nullptr && dict->numEntries() > 0)
        return Acad::eNotApplicable;
    mExtensionDictionary.setNull();
    return Acad::eOk;
}

void AcDbObject::addPersistentReactor(AcDbObjectId objId)
{
    if (std::find(mReactors.begin(), mReactors.end(), objId) == mReactors.end())
        mReactors.push_back(objId);
}

Acad::ErrorStatus AcDbObject::removePersistentReactor(AcDbObjectId objId)
{
    auto it = std::find(mReactors.begin(), mReactors.end(), objId);
    if (it == mReactors.end())
        return Acad::eKeyNotFound;
    mReactors.erase(it);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbObject::dxfOutFields(AcDbDxfFiler* filer) const
{
    filer->writeHandle(dxfHandleCode(), handle());
    std::vector<AcDbObjectId> reactors;
    for (const AcDbObjectId& r : mReactors)
        if (r.isValid() && !r.isErased())
            reactors.push_back(r);
    if (!reactors.empty()) {
        filer->writeString(102, L"{ACAD_REACTORS");
        for (const AcDbObjectId& r : reactors)
            filer->writeObjectId(330, r);
        filer->writeString(102, L"}");
    }
    if (mExtensionDictionary.isValid() && !mExtensionDictionary.isErased()) {
        filer->writeString(102, L"{ACAD_XDICTIONARY");
        filer->writeObjectId(360, mExtensionDictionary);
        filer->writeString(102, L"}");
    }
    filer->writeObjectId(330, mOwnerId);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbObject::dxfInFields(AcDbDxfFiler* filer)
{
    AcDbDxfGroup g;
    std::wstring group;
    while (filer->readGroup(g)) {
        if (g.code == 5 || g.code == 105) {
            continue;
        } else if (g.code == 102) {
            const std::wstring v = g.asString();
            group = (v == L"}") ? std::wstring() : v;
        } else if (g.code == 330 && group == L"{ACAD_REACTORS") {
            if (const AcDbObjectId reactor = filer->readObjectId(g); !reactor.isNull())
                addPersistentReactor(reactor);
        } else if (g.code == 360 && group == L"{ACAD_XDICTIONARY") {
            mExtensionDictionary = filer->readObjectId(g);
        } else if (g.code == 330 && group.empty()) {
            mOwnerId = filer->readObjectId(g);
        } else if (group.empty()) {
            filer->pushBackItem();
            break;
        }
    }
    return Acad::eOk;
}

void AcDbObject::dxfOutXData(AcDbDxfFiler* filer) const
{
    for (const XDataApp& app : mXData) {
        filer->writeString(1001, app.name);
        for (const XDataItem& it : app.items) {
            if (isStringCode(it.code))
                filer->writeString(it.code, it.text);
            else if (isPointCode(it.code))
                filer->writePoint3d(it.code, AcGePoint3d(it.values[0], it.values[1], it.values[2]));
            else if (isRealCode(it.code))
                filer->writeDouble(it.code, it.values[0]);
            else if (it.code == 1070)
                filer->writeInt16(it.code, static_cast<int>(it.integer));
            else
                filer->writeInt32(it.code, it.integer);
        }
    }
}

Acad::ErrorStatus AcDbObject::dxfInXData(const std::vector<AcDbDxfGroup>& groups)
{
    AcDbDxfFiler filer(database(), groups);
    AcDbDxfGroup g;
    while (filer.readGroup(g)) {
        if (g.code == 1001) {
            mXData.push_back({ g.asString(), {} });
            continue;
        }
        if (mXData.empty())
            return Acad::eInvalidInput;
        XDataItem it;
        it.code = static_cast<short>(g.code);
        if (isStringCode(g.code)) {
            it.text = g.asString();
        } else if (isPointCode(g.code)) {
            const AcGePoint3d p = filer.readPoint3d(g);
            it.values[0] = p.x;
            it.values[1] = p.y;
            it.values[2] = p.z;
        } else if (isRealCode(g.code)) {
            it.values[0] = g.asDouble();
        } else if (g.code == 1070 || g.code == 1071) {
            it.integer = g.asInt();
        } else {
            continue;
        }
        mXData.back().items.push_back(it);
    }
    return Acad::eOk;
}
