// The database's free functions: opening objects by id, entity names, registered
// applications and status texts.
#pragma once

#include "AcDbObject.h"
#include "AcGeMatrix3d.h"

class AcDbDatabase;
class AcDbEntity;

// Opens the object in place. Statuses: 16 null id, 80 erased (unless openErased), 83 already
// open for write, 85 open for notify, 82 write while read-open, 90 at 256 readers. The pointer
// is null on failure.
Acad::ErrorStatus acdbOpenAcDbObject(AcDbObject*& pObj, AcDbObjectId id, AcDb::OpenMode mode, bool openErased = false);
// As above; an object that is not an entity gives eNotAnEntity and stays closed.
Acad::ErrorStatus acdbOpenAcDbEntity(AcDbEntity*& pEnt, AcDbObjectId id, AcDb::OpenMode mode, bool openErased = false);
// As above; an object not of the class (or derived from it) gives eNotThatKindOfClass.
Acad::ErrorStatus acdbOpenObject(
    AcDbObject*& pObj, AcDbObjectId id, AcDb::OpenMode mode, bool openErased, const AcRxClass* pClass);

template <class T>
Acad::ErrorStatus acdbOpenObject(
    T*& pObj, AcDbObjectId id, AcDb::OpenMode mode = AcDb::kForRead, bool openErased = false)
{
    AcDbObject* obj = nullptr;
    const Acad::ErrorStatus es = acdbOpenObject(obj, id, mode, openErased, T::desc());
    pObj = static_cast<T*>(obj);
    return es;
}

// The entity name of an object: the platform's pair of longs, valid while its database lives.
Acad::ErrorStatus acdbGetAdsName(ads_name& objName, AcDbObjectId objId);
Acad::ErrorStatus acdbGetObjectId(AcDbObjectId& objId, const ads_name objName);
// Adds the application to the working database's registered applications when missing.
// Returns 1 when it was added or already there, 0 when the name is refused.
int acdbRegApp(const ACHAR* appName);
// The enumerator's name, "eInvalidInput" for 3; "Unknown" for a number not in the list.
const ACHAR* acadErrorStatusText(Acad::ErrorStatus es);
// Regenerating an entity on the screen: there is no screen in the database itself, so this
// only checks the name (RTNORM for a live object, RTERROR otherwise).
int acdbEntUpd(const ads_name ent);
// The current user coordinate system: drawings here are always drawn in world coordinates.
bool acdbUcsMatrix(AcGeMatrix3d& mat, AcDbDatabase* pDb = nullptr);
// A distance written as a decimal number (unit -1 or 2, the only units the drawings use).
// RTNORM with the value, RTERROR for text that is not a number.
int acdbDisToF(const ACHAR* str, int unit, ads_real* v);
