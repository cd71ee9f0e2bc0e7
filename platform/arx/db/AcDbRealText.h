// Reals written as text in the C locale (linetype files, typed distances), whatever the
// process locale says.
#pragma once

#include <string>

// True when the whole text (spaces around allowed) is one decimal number.
bool acdbParseReal(const std::wstring& text, double& value);
