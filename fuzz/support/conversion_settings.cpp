#include "support/conversion_settings.h"

namespace qml_fuzz {

FuzzConversionSettings::FuzzConversionSettings(std::uint8_t systemChoice, std::uint8_t switchChoice)
    : m_hasSystem(systemChoice % 6 != 0), m_hasSwitch(switchChoice % 3 != 0) {
    static const int kTypes[] = {0, 1, 2, 3, 7};
    if (m_hasSystem) m_system = static_cast<_enum_language_type>(kTypes[systemChoice % 6 - 1]);
    m_switch = switchChoice % 3 == 2 ? 1 : 0;
    SetGBAndBig5_Para(m_hasSystem ? &m_system : nullptr, m_hasSwitch ? &m_switch : nullptr);
}

FuzzConversionSettings::~FuzzConversionSettings() {
    SetGBAndBig5_Para(nullptr, nullptr);
}

}  // namespace qml_fuzz
