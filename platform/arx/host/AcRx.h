// The host's run-time messages to application modules, their answers, command flags and the
// names under which the host's services sit in the system registry.
#pragma once

#include "Adesk.h"

namespace AcRx {

// Messages sent to a module's acrxEntryPoint.
enum AppMsgCode {
    kNullMsg = 0, kInitAppMsg = 1, kUnloadAppMsg = 2, kLoadDwgMsg = 3, kUnloadDwgMsg = 4,
    kInvkSubrMsg = 5, kCfgMsg = 6, kEndMsg = 7, kQuitMsg = 8, kSaveMsg = 9
};

enum AppRetCode { kRetOK = 0, kRetError = 3 };

} // namespace AcRx

// Flags of a registered command.
#define ACRX_CMD_MODAL 0x00000000
#define ACRX_CMD_TRANSPARENT 0x00000001
#define ACRX_CMD_USEPICKSET 0x00000002
#define ACRX_CMD_REDRAW 0x00000004

// Keys of the system registry (acrxSysRegistry).
#define ACRX_DYNAMIC_LINKER L"DynamicLinker"
#define ACRX_CLASS_DICTIONARY L"ClassDictionary"
#define ACRX_COMMAND_DOCK L"ACAD_REGISTERED_COMMANDS"

// The version of the module interface this host offers; a module built for another major
// version is refused at load time.
#define ACRX_API_VERSION 17

typedef void (*AcRxFunctionPtr)();
