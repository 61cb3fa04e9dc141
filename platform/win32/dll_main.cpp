// The DLL's entry point: start-up at process attach, shutdown at process detach.
#include "module/module_instance.h"
#include "quorvel/wintypes.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID /*reserved*/) {
    switch (reason) {
        case DLL_PROCESS_ATTACH:
            // The conversion lock is a static object, so it exists already: the C runtime
            // constructs the library's statics before it calls this function, and destroys
            // them after the call for process detach.
            return qml::StartModule(instance) ? TRUE : FALSE;
        case DLL_PROCESS_DETACH:
            qml::StopModule();
            return TRUE;
        default:
            // Threads come and go without notice: the library keeps no state per thread.
            return TRUE;
    }
}
