// The DLL's entry point: start-up at process attach, shutdown at process detach. Part of
// module/, not platform/, so that the platform layer never calls up into the library.
#include "module/module_instance.h"
#include "quorvel/wintypes.h"

#if defined(__GLIBCXX__)
namespace __gnu_cxx {
// Frees the C++ runtime's emergency pool for exceptions. The Windows build links the C++
// runtime into the DLL, and with it a pool of its own that nothing else frees.
void __freeres() noexcept;
}  // namespace __gnu_cxx
#endif

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    switch (reason) {
        case DLL_PROCESS_ATTACH:
            // What start-up records goes into constant-initialised storage, which exists
            // before the C runtime runs any constructor of the library.
            return qml::StartModule(instance) ? TRUE : FALSE;
        case DLL_PROCESS_DETACH:
            // FreeLibrary (reserved null) unloads the library while the process goes on: free
            // everything. At process exit the other threads are gone already, perhaps in the
            // middle of a call holding a lock of ours; the system takes the memory back, so
            // nothing is touched.
            if (reserved == nullptr) {
                qml::UnloadModule();
#if defined(__GLIBCXX__)
                __gnu_cxx::__freeres();
#endif
            }
            return TRUE;
        default:
            // Threads come and go without notice: the library keeps no state per thread.
            return TRUE;
    }
}
