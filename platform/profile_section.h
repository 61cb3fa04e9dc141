// One section of a profile file, found once and then asked for many keys.
//
// The translators look up every word of a sentence in the same section of the same file.
// Through GetPrivateProfileStringA each word would pay for finding the file and the section
// again and for a caller-sized buffer; a reader finds them once and gives each value as it
// stands in the file. Names are matched as the profile reader matches them (blanks around
// them ignored, ASCII case ignored). A reader belongs to its thread and checks the file once,
// when it is made (not at all when an open ProfileCallScope has checked it already): it
// answers from that snapshot for its lifetime, and an edit made meanwhile is seen by the
// first lookup after it. Inside a scope it must not outlive the scope.
#pragma once

#include <string>
#include <string_view>

#if !defined(_WIN32)
#include "platform/posix/profile_cache.h"
#include "platform/posix/profile_names.h"
#endif

namespace qml::os {

class ProfileSectionReader {
  public:
    // A null or empty file, and a file or section that cannot be found, give a reader that
    // finds nothing.
    ProfileSectionReader(const char* file, const char* section);
    ProfileSectionReader(const ProfileSectionReader&) = delete;
    ProfileSectionReader& operator=(const ProfileSectionReader&) = delete;

    // True and the value of key when the section has the key with a value (possibly empty);
    // false for a missing key or a key without "=". The view stays valid until the next Find
    // or the end of the reader.
    bool Find(std::string_view key, std::string_view& value);

    // Whether the file begins with the UTF-8 byte-order mark: its names and values are UTF-8.
    // The reader serves them as they stand; converting them is its user's business.
    bool Utf8Marked() const { return m_utf8Marked; }

  private:
    bool m_utf8Marked = false;
#if defined(_WIN32)
    // The system's reader reads the file at every call: the reader keeps the names and a
    // buffer that grows until a value fits.
    bool m_open = false;
    std::string m_file;
    std::string m_section;
    std::string m_key;
    std::string m_value;
#else
    // Borrowed from the open call scope when the scope keeps the snapshot, and owned by the
    // lease otherwise (no scope is open, it has no room for another file, or the thread is
    // ending).
    posix::ProfileLease m_lease;
    const posix::ParsedProfile* m_profile = nullptr;
    const posix::ProfileSection* m_sectionFound = nullptr;
#endif
};

}  // namespace qml::os

#if !defined(_WIN32)
namespace qml::os {

// Inline: it is the step that every word of a sentence takes.
inline bool ProfileSectionReader::Find(std::string_view key, std::string_view& value) {
    if (!m_sectionFound) return false;
    const posix::ProfileEntry* entry = m_profile->FindEntry(*m_sectionFound, posix::TrimBlanks(key));
    if (!entry || !entry->hasValue) return false;
    value = entry->value;
    return true;
}

}  // namespace qml::os
#endif
