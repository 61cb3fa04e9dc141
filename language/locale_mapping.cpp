#include "language/language_state.h"

namespace qml {

// Only the three exact identifiers map to a language of their own; Hong Kong, Singapore,
// United Kingdom and the rest are "other". The caller masks the identifier if it must.
_enum_language_type LanguageTypeOfLocale(unsigned long localeId) {
    switch (localeId) {
        case 1028:
            return LANGUAGE_TYPE_BIG5;
        case 2052:
            return LANGUAGE_TYPE_GB;
        case 1033:
            return LANGUAGE_TYPE_ENGLISH;
        default:
            return LANGUAGE_TYPE_OTHER;
    }
}

}  // namespace qml

_enum_language_type ConvertLangLanguage2LanguageType(unsigned long localeId) {
    return qml::LanguageTypeOfLocale(localeId);
}
