// Base of every object a drawing database holds: identity (id, handle, owner), the open/close
// discipline with the platform's status codes, erasure, extended data and extension dictionary.
#pragma once

#include "AcDb.h"
#include "AcDbObjectId.h"
#include "AcRxObject.h"
#include "AcadErrorStatus.h"
#include "resbuf.h"

#include <string>
#include <vector>

class AcDbDatabase;
class AcDbDxfFiler;
struct AcDbDxfGroup;

class AcDbObject : public AcRxObject {
public:
    ACRX_DECLARE_MEMBERS(AcDbObject);

    // A new object is not in a database and is open for write; its creator owns it until it is
    // added to a database, and may delete it.
    AcDbObject();
    AcDbObject(const AcDbObject&) = delete;
    AcDbObject& operator=(const AcDbObject&) = delete;
    ~AcDbObject() override;

    AcDbObjectId objectId() const { return AcDbObjectId(mStub); }
    AcDbObjectId ownerId() const { return mOwnerId; }
    virtual Acad::ErrorStatus setOwnerId(AcDbObjectId ownerId);
    AcDbHandle handle() const;
    void getAcDbHandle(AcDbHandle& h) const { h = handle(); }
    AcDbDatabase* database() const;
    bool isDatabaseResident() const { return mStub != nullptr; }

    // Opening and closing. Read-open objects may have up to 256 readers; write-open excludes
    // every other open. Closing an object that is not open fails (44 after a read open,
    // 100 otherwise); closing one never added to a database fails with eNotInDatabase.
    Acad::ErrorStatus close();
    Acad::ErrorStatus upgradeOpen();
    Acad::ErrorStatus downgradeOpen();
    bool isReallyClosing() const;
    bool isReadEnabled() const { return mReaders > 0 || mWrite || mNotify; }
    bool isWriteEnabled() const { return mWrite; }
    bool isNotifyEnabled() const { return mNotify; }
    bool isNewObject() const { return mStub == nullptr; }

    // Erasure only flags the object: it keeps its id and can be unerased.
    Acad::ErrorStatus erase(bool erasing = true);
    // The new object takes this object's id, owner, extended data and extension dictionary and
    // is open for write as this one was. This object leaves the database and is the caller's
    // to delete. This object must be open for write; the new one must be new.
    Acad::ErrorStatus handOverTo(AcDbObject* newObject);
    bool isErased() const { return mErased; }

    // Extended data: a copy of the application's list (all applications for null), which the
    // caller frees with acutRelRb; null when there is none.
    resbuf* xData(const ACHAR* regappName = nullptr) const;
    // Replaces the data of each application in the list; an application with no items loses
    // its data. The application must be registered in the object's database.
    Acad::ErrorStatus setXData(const resbuf* xdata);

    AcDbObjectId extensionDictionary() const { return mExtensionDictionary; }
    Acad::ErrorStatus createExtensionDictionary();
    Acad::ErrorStatus releaseExtensionDictionary();

    void addPersistentReactor(AcDbObjectId objId);
    Acad::ErrorStatus removePersistentReactor(AcDbObjectId objId);
    const std::vector<AcDbObjectId>& persistentReactors() const { return mReactors; }

    // DXF data of this class and its bases; each class writes its own subclass data.
    virtual Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const;
    virtual Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer);
    // Group code of the handle: 5, except where the format uses 105.
    virtual int dxfHandleCode() const { return 5; }
    virtual void dxfOutXData(AcDbDxfFiler* filer) const;
    virtual Acad::ErrorStatus dxfInXData(const std::vector<AcDbDxfGroup>& groups);

    // For the database: the open that acdbOpenObject performs, and membership.
    Acad::ErrorStatus openFor(AcDb::OpenMode mode, bool openErased);
    void setDatabaseStub(AcDbStub* stub) { mStub = stub; }
    // Called once the object has its id in a database; owners make what they hold (vertices) resident here.
    virtual void objectAddedToDatabase() { }
    // Objects this one owns that the DXF writer puts right after it (polyline vertices).
    virtual void subObjectIds(AcDbObjectIdArray& ids) const { (void)ids; }

protected:
    // eOk when the object may be changed: open for write or not yet in a database.
    Acad::ErrorStatus checkWritable() const;
    // Assigns a field when the object may be changed; the status says whether it was.
    template <class T, class V> Acad::ErrorStatus setField(T& field, const V& value)
    {
        if (Acad::ErrorStatus es = checkWritable(); es != Acad::eOk)
            return es;
        field = value;
        return Acad::eOk;
    }
    // Called when a write-open object is closed, to bring derived data up to date.
    virtual void subClose() { }

private:
    struct XDataItem {
        short code = 0;
        std::wstring text;
        double values[3] = { 0.0, 0.0, 0.0 };
        long long integer = 0;
    };
    struct XDataApp {
        std::wstring name;
        std::vector<XDataItem> items;
    };

    AcDbStub* mStub = nullptr;
    AcDbObjectId mOwnerId;
    AcDbObjectId mExtensionDictionary;
    std::vector<AcDbObjectId> mReactors;
    std::vector<XDataApp> mXData;
    int mReaders = 0;
    bool mWrite = true;
    bool mNotify = false;
    bool mLastOpenWasRead = false;
    bool mErased = false;
};
