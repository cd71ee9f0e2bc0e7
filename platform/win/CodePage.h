// Conversions between wide text (wchar_t, UTF-32 on Linux) and 8-bit text in the ANSI code
// page (936, GBK: design files and settings files) or UTF-8 (logs, registry store, DXF).
#pragma once

#include "WinDef.h"

#include <cstddef>
#include <string>
#include <string_view>

#define MB_PRECOMPOSED 0x00000001
#define MB_ERR_INVALID_CHARS 0x00000008
#define WC_COMPOSITECHECK 0x00000200
#define WC_NO_BEST_FIT_CHARS 0x00000400
#define WC_ERR_INVALID_CHARS 0x00000080

// The ANSI code page of this system: 936.
UINT GetACP();

// Windows semantics: code page CP_ACP (also CP_OEMCP, CP_THREAD_ACP, 936) or CP_UTF8; a source
// length of -1 converts up to and including the terminating NUL; an output size of 0 returns
// the size needed. Invalid input is replaced by U+FFFD unless MB_ERR_INVALID_CHARS is given,
// which makes it fail with ERROR_NO_UNICODE_TRANSLATION. Returns 0 on failure (GetLastError).
int MultiByteToWideChar(UINT CodePage, DWORD dwFlags, LPCSTR lpMultiByteStr, int cbMultiByte,
                        LPWSTR lpWideCharStr, int cchWideChar);

// Windows semantics as above. For the ANSI code page a character that GBK cannot hold becomes
// the default character (lpDefaultChar, else '?') and sets *lpUsedDefaultChar; no best-fit
// mapping is made. For CP_UTF8 both of those arguments must be null; a wide value that is no
// Unicode scalar becomes U+FFFD unless WC_ERR_INVALID_CHARS is given.
int WideCharToMultiByte(UINT CodePage, DWORD dwFlags, LPCWSTR lpWideCharStr, int cchWideChar,
                        LPSTR lpMultiByteStr, int cbMultiByte, LPCSTR lpDefaultChar,
                        LPBOOL lpUsedDefaultChar);

// Strict conversions for the system's own files: nothing is replaced or dropped. On failure
// they return false, leave `out` unchanged and, when asked, give the position of the first bad
// place (a byte offset into `bytes`, or a character index into `text`).
bool AnsiToWide(std::string_view bytes, std::wstring& out, std::size_t* badOffset = nullptr);
bool WideToAnsi(std::wstring_view text, std::string& out, std::size_t* badIndex = nullptr);
bool Utf8ToWide(std::string_view bytes, std::wstring& out, std::size_t* badOffset = nullptr);
bool WideToUtf8(std::wstring_view text, std::string& out, std::size_t* badIndex = nullptr);

// Whether the wide character is a Unicode scalar value (not a surrogate half).
bool IsUnicodeScalar(wchar_t c);

// For logs and messages only: values that are no Unicode scalar become U+FFFD.
std::string WideToUtf8Lossy(std::wstring_view text);
// Invalid sequences become U+FFFD; for narrow literals of our own sources.
std::wstring Utf8ToWideLossy(std::string_view bytes);
