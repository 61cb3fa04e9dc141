#include "language/language_file.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "base/ascii.h"
#include "language/catalogue.h"
#include "language/language_state.h"
#include "platform/os.h"
#include "quorvel/multilanguage.h"
#include "util/shared_utility.h"

namespace qml {

namespace {

constexpr int kStoredPathSize = LanguageState::kStoredPathSize;

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

// The catalogue is a file anyone with access to the directory may edit: an English name that
// would lead out of the language directory or into another file's stream names no file. A
// double-byte character whose second byte is a backslash is refused too, since on POSIX that
// byte is a separator.
bool IsPlainFileName(const char* name) {
    if (!*name || std::strstr(name, "..")) return false;
    for (const char* p = name; *p; ++p) {
        const char c = *p;
        if (IsAsciiControl(c) || c == '/' || c == '\\' || c == ':') return false;
    }
    return true;
}

// A text for a one-line diagnostic: control characters are shown as \xNN.
std::string Printable(const char* text) {
    std::string printable;
    for (const char* p = text; *p; ++p) {
        const unsigned char c = static_cast<unsigned char>(*p);
        if (IsAsciiControl(*p)) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
            printable += escaped;
        } else {
            printable += *p;
        }
    }
    return printable;
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

// Creates the missing file with its header, whole or not at all; its parameters take effect at
// the next set-up. A file that another process created since the existence test is read as
// an existing one.
std::string CreateLanguageFile(const char* path) {
    char timeText[21] = {};
    GetCurTimeString(timeText, 0);
    CString header;
    header.Format(kLanguageFileHeader, timeText);
    const os::FileCreation creation =
        os::CreateWholeFile(path, header.GetString(), static_cast<std::size_t>(header.GetLength()));
    if (creation.outcome == os::FileCreation::kCreated) return {};
    if (creation.outcome == os::FileCreation::kExists && os::_access(path, 0) == 0) {
        ReadParameters(path);
        return {};
    }
    // The path still names the missing file: lookups find nothing and the next set-up tries again.
    return "Create language file [ " + Printable(path) + " ] failed, reason : " + creation.reason;
}

}  // namespace

std::string LanguageFilePath(const char* storedDir, const char* englishName, std::string& problem) {
    problem.clear();
    if (!IsPlainFileName(englishName)) {
        problem = "Language name [ " + Printable(englishName) +
                  " ] is not a plain file name, no language file bound";
        return {};
    }
    // A path cut to fit would name a file the host never asked for, possibly in another
    // directory, and the set-up would create it there: such a language binds no file.
    if (std::strlen(storedDir) + std::strlen(englishName) + std::strlen(".lng") >
        static_cast<size_t>(kStoredPathSize - 1)) {
        problem = "Language file [ " + Printable(storedDir) + Printable(englishName) +
                  ".lng ] is longer than 258 characters, no language file bound";
        return {};
    }
    return std::string(storedDir) + englishName + ".lng";
}

std::string BindLanguageFile() {
    LanguageState& state = State();
    char englishName[1024] = {};
    FillEnglishName(englishName, sizeof englishName);
    std::string problem;
    const std::string path = LanguageFilePath(state.languageDir, englishName, problem);
    if (path.empty()) {
        state.languageFile[0] = '\0';
        return problem;
    }
    kvSnprintf(state.languageFile, kStoredPathSize, "%s", path.c_str());

    if (os::_access(state.languageFile, 0) != 0) return CreateLanguageFile(state.languageFile);
    ReadParameters(state.languageFile);
    return {};
}

}  // namespace qml
