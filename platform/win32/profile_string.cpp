// The profile reader on Windows: the system's, except for files that begin with the UTF-8 mark.
//
// The library wants a marked file's names and values as they stand in the file, in UTF-8, as
// the POSIX reader gives them; the language layer converts them into the language's code page.
// The system's ANSI reader instead decodes such a file itself and hands back the text in the
// system's ANSI code page, which loses every character that page lacks (a Chinese file on a
// Western system reads as question marks). So for a marked file the wide reader is asked, and
// its answer is written back in UTF-8 with the ANSI call's size contract.
#include <cstdio>
#include <string>

#include "base/utf8.h"
#include "platform/os.h"

namespace qml::os {

namespace {

bool BeginsWithUtf8Mark(LPCSTR file) {
    std::FILE* stream = std::fopen(file, "rb");
    if (!stream) return false;
    unsigned char head[3] = {};
    const bool marked = std::fread(head, 1, sizeof head, stream) == sizeof head && head[0] == 0xEF &&
                        head[1] == 0xBB && head[2] == 0xBF;
    std::fclose(stream);
    return marked;
}

std::wstring Widen(LPCSTR text, UINT codePage) {
    const int length = ::MultiByteToWideChar(codePage, 0, text, -1, nullptr, 0);
    if (length <= 1) return std::wstring();
    std::wstring wide(static_cast<size_t>(length), L'\0');
    ::MultiByteToWideChar(codePage, 0, text, -1, &wide[0], length);
    wide.resize(static_cast<size_t>(length - 1));
    return wide;
}

std::string Utf8Of(const wchar_t* wide, int length) {
    if (length <= 0) return std::string();
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, wide, length, nullptr, 0, nullptr, nullptr);
    if (size <= 0) return std::string();
    std::string text(static_cast<size_t>(size), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, wide, length, &text[0], size, nullptr, nullptr);
    return text;
}

}  // namespace

DWORD GetPrivateProfileStringA(LPCSTR app, LPCSTR key, LPCSTR def, LPSTR ret, DWORD size, LPCSTR file) {
    // Name lists (a null section or key) and calls without room keep the system's own answer.
    if (!app || !key || !ret || size == 0 || !file || !BeginsWithUtf8Mark(file))
        return ::GetPrivateProfileStringA(app, key, def, ret, size, file);

    const std::wstring wideApp = Widen(app, CP_UTF8), wideKey = Widen(key, CP_UTF8);
    const std::wstring wideDefault = Widen(def ? def : "", CP_UTF8), wideFile = Widen(file, CP_ACP);
    std::wstring value(256, L'\0');
    DWORD n = 0;
    for (;;) {
        n = ::GetPrivateProfileStringW(wideApp.c_str(), wideKey.c_str(), wideDefault.c_str(), &value[0],
                                       static_cast<DWORD>(value.size()), wideFile.c_str());
        // The system cuts a value that does not fit to size - 1 characters.
        if (n + 1 < value.size() || value.size() >= (size_t{1} << 24)) break;
        value.resize(value.size() * 4);
    }
    const DWORD lastError = ::GetLastError();  // tells a missing key from an empty value
    std::string text = Utf8Of(value.data(), static_cast<int>(n));
    // Cut to size - 1 bytes, never inside a UTF-8 sequence.
    const std::size_t length = CopyBoundedUtf8(ret, size, text);
    ::SetLastError(lastError);
    return static_cast<DWORD>(length);
}

}  // namespace qml::os
