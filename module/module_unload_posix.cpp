// Telling an unload of the library (dlclose) from the end of the process, which both run the
// library's destructors. At process exit the static destructors run first, among the exit
// handlers, and the destructor section of each library after all of them; dlclose runs the
// library's destructor section first and its static destructors after it. So the function
// below unloads the module only when the static destructors have not run yet, that is when
// dlclose unloads the library; at exit everything stays in place for the host's later exit
// handlers and its threads still running.
#include <atomic>

#include "module/module_instance.h"

namespace qml {

namespace {

std::atomic<bool> g_staticsDestroyed{false};

struct StaticsWatch {
    StaticsWatch() = default;
    ~StaticsWatch() { g_staticsDestroyed.store(true); }
    StaticsWatch(const StaticsWatch&) = delete;
    StaticsWatch& operator=(const StaticsWatch&) = delete;
};
StaticsWatch g_staticsWatch;

__attribute__((destructor)) void ReleaseAtUnload() {
    if (g_staticsDestroyed.load()) return;  // the process is exiting
    UnloadModule();
}

}  // namespace

}  // namespace qml
