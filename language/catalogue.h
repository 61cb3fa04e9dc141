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

}  // namespace qml
