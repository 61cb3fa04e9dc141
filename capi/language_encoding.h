// The current language's code page, and texts between it and UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace qml::capi {

// 950 for language type 0, 936 for type 1, else the CodePage that the bound language file
// declares in [Lngpara]; 1252 when it declares none or one the system cannot convert.
unsigned LanguageCodePage();

// The code page of one call: taken once, so every text of the call goes the same way.
class LanguageEncoding {
  public:
    LanguageEncoding() : m_codePage(LanguageCodePage()) {}
    explicit LanguageEncoding(unsigned codePage) : m_codePage(codePage) {}

    unsigned CodePage() const { return m_codePage; }
    // UTF-8 (invalid sequences read as U+FFFD; null is empty) into the code page.
    std::string FromUtf8(const char* utf8) const;
    // A text of the code page into UTF-8.
    std::string ToUtf8(std::string_view text) const;

  private:
    unsigned m_codePage;
};

}  // namespace qml::capi
