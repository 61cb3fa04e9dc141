// The library set up once per fuzz process on a language directory in memory-backed storage
// (/dev/shm when there is one), with the language file rewritten for every input. The profile
// reader checks the file at each call (stat and content), so rewriting the same path is seen.
#pragma once

#include <string>

#include "quorvel/multilanguage.h"
#include "support/reference_translation.h"

namespace qml_fuzz {

class FuzzLanguage {
  public:
    // Sets the library up (language type 3, bound to "Fuzzish.lng") on first use.
    static FuzzLanguage& Get(MLLogCallback logCallback = nullptr);

    // Replaces the language file's bytes; the model parses them too.
    void WriteLanguageFile(const std::string& bytes);
    // Sets the language state's parameters for the next calls (as a set-up on such a file would).
    void SetParameters(bool english, bool deleteSpace, bool isAlpha);

    const ReferenceLanguage& Model() const { return m_model; }
    const std::string& Directory() const { return m_directory; }
    const std::string& LanguageFilePath() const { return m_file; }

  private:
    explicit FuzzLanguage(MLLogCallback logCallback);

    std::string m_directory;
    std::string m_file;
    ReferenceProfile m_profile{std::string()};
    ReferenceLanguage m_model;
};

// Writes bytes to a file, replacing it; aborts when that fails (the target cannot go on).
void WriteWholeFile(const std::string& path, const std::string& bytes);

// A fresh directory under /dev/shm (or the temporary directory), removed at exit.
std::string MakeScratchDirectory();

}  // namespace qml_fuzz
