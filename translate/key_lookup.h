// The rules of key lookup: the single place where translations are read from the language
// file. A key is tried as given, lower-cased and upper-cased; the empty-translation marker
// stands for the empty text; in English the translation's first letter follows the case of
// the key's; a key without translation stands for itself, less its disambiguator.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/profile_section.h"

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
// for each of its keys, so the file and the section are found once.
class KeyLookup {
  public:
    explicit KeyLookup(const char* section);

    // The translation of key (found), or the key less its disambiguator. A value is read as
    // its first valueLimit bytes (as a caller's buffer would hold them: the marker is only
    // recognised whole, and a value that shows no byte counts as missing); the fallback is
    // cut to fallbackLimit bytes. Tells the lookup observer about the key.
    KeyTranslation Translate(std::string_view key, std::size_t valueLimit, std::size_t fallbackLimit);

  private:
    // One try: true when the key has a translation (the marker gives the empty text).
    bool Try(std::string_view key, std::size_t valueLimit, KeyTranslation& result);

    const char* m_section;
    os::ProfileSectionReader m_reader;
    bool m_english;
    std::string m_retry;  // the key's case retries, kept from key to key
};

}  // namespace qml
