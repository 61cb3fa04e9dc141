// For tools that must know which files a language set-up would use before they set it up:
// Set_MultiLanguage_Para creates a missing language file, which a tool that only reads must
// not do.
#pragma once

#include "quorvel/export.h"

namespace quorvel {

struct LanguageBinding {
    int languageType = 2;         // the type the set-up would choose for the request
    char directory[260] = {};     // the language directory as the set-up would keep it
    char catalogue[260] = {};     // the catalogue's path, in the form the system opens
    char languageFile[260] = {};  // the language file's path, in the form the system opens;
                                  // empty when the set-up would bind none
    char problem[600] = {};       // why it would bind none (one English line), else empty
};

// Works out what Set_MultiLanguage_Para(languageDir, languageType, ...) would bind, reading
// the catalogue as the set-up reads it, but without binding, creating or changing anything.
// A null or empty languageDir means the directory the library holds now. Not to be called
// while another thread sets the library up.
QML_API void ResolveLanguageBinding(const char* languageDir, int languageType, LanguageBinding* binding);

}  // namespace quorvel
