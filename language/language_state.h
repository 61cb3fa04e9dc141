// The process-wide language state: which language the host's texts are translated into,
// where the language files lie, the bound language file, its two parameters and the host's
// callbacks. Written by Set_MultiLanguage_Para, read without a lock by every translation
// (the host sets the library up before it translates from several threads).
#pragma once

#include "quorvel/multilanguage.h"

namespace qml {

struct LanguageState {
    static constexpr int kPathSize = 260;

    int languageType = LANGUAGE_TYPE_ENGLISH;
    char languageDir[kPathSize] = {};   // ends with a backslash once set
    char languageFile[kPathSize] = {};  // languageDir + English name + ".lng"
    int deleteSpace = 0;                // [Lngpara] DeleteSpace
    int isAlpha = 1;                    // [Lngpara] IsAlpha
    MLLogCallback logCallback = nullptr;
    MLParentWndCallback parentWndCallback = nullptr;
};

// The one state of the process.
LanguageState& State();

}  // namespace qml
