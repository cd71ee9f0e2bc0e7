// The host's utility functions: printing to the command line with printf rules on wide
// strings ("%s" takes wide or narrow text, numbers in the C locale), and the result buffers.
#pragma once

#include "CString.h"
#include "resbuf.h"

#include <string>

// Writes the text to the command line as it is; returns the number of characters.
int acutPrintfText(const std::wstring& text);

template <class... Args>
int acutPrintf(const ACHAR* format, const Args&... args)
{
    if (format == nullptr)
        return 0;
    return acutPrintfText(corbel::fmt::FormatText(format, {corbel::fmt::MakeArg(args)...}));
}
