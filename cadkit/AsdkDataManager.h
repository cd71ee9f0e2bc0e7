// Keeps one data record per host document and forgets a document's record when the host is
// about to destroy the document, so that no record outlives its document.
#pragma once

#include "AcApDocManager.h"
#include "AcApDocManagerReactor.h"

#include <map>

class AcApDocument;

template <class T>
class AsdkDataManager : public AcApDocManagerReactor {
public:
    AsdkDataManager() { acDocManager->addReactor(this); }
    AsdkDataManager(const AsdkDataManager&) = delete;
    AsdkDataManager& operator=(const AsdkDataManager&) = delete;
    ~AsdkDataManager() override { acDocManager->removeReactor(this); }

    void documentToBeDestroyed(AcApDocument* pDoc) override { mData.erase(pDoc); }

    // The document's record, made on first use.
    T& docData(AcApDocument* pDoc) { return mData[pDoc]; }
    bool hasDocData(AcApDocument* pDoc) const { return mData.count(pDoc) != 0; }

private:
    std::map<AcApDocument*, T> mData;
};
