// The services of the product's shared utility library that this library relies on: a
// bounded formatted print, the system's text for an error code, the time as text and a
// file writer.
#pragma once

#include <cstdarg>

#include "quorvel/framework.h"

namespace qml {

// Formats as printf into buffer, cut to at most n - 1 characters and terminated. With n <= 0
// or a null buffer it writes nothing and returns 0. Returns the number of characters written
// (without the NUL), exact also when the text was cut. A null format counts as empty.
int kvSnprintf(char* buffer, int n, const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 3, 4)))
#endif
    ;
int kvVsnprintf(char* buffer, int n, const char* format, va_list args);

// The system's human-readable text for an error code, without a trailing line break.
CString kvFormatMessage(unsigned long errorCode);

// Writes the local date and time as "YYYY-MM-DD hh:mm:ss" (19 characters) and a NUL into
// buffer, which must hold 21 bytes. The selector is kept for the interface; 0 is the only
// form. Returns the number of characters written.
unsigned long GetCurTimeString(char* buffer, long selector);

// Opens path with the fopen mode and writes length bytes of data. The option is kept for
// the interface. Returns the number of bytes written, or -1 when the file cannot be opened
// or written.
int WriteDataToFile(const char* path, const char* data, long length, const char* mode, int option);

}  // namespace qml
