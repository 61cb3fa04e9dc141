// Who starts and stops the library inside its host process.
#pragma once

#include "platform/resource.h"

namespace qml::os {

// True where the system calls the library's entry point at load and unload (the Windows DLL,
// whose DllMain runs start-up and shutdown). False on POSIX, and on Windows where this code is
// linked into a program: no entry point runs there, and a static object of the library does
// the same work at the start and the end of the program.
#if defined(_WIN32)
inline bool StartedByEntryPoint() {
    return OwnModuleHandle() != ::GetModuleHandleA(nullptr);
}
#else
inline bool StartedByEntryPoint() {
    return false;
}
#endif

}  // namespace qml::os
