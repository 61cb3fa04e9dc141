// Start-up and shutdown of the library inside its host process: what the Windows entry point
// (module/dll_main_win32.cpp), and elsewhere a static object of the library, run at load, at
// unload and at the end of the process.
#pragma once

#include "chinese/conversion_state.h"
#include "platform/os.h"
#include "quorvel/wintypes.h"

namespace qml {

// Start-up: records the library's own module handle, through which the converter finds its
// code tables (ModuleInstance). False for a null handle, which must make the load fail;
// nothing is recorded then.
bool StartModule(HINSTANCE instance);
// Shutdown: deletes the converter object, under the conversion lock. Runs at unload and at
// process exit; a conversion after it makes a fresh converter.
void StopModule();
// A real unload of the library (dlclose, FreeLibrary; never process exit): shutdown, then
// everything the library keeps for the process is freed.
void UnloadModule();

}  // namespace qml
