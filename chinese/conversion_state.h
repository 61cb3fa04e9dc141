// What the Chinese conversion keeps for the whole process: the converter object, the lock
// around it, the module whose resources hold the code tables, and the host's two settings.
// Constant-initialised and never destroyed (see platform/module_entry.h): a host's exit
// handlers and late threads may still convert after the library's own destructors have run.
#pragma once

#include <atomic>

#include "platform/os.h"
#include "quorvel/multilanguage.h"

namespace qml {

struct ConversionState {
    // Serialises every use of the converter object: the entry points and the shutdown hold it.
    os::PermanentLock lock;
    // The process-wide converter object, made at its first use; changed only under the lock
    // (or by a host calling the exported GetInstance and DeleteInstance itself).
    CGBAndBig5* converter = nullptr;
    // The module start-up recorded, once it has (the test of missing tables records null).
    std::atomic<HINSTANCE> module{nullptr};
    std::atomic<bool> moduleRecorded{false};
    // The host's pointers to its system code type and its conversion switch; the host may hand
    // new ones from any thread, the values behind them are the host's.
    std::atomic<_enum_language_type*> systemCodeType{nullptr};
    std::atomic<int*> conversionSwitch{nullptr};
};

// The one conversion state of the process.
ConversionState& ProcessConversionState();

// The one lock that serialises every use of the converter object. It exists before the first
// export can be called and is never destroyed.
os::PermanentLock& ConversionLock();

// The library's own module handle, through which the converter finds its code tables: the one
// start-up recorded, else the module that holds this code (a program linked with the static
// library, where nothing may pull the start-up in).
HINSTANCE ModuleInstance();
// Start-up records the handle here. Also lets tests run the converter without its tables.
void SetModuleInstance(HINSTANCE instance);

}  // namespace qml
