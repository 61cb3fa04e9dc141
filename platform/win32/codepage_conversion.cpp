// Texts between UTF-8 and a code page on Windows, through UTF-16 with the system's converters.
#include <climits>
#include <string>

#include "platform/codepage.h"

namespace qml::os {

namespace {

// The system's code page number: the file system's names are in the ANSI code page.
UINT SystemCodePage(UINT codePage) {
    return codePage == kFileSystemCodePage ? CP_ACP : codePage;
}

// The text as UTF-16; bytes that are no character become U+FFFD. False when the system
// cannot read the code page.
bool ToWide(UINT codePage, std::string_view text, std::wstring& wide) {
    wide.clear();
    if (text.empty()) return true;
    if (text.size() > INT_MAX) return false;
    const int length = static_cast<int>(text.size());
    const int wideLength = ::MultiByteToWideChar(codePage, 0, text.data(), length, nullptr, 0);
    if (wideLength <= 0) return false;
    wide.resize(static_cast<size_t>(wideLength));
    return ::MultiByteToWideChar(codePage, 0, text.data(), length, &wide[0], wideLength) == wideLength;
}

// The UTF-16 text in the code page, appended to out. UTF-8 takes no default character and no
// flags; every other code page gets '?' for a character it lacks, never a best-fit look-alike.
bool FromWide(UINT codePage, const std::wstring& wide, std::string& out) {
    if (wide.empty()) return true;
    const bool utf8 = codePage == CP_UTF8;
    const DWORD flags = utf8 ? 0 : WC_NO_BEST_FIT_CHARS;
    const char* fallback = utf8 ? nullptr : "?";
    const int wideLength = static_cast<int>(wide.size());
    const int length =
        ::WideCharToMultiByte(codePage, flags, wide.data(), wideLength, nullptr, 0, fallback, nullptr);
    if (length <= 0) return false;
    const size_t start = out.size();
    out.resize(start + static_cast<size_t>(length));
    if (::WideCharToMultiByte(codePage, flags, wide.data(), wideLength, &out[start], length, fallback,
                              nullptr) == length)
        return true;
    out.resize(start);
    return false;
}

}  // namespace

bool IsCodePageSupported(UINT codePage) {
    const UINT system = SystemCodePage(codePage);
    return system == CP_ACP || ::IsValidCodePage(system);
}

bool Utf8ToCodePage(UINT codePage, std::string_view utf8, std::string& text) {
    if (!IsCodePageSupported(codePage)) return false;
    std::wstring wide;
    return ToWide(CP_UTF8, utf8, wide) && FromWide(SystemCodePage(codePage), wide, text);
}

bool CodePageToUtf8(UINT codePage, std::string_view text, std::string& utf8) {
    if (!IsCodePageSupported(codePage)) return false;
    std::wstring wide;
    return ToWide(SystemCodePage(codePage), text, wide) && FromWide(CP_UTF8, wide, utf8);
}

}  // namespace qml::os
