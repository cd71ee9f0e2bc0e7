// Database classes register themselves by name; the dictionary is a view of that register.
#include "AcRxClassDictionary.h"

ACRX_DEFINE_MEMBERS(AcRxClassDictionary, AcRxObject);

AcRxClass* AcRxClassDictionary::at(const ACHAR* className) const
{
    if (className == nullptr || className[0] == 0)
        return nullptr;
    return AcRxClass::findByName(className);
}
