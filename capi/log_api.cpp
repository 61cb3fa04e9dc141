// The C interface of the log relay and the diagnostics.
#include "log/diagnostics.h"
#include "log/log_relay.h"
#include "quorvel/multilanguage_c.h"

void qml_Log(unsigned int level, const char* format, ...) {
    va_list args;
    va_start(args, format);
    qml::SendFormattedLine(level, format, args);
    va_end(args);
}

void qml_LogV(unsigned int level, const char* format, va_list args) {
    qml::SendFormattedLine(level, format, args);
}

void qml_LogML(unsigned int level, const char* format, ...) {
    va_list args;
    va_start(args, format);
    qml::SendTranslatedFormattedLine(level, format, args);
    va_end(args);
}

void qml_LogMLV(unsigned int level, const char* format, va_list args) {
    qml::SendTranslatedFormattedLine(level, format, args);
}

int qml_OutNewObjectFailed(const char* objectName) {
    return qml::ReportNewObjectFailed(objectName);
}

int qml_OutInitObjectResult(const char* objectName, int result) {
    return qml::ReportInitObjectResult(objectName, result);
}

void qml_OutUninitObjectFinished(const char* objectName) {
    qml::ReportUninitObjectFinished(objectName);
}

int qml_OutCreateKernelObjectFailed(const char* kernelObjectName) {
    return qml::ReportCreateKernelObjectFailed(kernelObjectName);
}

int qml_OutLastError(const char* format, ...) {
    va_list args;
    va_start(args, format);
    const int result = qml::ReportLastError(format, args);
    va_end(args);
    return result;
}

int qml_OutLastErrorV(const char* format, va_list args) {
    return qml::ReportLastError(format, args);
}

int qml_OutNeedEndSystem(const char* reason) {
    return qml::ReportNeedEndSystem(reason);
}
