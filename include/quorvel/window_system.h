// The POSIX host's side of the platform stand-ins: what a Windows host gets from the system
// and a POSIX host asks the library for.
#pragma once

#if !defined(_WIN32)

#include "quorvel/export.h"
#include "quorvel/wintypes.h"

namespace quorvel {

// The application name that the library shows and looks up (message-box captions, the
// installer's registry key). Null: the executable's name again.
QML_API void SetApplicationName(const char* name);

// The calling thread's last system error, as the library's services set it; a host sets it
// before it reports a failure through OutLastError.
QML_API DWORD GetLastError();
QML_API void SetLastError(DWORD code);

}  // namespace quorvel

#endif
