// One run of the tool: the library set up on the language directory and language, and the
// encodings of what comes in and goes out.
#pragma once

#include <cstdio>
#include <string>

#include "arguments.h"

namespace cli {

class Session {
  public:
    // Sets the library up. Only `init` may create a missing language file; every other
    // subcommand refuses to run without one, so that nothing is written behind its back.
    Session(const Arguments& args, bool mayCreateLanguageFile);

    int LanguageType() const { return m_languageType; }
    const std::string& LanguageDir() const { return m_dir; }
    const std::string& LanguageFile() const { return m_languageFile; }
    // Whether the language file was there before the set-up.
    bool LanguageFileExisted() const { return m_languageFileExisted; }
    // The iconv name of the language file's code page.
    const std::string& CodePage() const { return m_codePage; }

    // A text given on the command line or on standard input, in the language's code page.
    std::string Input(const std::string& text) const;
    // Writes a text in the given encoding (default: the language's) and a line feed to standard
    // output, re-encoded to UTF-8 when standard output is a UTF-8 terminal (or --utf8 asks).
    void Print(const std::string& text, const std::string& encoding = "") const;
    bool Recoding() const { return m_recodeOutput; }

  private:
    std::string m_dir;
    std::string m_languageFile;
    std::string m_codePage;
    std::string m_inputEncoding;
    int m_languageType = 2;
    bool m_recodeOutput = false;
    bool m_languageFileExisted = false;
};

// Whether texts written to standard output are re-encoded to UTF-8: --utf8, or a UTF-8
// terminal unless --raw.
bool RecodeOutput(const Arguments& args);

// Writes text (in encoding) and a line feed to standard output, re-encoded to UTF-8 when asked.
void PrintText(const std::string& text, const std::string& encoding, bool recode);

// The sample language directory: next to the installed tool, else in the source tree.
std::string DefaultLanguageDir();

}  // namespace cli
