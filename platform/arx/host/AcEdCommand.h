// One registered command: its group, global and local names, flags and the function that
// runs it.
#pragma once

#include "AcRx.h"
#include "WinDef.h"

#include <string>

class AcEdCommand {
public:
    AcEdCommand(std::wstring group, std::wstring globalName, std::wstring localName, Adesk::Int32 flags,
                AcRxFunctionPtr function, int functionCode, HINSTANCE resourceHandle);

    const ACHAR* globalName() const { return mGlobalName.c_str(); }
    const ACHAR* localName() const { return mLocalName.c_str(); }
    const ACHAR* groupName() const { return mGroup.c_str(); }
    Adesk::Int32 commandFlags() const { return mFlags; }
    AcRxFunctionPtr functionAddr() const { return mFunction; }
    int functionCode() const { return mFunctionCode; }
    HINSTANCE resourceHandle() const { return mResourceHandle; }

private:
    std::wstring mGroup;
    std::wstring mGlobalName;
    std::wstring mLocalName;
    Adesk::Int32 mFlags;
    AcRxFunctionPtr mFunction;
    int mFunctionCode;
    HINSTANCE mResourceHandle;
};
