// Who starts and stops the library inside its host process, and what it frees when it is
// unloaded.
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

// What the library keeps for the whole process (the host's application name, window objects,
// on POSIX the window system, the profile cache and the open registry keys) is never destroyed
// at process exit: a host's exit handlers and static destructors, and threads still running
// then, may call the library after its own destructors have run. It is freed only when the
// library is unloaded for good (dlclose, FreeLibrary), when no thread of the host is inside
// the library and none calls it again. ReleaseProcessStorage frees all of it.
void ReleaseProcessStorage();
void ReleaseApplicationName();
void ReleaseWindowObjects();
#if !defined(_WIN32)
void ReleaseRegistryKeys();
#endif

}  // namespace qml::os
