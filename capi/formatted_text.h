// printf formatting into a text of any length, for the C interface's own formatting.
#pragma once

#include <cstdarg>
#include <string>

namespace qml::capi {

// The whole formatted text; a null format gives the empty text.
std::string FormatText(const char* format, va_list args);

}  // namespace qml::capi
