// For tools that show translators what a language file needs: every key that the library
// looks up in a language file, with whether the file had a translation for it.
#pragma once

#include "quorvel/export.h"

namespace quorvel {

// Install it before lookups run on other threads, as with the language set-up.
// key: the key as asked for; section: the section searched; found: whether any of the tries
// (as written, lower-cased, upper-cased) found a value (the empty-translation marker counts).
using LookupObserver = void (*)(const char* key, const char* section, bool found, void* context);

// Installs the observer for the whole process (null removes it). It runs on the thread that
// looks the key up, once per GetMultiLanguageText call, after the lookups.
QML_API void SetLookupObserver(LookupObserver observer, void* context);

}  // namespace quorvel
