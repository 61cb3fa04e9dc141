// Thin RAII wrappers over the ICU C API: one code page and one transform, each answering
// for a single character at a time.
#pragma once

#include <unicode/ucnv.h>
#include <unicode/utrans.h>

#include <optional>
#include <string>

namespace qml_tools {

// A two-byte code of a double-byte code page, lead byte first.
struct DbcsCode {
    unsigned char lead;
    unsigned char trail;
    bool operator==(const DbcsCode& other) const { return lead == other.lead && trail == other.trail; }
};

// Encodes and decodes single characters of one code page. Only round-trip mappings count:
// a character whose encoding does not decode back to it has no code here.
class CodePage {
  public:
    explicit CodePage(const char* name);
    ~CodePage();
    CodePage(const CodePage&) = delete;
    CodePage& operator=(const CodePage&) = delete;

    // The character of a two-byte code, or nothing when the code is unassigned or maps to
    // more than one character.
    std::optional<UChar32> Decode(DbcsCode code) const;
    // The two-byte code of a character; nothing for single-byte codes and unmapped characters.
    std::optional<DbcsCode> Encode(UChar32 ch) const;

  private:
    UConverter* m_converter = nullptr;
};

// A transform such as "Hans-Hant", applied to one character in isolation.
class Transform {
  public:
    explicit Transform(const char* id);
    ~Transform();
    Transform(const Transform&) = delete;
    Transform& operator=(const Transform&) = delete;

    // The transformed character; nothing when the result is not exactly one character.
    std::optional<UChar32> Apply(UChar32 ch) const;

  private:
    UTransliterator* m_transform = nullptr;
};

bool IsPrivateUse(UChar32 ch);

}  // namespace qml_tools
