#include "chinese/conversion_settings.h"

#include <atomic>

namespace {

// The host may hand new pointers from any thread; the values behind them are the host's.
std::atomic<_enum_language_type*> g_systemCodeType{nullptr};
std::atomic<int*> g_conversionSwitch{nullptr};

// The host may write its values from another thread at any time: each is read whole, once.
template <typename T>
T ReadHostValue(const T* value) {
#if defined(__GNUC__) || defined(__clang__)
    return __atomic_load_n(value, __ATOMIC_RELAXED);
#else
    return *static_cast<const volatile T*>(value);
#endif
}

}  // namespace

void SetGBAndBig5_Para(_enum_language_type* systemCodeType, int* conversionSwitch) {
    qml::SetConversionSettings(systemCodeType, conversionSwitch);
}

namespace qml {

void SetConversionSettings(_enum_language_type* systemCodeType, int* conversionSwitch) {
    g_systemCodeType.store(systemCodeType, std::memory_order_release);
    g_conversionSwitch.store(conversionSwitch, std::memory_order_release);
}

bool GetSystemCodeType(int& codeType) {
    const _enum_language_type* type = g_systemCodeType.load(std::memory_order_acquire);
    if (type == nullptr) return false;
    codeType = static_cast<int>(ReadHostValue(type));
    return true;
}

bool ConversionIsOn() {
    const int* conversionSwitch = g_conversionSwitch.load(std::memory_order_acquire);
    return conversionSwitch != nullptr && ReadHostValue(conversionSwitch) != 0;
}

}  // namespace qml
