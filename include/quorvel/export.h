// Marks the symbols that the library exports. Everything else is hidden, so the same
// headers serve the POSIX shared object and the Windows DLL.
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
