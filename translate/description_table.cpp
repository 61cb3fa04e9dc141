// A host's table of English descriptions, indexed from 0, seen through the translations: the
// index of a text the user picked, and the text to show for a stored index.
#include <cstdlib>

#include "platform/os.h"
#include "translate/formatting.h"

namespace qml {

int FindDescription(const char* const* descriptions, int count, const char* text, bool compareUntranslated) {
    os::ProfileCallScope profileScope;  // one check of the language file for all passes
    if (!text) text = "";
    for (int i = 0; descriptions && i < count; ++i) {
        const char* description = descriptions[i] ? descriptions[i] : "";
        if (compareUntranslated) {
            if (os::_mbscmp(description, text) == 0) return i;
        } else if (os::_mbscmp(TranslateWorkingText(description).c_str(), text) == 0) {
            return i;  // the first match wins
        }
    }
    return -1;
}

std::string DescriptionOf(const char* number, const char* const* descriptions, int count) {
    int index = std::atoi(number ? number : "");
    if (descriptions && index >= 0 && index < count)
        return TranslateWorkingText(descriptions[index] ? descriptions[index] : "");
    return TranslateWorkingText("Error");
}

}  // namespace qml
