// Helpers of the profile-reader suites: a private directory for profile files and a lookup
// that returns the text, the result and the last error together.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/os.h"
#include "support/test_support.h"

namespace qml_test {

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
