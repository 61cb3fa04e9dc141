#include "platform/profile_section.h"

#include <new>

#include "platform/posix/profile_cache.h"

namespace qml::os {

ProfileSectionReader::ProfileSectionReader(const char* file, const char* section) {
    if (!file || !*file || !section) return;
    try {
        // As in every lookup: a bare file name is looked for in a system directory that is not here.
        posix::FindProfileSection(file, section, m_lease, m_profile, m_sectionFound);
        m_utf8Marked = m_profile && m_profile->Bytes().compare(0, 3, "\xEF\xBB\xBF") == 0;
    } catch (const std::bad_alloc&) {
        // A file too large for the memory at hand reads as a missing one, as in every lookup.
        m_sectionFound = nullptr;
    }
}

}  // namespace qml::os
