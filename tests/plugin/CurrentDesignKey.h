// The editor's record of the design it is editing ("CurGltFile"), which the drawing command reads.
#pragma once

#include "Registry.h"

#include <gtest/gtest.h>

#include <string>

inline void SetCurrentDesign(const std::wstring& path)
{
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyEx(HKEY_CURRENT_USER, L"Software\\Veltra软件\\Veltra盖梁设计绘图系统", 0, nullptr, 0, KEY_WRITE,
                  nullptr, &key, nullptr),
        ERROR_SUCCESS);
    RegSetValueEx(key, L"CurGltFile", 0, REG_SZ, reinterpret_cast<const BYTE*>(path.c_str()),
        static_cast<DWORD>((path.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
}
