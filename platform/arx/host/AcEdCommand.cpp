// Names are kept as the module gave them; lookups compare them without regard to case.
#include "AcEdCommand.h"

#include <utility>

AcEdCommand::AcEdCommand(std::wstring group, std::wstring globalName, std::wstring localName, Adesk::Int32 flags,
                         AcRxFunctionPtr function, int functionCode, HINSTANCE resourceHandle)
    : mGroup(std::move(group)), mGlobalName(std::move(globalName)), mLocalName(std::move(localName)), mFlags(flags),
      mFunction(function), mFunctionCode(functionCode), mResourceHandle(resourceHandle)
{
}
