#include "platform/profile_section.h"

#include <new>

#include "platform/posix/profile_call_scope.h"
#include "platform/posix/profile_names.h"

namespace qml::os {

namespace {

bool HasDirectory(const char* file) {
    for (const char* p = file; *p; ++p)
        if (*p == '/' || *p == '\\') return true;
    return false;
}

}  // namespace

ProfileSectionReader::ProfileSectionReader(const char* file, const char* section) {
    // As in every lookup: a bare file name is looked for in a system directory that is not here.
    if (!file || !*file || !section || !HasDirectory(file)) return;
    try {
        posix::CallScopeMemo* memo = posix::CallScopeMemo::OfThisThread();
        if (!memo || !memo->FindSection(file, section, m_profile, m_sectionFound)) {
            m_lease = posix::LeaseProfile(file);
            m_profile = m_lease.get();
            if (m_profile) m_sectionFound = m_profile->FindSection(posix::TrimBlanks(section));
            if (memo && m_lease.ScopeSlot() != posix::ProfileLease::kNoSlot)
                memo->RememberSection(m_lease.ScopeSlot(), section, m_sectionFound);
        }
        m_utf8Marked = m_profile && m_profile->Bytes().compare(0, 3, "\xEF\xBB\xBF") == 0;
    } catch (const std::bad_alloc&) {
        // A file too large for the memory at hand reads as a missing one, as in every lookup.
        m_sectionFound = nullptr;
    }
}

}  // namespace qml::os
