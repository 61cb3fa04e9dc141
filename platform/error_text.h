// The system's text for an error code.
#pragma once

#include <string>

#include "quorvel/wintypes.h"

namespace qml::os {

// A human-readable text for a system error code, without a trailing line break; never empty.
std::string SystemErrorText(DWORD code);

}  // namespace qml::os
