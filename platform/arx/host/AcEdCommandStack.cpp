// Command names are matched without regard to case, as a user types them.
#include "AcEdCommandStack.h"

#include <algorithm>
#include <cwctype>

ACRX_DEFINE_MEMBERS(AcEdCommandStack, AcRxObject);

namespace {

bool sameName(const std::wstring& a, const ACHAR* b)
{
    const std::size_t n = std::wcslen(b);
    return a.size() == n
        && std::equal(a.begin(), a.end(), b, [](wchar_t x, wchar_t y) { return std::towupper(x) == std::towupper(y); });
}

bool validName(const ACHAR* name)
{
    return name != nullptr && name[0] != 0 && std::wcschr(name, L' ') == nullptr;
}

} // namespace

AcEdCommandStack::Group* AcEdCommandStack::findGroup(const ACHAR* name)
{
    for (Group& g : mGroups) {
        if (sameName(g.name, name))
            return &g;
    }
    return nullptr;
}

bool AcEdCommandStack::hasGroup(const ACHAR* groupName) const
{
    return groupName != nullptr && const_cast<AcEdCommandStack*>(this)->findGroup(groupName) != nullptr;
}

Acad::ErrorStatus AcEdCommandStack::addCommand(const ACHAR* cmdGroupName, const ACHAR* cmdGlobalName,
                                               const ACHAR* cmdLocalName, Adesk::Int32 commandFlags,
                                               AcRxFunctionPtr functionAddr, AcEdUIContext*, int fcode,
                                               HINSTANCE hResourceHandle, AcEdCommand** cmdPtrRet)
{
    if (!validName(cmdGroupName) || !validName(cmdGlobalName) || !validName(cmdLocalName) || functionAddr == nullptr)
        return Acad::eInvalidInput;
    Group* group = findGroup(cmdGroupName);
    if (group == nullptr) {
        mGroups.insert(mGroups.begin(), Group{cmdGroupName, {}});
        group = &mGroups.front();
    }
    for (const auto& c : group->commands) {
        if (sameName(c->globalName(), cmdGlobalName) || sameName(c->localName(), cmdLocalName))
            return Acad::eDuplicateKey;
    }
    group->commands.push_back(std::make_unique<AcEdCommand>(cmdGroupName, cmdGlobalName, cmdLocalName, commandFlags,
                                                            functionAddr, fcode, hResourceHandle));
    if (cmdPtrRet != nullptr)
        *cmdPtrRet = group->commands.back().get();
    return Acad::eOk;
}

Acad::ErrorStatus AcEdCommandStack::removeCmd(const ACHAR* cmdGroupName, const ACHAR* cmdGlobalName)
{
    Group* group = cmdGroupName ? findGroup(cmdGroupName) : nullptr;
    if (group == nullptr || cmdGlobalName == nullptr)
        return Acad::eKeyNotFound;
    auto& cmds = group->commands;
    const auto it = std::find_if(cmds.begin(), cmds.end(),
                                 [&](const auto& c) { return sameName(c->globalName(), cmdGlobalName); });
    if (it == cmds.end())
        return Acad::eKeyNotFound;
    cmds.erase(it);
    return Acad::eOk;
}

Acad::ErrorStatus AcEdCommandStack::removeGroup(const ACHAR* groupName)
{
    Group* group = groupName ? findGroup(groupName) : nullptr;
    if (group == nullptr)
        return Acad::eKeyNotFound;
    mGroups.erase(mGroups.begin() + (group - mGroups.data()));
    return Acad::eOk;
}

AcEdCommand* AcEdCommandStack::lookupCmd(const ACHAR* cmdStr, bool globalFlag) const
{
    if (cmdStr == nullptr)
        return nullptr;
    for (const Group& g : mGroups) {
        for (const auto& c : g.commands) {
            if (sameName(globalFlag ? c->globalName() : c->localName(), cmdStr))
                return c.get();
        }
    }
    return nullptr;
}

AcEdCommand* AcEdCommandStack::lookupGlobalCmd(const ACHAR* globalName) const { return lookupCmd(globalName, true); }

AcEdCommand* AcEdCommandStack::lookupLocalCmd(const ACHAR* localName) const { return lookupCmd(localName, false); }

AcEdCommand* AcEdCommandStack::lookupTyped(const ACHAR* typed) const
{
    if (typed == nullptr)
        return nullptr;
    std::wstring name = typed;
    if (!name.empty() && name.front() == L'.')
        name.erase(0, 1);
    if (!name.empty() && name.front() == L'_')
        return lookupGlobalCmd(name.c_str() + 1);
    if (AcEdCommand* local = lookupLocalCmd(name.c_str()))
        return local;
    return lookupGlobalCmd(name.c_str());
}
