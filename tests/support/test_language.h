// A language for the translator suites: a temporary directory with a catalogue that names
// language 3 "Testish" and a language file with the given parameters and [ProgramOutStr]
// entries, the library set up on it, and every key the library looks up recorded in order.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "quorvel/lookup_observer.h"
#include "quorvel/multilanguage.h"
#include "support/test_support.h"

namespace qml_test {

using Entries = std::vector<std::pair<std::string, std::string>>;

class TestLanguage {
  public:
    TestLanguage(const Entries& entries, int deleteSpace, int isAlpha = 1,
                 MLLogCallback logCallback = nullptr) {
        WriteFile(m_dir.file("Language.ini"), "[LanguageType]\n2=English\n3=Testish\n");
        std::string body = "[Lngpara]\nDeleteSpace=" + std::to_string(deleteSpace) +
                           "\nIsAlpha=" + std::to_string(isAlpha) + "\n\n[ProgramOutStr]\n";
        for (const auto& [key, value] : entries) body += key + "=" + value + "\n";
        WriteFile(m_dir.file("Testish.lng"), body);
        Set_MultiLanguage_Para(m_dir.path().c_str(), LANGUAGE_TYPE_OTHER, logCallback, nullptr);
        quorvel::SetLookupObserver(&TestLanguage::Record, this);
    }
    ~TestLanguage() { quorvel::SetLookupObserver(nullptr, nullptr); }
    TestLanguage(const TestLanguage&) = delete;
    TestLanguage& operator=(const TestLanguage&) = delete;

    // The keys looked up since the set-up or the last call, in order.
    std::vector<std::string> TakeKeys() { return std::exchange(m_keys, {}); }

  private:
    static void Record(const char* key, const char* /*section*/, bool /*found*/, void* context) {
        static_cast<TestLanguage*>(context)->m_keys.emplace_back(key);
    }

    // The locale decides nothing here as long as it is not Chinese.
    ScopedEnv m_locale{"LC_ALL", "C"};
    TempDir m_dir;
    std::vector<std::string> m_keys;
};

}  // namespace qml_test
