#include "language/language_state.h"

namespace qml {

LanguageState& State() {
    // Constant-initialised: the load-time defaults hold before any code of the library runs.
    static LanguageState state;
    return state;
}

}  // namespace qml

int GetCurLanguageType() {
    return qml::State().languageType;
}

char* GetCurLngFileDir() {
    return qml::State().languageDir;
}
