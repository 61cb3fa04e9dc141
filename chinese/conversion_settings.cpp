#include "chinese/conversion_settings.h"

#include "chinese/conversion_state.h"

namespace {

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
    ConversionState& state = ProcessConversionState();
    state.systemCodeType.store(systemCodeType, std::memory_order_release);
    state.conversionSwitch.store(conversionSwitch, std::memory_order_release);
}

bool GetSystemCodeType(int& codeType) {
    const _enum_language_type* type = ProcessConversionState().systemCodeType.load(std::memory_order_acquire);
    if (type == nullptr) return false;
    codeType = static_cast<int>(ReadHostValue(type));
    return true;
}

bool ConversionIsOn() {
    const int* conversionSwitch = ProcessConversionState().conversionSwitch.load(std::memory_order_acquire);
    return conversionSwitch != nullptr && ReadHostValue(conversionSwitch) != 0;
}

}  // namespace qml
