// The process-wide language state: which language the host's texts are translated into,
// where the language files lie, the bound language file, its two parameters and the host's
// callbacks. Written by Set_MultiLanguage_Para, read without a lock by every translation
// (the host sets the library up before it translates from several threads).
#pragma once

#include "quorvel/multilanguage.h"

namespace qml {

struct LanguageState {
    static constexpr int kPathSize = 260;
    // What a path stored here may take with its NUL: the last byte always stays NUL.
    static constexpr int kStoredPathSize = kPathSize - 1;

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

// Sets the library up: the language directory, the language (the system's when requested is
// not a listed one), the bound file and its parameters, and the callbacks given (null keeps
// the one set before). Returns the language type chosen.
int SetUpLanguage(const char* languageDir, int requested, MLLogCallback logCallback,
                  MLParentWndCallback parentWndCallback);

// The language type of a locale identifier: only Chinese (Taiwan), Chinese (PRC) and
// English (United States) have their own.
_enum_language_type LanguageTypeOfLocale(unsigned long localeId);

// The language the product's installer recorded under HKLM\SOFTWARE\keyName (the
// application's name for null); *found tells whether it did. 2 when there is none.
int InstallerLanguageType(const char* keyName, int* found);

}  // namespace qml
