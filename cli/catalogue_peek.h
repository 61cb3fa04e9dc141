// The English name that a language catalogue gives a language type, read without setting the
// library up (setting it up would create a missing language file).
#pragma once

#include <string>

namespace cli {

// [LanguageType] <type> of the catalogue, "English" when the catalogue or the entry is missing.
std::string EnglishNameInCatalogue(const std::string& cataloguePath, int languageType);

}  // namespace cli
