// The rules of key lookup: the single place where translations are read from the language
// file. A key is tried as given, lower-cased and upper-cased; the empty-translation marker
// stands for the empty text; in English the translation's first letter follows the case of
// the key's; a key without translation stands for itself, less its disambiguator.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/os.h"

namespace qml {

// The section of the language file that holds the host's texts.
inline constexpr const char kProgramOutStr[] = "ProgramOutStr";

// The value that translates a key into the empty text.
inline constexpr const char kNoSpecifyThisWord[] = "/NoSpecifyThisWord/";

// The key less a trailing "(#digits)" disambiguator.
std::string_view WithoutDisambiguator(std::string_view key);

// A key's translation as it was found: the text is a view into the language file (or into
// the key, for a key without translation), valid until the next lookup of the same KeyLookup;
// in English its first byte is replaced by first.
struct KeyTranslation {
    std::string_view text;
    char first = 0;
    bool found = false;

    std::string ToString() const {
        std::string out(text);
        if (!out.empty()) out[0] = first;
        return out;
    }
};

// Looks keys up in one section of the bound language file: made once for a text and asked
// for each of its keys, so the file and the section are found once. A file that begins with
// the UTF-8 byte-order mark holds UTF-8: a key with bytes above ASCII is converted from the
// language's code page before it is looked for (the file's names stay as the reader indexed
// them), and a value found is served converted into the code page.
class KeyLookup {
  public:
    // What the keys asked for and the values served are in: the language's code page, or the
    // file's own encoding (for a UTF-8 file, the UTF-8 entry points' own).
    enum class Serve { kCodePage, kFileText };

    explicit KeyLookup(const char* section, Serve serve = Serve::kCodePage);

    // Whether the file begins with the UTF-8 byte-order mark.
    bool FileIsUtf8() const { return m_reader.Utf8Marked(); }

    // The translation of key (found), or the key less its disambiguator. A value is read as
    // its first valueLimit bytes (as a caller's buffer would hold them: the marker is only
    // recognised whole, and a value that shows no byte counts as missing); the fallback is
    // cut to fallbackLimit bytes. Tells the lookup observer about the key.
    KeyTranslation Translate(std::string_view key, std::size_t valueLimit, std::size_t fallbackLimit);

  private:
    // One try: true when the key has a translation (the marker gives the empty text).
    bool Try(std::string_view key, std::size_t valueLimit, KeyTranslation& result);
    // The value found for key, in the language's code page.
    bool Find(std::string_view key, std::string_view& value);

    const char* m_section;
    os::ProfileSectionReader m_reader;
    bool m_english;
    bool m_convert;       // a UTF-8 file served in the code page
    std::string m_retry;  // the key's case retries, kept from key to key
    // A UTF-8 file: its keys and values are UTF-8, the host's keys and the values served are
    // in the language's code page (taken at the first conversion).
    unsigned m_codePage = 0;
    std::string m_fileKey;
    std::string m_value;
};

}  // namespace qml
