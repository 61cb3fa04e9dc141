// Binding the language file of the current language: its path from the English name that the
// catalogue gives, a new file created with its header, or the parameters of an existing one.
#pragma once

#include <string>

namespace qml {

// Binds the language file of the state's type in the state's directory. Returns a one-line
// English diagnostic when no file could be bound or created, otherwise the empty text.
std::string BindLanguageFile();

// The path of the language file of englishName in storedDir (the directory as the state
// keeps it, ending in a backslash); the empty text, with a one-line diagnostic in problem,
// when no file may be bound.
std::string LanguageFilePath(const char* storedDir, const char* englishName, std::string& problem);

}  // namespace qml
