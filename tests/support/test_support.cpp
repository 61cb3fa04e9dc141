#include "support/test_support.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace qml_test {

namespace {

#if defined(_WIN32)
constexpr char kSeparator = '\\';

// A new directory with a random name; creating it fails when the name is taken, so two
// processes never share one.
std::string MakeUniqueDirectory(const fs::path& parent) {
    std::random_device seed;
    std::mt19937_64 random(seed());
    const char* digits = "0123456789abcdefghijklmnopqrstuvwxyz";
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = "qml-test-";
        for (int i = 0; i < 8; ++i) name += digits[random() % 36];
        fs::path candidate = parent / name;
        std::error_code ec;
        if (fs::create_directory(candidate, ec)) return candidate.string();
    }
    throw std::runtime_error("no temporary directory could be made");
}

void SetVariable(const char* name, const char* value) {
    // An empty value removes the variable.
    _putenv_s(name, value ? value : "");
}
#else
constexpr char kSeparator = '/';

std::string MakeUniqueDirectory(const fs::path& parent) {
    std::string pattern = (parent / "qml-test-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    return pattern;
}

void SetVariable(const char* name, const char* value) {
    if (value)
        setenv(name, value, 1);
    else
        unsetenv(name);
}
#endif

}  // namespace

TempDir::TempDir() : m_path(MakeUniqueDirectory(fs::temp_directory_path())) {}

TempDir::~TempDir() {
    std::error_code ec;
    // Give back permissions a test may have taken away, so that removal succeeds.
    fs::permissions(m_path, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(m_path, ec);
}

std::string TempDir::file(const std::string& name) const {
    return m_path + kSeparator + name;
}

std::string TempDir::dir() const {
    return m_path + kSeparator;
}

ScopedEnv::ScopedEnv(const char* name, const char* value) : m_name(name) {
    if (const char* old = std::getenv(name)) {
        m_hadOld = true;
        m_old = old;
    }
    SetVariable(name, value);
}

ScopedEnv::~ScopedEnv() {
    SetVariable(m_name.c_str(), m_hadOld ? m_old.c_str() : nullptr);
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string FormatLine(const char* format, va_list args) {
    char text[4096];
    std::vsnprintf(text, sizeof text, format, args);
    return text;
}

}  // namespace qml_test
