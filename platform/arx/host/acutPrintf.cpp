// Every print goes to the one transcript, so prints and prompts stay in order.
#include "acut.h"

#include "HostApplication.h"

int acutPrintfText(const std::wstring& text)
{
    HostApplication::instance().transcript().write(text);
    return static_cast<int>(text.size());
}
