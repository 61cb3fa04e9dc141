// The ready-made diagnostics: fixed English sentences for events every host reports, sent
// translated with fixed level words. Each returns what its exported function returns.
#pragma once

#include <cstdarg>

namespace qml {

int ReportNewObjectFailed(const char* objectName);
int ReportInitObjectResult(const char* objectName, int result);
void ReportUninitObjectFinished(const char* objectName);
int ReportCreateKernelObjectFailed(const char* kernelObjectName);
// The host's format and the system's text for the thread's last error, sent as an error.
int ReportLastError(const char* format, va_list args);
int ReportNeedEndSystem(const char* reason);

}  // namespace qml
