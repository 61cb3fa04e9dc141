#include "log/log_relay.h"

#include <string>

#include "language/language_state.h"
#include "translate/formatting.h"
#include "translate/working_text.h"

namespace qml {

bool HasLogCallback() {
    return State().logCallback != nullptr;
}

void SendLine(unsigned int level, const char* text) {
    MLLogCallback callback = State().logCallback;
    if (!callback) return;
    // The callback takes a writable format; it gets a copy of its own.
    char format[] = "%s";
    callback(level, format, text);
}

void SendTranslatedLine(unsigned int level, const char* text) {
    if (!HasLogCallback()) return;
    // Handed over as plain text: a percent sign in the line is not read a second time.
    SendLine(level, TranslateWorkingText(text ? text : "").c_str());
}

void SendFormattedLine(unsigned int level, const char* format, va_list args) {
    if (!HasLogCallback()) return;
    WorkingText line;
    FormatWorkingText(line, format, args);
    SendLine(level, line.data());
}

void SendTranslatedFormattedLine(unsigned int level, const char* format, va_list args) {
    if (!HasLogCallback()) return;
    WorkingText line;
    FormatWorkingText(line, format, args);
    // The line is translated up to its first NUL, as the text it was always handed over as.
    SendTranslatedLine(level, line.data());
}

void SendTranslatedFormattedLine(unsigned int level, const char* format, ...) {
    va_list args;
    va_start(args, format);
    SendTranslatedFormattedLine(level, format, args);
    va_end(args);
}

}  // namespace qml
