// The working database follows the current document; reactors are called on a copy of the
// list because a reactor may remove itself while it is told.
#include "AcApDocManager.h"

#include "AcDbDatabase.h"
#include "AcDbHostApplicationServices.h"
#include "HostApplication.h"

#include <algorithm>

AcApDocManager::~AcApDocManager() { closeDocument(); }

AcApDocument* AcApDocManager::curDocument()
{
    if (!mDocument)
        newDocument();
    return mDocument.get();
}

AcApDocument* AcApDocManager::newDocument(std::unique_ptr<AcDbDatabase> database, const std::wstring& fileName)
{
    closeDocument();
    if (!database)
        database = std::make_unique<AcDbDatabase>(true, false);
    mDocument = std::make_unique<AcApDocument>(std::move(database), fileName);
    acdbHostApplicationServices()->setWorkingDatabase(mDocument->database());
    const auto reactors = mReactors;
    for (AcApDocManagerReactor* r : reactors)
        r->documentCreated(mDocument.get());
    for (AcApDocManagerReactor* r : reactors)
        r->documentBecameCurrent(mDocument.get());
    return mDocument.get();
}

void AcApDocManager::closeDocument()
{
    if (!mDocument)
        return;
    const auto reactors = mReactors;
    for (AcApDocManagerReactor* r : reactors)
        r->documentToBeDestroyed(mDocument.get());
    if (acdbHostApplicationServices()->workingDatabase() == mDocument->database())
        acdbHostApplicationServices()->setWorkingDatabase(nullptr);
    mDocument.reset();
}

void AcApDocManager::pushResourceHandle(HINSTANCE hNewResourceHandle) { mResourceHandles.push_back(hNewResourceHandle); }

bool AcApDocManager::popResourceHandle()
{
    if (mResourceHandles.empty())
        return false;
    mResourceHandles.pop_back();
    return true;
}

void AcApDocManager::addReactor(AcApDocManagerReactor* pReactor)
{
    if (pReactor != nullptr && std::find(mReactors.begin(), mReactors.end(), pReactor) == mReactors.end())
        mReactors.push_back(pReactor);
}

void AcApDocManager::removeReactor(AcApDocManagerReactor* pReactor)
{
    mReactors.erase(std::remove(mReactors.begin(), mReactors.end(), pReactor), mReactors.end());
}

AcApDocManager* acDocManagerPtr() { return &HostApplication::instance().docManager(); }

AcApDocument* curDoc() { return acDocManagerPtr()->curDocument(); }

AcTransactionManager* acTransactionManagerPtr() { return curDoc()->transactionManager(); }
