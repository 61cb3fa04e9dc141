// The C interface of the log relay and the diagnostics.
#include "quorvel/multilanguage.h"
#include "quorvel/multilanguage_c.h"

void qml_Log(unsigned int level, const char* format, ...) {
    va_list args;
    va_start(args, format);
    LogV(level, format, args);
    va_end(args);
}

void qml_LogV(unsigned int level, const char* format, va_list args) {
    LogV(level, format, args);
}

void qml_LogML(unsigned int level, const char* format, ...) {
    va_list args;
    va_start(args, format);
    LogMLV(level, format, args);
    va_end(args);
}

void qml_LogMLV(unsigned int level, const char* format, va_list args) {
    LogMLV(level, format, args);
}

int qml_OutNewObjectFailed(const char* objectName) {
    return OutNewObjectFailed(objectName);
}

int qml_OutInitObjectResult(const char* objectName, int result) {
    return OutInitObjectResult(objectName, result);
}

void qml_OutUninitObjectFinished(const char* objectName) {
    OutUninitObjectFinished(objectName);
}

int qml_OutCreateKernelObjectFailed(const char* kernelObjectName) {
    return OutCreateKernelObjectFailed(kernelObjectName);
}

int qml_OutLastError(const char* format, ...) {
    va_list args;
    va_start(args, format);
    const int result = OutLastErrorV(format, args);
    va_end(args);
    return result;
}

int qml_OutLastErrorV(const char* format, va_list args) {
    return OutLastErrorV(format, args);
}

int qml_OutNeedEndSystem(const char* reason) {
    return OutNeedEndSystem(reason);
}
