// Helpers of the profile-reader suites: a private directory for profile files, a lookup that
// returns the text, the result and the last error together, readable names for table cases,
// and what the system's reader answers otherwise on Windows.
//
// The suites built for Windows run there against the system's reader (under Wine). Where it
// answers otherwise than the POSIX reader, the case says what Windows gives and why; every
// case runs on both platforms and checks its own platform's answer.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "platform/os.h"
#include "support/test_support.h"

namespace qml_test {

#if defined(_WIN32)
constexpr bool kWindowsReader = true;
#else
constexpr bool kWindowsReader = false;
#endif

// Why the system's reader on Windows answers a case otherwise (as Wine shows it).
namespace windows_differs {
constexpr char kDefaultUsedError[] = "the last error is 0 when a file that exists gives the default";
constexpr char kSemicolonKey[] = "a line beginning with ';' is a key, not a comment";
constexpr char kNoSectionEntries[] = "entries before the first section are found under section \"\"";
constexpr char kCodePage[] =
    "GBK bytes are read in Wine's own ANSI code page (UTF-8 here): they come back as U+FFFD";
constexpr char kSpaceDefault[] = "one space of a default made of spaces is kept";
constexpr char kUntrimmedList[] =
    "a key list matches its section argument untrimmed, then copies the default";
constexpr char kListOfNothing[] =
    "a key list of a missing section, or of one without keys, copies the default (last error 0)";
constexpr char kTinyList[] = "a key list that cannot hold one name and two NULs copies the default";
constexpr char kListCut[] = "a list needs one byte more to fit, and a cut list ends in one NUL, not two";
constexpr char kOneByteList[] = "a list with room for one byte only reports ERROR_INVALID_PARAMETER";
constexpr char kNoRoomError[] = "a call without a buffer or without room leaves the last error as it was";
constexpr char kMissingFileList[] = "the empty list of a missing file is one NUL, not two";
}  // namespace windows_differs

// The answer of this platform: on Windows the one given for it when the case names a reason.
template <class T>
T Answer(T posix, const char* windowsWhy, T windows) {
    return kWindowsReader && windowsWhy ? windows : posix;
}

// The last error of a lookup that gives the default from a file that exists.
inline DWORD DefaultUsedError() {
    return Answer<DWORD>(ERROR_FILE_NOT_FOUND, windows_differs::kDefaultUsedError, ERROR_SUCCESS);
}

// A text quoted with its bytes outside printable ASCII escaped, or "null", for the printing of
// a case in a failure's message.
inline std::string Printable(const char* text) {
    if (!text) return "null";
    std::string shown = "\"";
    for (const char* p = text; *p; ++p) {
        unsigned char c = static_cast<unsigned char>(*p);
        if (c >= 0x20 && c < 0x7f && c != '"' && c != '\\') {
            shown += *p;
        } else {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            shown += hex;
        }
    }
    return shown + "\"";
}

// A test name made of the case's texts: letters and digits kept, a space as '_', every other
// byte as xHH (its hex value), a null text as "null", an empty one as "empty"; the case's
// number ends it, so that names stay unique.
inline std::string CaseName(std::initializer_list<const char*> texts, std::size_t index) {
    std::string name;
    for (const char* text : texts) {
        if (!name.empty()) name += '_';
        if (!text) {
            name += "null";
            continue;
        }
        if (!*text) name += "empty";
        for (const char* p = text; *p; ++p) {
            unsigned char c = static_cast<unsigned char>(*p);
            if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) {
                name += *p;
            } else if (c == ' ') {
                name += '_';
            } else {
                char hex[4];
                std::snprintf(hex, sizeof hex, "x%02X", c);
                name += hex;
            }
        }
    }
    return name + "_" + std::to_string(index);
}

struct ProfileRead {
    std::string text;  // the buffer up to its first NUL (within its size)
    std::string raw;   // all size bytes of the buffer
    DWORD result = 0;
    DWORD lastError = 0;
    bool wroteBeyondSize = false;
};

inline ProfileRead ReadProfile(const char* app, const char* key, const char* def, DWORD size,
                               const std::string& file) {
    constexpr std::size_t kGuard = 16;
    std::vector<char> buffer(size + kGuard, '\x7f');
    ProfileRead read;
    qml::os::SetLastError(12345);
    read.result = qml::os::GetPrivateProfileStringA(app, key, def, buffer.data(), size, file.c_str());
    read.lastError = qml::os::GetLastError();
    read.raw.assign(buffer.data(), size);
    read.text.assign(buffer.data(), ::strnlen(buffer.data(), size));
    for (std::size_t i = size; i < buffer.size(); ++i)
        if (buffer[i] != '\x7f') read.wroteBeyondSize = true;
    return read;
}

class ProfileTest : public ::testing::Test {
  protected:
    std::string Write(const std::string& name, const std::string& bytes) {
        std::string path = m_dir.file(name);
        WriteFile(path, bytes);
        return path;
    }
    std::string Value(const std::string& file, const char* app, const char* key,
                      const char* def = "<default>", DWORD size = 1024) {
        return ReadProfile(app, key, def, size, file).text;
    }
    const TempDir& dir() const { return m_dir; }

  private:
    TempDir m_dir;
};

}  // namespace qml_test
