// Run-time class descriptor: the class name, its parent, the DXF record name and a factory.
// Every database class registers one; the DXF reader finds classes through it by DXF name.
#pragma once

#include "Adesk.h"

#include <string>

class AcRxObject;

class AcRxClass {
public:
    typedef AcRxObject* (*Constructor)();

    AcRxClass(const ACHAR* name, AcRxClass* parent, const ACHAR* dxfName = L"", Constructor create = nullptr);
    AcRxClass(const AcRxClass&) = delete;
    AcRxClass& operator=(const AcRxClass&) = delete;

    const ACHAR* name() const { return mName.c_str(); }
    const ACHAR* dxfName() const { return mDxfName.c_str(); }
    AcRxClass* myParent() const { return mParent; }
    bool isDerivedFrom(const AcRxClass* other) const;
    // A new instance, or null for an abstract class.
    AcRxObject* create() const { return mCreate ? mCreate() : nullptr; }

    // The class dictionary: every class whose descriptor has been made, by class name.
    static AcRxClass* findByName(const ACHAR* name);
    // The concrete class written under this DXF record name, or null.
    static AcRxClass* findByDxfName(const ACHAR* dxfName);

private:
    std::wstring mName;
    std::wstring mDxfName;
    AcRxClass* mParent;
    Constructor mCreate;
};
