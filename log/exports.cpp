// The exported log functions: variadic entries over the log relay.
#include "log/log_relay.h"
#include "quorvel/multilanguage.h"

void LogV(unsigned int level, const char* format, va_list args) {
    qml::SendFormattedLine(level, format, args);
}

void Log(unsigned int level, const char* format, ...) {
    va_list args;
    va_start(args, format);
    qml::SendFormattedLine(level, format, args);
    va_end(args);
}

void LogMLV(unsigned int level, const char* format, va_list args) {
    qml::SendTranslatedFormattedLine(level, format, args);
}

void LogML(unsigned int level, const char* format, ...) {
    va_list args;
    va_start(args, format);
    qml::SendTranslatedFormattedLine(level, format, args);
    va_end(args);
}
