// The host's log callback, which the language set-up keeps: the level words it is called with
// and the one way a finished line reaches it. The log relay (log/) formats and translates
// lines on top of this; the set-up reports through it directly.
#pragma once

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

}  // namespace qml
