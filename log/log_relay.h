// The log relay: log lines handed to the host's log callback, translated or not.
#pragma once

#include <cstdarg>

#include "language/log_callback.h"

namespace qml {

// Translates a finished text phrase by phrase (into at most 1023 bytes) and sends it.
void SendTranslatedLine(unsigned int level, const char* text);

// A line formatted into at most 1023 bytes and sent, as it is or translated.
void SendFormattedLine(unsigned int level, const char* format, va_list args);
void SendTranslatedFormattedLine(unsigned int level, const char* format, va_list args);
void SendTranslatedFormattedLine(unsigned int level, const char* format, ...);

}  // namespace qml
