// The command stack: commands registered by modules in named groups. The group added last is
// searched first, so a later module's command of the same name is found before an earlier one.
#pragma once

#include "AcEdCommand.h"
#include "AcRxDictionary.h"
#include "AcRxObject.h"
#include "AcadErrorStatus.h"

#include <memory>
#include <string>
#include <vector>

class AcEdUIContext;

class AcEdCommandStack : public AcRxObject {
public:
    ACRX_DECLARE_MEMBERS(AcEdCommandStack);

    // eInvalidInput for an empty group or name, a name with a space, or no function;
    // eDuplicateKey when the group already holds a command of that global or local name.
    Acad::ErrorStatus addCommand(const ACHAR* cmdGroupName, const ACHAR* cmdGlobalName, const ACHAR* cmdLocalName,
                                 Adesk::Int32 commandFlags, AcRxFunctionPtr functionAddr,
                                 AcEdUIContext* UIContext = nullptr, int fcode = -1,
                                 HINSTANCE hResourceHandle = nullptr, AcEdCommand** cmdPtrRet = nullptr);
    // eKeyNotFound when the group or the command is not there.
    Acad::ErrorStatus removeCmd(const ACHAR* cmdGroupName, const ACHAR* cmdGlobalName);
    Acad::ErrorStatus removeGroup(const ACHAR* groupName);

    AcEdCommand* lookupGlobalCmd(const ACHAR* globalName) const;
    AcEdCommand* lookupLocalCmd(const ACHAR* localName) const;
    // Global names when globalFlag is set, else local names.
    AcEdCommand* lookupCmd(const ACHAR* cmdStr, bool globalFlag) const;
    // A command as a user types it: a leading "." is dropped; "_NAME" is a global name;
    // any other name is looked up among local names, then global ones.
    AcEdCommand* lookupTyped(const ACHAR* typed) const;
    bool hasGroup(const ACHAR* groupName) const;

private:
    struct Group {
        std::wstring name;
        std::vector<std::unique_ptr<AcEdCommand>> commands;
    };

    Group* findGroup(const ACHAR* name);

    std::vector<Group> mGroups; // newest first
};

#define acedRegCmds AcEdCommandStack::cast(acrxSysRegistry()->at(ACRX_COMMAND_DOCK))
