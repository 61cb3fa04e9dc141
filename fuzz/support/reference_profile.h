// A plain model of the profile reader, written straight from its rules and kept slow and
// simple on purpose: the targets compare the library's answers with it.
//   - a UTF-8 byte-order mark at the start is skipped; lines end at LF, a CR before it goes;
//   - a NUL byte ends its line; blanks and tabs around a line, a name or a value are ignored;
//   - an empty line or one starting with ';' is nothing; "[name" up to the last ']' opens a section;
//   - lines before the first section are never found;
//   - "key=value" splits at the first '='; a value with the same quote at both ends (longer
//     than one character) loses them; a line without '=' is a key without a value;
//   - names match without regard to ASCII case; the first section of a name, and the first
//     key of a name within it, win.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace qml_fuzz {

struct ReferenceEntry {
    std::string name;
    std::string value;
    bool hasValue = false;
};

struct ReferenceSection {
    std::string name;
    std::vector<ReferenceEntry> entries;
};

class ReferenceProfile {
  public:
    explicit ReferenceProfile(const std::string& bytes);

    // The value of key in section (both trimmed of blanks and tabs), or nothing when the
    // section, the key or its '=' is missing. An empty value is found.
    std::optional<std::string> Value(const std::string& section, const std::string& key) const;

    // The list a null section asks for: every non-empty section name and a NUL each.
    std::string SectionNames() const;
    // The list a null key asks for: every non-empty key name of the first section of that
    // name, a NUL each; nothing when there is no such section.
    std::optional<std::string> KeyNames(const std::string& section) const;

  private:
    const ReferenceSection* FindSection(const std::string& name) const;
    std::vector<ReferenceSection> m_sections;
};

// Blanks and tabs off both ends.
std::string TrimBlanksAndTabs(const std::string& text);
// ASCII case ignored, every other byte exact.
bool SameNameIgnoringCase(const std::string& a, const std::string& b);

}  // namespace qml_fuzz
