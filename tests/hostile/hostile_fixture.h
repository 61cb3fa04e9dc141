// A language directory whose language file holds whatever bytes a test writes, the library set
// up on it (language 3, "Testish"), and helpers that call the library through buffers with
// guard bytes on both sides.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "quorvel/multilanguage.h"
#include "support/test_support.h"

namespace qml_test {

class RawLanguage {
  public:
    explicit RawLanguage(const std::string& bytes) {
        WriteFile(m_dir.file("Language.ini"), "[LanguageType]\n2=English\n3=Testish\n");
        WriteFile(file(), bytes);
        SetUp();
    }
    RawLanguage(const RawLanguage&) = delete;
    RawLanguage& operator=(const RawLanguage&) = delete;

    void SetUp() { Set_MultiLanguage_Para(m_dir.path().c_str(), LANGUAGE_TYPE_OTHER, nullptr, nullptr); }
    std::string file() const { return m_dir.file("Testish.lng"); }
    const TempDir& dir() const { return m_dir; }

  private:
    ScopedEnv m_locale{"LC_ALL", "C"};
    TempDir m_dir;
};

// A buffer of size bytes (none for a size below 1) between two runs of guard bytes.
class Guarded {
  public:
    static constexpr size_t kGuard = 32;
    static constexpr char kGuardByte = '\x5A';

    explicit Guarded(int size)
        : m_size(size), m_bytes(2 * kGuard + static_cast<size_t>(size > 0 ? size : 0), kGuardByte) {}

    char* data() { return m_bytes.data() + kGuard; }
    int size() const { return m_size; }

    bool GuardsIntact() const {
        for (size_t i = 0; i < kGuard; ++i)
            if (m_bytes[i] != kGuardByte || m_bytes[m_bytes.size() - 1 - i] != kGuardByte) return false;
        return true;
    }
    // Nothing written at all: every byte is still a guard byte.
    bool Untouched() const {
        for (char c : m_bytes)
            if (c != kGuardByte) return false;
        return true;
    }
    // The text before the first NUL inside the buffer; "<unterminated>" when there is none.
    std::string Text() const {
        for (int i = 0; i < m_size; ++i)
            if (m_bytes[kGuard + static_cast<size_t>(i)] == '\0')
                return std::string(m_bytes.data() + kGuard, static_cast<size_t>(i));
        return "<unterminated>";
    }

  private:
    int m_size;
    std::vector<char> m_bytes;
};

// GetMultiLanguageText of a key of section ProgramOutStr into a guarded buffer.
inline std::string Lookup(const std::string& key, int size = 1024) {
    Guarded buffer(size);
    GetMultiLanguageText(key.c_str(), buffer.data(), size, "ProgramOutStr");
    EXPECT_TRUE(buffer.GuardsIntact()) << "key " << key.substr(0, 40) << ", size " << size;
    return buffer.Text();
}

// GetMultiLngText_ByAutoPart of a finished text into a guarded buffer.
inline std::string Phrase(const std::string& text, int size = 1024) {
    Guarded buffer(size);
    GetMultiLngText_ByAutoPart(buffer.data(), size, "%s", text.c_str());
    EXPECT_TRUE(buffer.GuardsIntact()) << "text " << text.substr(0, 40) << ", size " << size;
    return buffer.Text();
}

}  // namespace qml_test
