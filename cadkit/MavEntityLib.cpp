// The entity factory's target record and its style look-ups.
#include "MavEntityLib.h"

#include "MavUtils.h"

#include "AcDbDatabase.h"
#include "AcDbDimStyleTable.h"
#include "AcDbHostApplicationServices.h"

MavEntityLib::MavEntityLib()
    : mBlockTableRecord(nullptr)
{
}

MavEntityLib::~MavEntityLib() = default;

void MavEntityLib::setBlockTableRecord(AcDbBlockTableRecord* pRecord) { mBlockTableRecord = pRecord; }

Acad::ErrorStatus MavEntityLib::getTextStyleId(const wchar_t* name, AcDbObjectId& id)
{
    return MavUtils::getTextStyleId(name, id);
}

Acad::ErrorStatus MavEntityLib::getDimStyleId(const wchar_t* name, AcDbObjectId& id)
{
    id.setNull();
    AcDbDatabase* pDb = acdbHostApplicationServices()->workingDatabase();
    if (pDb == nullptr)
        return Acad::eNoDatabase;
    AcDbDimStyleTable* pTable = nullptr;
    Acad::ErrorStatus es = pDb->getDimStyleTable(pTable, AcDb::kForRead);
    if (es != Acad::eOk)
        return es;
    es = pTable->getAt(name, id, false);
    pTable->close();
    return es;
}
