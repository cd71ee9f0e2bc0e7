// The entity factory's target record and its style look-ups.
#include "MavEntityLib.h"

#include "MavUtils.h"

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
    return MavUtils::getDimStyleId(name, id);
}
