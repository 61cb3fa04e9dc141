// Helpers shared by the suites: a private temporary directory, environment guards and
// small file utilities.
#pragma once

#include <cstdarg>
#include <string>

namespace qml_test {

// A fresh directory under the system's temporary directory, removed with everything in it
// when the object goes.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return m_path; }
    // path(), the system's separator ('/', or '\\' on Windows) and name.
    std::string file(const std::string& name) const;
    // The directory with a trailing separator.
    std::string dir() const;

  private:
    std::string m_path;
};

// Sets (or, with a null value, removes) an environment variable for the life of the object.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, const char* value);
    ~ScopedEnv();
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

  private:
    std::string m_name;
    std::string m_old;
    bool m_hadOld = false;
};

// Writes bytes to a file, replacing it.
void WriteFile(const std::string& path, const std::string& bytes);
// Reads a whole file; empty when it cannot be read.
std::string ReadFile(const std::string& path);

// What a host's log callback prints: the format filled from its arguments (at most 4095 bytes).
std::string FormatLine(const char* format, va_list args);

}  // namespace qml_test
