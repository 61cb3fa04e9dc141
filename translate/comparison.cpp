// Two texts compared by their translations.
#include "platform/os.h"
#include "translate/formatting.h"

namespace qml {

int CompareTranslated(const char* first, const char* second, bool ignoreCase) {
    os::ProfileCallScope profileScope;  // one check of the language file for all passes
    std::string a = TranslateWorkingText(first ? first : "");
    std::string b = TranslateWorkingText(second ? second : "");
    if (ignoreCase) return os::_stricmp(a.c_str(), b.c_str());

    // Bytes compare as unsigned values, so double-byte text sorts after ASCII.
    for (size_t i = 0;; ++i) {
        auto x = static_cast<unsigned char>(a.c_str()[i]);
        auto y = static_cast<unsigned char>(b.c_str()[i]);
        if (x != y) return x < y ? -1 : 1;
        if (x == 0) return 0;
    }
}

}  // namespace qml
