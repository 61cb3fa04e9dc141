#include "chinese/conversion_state.h"

#include <type_traits>

#include "platform/os.h"

namespace qml {

static_assert(std::is_trivially_destructible_v<ConversionState>,
              "the conversion state must outlive the library's destructors");

ConversionState& ProcessConversionState() {
    // Constant-initialised: in place before any code of the library runs.
    static ConversionState state;
    return state;
}

os::PermanentLock& ConversionLock() {
    return ProcessConversionState().lock;
}

HINSTANCE ModuleInstance() {
    const ConversionState& state = ProcessConversionState();
    if (!state.moduleRecorded.load(std::memory_order_acquire)) return os::OwnModuleHandle();
    return state.module.load(std::memory_order_acquire);
}

void SetModuleInstance(HINSTANCE instance) {
    ConversionState& state = ProcessConversionState();
    state.module.store(instance, std::memory_order_release);
    state.moduleRecorded.store(true, std::memory_order_release);
}

}  // namespace qml
