// The two host-owned conversion settings, read through their pointers at every use.
#pragma once

#include "quorvel/multilanguage.h"

namespace qml {

// Keeps the host's pointers to its system code type and its conversion switch (null for none).
void SetConversionSettings(_enum_language_type* systemCodeType, int* conversionSwitch);
// The system code type when the host has set its pointer; false for no system code type.
bool GetSystemCodeType(int& codeType);
// Whether the conversion is on: the switch pointer is set and its value is non-zero. A
// conversion reads this once and keeps to that answer to its end, whatever the host does
// meanwhile.
bool ConversionIsOn();

}  // namespace qml
