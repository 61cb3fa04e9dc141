// A language directory in a temporary folder: a catalogue and language files written by the
// test, and the library set up on it.
#pragma once

#include <string>

#include "support/test_support.h"

namespace qml_test {

class LanguageDir {
  public:
    // The catalogue's [LanguageType] section body, e.g. "0=Chinese_T\n2=English\n".
    void WriteCatalogue(const std::string& languageTypeEntries) const {
        WriteFile(m_dir.file("Language.ini"), "[LanguageType]\n" + languageTypeEntries);
    }
    void WriteLanguageFile(const std::string& englishName, const std::string& body) const {
        WriteFile(m_dir.file(englishName + ".lng"), body);
    }
    std::string LanguageFile(const std::string& englishName) const {
        return m_dir.file(englishName + ".lng");
    }
    // The directory as a host passes it (no trailing separator).
    const std::string& path() const { return m_dir.path(); }

  private:
    TempDir m_dir;
};

}  // namespace qml_test
