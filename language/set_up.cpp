// Set_MultiLanguage_Para: chooses the language, stores the directory, binds the language file
// and keeps the host's callbacks.
#include <cstring>
#include <string>

#include "language/language_file.h"
#include "language/language_state.h"
#include "language/log_callback.h"
#include "language/set_up.h"
#include "platform/os.h"
#include "util/shared_utility.h"

namespace qml {

constexpr int kStoredPathSize = LanguageState::kStoredPathSize;

int ChooseLanguageType(int requested) {
    const int systemType = LanguageTypeOfLocale(os::GetUserDefaultLCID() & 0xFFFF);
    if (systemType == LANGUAGE_TYPE_BIG5 && requested == LANGUAGE_TYPE_GB) return LANGUAGE_TYPE_BIG5;
    if (systemType == LANGUAGE_TYPE_GB && requested == LANGUAGE_TYPE_BIG5) return LANGUAGE_TYPE_GB;
    return requested;
}

std::string StoredDirectoryForm(const std::string& dir) {
    if (dir.empty()) return {};
    std::string stored = dir.back() == '\\' ? dir : dir + '\\';
    if (stored.size() > static_cast<size_t>(kStoredPathSize - 1)) stored.resize(kStoredPathSize - 1);
    return stored;
}

namespace {

void StoreDirectory(const std::string& dir) {
    if (dir.empty()) return;
    kvSnprintf(State().languageDir, kStoredPathSize, "%s", StoredDirectoryForm(dir).c_str());
}

}  // namespace

int SetUpLanguage(const char* languageDir, int languageType, MLLogCallback logCallback,
                  MLParentWndCallback parentWndCallback) {
    LanguageState& state = State();
    // The host may hand back the buffer of GetCurLngFileDir, which is overwritten below.
    const std::string dir = languageDir ? languageDir : "";

    const int chosen = ChooseLanguageType(languageType);

    StoreDirectory(dir);
    state.languageType = chosen;
    const std::string failure = BindLanguageFile();

    if (logCallback) state.logCallback = logCallback;
    if (parentWndCallback) state.parentWndCallback = parentWndCallback;
    // Reported once the callback of this call is known; texts stay English meanwhile.
    if (!failure.empty()) SendLine(kLevelWarning, failure.c_str());
    return chosen;
}

}  // namespace qml

int Set_MultiLanguage_Para(const char* languageDir, int languageType, MLLogCallback logCallback,
                           MLParentWndCallback parentWndCallback) {
    return qml::SetUpLanguage(languageDir, languageType, logCallback, parentWndCallback);
}
