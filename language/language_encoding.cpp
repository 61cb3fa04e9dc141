#include "language/language_encoding.h"

#include <cstdio>
#include <cstdlib>

#include "language/catalogue.h"
#include "language/language_state.h"
#include "platform/os.h"
#include "util/utf8_text.h"

namespace qml {

namespace {

constexpr unsigned kBig5CodePage = 950;
constexpr unsigned kGbCodePage = 936;
constexpr unsigned kDefaultCodePage = 1252;

unsigned DeclaredCodePage() {
    const char* file = State().languageFile;
    if (file[0] == '\0') return 0;
    char value[64] = {};
    os::GetPrivateProfileStringA(kLngparaSection, "CodePage", "", value, sizeof value - 1, file);
    const long number = std::strtol(value, nullptr, 10);
    return number > 0 && number <= 65535 ? static_cast<unsigned>(number) : 0;
}

}  // namespace

bool StartsWithUtf8Mark(std::string_view bytes) {
    return bytes.substr(0, 3) == "\xEF\xBB\xBF";
}

bool LanguageFileIsUtf8() {
    const char* file = State().languageFile;
    if (file[0] == '\0') return false;
    std::FILE* stream = os::OpenFile(file, "rb");
    if (!stream) return false;
    char head[3] = {};
    const std::size_t n = std::fread(head, 1, sizeof head, stream);
    std::fclose(stream);
    return StartsWithUtf8Mark(std::string_view(head, n));
}

unsigned LanguageCodePage() {
    const int type = State().languageType;
    if (type == LANGUAGE_TYPE_BIG5) return kBig5CodePage;
    if (type == LANGUAGE_TYPE_GB) return kGbCodePage;
    const unsigned declared = DeclaredCodePage();
    return declared != 0 && os::IsCodePageSupported(declared) ? declared : kDefaultCodePage;
}

std::string LanguageEncoding::FromUtf8(const char* utf8) const {
    return FromUtf8(std::string_view(utf8 ? utf8 : ""));
}

std::string LanguageEncoding::FromUtf8(std::string_view utf8) const {
    std::string text;
    const std::string valid = ValidUtf8(std::string(utf8).c_str());
    // The default code page is there on every system; a language's own was checked.
    if (!os::Utf8ToCodePage(m_codePage, valid, text)) os::Utf8ToCodePage(kDefaultCodePage, valid, text);
    return text;
}

std::string LanguageEncoding::ToUtf8(std::string_view text) const {
    std::string utf8;
    if (!os::CodePageToUtf8(m_codePage, text, utf8)) os::CodePageToUtf8(kDefaultCodePage, text, utf8);
    return utf8;
}

std::string LanguageFileText(std::string_view text, bool fileIsUtf8) {
    if (!fileIsUtf8) return std::string(text);
    return LanguageEncoding().FromUtf8(text);
}

}  // namespace qml
