// The module record and the two commands: what the module entry registers and removes.
#include "CorbeldrawModule.h"

#include "CorbeldrawCommand.h"
#include "aced.h"

CorbeldrawModuleState& CorbeldrawModule()
{
    static CorbeldrawModuleState state;
    return state;
}

int InitExtensionModule(HINSTANCE instance)
{
    CorbeldrawModuleState& module = CorbeldrawModule();
    if (module.initialised)
        return 0;
    module.initialised = 1;
    module.previousResource = acDocManager->resourceHandle();
    module.instance = instance;
    return module.initialised;
}

int AddCommand(const wchar_t* group, const wchar_t* globalName, const wchar_t* localName, int flags,
    AcRxFunctionPtr handler, int /*resourceId*/)
{
    return acedRegCmds->addCommand(group, globalName, localName, flags, handler, nullptr, -1, nullptr);
}

void RegisterCommands()
{
    AddCommand(L"MavMav", L"BENTCAP", L"BC", ACRX_CMD_TRANSPARENT | ACRX_CMD_USEPICKSET, OnBentCapCommand, -1);
    AddCommand(L"CORBELDRAW", L"BC_NOUI", L"BC_NOUI", ACRX_CMD_TRANSPARENT | ACRX_CMD_USEPICKSET, OnNoUiCommand, -1);
}

void RemoveCommandGroup()
{
    acedRegCmds->removeGroup(L"MavMav");
    acedRegCmds->removeGroup(L"CORBELDRAW");
}

void OnBentCapCommand()
{
    CorbeldrawCommand command;
    command.Run();
}

void OnNoUiCommand()
{
    CorbeldrawCommand command;
    command.Run();
}

void PopResourceHandle() { acDocManager->popResourceHandle(); }

CorbeldrawResourceScope::CorbeldrawResourceScope() { acDocManager->pushResourceHandle(CorbeldrawModule().instance); }

CorbeldrawResourceScope::~CorbeldrawResourceScope() { PopResourceHandle(); }

