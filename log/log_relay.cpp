// Log and LogML: a line formatted into 1023 bytes and handed to the host, as it is or
// translated phrase by phrase.
#include "log/log_relay.h"

#include "language/language_state.h"
#include "platform/profile_scope.h"
#include "quorvel/multilanguage.h"
#include "translate/phrase_translator.h"
#include "translate/working_text.h"

namespace qml {

namespace {

// The line: at most 1023 bytes, always terminated.
WorkingText FormatLine(const char* format, va_list args) {
    WorkingText line;
    FormatWorkingText(line, format, args);
    return line;
}

}  // namespace

void SendLine(unsigned int level, const char* text) {
    MLLogCallback callback = State().logCallback;
    if (!callback) return;
    // The callback takes a writable format; it gets a copy of its own.
    char format[] = "%s";
    callback(level, format, text);
}

void SendTranslatedLine(unsigned int level, const char* text) {
    if (!State().logCallback) return;
    WorkingText translated;
    // Handed over as plain text: a percent sign in the line is not read a second time.
    TranslatePlainText(translated.data(), kTextBufferSize, text);
    SendLine(level, translated.data());
}

}  // namespace qml

void LogV(unsigned int level, const char* format, va_list args) {
    using namespace qml;
    if (!State().logCallback) return;
    SendLine(level, FormatLine(format, args).data());
}

void Log(unsigned int level, const char* format, ...) {
    va_list args;
    va_start(args, format);
    LogV(level, format, args);
    va_end(args);
}

void LogMLV(unsigned int level, const char* format, va_list args) {
    using namespace qml;
    if (!State().logCallback) return;
    os::ProfileCallScope profileScope;
    SendTranslatedLine(level, FormatLine(format, args).data());
}

void LogML(unsigned int level, const char* format, ...) {
    va_list args;
    va_start(args, format);
    LogMLV(level, format, args);
    va_end(args);
}
