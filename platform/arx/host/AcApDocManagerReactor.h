// What a module hears from the document manager: documents made, made current and about to
// be destroyed.
#pragma once

class AcApDocument;

class AcApDocManagerReactor {
public:
    virtual ~AcApDocManagerReactor() = default;
    virtual void documentCreated(AcApDocument* pDocCreating) { (void)pDocCreating; }
    virtual void documentBecameCurrent(AcApDocument* pDoc) { (void)pDoc; }
    virtual void documentToBeDestroyed(AcApDocument* pDocToDestroy) { (void)pDocToDestroy; }
};
