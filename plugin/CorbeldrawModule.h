// The plug-in's module record and command registration, shared by the module entry and the
// commands that push the plug-in's resources.
#pragma once

#include "AcRx.h"
#include "WinDef.h"

// The module record: one per process, set up when the library is attached.
struct CorbeldrawModuleState {
    int initialised = 0;
    HINSTANCE previousResource = nullptr;
    HINSTANCE instance = nullptr;
};

CorbeldrawModuleState& CorbeldrawModule();

// 1 once set up; a second call changes nothing. The host has no class-library extension
// modules, so setting up means remembering the handles.
int InitExtensionModule(HINSTANCE instance);
// The command stack's status. A resource id other than -1 would load the local name from the
// module's string table, which the host does not carry: the given local name is kept then.
int AddCommand(const wchar_t* group, const wchar_t* globalName, const wchar_t* localName, int flags,
    AcRxFunctionPtr handler, int resourceId);
void RegisterCommands();
void RemoveCommandGroup();
void OnBentCapCommand();
void OnNoUiCommand();
void PopResourceHandle();

// The plug-in's resources current for the scope's lifetime: pushed on entry, popped on every
// way out (the drawing run, the options dialog's file browse).
class CorbeldrawResourceScope {
public:
    CorbeldrawResourceScope();
    ~CorbeldrawResourceScope();
    CorbeldrawResourceScope(const CorbeldrawResourceScope&) = delete;
    CorbeldrawResourceScope& operator=(const CorbeldrawResourceScope&) = delete;
};
