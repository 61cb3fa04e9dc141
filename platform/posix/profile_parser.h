// A profile (INI) file parsed once into sections and keys, with hash indexes for lookups.
//
// The rules are those of the system's profile reader: bytes in the ANSI code page, a UTF-8
// byte-order mark at the start skipped, lines ending in LF or CR LF, blanks and tabs around
// lines, names and values ignored, "[name]" opening a section, "key=value" (split at the
// first '='), a value quoted with the same quote character at both ends ('"' or '\'', more
// than one character) losing the quotes, a line without '=' being a key without a value,
// ASCII case ignored in names, the first section of a name and the first key of a name
// within it winning. Besides:
// - a line whose first character is ';' is a comment;
// - a section name runs to the last ']' of its line (to the line's end when there is none);
// - lines before the first section belong to no section and are never found;
// - a NUL byte ends its line (the rest of that line is ignored), so names and values are
//   always C strings.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/posix/profile_index.h"
#include "platform/posix/profile_names.h"

namespace qml::posix {

struct ProfileEntry {
    std::string_view name;   // trimmed
    std::string_view value;  // trimmed and unquoted; empty when the line had no '='
    std::uint64_t hash = 0;
    std::uint32_t section = 0;
    bool hasValue = false;  // false for a line without '='
};

struct ProfileSection {
    std::string_view name;  // trimmed
    std::uint64_t hash = 0;
    std::uint32_t firstEntry = 0;
    std::uint32_t entryCount = 0;
};

class ParsedProfile {
  public:
    // Takes the file's bytes and parses them. The names and values are views into them.
    explicit ParsedProfile(std::string bytes);
    ParsedProfile(const ParsedProfile&) = delete;
    ParsedProfile& operator=(const ParsedProfile&) = delete;

    const std::string& Bytes() const { return m_bytes; }

    // The first section of that name (compared as given: callers trim), or null.
    const ProfileSection* FindSection(std::string_view name) const;
    // The first entry of that name within the section, or null. Inline: it is the part of
    // every lookup that no memo can save.
    const ProfileEntry* FindEntry(const ProfileSection& section, std::string_view name) const {
        std::uint32_t number = SectionNumber(section);
        std::uint64_t hash = HashNoCase(name, EntryScope(number));
        std::uint32_t found = m_entryIndex.Find(hash, [&](std::uint32_t i) {
            const ProfileEntry& entry = m_entries[i];
            return entry.hash == hash && entry.section == number && EqualNoCase(entry.name, name);
        });
        return found == NameIndex::kNone ? nullptr : &m_entries[found];
    }

    // Every section header in file order, duplicates included.
    const std::vector<ProfileSection>& Sections() const { return m_sections; }
    // Every entry of one section (of this header only) in file order.
    const ProfileEntry* EntriesBegin(const ProfileSection& section) const {
        return m_entries.data() + section.firstEntry;
    }
    const ProfileEntry* EntriesEnd(const ProfileSection& section) const {
        return m_entries.data() + section.firstEntry + section.entryCount;
    }

    // An estimate of the memory this object holds, for the cache's budget.
    std::size_t MemoryUse() const;

  private:
    // Sections are hashed in scope 0, the keys of section n in scope n + 1.
    static std::uint64_t EntryScope(std::uint32_t section) { return static_cast<std::uint64_t>(section) + 1; }
    void Parse();
    std::uint32_t SectionNumber(const ProfileSection& section) const {
        return static_cast<std::uint32_t>(&section - m_sections.data());
    }

    const std::string m_bytes;
    std::vector<ProfileSection> m_sections;
    std::vector<ProfileEntry> m_entries;
    NameIndex m_sectionIndex;
    NameIndex m_entryIndex;  // keyed by (section number, name)
};

}  // namespace qml::posix
