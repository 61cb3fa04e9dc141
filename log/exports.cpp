// The exported log functions and diagnostics: adapters over the log relay and the diagnostics.
#include "log/diagnostics.h"
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

int OutNewObjectFailed(const char* objectName) {
    return qml::ReportNewObjectFailed(objectName);
}

int OutInitObjectResult(const char* objectName, int result) {
    return qml::ReportInitObjectResult(objectName, result);
}

void OutUninitObjectFinished(const char* objectName) {
    qml::ReportUninitObjectFinished(objectName);
}

int OutCreateKernelObjectFailed(const char* kernelObjectName) {
    return qml::ReportCreateKernelObjectFailed(kernelObjectName);
}

int OutLastErrorV(const char* format, va_list args) {
    return qml::ReportLastError(format, args);
}

int OutLastError(const char* format, ...) {
    va_list args;
    va_start(args, format);
    const int result = qml::ReportLastError(format, args);
    va_end(args);
    return result;
}

int OutNeedEndSystem(const char* reason) {
    return qml::ReportNeedEndSystem(reason);
}
