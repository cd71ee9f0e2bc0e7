// The entity factory: one drawing entity per call, appended to the block table record that the
// factory holds or, without one, to the current space; and the style look-ups it rests on.
#pragma once

#include "AcDbObjectId.h"
#include "AcadErrorStatus.h"
#include "CString.h"
#include "CorbelkitExport.h"

class AcDbBlockTableRecord;

class CORBELKIT_API MavEntityLib {
public:
    MavEntityLib();
    virtual ~MavEntityLib();
    // The record stays the caller's: it is opened for write, closed and freed by the caller.
    void setBlockTableRecord(AcDbBlockTableRecord* pRecord);

    // Text styles: the name of a style record.
    Acad::ErrorStatus getTextStyleName(CString& name, AcDbObjectId textStyleId);

    // Text and dimension styles of the working database by name.
    Acad::ErrorStatus getTextStyleId(const wchar_t* name, AcDbObjectId& id);
    Acad::ErrorStatus getDimStyleId(const wchar_t* name, AcDbObjectId& id);

private:
    AcDbBlockTableRecord* mBlockTableRecord;
};
