// Opening goes through the object's own open state; the class checks come first so that a
// refused open leaves the object as it was.
#include "AcDbServices.h"

#include "AcDbDatabase.h"
#include "AcDbEntity.h"
#include "AcDbHostApplicationServices.h"
#include "AcDbRealText.h"
#include "AcDbRegAppTable.h"
#include "AcDbStub.h"

namespace {

Acad::ErrorStatus openChecked(AcDbObject*& pObj, AcDbObjectId id, AcDb::OpenMode mode, bool openErased,
    const AcRxClass* pClass, Acad::ErrorStatus wrongClass)
{
    pObj = nullptr;
    if (id.isNull())
        return Acad::eNullObjectId;
    AcDbObject* obj = AcDbDatabase::peek(id);
    if (obj == nullptr)
        return Acad::eWasErased;
    if (pClass != nullptr && !obj->isKindOf(pClass))
        return wrongClass;
    if (Acad::ErrorStatus es = obj->openFor(mode, openErased); es != Acad::eOk)
        return es;
    pObj = obj;
    return Acad::eOk;
}

} // namespace

Acad::ErrorStatus acdbOpenAcDbObject(AcDbObject*& pObj, AcDbObjectId id, AcDb::OpenMode mode, bool openErased)
{
    return openChecked(pObj, id, mode, openErased, nullptr, Acad::eOk);
}

Acad::ErrorStatus acdbOpenAcDbEntity(AcDbEntity*& pEnt, AcDbObjectId id, AcDb::OpenMode mode, bool openErased)
{
    AcDbObject* obj = nullptr;
    const Acad::ErrorStatus es = openChecked(obj, id, mode, openErased, AcDbEntity::desc(), Acad::eNotAnEntity);
    pEnt = static_cast<AcDbEntity*>(obj);
    return es;
}

Acad::ErrorStatus acdbOpenObject(
    AcDbObject*& pObj, AcDbObjectId id, AcDb::OpenMode mode, bool openErased, const AcRxClass* pClass)
{
    return openChecked(pObj, id, mode, openErased, pClass, Acad::eNotThatKindOfClass);
}

Acad::ErrorStatus acdbGetAdsName(ads_name& objName, AcDbObjectId objId)
{
    if (objId.isNull())
        return Acad::eNullObjectId;
    objName[0] = static_cast<long>(objId.asOldId());
    objName[1] = 0;
    return Acad::eOk;
}

Acad::ErrorStatus acdbGetObjectId(AcDbObjectId& objId, const ads_name objName)
{
    if (objName == nullptr || objName[0] == 0)
        return Acad::eInvalidInput;
    objId.setFromOldId(objName[0]);
    return Acad::eOk;
}

int acdbRegApp(const ACHAR* appName)
{
    AcDbDatabase* db = acdbHostApplicationServices()->workingDatabase();
    if (db == nullptr || acdbSNValid(appName, false) != RTNORM)
        return 0;
    AcDbRegAppTable* table = nullptr;
    if (db->getRegAppTable(table, AcDb::kForWrite) != Acad::eOk)
        return 0;
    if (!table->has(appName)) {
        auto* rec = new AcDbRegAppTableRecord();
        rec->setName(appName);
        if (table->add(rec) != Acad::eOk) {
            delete rec;
            table->close();
            return 0;
        }
        rec->close();
    }
    table->close();
    return 1;
}

const ACHAR* acadErrorStatusText(Acad::ErrorStatus es)
{
    switch (es) {
#define CORBEL_STATUS(name)                                                                                            \
    case Acad::name:                                                                                                   \
        return L## #name;
        CORBEL_STATUS(eOk)
        CORBEL_STATUS(eNotImplementedYet)
        CORBEL_STATUS(eNotApplicable) CORBEL_STATUS(eInvalidInput) CORBEL_STATUS(eOutOfMemory) CORBEL_STATUS(
            eNullObjectPointer) CORBEL_STATUS(eNullObjectId) CORBEL_STATUS(eKeyNotFound) CORBEL_STATUS(eDuplicateKey)
            CORBEL_STATUS(eInvalidIndex) CORBEL_STATUS(eAlreadyInDb) CORBEL_STATUS(eInvalidSymbolTableName)
                CORBEL_STATUS(eWrongObjectType) CORBEL_STATUS(eNotOpenForRead) CORBEL_STATUS(eNotOpenForWrite)
                    CORBEL_STATUS(eNotThatKindOfClass) CORBEL_STATUS(eWasErased) CORBEL_STATUS(eWasOpenForRead)
                        CORBEL_STATUS(eWasOpenForWrite) CORBEL_STATUS(eWasOpenForUndo) CORBEL_STATUS(eWasNotifying)
                            CORBEL_STATUS(eWasOpenForNotify) CORBEL_STATUS(eAtMaxReaders) CORBEL_STATUS(eNotAnEntity)
                                CORBEL_STATUS(eHadMultipleReaders) CORBEL_STATUS(eDuplicateRecordName)
                                    CORBEL_STATUS(eSelfReference) CORBEL_STATUS(eWasNotOpenForWrite)
                                        CORBEL_STATUS(eNoDatabase) CORBEL_STATUS(eNotInDatabase)
                                            CORBEL_STATUS(eGeneralModelingFailure) CORBEL_STATUS(eDegenerateGeometry)
                                                CORBEL_STATUS(ePointNotOnEntity) CORBEL_STATUS(eInvalidOffset)
                                                    CORBEL_STATUS(eLockViolation)
#undef CORBEL_STATUS
    }
    return L"Unknown";
}

int acdbEntUpd(const ads_name ent)
{
    AcDbObjectId id;
    return acdbGetObjectId(id, ent) == Acad::eOk && id.isValid() ? RTNORM : RTERROR;
}

bool acdbUcsMatrix(AcGeMatrix3d& mat, AcDbDatabase*)
{
    mat = AcGeMatrix3d::kIdentity;
    return true;
}

int acdbDisToF(const ACHAR* str, int unit, ads_real* v)
{
    if (str == nullptr || v == nullptr || (unit != -1 && unit != 2))
        return RTERROR;
    double value = 0.0;
    if (!acdbParseReal(str, value))
        return RTERROR;
    *v = value;
    return RTNORM;
}
