// Plain models of the translators, written from their rules with the profile model underneath.
// The library's answers are compared with them byte for byte.
#pragma once

#include <string>

#include "support/reference_profile.h"

namespace qml_fuzz {

struct ReferenceLanguage {
    const ReferenceProfile* file = nullptr;  // the bound language file, null when there is none
    bool english = false;                    // the language type is English
    bool deleteSpace = false;
    bool isAlpha = true;
    // A file that begins with the UTF-8 byte-order mark: the code page its texts are served in
    // (a key above ASCII looked for in UTF-8, a value given in the code page); 0 for other files.
    unsigned utf8FileCodePage = 0;
};

// GetMultiLanguageText into a buffer of size bytes (size >= 1).
std::string ReferenceKeyLookup(const ReferenceLanguage& language, const std::string& key, int size,
                               const std::string& section);

// The key less a trailing "(#digits)" disambiguator.
std::string ReferenceWithoutDisambiguator(const std::string& key);

// GetMultiLngText_ByAutoPart of a finished text (the format "%s"), uncut: a caller with a
// buffer of size bytes gets the first size - 1 bytes.
std::string ReferencePhrase(const ReferenceLanguage& language, const std::string& text);

// GetMultiLngTextForUI into a buffer of size bytes (size >= 1).
std::string ReferenceCaption(const ReferenceLanguage& language, const std::string& caption, int size);

// The first n bytes of text (all of it when it is shorter); n below 0 counts as 0.
std::string Cut(const std::string& text, int n);

}  // namespace qml_fuzz
