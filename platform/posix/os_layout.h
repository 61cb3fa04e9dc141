// The storage of the contract's types on POSIX (platform/os.h): layouts only, no bodies.
#pragma once

#include <pthread.h>

#include <memory>

namespace qml::os {

// A mutex with its static initialiser, so that a PermanentLock is constant-initialised.
struct PermanentLockState {
    pthread_mutex_t mutex = PTHREAD_MUTEX_INITIALIZER;
};

// The file and section a ProfileSectionReader found, held without naming the profile reader's
// own types (platform/posix/profile_section.cpp knows them). Nothing is allocated for it.
struct ProfileSectionReaderState {
    // Keeps the parsed file alive when no open call scope does (empty when one does).
    std::shared_ptr<const void> ownedProfile;
    const void* profile = nullptr;  // the parsed file, or null
    const void* section = nullptr;  // the section found in it, or null
};

}  // namespace qml::os
