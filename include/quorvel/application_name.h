// The application name that the library shows in message-box captions and under which it
// looks for the installer's registry key.
#pragma once

#include "quorvel/export.h"

namespace quorvel {

// Sets the name; null goes back to the default, the file name of the host program without
// its extension.
QML_API void SetApplicationName(const char* name);

}  // namespace quorvel
