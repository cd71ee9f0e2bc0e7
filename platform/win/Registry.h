// The Windows registry functions over the file-backed store (CRegistryStore), with the
// platform's return codes. Keys opened here are handles to a path: every call reads the store
// file again, so a value written by another process is seen at once.
#pragma once

#include "WinDef.h"
#include "WinError.h"

struct HKEY__;
typedef HKEY__* HKEY;
typedef HKEY* PHKEY;
typedef DWORD REGSAM;
typedef LONG LSTATUS;
struct _SECURITY_ATTRIBUTES;
typedef _SECURITY_ATTRIBUTES* LPSECURITY_ATTRIBUTES;

// Predefined roots; always open, closing them does nothing.
#define HKEY_CLASSES_ROOT (reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(0x80000000u)))
#define HKEY_CURRENT_USER (reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(0x80000001u)))
#define HKEY_LOCAL_MACHINE (reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(0x80000002u)))
#define HKEY_USERS (reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(0x80000003u)))

// Value types.
#define REG_NONE 0
#define REG_SZ 1
#define REG_EXPAND_SZ 2
#define REG_BINARY 3
#define REG_DWORD 4
#define REG_MULTI_SZ 7
#define REG_QWORD 11

// Access rights. Reading values needs KEY_QUERY_VALUE, changing them KEY_SET_VALUE, listing
// subkeys KEY_ENUMERATE_SUB_KEYS; the rest is accepted as given.
#define KEY_QUERY_VALUE 0x0001
#define KEY_SET_VALUE 0x0002
#define KEY_CREATE_SUB_KEY 0x0004
#define KEY_ENUMERATE_SUB_KEYS 0x0008
#define KEY_NOTIFY 0x0010
#define KEY_CREATE_LINK 0x0020
#define KEY_WOW64_64KEY 0x0100
#define KEY_WOW64_32KEY 0x0200
#define KEY_READ 0x20019
#define KEY_WRITE 0x20006
#define KEY_EXECUTE KEY_READ
#define KEY_ALL_ACCESS 0xF003F

// Options and dispositions of RegCreateKeyEx. Volatile keys are kept like the others.
#define REG_OPTION_NON_VOLATILE 0x0000
#define REG_OPTION_VOLATILE 0x0001
#define REG_CREATED_NEW_KEY 1
#define REG_OPENED_EXISTING_KEY 2

// Opens an existing key; ERROR_FILE_NOT_FOUND when it is missing (nothing is created).
// A null or empty subkey opens a new handle to hKey's own key.
LONG RegOpenKeyEx(HKEY hKey, LPCTSTR lpSubKey, DWORD ulOptions, REGSAM samDesired,
                  PHKEY phkResult);
LONG RegOpenKey(HKEY hKey, LPCTSTR lpSubKey, PHKEY phkResult);

// Opens the key, creating it and any missing keys above it; *lpdwDisposition tells which.
LONG RegCreateKeyEx(HKEY hKey, LPCTSTR lpSubKey, DWORD Reserved, LPTSTR lpClass, DWORD dwOptions,
                    REGSAM samDesired, LPSECURITY_ATTRIBUTES lpSecurityAttributes,
                    PHKEY phkResult, LPDWORD lpdwDisposition);
LONG RegCreateKey(HKEY hKey, LPCTSTR lpSubKey, PHKEY phkResult);

LONG RegCloseKey(HKEY hKey);

// With lpData null, *lpcbData receives the size in bytes; with a buffer too small, the result
// is ERROR_MORE_DATA and *lpcbData the size needed. A string's size counts wchar_t bytes with
// the terminating NUL, as it was stored. A null or empty name is the key's default value.
LONG RegQueryValueEx(HKEY hKey, LPCTSTR lpValueName, LPDWORD lpReserved, LPDWORD lpType,
                     LPBYTE lpData, LPDWORD lpcbData);

// Stores exactly cbData bytes of lpData; for REG_SZ include the NUL:
// (length + 1) * sizeof(wchar_t).
LONG RegSetValueEx(HKEY hKey, LPCTSTR lpValueName, DWORD Reserved, DWORD dwType,
                   const BYTE* lpData, DWORD cbData);

LONG RegDeleteValue(HKEY hKey, LPCTSTR lpValueName);

// Deletes a key that has no subkeys (ERROR_ACCESS_DENIED otherwise). An empty subkey deletes
// hKey's own key.
LONG RegDeleteKey(HKEY hKey, LPCTSTR lpSubKey);

// Subkeys in case-insensitive order of their names; ERROR_NO_MORE_ITEMS past the last.
// *lpcchName is the buffer size in characters, on return the name's length without NUL.
// No class or write time is kept: the class comes back empty, the time as zero.
LONG RegEnumKeyEx(HKEY hKey, DWORD dwIndex, LPTSTR lpName, LPDWORD lpcchName,
                  LPDWORD lpReserved, LPTSTR lpClass, LPDWORD lpcchClass,
                  PFILETIME lpftLastWriteTime);

// Values in the order they were first set; sizes as for RegEnumKeyEx and RegQueryValueEx.
LONG RegEnumValue(HKEY hKey, DWORD dwIndex, LPTSTR lpValueName, LPDWORD lpcchValueName,
                  LPDWORD lpReserved, LPDWORD lpType, LPBYTE lpData, LPDWORD lpcbData);
