// The section reader on POSIX, over the profile cache and the open call scope.
#include <cstdint>
#include <new>
#include <utility>

#include "platform/os.h"
#include "platform/posix/profile_call_scope.h"
#include "platform/posix/profile_names.h"

namespace qml::os {

namespace {

namespace profile = ::qml::posix;  // the profile reader's own types

bool HasDirectory(const char* file) {
    for (const char* p = file; *p; ++p)
        if (*p == '/' || *p == '\\') return true;
    return false;
}

}  // namespace

ProfileSectionReader::ProfileSectionReader(const char* file, const char* section) {
    // As in every lookup: a bare file name is looked for in a system directory that is not here.
    if (!file || !*file || !section || !HasDirectory(file)) return;
    const profile::ParsedProfile* parsed = nullptr;
    const profile::ProfileSection* found = nullptr;
    try {
        profile::CallScopeMemo* memo = profile::CallScopeMemo::OfThisThread();
        if (!memo || !memo->FindSection(file, section, parsed, found)) {
            // Checks the file; an open scope with room keeps the snapshot from now on.
            profile::ProfileSnapshot snapshot = profile::AcquireProfile(file);
            parsed = snapshot.get();
            if (parsed) found = parsed->FindSection(profile::TrimBlanks(section));
            const std::uint32_t slot = memo ? memo->FindFile(file) : profile::CallScopeMemo::kNone;
            if (slot != profile::CallScopeMemo::kNone)
                memo->RememberSection(slot, section, found);
            else
                m_state.ownedProfile = std::move(snapshot);
        }
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
    const auto* parsed = static_cast<const profile::ParsedProfile*>(m_state.profile);
    const auto* section = static_cast<const profile::ProfileSection*>(m_state.section);
    const profile::ProfileEntry* entry = parsed->FindEntry(*section, profile::TrimBlanks(key));
    if (!entry || !entry->hasValue) return false;
    value = entry->value;
    return true;
}

}  // namespace qml::os
