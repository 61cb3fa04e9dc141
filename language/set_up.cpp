// Set_MultiLanguage_Para: chooses the language, stores the directory, binds the language file
// and keeps the host's callbacks.
#include <cstdlib>
#include <cstring>
#include <string>

#include "language/catalogue.h"
#include "language/language_state.h"
#include "platform/crt.h"
#include "platform/os.h"
#include "util/shared_utility.h"

namespace qml {

namespace {

constexpr int kStoredPathSize = LanguageState::kPathSize - 1;  // the last byte always stays NUL

// The header of a new language file; "%s" takes the creation time. CR LF line ends and no
// line end after the last line.
constexpr const char kLanguageFileHeader[] =
    ";Quorvel MultiLanguage File\r\n"
    ";Create By Velmarkund On %s\r\n"
    "\r\n"
    ";; MultiLanguage Translate Description\r\n"
    "[LanguageTypeCpt]\r\n"
    "English=English\r\n"
    "\r\n"
    ";; MultiLanguage Parameter\r\n"
    "[Lngpara]\r\n"
    "; Auto Delete Space Character\r\n"
    "DeleteSpace=1\r\n"
    "IsAlpha=0\r\n"
    "\r\n"
    "[ProgramOutStr]";

// On a Chinese system a request for the other Chinese script yields the system's own.
int ChooseLanguageType(int systemType, int requested) {
    if (systemType == LANGUAGE_TYPE_BIG5 && requested == LANGUAGE_TYPE_GB) return LANGUAGE_TYPE_BIG5;
    if (systemType == LANGUAGE_TYPE_GB && requested == LANGUAGE_TYPE_BIG5) return LANGUAGE_TYPE_GB;
    return requested;
}

void StoreDirectory(const std::string& dir) {
    if (dir.empty()) return;
    kvSnprintf(State().languageDir, kStoredPathSize, dir.back() == '\\' ? "%s" : "%s\\", dir.c_str());
}

void CreateLanguageFile(const char* path) {
    char timeText[21] = {};
    GetCurTimeString(timeText, 0);
    CString header;
    header.Format(kLanguageFileHeader, timeText);
    // A failure leaves the file missing: lookups then find nothing and the next set-up tries again.
    WriteDataToFile(path, header.GetString(), header.GetLength(), "ab+", -1);
}

void ReadParameters(const char* path) {
    LanguageState& state = State();
    char value[1024] = {};
    os::GetPrivateProfileStringA(kLngparaSection, "DeleteSpace", "", value, 1023, path);
    state.deleteSpace = std::atoi(value);

    std::memset(value, 0, sizeof value);
    DWORD n = os::GetPrivateProfileStringA(kLngparaSection, "IsAlpha", "", value, 1023, path);
    state.isAlpha = n > 0 ? std::atoi(value) : 1;
}

// Computes the language-file path from the current type's English name; creates the file
// when it is missing (its parameters take effect at the next set-up), else reads them.
void BindLanguageFile() {
    LanguageState& state = State();
    char englishName[1024] = {};
    GetLanguageTypeEngName(englishName, sizeof englishName);
    // A path cut to fit would name a file the host never asked for, possibly in another
    // directory, and the set-up would create it there: such a language binds no file.
    if (std::strlen(state.languageDir) + std::strlen(englishName) + std::strlen(".lng") >
        static_cast<size_t>(kStoredPathSize - 1)) {
        state.languageFile[0] = '\0';
        return;
    }
    kvSnprintf(state.languageFile, kStoredPathSize, "%s%s.lng", state.languageDir, englishName);

    if (crt::_access(state.languageFile, 0) != 0)
        CreateLanguageFile(state.languageFile);
    else
        ReadParameters(state.languageFile);
}

}  // namespace
}  // namespace qml

int Set_MultiLanguage_Para(const char* languageDir, int languageType, MLLogCallback logCallback,
                           MLParentWndCallback parentWndCallback) {
    using namespace qml;
    LanguageState& state = State();
    // The host may hand back the buffer of GetCurLngFileDir, which is overwritten below.
    const std::string dir = languageDir ? languageDir : "";

    const int systemType = ConvertLangLanguage2LanguageType(os::GetUserDefaultLCID() & 0xFFFF);
    const int chosen = ChooseLanguageType(systemType, languageType);

    StoreDirectory(dir);
    state.languageType = chosen;
    BindLanguageFile();

    if (logCallback) state.logCallback = logCallback;
    if (parentWndCallback) state.parentWndCallback = parentWndCallback;
    return chosen;
}
