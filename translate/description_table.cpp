// A host's table of English descriptions, indexed from 0, seen through the translations: the
// index of a text the user picked, and the text to show for a stored index.
#include <array>
#include <cstdlib>

#include "platform/crt.h"
#include "platform/profile_scope.h"
#include "quorvel/multilanguage.h"
#include "translate/phrase_translator.h"

int GetConstIndexByDescCpt(const char** descriptions, int count, const char* text, int* notFound,
                           int compareUntranslated) {
    using namespace qml;
    os::ProfileCallScope profileScope;
    if (notFound) *notFound = 0;
    if (!text) text = "";
    for (int i = 0; descriptions && i < count; ++i) {
        const char* description = descriptions[i] ? descriptions[i] : "";
        std::array<char, kTextBufferSize> translated{};
        const char* candidate = description;
        if (compareUntranslated == 0)
            candidate = TranslatePlainText(translated.data(), kTextBufferSize, description);
        if (crt::_mbscmp(candidate, text) == 0) return i;  // the first match wins
    }
    if (notFound) *notFound = 1;
    return 0;
}

CString GetConstSignificativeDesc(const char* number, const char** descriptions, int count) {
    using namespace qml;
    os::ProfileCallScope profileScope;
    int index = std::atoi(number ? number : "");
    std::array<char, kTextBufferSize> translated{};
    if (descriptions && index >= 0 && index < count)
        TranslatePlainText(translated.data(), kTextBufferSize, descriptions[index]);
    else
        TranslatePlainText(translated.data(), kTextBufferSize, "Error");
    return CString(translated.data());
}
