// Root of the classes with run-time type information: isA, isKindOf, cast and desc,
// declared in each class with ACRX_DECLARE_MEMBERS and defined with ACRX_DEFINE_MEMBERS.
#pragma once

#include "AcRxClass.h"

class AcRxObject {
public:
    AcRxObject() = default;
    AcRxObject(const AcRxObject&) = default;
    AcRxObject& operator=(const AcRxObject&) = default;
    virtual ~AcRxObject() = default;

    static AcRxClass* desc();
    virtual AcRxClass* isA() const;
    bool isKindOf(const AcRxClass* aClass) const { return isA()->isDerivedFrom(aClass); }
    static AcRxObject* cast(const AcRxObject* inPtr) { return const_cast<AcRxObject*>(inPtr); }
};

#define ACRX_DECLARE_MEMBERS(CLASS)                                                                                    \
    static AcRxClass* desc();                                                                                          \
    AcRxClass* isA() const override;                                                                                   \
    static CLASS* cast(const AcRxObject* inPtr)                                                                        \
    {                                                                                                                  \
        return (inPtr != nullptr && inPtr->isKindOf(CLASS::desc()))                                                    \
            ? const_cast<CLASS*>(static_cast<const CLASS*>(inPtr))                                                     \
            : nullptr;                                                                                                 \
    }

// A class written to DXF names its record; an abstract class passes L"" and no factory.
#define ACRX_DEFINE_MEMBERS_WITH_FACTORY(CLASS, PARENT, DXFNAME, FACTORY)                                              \
    AcRxClass* CLASS::desc()                                                                                           \
    {                                                                                                                  \
        static AcRxClass sClass(L## #CLASS, PARENT::desc(), DXFNAME, FACTORY);                                         \
        return &sClass;                                                                                                \
    }                                                                                                                  \
    AcRxClass* CLASS::isA() const                                                                                      \
    {                                                                                                                  \
        return CLASS::desc();                                                                                          \
    }

#define ACRX_DEFINE_MEMBERS(CLASS, PARENT) ACRX_DEFINE_MEMBERS_WITH_FACTORY(CLASS, PARENT, L"", nullptr)

#define ACRX_DEFINE_DXF_MEMBERS(CLASS, PARENT, DXFNAME)                                                                \
    ACRX_DEFINE_MEMBERS_WITH_FACTORY(CLASS, PARENT, DXFNAME, []() -> AcRxObject* { return new CLASS(); })
