// The log relay: log lines handed to the host's log callback, translated or not.
#pragma once

#include <cstdarg>

namespace qml {

// Level words: the low byte is the severity (0 VERBOSE, 1 NORMAL, 2 WARNING, 3 ERROR,
// 4 DEBUG, 5 INVALID); the higher bytes belong to the host's logging and pass through.
inline constexpr unsigned int kLevelNormal = 1;
inline constexpr unsigned int kLevelWarning = 2;
inline constexpr unsigned int kLevelError = 3;
inline constexpr unsigned int kLevelNewObjectFailed = 0x203;
inline constexpr unsigned int kLevelNeedEndSystem = 0x10203;

// Whether the host gave a log callback: without one nothing is formatted or translated.
bool HasLogCallback();

// Hands a finished text to the host's log callback as the argument of the format "%s", so the
// host may format it again safely. Nothing is sent when the host gave no callback.
void SendLine(unsigned int level, const char* text);

// Translates a finished text phrase by phrase (into at most 1023 bytes) and sends it.
void SendTranslatedLine(unsigned int level, const char* text);

// A line formatted into at most 1023 bytes and sent, as it is or translated.
void SendFormattedLine(unsigned int level, const char* format, va_list args);
void SendTranslatedFormattedLine(unsigned int level, const char* format, va_list args);
void SendTranslatedFormattedLine(unsigned int level, const char* format, ...);

}  // namespace qml
