// Marks the symbols that the library exports, and the printf-like functions. Everything else
// is hidden, so the same headers serve the POSIX shared object and the Windows DLL.
#pragma once

#if defined(_WIN32)
#if defined(QML_BUILDING_LIBRARY)
#define QML_API __declspec(dllexport)
#elif defined(QML_STATIC)
#define QML_API
#else
#define QML_API __declspec(dllimport)
#endif
#else
#define QML_API __attribute__((visibility("default")))
#endif

// Lets the compiler check a printf-like function's arguments against its format (-Wformat):
// the format is parameter formatIndex, counted from 1 (a member function's object is 1), and
// its arguments begin at firstArgument, or 0 for a function that takes a va_list.
#if defined(__GNUC__) || defined(__clang__)
#define QML_PRINTF_FORMAT(formatIndex, firstArgument) \
    __attribute__((format(printf, formatIndex, firstArgument)))
#else
#define QML_PRINTF_FORMAT(formatIndex, firstArgument)
#endif
