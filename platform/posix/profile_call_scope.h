// What an open ProfileCallScope remembers on its thread (see platform/profile_scope.h).
//
// The snapshot taken of each file at its first lookup (up to kMaxFiles files; later files are
// checked at every lookup, as outside a scope), and the last few section searches made in
// those snapshots, so that the words of a sentence, looked up one by one in the same file and
// section, neither check the file again nor search for the section again. Paths and section
// names are compared as the caller spelled them, byte for byte: equal spellings mean the same
// file and the same trimmed name. A remembered section points into a snapshot that the memo
// itself keeps alive, and files are only ever added within a scope, so it cannot dangle.
// Everything is let go when the outermost scope closes.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "platform/posix/profile_cache.h"
#include "platform/posix/profile_parser.h"

namespace qml::posix {

class CallScopeMemo;

namespace scope_detail {
// The memo while a scope is open on this thread. A plain pointer: reading it costs no
// initialisation check, as a thread-local object with a constructor would at every use.
inline thread_local CallScopeMemo* t_open = nullptr;
}  // namespace scope_detail

class CallScopeMemo {
  public:
    static constexpr std::uint32_t kNone = UINT32_MAX;
    static constexpr std::size_t kMaxFiles = 16;
    static constexpr std::size_t kMaxSections = 8;

    // The memo of the calling thread's open scope, or null when no scope is open (or the
    // thread is ending).
    static CallScopeMemo* OfThisThread() { return scope_detail::t_open; }

    // The slot of path, or kNone when this scope has not looked at it yet.
    std::uint32_t FindFile(const char* path);
    // Keeps the snapshot (null for a file that could not be read) for the rest of the scope;
    // its slot, or kNone when the memo is full.
    std::uint32_t RememberFile(const char* path, ProfileSnapshot profile);
    const ProfileSnapshot& File(std::uint32_t slot) const { return m_files[slot].profile; }

    // An earlier section search of this scope with the same file and section arguments: true
    // and the snapshot (null for a missing file) and the section found (null for none), or
    // false when there was none.
    bool FindSection(const char* path, const char* app, const ParsedProfile*& profile,
                     const ProfileSection*& section) {
        // The last search first: a sentence's words are looked up in the same section.
        if (m_sectionCount == 0) return false;
        const RememberedSection& last = m_sections[m_lastSection];
        if (!Matches(last, path, app)) return FindOtherSection(path, app, profile, section);
        profile = last.profile;
        section = last.section;
        return true;
    }
    // Remembers the search for app in the snapshot of a slot this scope holds.
    void RememberSection(std::uint32_t file, const char* app, const ProfileSection* section);

    // Opening and closing of ProfileCallScope objects on this thread.
    static void OpenScope() noexcept;
    static void CloseScope() noexcept;

  private:
    struct RememberedFile {
        std::string path;
        ProfileSnapshot profile;
    };
    struct RememberedSection {
        std::string app;
        const std::string* path = nullptr;  // of the file's slot; null: matches nothing
        const ParsedProfile* profile = nullptr;
        const ProfileSection* section = nullptr;
    };

    static bool Matches(const RememberedSection& memo, const char* path, const char* app) {
        return memo.path && std::strcmp(memo.app.c_str(), app) == 0 &&
               std::strcmp(memo.path->c_str(), path) == 0;
    }
    bool FindOtherSection(const char* path, const char* app, const ParsedProfile*& profile,
                          const ProfileSection*& section);
    void Clear() noexcept;

    std::array<RememberedFile, kMaxFiles> m_files;
    std::uint32_t m_fileCount = 0;
    std::uint32_t m_lastFile = 0;
    std::array<RememberedSection, kMaxSections> m_sections;
    std::uint32_t m_sectionCount = 0;
    std::uint32_t m_nextSection = 0;  // the one replaced next once all are in use
    std::uint32_t m_lastSection = 0;
};

}  // namespace qml::posix
