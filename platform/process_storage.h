// What the platform keeps for the whole process, in one place.
//
// A host's exit handlers and static destructors, and threads still running while the process
// exits, may call the library after its own destructors have run. So none of this is a static
// object with a destructor: Storage() makes it on the heap at its first use and it is never
// destroyed at exit; ReleaseProcessStorage (platform/os.h) frees it when the library is unloaded
// for good. Every part is guarded by a PermanentLock of its own (the window table holds one
// inside), which works before the first constructor and after the last destructor too. The
// POSIX profile cache keeps its own storage; ReleaseProcessStorage frees it with the rest.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <unordered_map>

#include "platform/os.h"
#include "quorvel/framework.h"

#if !defined(_WIN32)
#include "platform/posix/window_system.h"
#include "quorvel/window_system.h"
#endif

namespace qml::os {

#if !defined(_WIN32)
namespace posix {
struct RegistryKey;  // platform/posix/registry.cpp
}
#endif

struct ProcessStorage {
    // The application name the host set; none: the program's file name.
    PermanentLock hostNameLock;
    std::optional<std::string> hostName;

    // The objects CWnd::FromHandle hands out, one per handle: callers hold on to them without
    // owning them. A combo box gets a CComboBox, so that the customary cast is sound.
    PermanentLock windowObjectsLock;
    std::unordered_map<HWND, std::unique_ptr<CWnd>> windowObjects;

#if !defined(_WIN32)
    // The in-process window system.
    posix::WindowTable windows;

    // The host's message-box presenter; empty: the default one.
    PermanentLock presenterLock;
    quorvel::MessageBoxPresenter presenter;

    // The open registry keys, by handle (the key's own address).
    PermanentLock registryLock;
    std::unordered_map<HKEY, std::shared_ptr<posix::RegistryKey>> registryKeys;
#endif
};

// The process's storage, made at its first use.
ProcessStorage& Storage();

// Frees the storage (ReleaseProcessStorage calls it, with each side's own extras).
void DeleteStorage();

}  // namespace qml::os
