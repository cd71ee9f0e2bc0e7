// The host's services to the database: the working database that database calls use when
// none is given, and the search for support files (linetype files, fonts, drawings).
#pragma once

#include "AcadErrorStatus.h"
#include "Adesk.h"
#include "CString.h"

#include <string>
#include <vector>

class AcDbDatabase;

class AcDbHostApplicationServices {
public:
    AcDbDatabase* workingDatabase() const { return mWorkingDatabase; }
    void setWorkingDatabase(AcDbDatabase* pDatabase) { mWorkingDatabase = pDatabase; }

    // Finds a support file: the name as given, then each folder of the support path, trying
    // the name as written and in lower case. eOk with the full path, else eKeyNotFound.
    Acad::ErrorStatus findFile(CString& fileOut, const ACHAR* fileName) const;
    // Folders searched by findFile, in order: CORBEL_SUPPORT_PATH (colon-separated), then
    // the database's own support folder.
    std::vector<std::wstring> supportPath() const;

private:
    AcDbDatabase* mWorkingDatabase = nullptr;
};

AcDbHostApplicationServices* acdbHostApplicationServices();
