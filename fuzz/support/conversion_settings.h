// The two host-owned conversion settings, chosen from parameter bytes: no system code type or
// any code type 0..3 (and one beyond), the switch missing, off or on.
#pragma once

#include <cstdint>

#include "quorvel/multilanguage.h"

namespace qml_fuzz {

class FuzzConversionSettings {
  public:
    // systemChoice % 6: 0 no system code type, 1..5 code types 0, 1, 2, 3, 7.
    // switchChoice % 3: 0 no switch, 1 off, 2 on.
    FuzzConversionSettings(std::uint8_t systemChoice, std::uint8_t switchChoice);
    ~FuzzConversionSettings();
    FuzzConversionSettings(const FuzzConversionSettings&) = delete;
    FuzzConversionSettings& operator=(const FuzzConversionSettings&) = delete;

    bool HasSystem() const { return m_hasSystem; }
    int System() const { return static_cast<int>(m_system); }
    bool On() const { return m_hasSwitch && m_switch != 0; }

  private:
    bool m_hasSystem;
    bool m_hasSwitch;
    _enum_language_type m_system = LANGUAGE_TYPE_OTHER;
    int m_switch = 0;
};

}  // namespace qml_fuzz
