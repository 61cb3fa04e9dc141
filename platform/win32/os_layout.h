// The storage of the contract's types on Windows (platform/os.h): layouts only, no bodies.
#pragma once

#include <string>

#include "quorvel/wintypes.h"

namespace qml::os {

// A slim reader/writer lock with its static initialiser, so that a PermanentLock is
// constant-initialised.
struct PermanentLockState {
    SRWLOCK lock = SRWLOCK_INIT;
};

// The system's reader reads the file at every call: a ProfileSectionReader keeps the names and
// a buffer that grows until a value fits.
struct ProfileSectionReaderState {
    bool open = false;
    std::string file;
    std::string section;
    std::string key;
    std::string value;
};

}  // namespace qml::os
