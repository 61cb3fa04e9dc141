// Texts between UTF-8 and a code page on Windows, through UTF-16 with the system's converters.
#include <algorithm>
#include <climits>
#include <string>

#include "platform/os.h"

namespace qml::os {

namespace {

// The system's code page number: the file system's names are in the ANSI code page.
UINT SystemCodePage(UINT codePage) {
    return codePage == kFileSystemCodePage ? CP_ACP : codePage;
}

// A UTF-16 conversion that refuses bytes that are no character; false for those.
bool Decode(UINT codePage, const char* bytes, int length, std::wstring& wide) {
    const int wideLength = ::MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes, length, nullptr, 0);
    if (wideLength <= 0) return false;
    const size_t start = wide.size();
    wide.resize(start + static_cast<size_t>(wideLength));
    if (::MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes, length, &wide[start], wideLength) ==
        wideLength)
        return true;
    wide.resize(start);
    return false;
}

// The bytes of the character that starts at text[i]: a lead byte and its follower, a UTF-8
// sequence, or one byte.
int CharacterLength(UINT codePage, std::string_view text, size_t i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    int length = 1;
    if (codePage == CP_UTF8)
        length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    else if (::IsDBCSLeadByteEx(codePage, lead))
        length = 2;
    return static_cast<int>(std::min<size_t>(static_cast<size_t>(length), text.size() - i));
}

// The text as UTF-16. Bytes that are no character become U+FFFD, one for each byte, as on
// POSIX: the system's own choice of replacement differs between code pages. False when the
// system cannot read the code page.
bool ToWide(UINT codePage, std::string_view text, std::wstring& wide) {
    wide.clear();
    if (text.empty()) return true;
    if (text.size() > INT_MAX) return false;
    if (Decode(codePage, text.data(), static_cast<int>(text.size()), wide)) return true;
    if (!IsCodePageSupported(codePage)) return false;
    for (size_t i = 0; i < text.size();) {
        const int length = CharacterLength(codePage, text, i);
        if (Decode(codePage, text.data() + i, length, wide)) {
            i += static_cast<size_t>(length);
        } else {
            wide += L'\xFFFD';
            ++i;
        }
    }
    return true;
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
