// A document of the host: its drawing database, the file it came from and its transaction
// manager. The document owns its database.
#pragma once

#include "AcTransactionManager.h"
#include "Adesk.h"

#include <memory>
#include <string>

class AcDbDatabase;

class AcApDocument {
public:
    AcApDocument(std::unique_ptr<AcDbDatabase> database, std::wstring fileName);
    ~AcApDocument();
    AcApDocument(const AcApDocument&) = delete;
    AcApDocument& operator=(const AcApDocument&) = delete;

    AcDbDatabase* database() const { return mDatabase.get(); }
    const ACHAR* fileName() const { return mFileName.c_str(); }
    // The file name without its folder ("Drawing1.dwg" for a new drawing).
    const ACHAR* docTitle() const { return mTitle.c_str(); }
    bool isReadOnly() const { return false; }
    AcTransactionManager* transactionManager() { return &mTransactionManager; }

    // The window of model space the last ZOOM showed; false when the whole drawing is shown.
    bool viewWindow(double lower[2], double upper[2]) const;
    void setViewWindow(double x0, double y0, double x1, double y1);
    void clearViewWindow() { mHasView = false; }

private:
    std::unique_ptr<AcDbDatabase> mDatabase;
    std::wstring mFileName;
    std::wstring mTitle;
    AcTransactionManager mTransactionManager;
    bool mHasView = false;
    double mView[4] = {0.0, 0.0, 0.0, 0.0};
};
