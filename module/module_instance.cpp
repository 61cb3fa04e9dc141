// Start-up and shutdown of the library inside the host process. In the Windows DLL the entry
// point runs them; elsewhere a static object stands in for the application object: its
// construction at load records the module handle, its destruction at unload (dlclose, or the
// end of the process) deletes the converter object.
#include "module/module_instance.h"

#include <atomic>

#include "platform/os.h"
#include "quorvel/multilanguage.h"

namespace qml {

namespace {

std::atomic<HINSTANCE> g_moduleInstance{nullptr};

// Constant-initialised on POSIX (no constructor runs, no destructor is registered there), so
// the lock outlives every user, the static destructors of the library included. On Windows it
// is constructed with the library's statics, before the entry point runs, and destroyed with
// them, after the entry point's shutdown.
os::CriticalSection g_conversionLock;

class LibraryModule {
  public:
    LibraryModule() : m_startsHere(!os::StartedByEntryPoint()) {
        if (m_startsHere) StartModule(os::OwnModuleHandle());
    }
    ~LibraryModule() {
        if (m_startsHere) StopModule();
    }
    LibraryModule(const LibraryModule&) = delete;
    LibraryModule& operator=(const LibraryModule&) = delete;

  private:
    bool m_startsHere;
};

LibraryModule g_libraryModule;

}  // namespace

bool StartModule(HINSTANCE instance) {
    if (instance == nullptr) return false;
    SetModuleInstance(instance);
    return true;
}

// Under the lock, so that a thread still converting at process exit finishes first.
void StopModule() {
    os::CriticalSectionLock hold(g_conversionLock);
    CGBAndBig5::DeleteInstance();
}

void UnloadModule() {
    StopModule();
    os::ReleaseProcessStorage();
}

HINSTANCE ModuleInstance() {
    return g_moduleInstance.load(std::memory_order_acquire);
}

void SetModuleInstance(HINSTANCE instance) {
    g_moduleInstance.store(instance, std::memory_order_release);
}

os::CriticalSection& ConversionLock() {
    return g_conversionLock;
}

}  // namespace qml
