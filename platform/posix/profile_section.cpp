// The section reader on POSIX, over the profile cache and the open call scope.
#include <new>
#include <utility>

#include "platform/os.h"
#include "platform/posix/profile_cache.h"

namespace qml::os {

ProfileSectionReader::ProfileSectionReader(const char* file, const char* section) {
    if (!file || !*file || !section) return;
    const posix::ParsedProfile* parsed = nullptr;
    const posix::ProfileSection* found = nullptr;
    try {
        // As in every lookup: a bare file name is looked for in a system directory that is not here.
        posix::ProfileLease lease;
        posix::FindProfileSection(file, section, lease, parsed, found);
        m_state.ownedProfile = lease.ReleaseOwned();
        m_utf8Marked = parsed && parsed->Bytes().compare(0, 3, "\xEF\xBB\xBF") == 0;
    } catch (const std::bad_alloc&) {
        // A file too large for the memory at hand reads as a missing one, as in every lookup.
        found = nullptr;
    }
    m_state.profile = parsed;
    m_state.section = found;
}

bool ProfileSectionReader::Find(std::string_view key, std::string_view& value) {
    if (!m_state.section) return false;
    const posix::ProfileEntry* entry = m_state.profile->FindEntry(*m_state.section, posix::TrimBlanks(key));
    if (!entry || !entry->hasValue) return false;
    value = entry->value;
    return true;
}

}  // namespace qml::os
