// The class dictionary: every run-time class of the drawing database by class name, as
// modules find a class the host supports ("AcDbWipeout") before creating an instance of it.
// A class descriptor here is not itself a run-time object, so the dictionary answers with
// the descriptor directly rather than through AcRxObject.
#pragma once

#include "AcRxClass.h"
#include "AcRx.h"
#include "AcRxDictionary.h"
#include "AcRxObject.h"

class AcRxClassDictionary : public AcRxObject {
public:
    ACRX_DECLARE_MEMBERS(AcRxClassDictionary);

    // The class of that name, or null when the host does not know it.
    AcRxClass* at(const ACHAR* className) const;
    bool has(const ACHAR* className) const { return at(className) != nullptr; }
};

#define acrxClassDictionary AcRxClassDictionary::cast(acrxSysRegistry()->at(ACRX_CLASS_DICTIONARY))
