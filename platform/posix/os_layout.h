// The storage of the contract's types on POSIX (platform/os.h): layouts only, no bodies.
#pragma once

#include <pthread.h>

#include <memory>

namespace qml::os::posix {
class ParsedProfile;
struct ProfileSection;
}  // namespace qml::os::posix

namespace qml::os {

// A mutex with its static initialiser, so that a PermanentLock is constant-initialised.
struct PermanentLockState {
    pthread_mutex_t mutex = PTHREAD_MUTEX_INITIALIZER;
};

// The file and section a ProfileSectionReader found (platform/posix/profile_section.cpp reads
// them; only the profile reader's own header defines the types).
struct ProfileSectionReaderState {
    // Keeps the parsed file alive when no open call scope does (empty when one does).
    std::shared_ptr<const posix::ParsedProfile> ownedProfile;
    const posix::ParsedProfile* profile = nullptr;   // the parsed file, or null
    const posix::ProfileSection* section = nullptr;  // the section found in it, or null
};

}  // namespace qml::os
