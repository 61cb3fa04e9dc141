// Names of the language catalogue and its sections.
#pragma once

#include "quorvel/framework.h"

namespace qml {

inline constexpr const char kCatalogueFile[] = "Language.ini";
inline constexpr const char kLanguageTypeSection[] = "LanguageType";
inline constexpr const char kLanguageTypeCptSection[] = "LanguageTypeCpt";
inline constexpr const char kLngparaSection[] = "Lngpara";
inline constexpr const char kEnglishName[] = "English";

// The catalogue's path: the language directory followed by "Language.ini" (the bare file
// name before a directory is set).
CString CataloguePath();

// The English name that the catalogue at cataloguePath gives languageType, read as
// GetLanguageTypeEngName reads it into a buffer of size bytes; "English" when it gives none.
CString EnglishNameIn(const char* cataloguePath, int languageType, int size);

}  // namespace qml
