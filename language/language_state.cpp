#include "language/language_state.h"

#include <type_traits>

namespace qml {

static_assert(std::is_trivially_destructible_v<LanguageState>,
              "the language state must outlive the library's destructors");

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
