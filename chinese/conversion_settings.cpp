#include "chinese/conversion_settings.h"

#include <atomic>

namespace {

// The host may hand new pointers from any thread; the values behind them are the host's.
std::atomic<_enum_language_type*> g_systemCodeType{nullptr};
std::atomic<int*> g_conversionSwitch{nullptr};

}  // namespace

void SetGBAndBig5_Para(_enum_language_type* systemCodeType, int* conversionSwitch) {
    g_systemCodeType.store(systemCodeType, std::memory_order_release);
    g_conversionSwitch.store(conversionSwitch, std::memory_order_release);
}

namespace qml {

bool GetSystemCodeType(int& codeType) {
    const _enum_language_type* type = g_systemCodeType.load(std::memory_order_acquire);
    if (type == nullptr) return false;
    codeType = static_cast<int>(*type);
    return true;
}

bool ConversionIsOn() {
    const int* conversionSwitch = g_conversionSwitch.load(std::memory_order_acquire);
    return conversionSwitch != nullptr && *conversionSwitch != 0;
}

}  // namespace qml
