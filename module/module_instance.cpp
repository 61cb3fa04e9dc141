// Start-up and shutdown of the library inside the host process. A static object stands in for
// the application object: its construction at load records the module handle, its
// destruction at unload (dlclose, or the end of the process) deletes the converter object.
#include "module/module_instance.h"

#include <atomic>

#include "platform/resource.h"
#include "quorvel/multilanguage.h"

namespace qml {

namespace {

std::atomic<HINSTANCE> g_moduleInstance{nullptr};

// Constant-initialised on POSIX (no constructor runs, no destructor is registered there), so
// the lock outlives every user, the static destructors of the library included.
os::CriticalSection g_conversionLock;

class LibraryModule {
  public:
    LibraryModule() { SetModuleInstance(os::OwnModuleHandle()); }
    // Under the lock, so that a thread still converting at process exit finishes first.
    ~LibraryModule() {
        os::CriticalSectionLock hold(g_conversionLock);
        CGBAndBig5::DeleteInstance();
    }
    LibraryModule(const LibraryModule&) = delete;
    LibraryModule& operator=(const LibraryModule&) = delete;
};

LibraryModule g_libraryModule;

}  // namespace

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
