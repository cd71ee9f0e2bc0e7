// What modules use of the transaction manager: to push pending graphics to the
// screen. The host draws only on request (rendering a file), so there is nothing to flush.
#pragma once

#include "AcadErrorStatus.h"

class AcTransactionManager {
public:
    Acad::ErrorStatus queueForGraphicsFlush() { return Acad::eOk; }
    Acad::ErrorStatus flushGraphics() { return Acad::eOk; }
    void enableGraphicsFlush(bool doEnable) { (void)doEnable; }
};

// The current document's transaction manager.
AcTransactionManager* acTransactionManagerPtr();
#define actrTransactionManager acTransactionManagerPtr()
