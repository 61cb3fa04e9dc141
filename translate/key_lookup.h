// The single place where translations are read from the language file.
#pragma once

namespace qml {

// The section of the language file that holds the host's texts.
inline constexpr const char kProgramOutStr[] = "ProgramOutStr";

// The value that translates a key into the empty text.
inline constexpr const char kNoSpecifyThisWord[] = "/NoSpecifyThisWord/";

// The key less a trailing "(#digits)" disambiguator, into buffer (at most size - 1 bytes).
void CopyKeyWithoutDisambiguator(const char* key, char* buffer, int size);

namespace testing {

// Sees the key and section of every GetMultiLanguageText call, before the lookups. For tests
// that check which keys a translator asks for; null switches it off.
using LookupObserver = void (*)(const char* key, const char* section, void* context);
void SetLookupObserver(LookupObserver observer, void* context);

}  // namespace testing
}  // namespace qml
