// The current language's code page, and texts between it and UTF-8: the ANSI functions serve
// the language's code page, the UTF-8 entry points and UTF-8 language files meet it here.
#pragma once

#include <string>
#include <string_view>

namespace qml {

// 950 for language type 0, 936 for type 1, else the CodePage that the bound language file
// declares in [Lngpara]; 1252 when it declares none or one the system cannot convert.
unsigned LanguageCodePage();

// Whether bytes begin with the UTF-8 byte-order mark that marks a UTF-8 language file.
bool StartsWithUtf8Mark(std::string_view bytes);

// Whether the bound language file begins with the mark (read from the file at each call).
bool LanguageFileIsUtf8();

// The code page of one call: taken once, so every text of the call goes the same way.
class LanguageEncoding {
  public:
    LanguageEncoding() : m_codePage(LanguageCodePage()) {}
    explicit LanguageEncoding(unsigned codePage) : m_codePage(codePage) {}

    unsigned CodePage() const { return m_codePage; }
    // UTF-8 (invalid sequences read as U+FFFD; null is empty) into the code page.
    std::string FromUtf8(const char* utf8) const;
    std::string FromUtf8(std::string_view utf8) const;
    // A text of the code page into UTF-8.
    std::string ToUtf8(std::string_view text) const;

  private:
    unsigned m_codePage;
};

// A text read from the bound language file as the ANSI functions serve it: a text of a
// UTF-8 file converted into the language's code page, any other as it stands.
std::string LanguageFileText(std::string_view text, bool fileIsUtf8);

}  // namespace qml
