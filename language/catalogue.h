// Names of the language catalogue and its sections.
#pragma once

#include <vector>

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

// The English name of the current language (at most 1023 bytes), "English" when the catalogue
// names none.
CString CurrentEnglishName();

// The captions of the catalogue's languages in the bound language file, in type order up to
// the first gap, each the English name when the file has no caption for it; "English" alone
// when the catalogue lists none.
std::vector<CString> LanguageCaptions();

// The English name that the catalogue at cataloguePath gives languageType, read as
// GetLanguageTypeEngName reads it into a buffer of size bytes; "English" when it gives none.
CString EnglishNameIn(const char* cataloguePath, int languageType, int size);

// The English name of the current language into buffer (cut to size - 1 bytes, terminated),
// "English" when the catalogue names none. Returns buffer.
char* FillEnglishName(char* buffer, int size);

// The caption of one language followed by a line feed ("English\n" for a type the catalogue
// does not list) into buffer, cut to size - 1 bytes and terminated. Returns buffer.
char* FillCaptionLine(int languageType, char* buffer, int size);

// Adds the captions to a combo box's list and selects the item selectIndex.
void AddCaptionsToCombo(HWND comboBox, int selectIndex);

// The path of a help page for the current language.
CString HelpHtmlPath(const char* helpRoot, const char* pageName);

}  // namespace qml
