// What the entity-factory tests share: a factory, blocks made and held open as the caller of a
// target record holds them, and entities read back by id.
#pragma once

#include "CadkitFixture.h"

#include "MavEntityLib.h"

#include "AcDbBlockTable.h"

// An object of the expected class opened for read for as long as the reader lives.
template <class T>
class ReadBack {
public:
    explicit ReadBack(AcDbObjectId id)
    {
        AcDbObject* obj = nullptr;
        if (acdbOpenAcDbObject(obj, id, AcDb::kForRead) != Acad::eOk)
            return;
        mObj = T::cast(obj);
        if (mObj == nullptr)
            obj->close();
    }
    ~ReadBack()
    {
        if (mObj != nullptr)
            mObj->close();
    }
    ReadBack(const ReadBack&) = delete;
    ReadBack& operator=(const ReadBack&) = delete;
    explicit operator bool() const { return mObj != nullptr; }
    T* operator->() const { return mObj; }

private:
    T* mObj = nullptr;
};

// Holds an object open for write, so that the library cannot open it.
class HeldForWrite {
public:
    explicit HeldForWrite(AcDbObjectId id) { EXPECT_EQ(acdbOpenAcDbObject(mObj, id, AcDb::kForWrite), Acad::eOk); }
    ~HeldForWrite()
    {
        if (mObj != nullptr)
            mObj->close();
    }
    HeldForWrite(const HeldForWrite&) = delete;
    HeldForWrite& operator=(const HeldForWrite&) = delete;

private:
    AcDbObject* mObj = nullptr;
};

class FactoryFixture : public CadkitFixture {
protected:
    // The factory's target: the block opened in the mode given, kept open until close().
    AcDbBlockTableRecord* openTarget(AcDbObjectId blockId, AcDb::OpenMode mode)
    {
        EXPECT_EQ(acdbOpenObject(mTarget, blockId, mode), Acad::eOk);
        mFactory.setBlockTableRecord(mTarget);
        return mTarget;
    }
    void closeTarget()
    {
        if (mTarget != nullptr)
            mTarget->close();
        mTarget = nullptr;
    }
    void TearDown() override { closeTarget(); }

    MavEntityLib mFactory;
    AcDbBlockTableRecord* mTarget = nullptr;
};
