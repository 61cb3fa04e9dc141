// The platform seam. The library's logic calls the Win32 services it needs through
// qml::os with their Win32 names, argument orders and results. On Windows these are the
// real functions; on POSIX, platform/posix/ stands in for each with the reference
// behaviour of the real one.
#pragma once

#include <string>

#include "platform/os_window.h"
#include "quorvel/wintypes.h"

namespace qml::os {

// Profile files (INI). Reads key of section app from file into ret (at most size - 1
// characters and a NUL), or def when there is none; returns the characters copied. A file
// that begins with the UTF-8 mark gives its names and values in UTF-8, as they stand.
DWORD GetPrivateProfileStringA(LPCSTR app, LPCSTR key, LPCSTR def, LPSTR ret, DWORD size, LPCSTR file);

#if defined(_WIN32)
using ::GetLastError;
using ::GetUserDefaultLCID;
using ::RegCloseKey;
using ::RegOpenKeyExA;
using ::RegQueryValueExA;
using ::SetLastError;
#else
// The user's locale identifier, from LC_ALL, LC_MESSAGES or LANG.
LCID GetUserDefaultLCID();

// The calling thread's last system error.
DWORD GetLastError();
void SetLastError(DWORD code);

// The registry, over a profile-format file (QUORVEL_REGISTRY or
// $XDG_CONFIG_HOME/quorvel/registry.ini).
LONG RegOpenKeyExA(HKEY root, LPCSTR subKey, DWORD options, REGSAM access, HKEY* result);
LONG RegQueryValueExA(HKEY key, LPCSTR valueName, LPDWORD reserved, LPDWORD type, LPBYTE data, LPDWORD size);
LONG RegCloseKey(HKEY key);
#endif

// The name of the host application: what the host set, else the program's file name (on
// Windows without its extension). Empty when it cannot be told.
std::string GetApplicationName();

// The program's file name, each platform's own (on Windows without its extension).
std::string ProgramFileName();

}  // namespace qml::os
