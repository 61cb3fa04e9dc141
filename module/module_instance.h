// What the library's start-up sets up for the rest of it: its own module handle, through
// which the converter finds its code tables, and the lock around the converter.
#pragma once

#include "platform/os.h"
#include "quorvel/wintypes.h"

namespace qml {

// Start-up: records the library's own module handle. False for a null handle, which must make
// the load fail; nothing is recorded then.
bool StartModule(HINSTANCE instance);
// Shutdown: deletes the converter object, under the conversion lock. Runs at unload and at
// process exit; a conversion after it makes a fresh converter.
void StopModule();
// A real unload of the library (dlclose, FreeLibrary; never process exit): shutdown, then
// everything the library keeps for the process is freed.
void UnloadModule();

// The library's own module handle; null until start-up has run.
HINSTANCE ModuleInstance();
// Start-up records the handle here. Also lets tests run the converter without its tables.
void SetModuleInstance(HINSTANCE instance);

// The one lock that serialises every use of the converter object. It exists before the first
// export can be called and after the last static destructor of the library has run.
os::CriticalSection& ConversionLock();

}  // namespace qml
