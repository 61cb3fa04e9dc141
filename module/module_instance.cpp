// Start-up and shutdown of the library inside the host process. In the Windows DLL the entry
// point runs them; elsewhere a static object stands in for the application object: its
// construction at load records the module handle, its destruction at unload (dlclose, or the
// end of the process) deletes the converter object.
#include "module/module_instance.h"

#include <mutex>

#include "platform/os.h"
#include "quorvel/multilanguage.h"

namespace qml {

namespace {

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
    std::lock_guard<os::PermanentLock> hold(ConversionLock());
    CGBAndBig5::DeleteInstance();
}

void UnloadModule() {
    StopModule();
    os::ReleaseProcessStorage();
}

}  // namespace qml
