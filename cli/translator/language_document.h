// A language file (or the catalogue) as lines, read by the same rules as the library's profile
// reader and written back byte for byte: the tools that edit it change only the lines they add.
#pragma once

#include <string>
#include <vector>

namespace cli {

struct DocumentLine {
    enum Kind { kBlank, kComment, kSection, kEntry, kPlaceholder, kStray };
    Kind kind = kBlank;
    std::string text;            // the line without its end
    std::string end;             // "\r\n", "\n", or "" for a last line without one
    std::string section;         // kSection: its name; others: the section they stand in ("" before any)
    std::string key;             // kEntry, kPlaceholder: the key as the reader matches it (trimmed)
    std::string value;           // kEntry: the value as the reader gives it (trimmed, unquoted)
    bool hasValue = false;       // kEntry: a '=' stands on the line (a bare name reads as not found)
    bool read = false;           // kEntry: the line the reader finds for its key (first section, first key)
    bool sectionRepeat = false;  // kSection, and lines in it: a later section of a name already seen
    int number = 0;              // 1-based line number
};

// Trimmed of blanks and tabs, as the reader trims names and values.
std::string TrimBlanks(const std::string& text);
// Section and key names match without regard to ASCII case.
bool SameName(const std::string& a, const std::string& b);
std::string LowerAscii(std::string text);

class LanguageDocument {
  public:
    static LanguageDocument Parse(const std::string& bytes);
    std::string Serialize() const;

    const std::vector<DocumentLine>& Lines() const { return m_lines; }
    bool HasByteOrderMark() const { return m_bom; }
    // The line end most lines use (CR LF for a file without any, as the library writes).
    std::string UsualLineEnd() const;

    // The line the reader finds for section/key, or null.
    const DocumentLine* Find(const std::string& section, const std::string& key) const;
    // Whether the reader finds a value with at least one character (a translation).
    bool Translated(const std::string& section, const std::string& key) const;
    // Whether the first section of that name holds an untranslated placeholder ";key=".
    bool HasPlaceholder(const std::string& section, const std::string& key) const;

    // Adds untranslated placeholders at the end of the first section of that name (a new
    // section at the end of the file when there is none), in the file's line ends.
    void AddPlaceholders(const std::string& section, const std::vector<std::string>& keys);

  private:
    void Classify();
    bool m_bom = false;
    std::vector<DocumentLine> m_lines;
};

// The untranslated form of a key: a comment the reader skips, which a translator completes.
std::string PlaceholderLine(const std::string& key);

}  // namespace cli
