// The document manager: the host runs one document at a time, the current one, whose
// database is the working database. It keeps the stack of resource handles that modules push
// around their dialogs and strings, and tells its reactors about documents.
#pragma once

#include "AcApDocManagerReactor.h"
#include "AcApDocument.h"
#include "AcadErrorStatus.h"
#include "WinDef.h"

#include <memory>
#include <string>
#include <vector>

class AcApDocManager {
public:
    AcApDocManager() = default;
    AcApDocManager(const AcApDocManager&) = delete;
    AcApDocManager& operator=(const AcApDocManager&) = delete;
    ~AcApDocManager();

    // The current document, made with an empty drawing on first use.
    AcApDocument* curDocument();
    AcApDocument* mdiActiveDocument() { return curDocument(); }
    int documentCount() const { return mDocument ? 1 : 0; }

    // Replaces the current document with a new one holding the database (a new empty drawing
    // when null); reactors hear documentToBeDestroyed for the old one first.
    AcApDocument* newDocument(std::unique_ptr<AcDbDatabase> database = nullptr, const std::wstring& fileName = L"");
    // Destroys the current document, telling the reactors first.
    void closeDocument();

    Acad::ErrorStatus lockDocument(AcApDocument* pDoc) { return pDoc ? Acad::eOk : Acad::eNullObjectPointer; }
    Acad::ErrorStatus unlockDocument(AcApDocument* pDoc) { return pDoc ? Acad::eOk : Acad::eNullObjectPointer; }

    void pushResourceHandle(HINSTANCE hNewResourceHandle);
    // Restores the handle current before the last push; false when nothing was pushed.
    bool popResourceHandle();
    // The handle most recently pushed and not popped (null when none).
    HINSTANCE resourceHandle() const { return mResourceHandles.empty() ? nullptr : mResourceHandles.back(); }
    std::size_t resourceDepth() const { return mResourceHandles.size(); }

    void addReactor(AcApDocManagerReactor* pReactor);
    void removeReactor(AcApDocManagerReactor* pReactor);

private:
    std::unique_ptr<AcApDocument> mDocument;
    std::vector<HINSTANCE> mResourceHandles;
    std::vector<AcApDocManagerReactor*> mReactors;
};

AcApDocManager* acDocManagerPtr();
#define acDocManager acDocManagerPtr()
// The current document and its database, as modules reach them.
AcApDocument* curDoc();
