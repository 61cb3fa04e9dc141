#include "recode.h"

#if defined(_WIN32)
#include <cstdlib>

#include "quorvel/wintypes.h"
#else
#include <iconv.h>

#include <cerrno>
#endif

#include "arguments.h"
#include "base/ascii.h"

namespace cli {

std::string CodePageName(int codePage) {
    switch (codePage) {
        case 950:
            return "BIG5";
        case 936:
            return "GBK";
        case 65001:
            return "UTF-8";
        default:
            return "CP" + std::to_string(codePage);
    }
}

#if defined(_WIN32)

namespace {

// The code page behind an encoding name: the names CodePageName gives, UTF8, and CPnnn or nnn.
UINT CodePageNumber(const std::string& name) {
    std::string upper = name;
    qml::UpperAscii(upper);
    if (upper == "BIG5" || upper == "BIG-5") return 950;
    if (upper == "GBK" || upper == "GB2312" || upper == "CP936") return 936;
    if (upper == "UTF-8" || upper == "UTF8") return CP_UTF8;
    const std::string digits = upper.compare(0, 2, "CP") == 0 ? upper.substr(2) : upper;
    char* end = nullptr;
    const unsigned long number = std::strtoul(digits.c_str(), &end, 10);
    if (digits.empty() || *end != '\0' || number == 0 || number > 65535 || !::IsValidCodePage(number))
        throw UsageError("unknown encoding " + name);
    return static_cast<UINT>(number);
}

}  // namespace

std::string Recode(const std::string& text, const std::string& from, const std::string& to) {
    if (from == to || text.empty()) return text;
    const UINT fromPage = CodePageNumber(from);
    const UINT toPage = CodePageNumber(to);
    if (text.size() > 0x7FFFFFFF) throw UsageError("text too long to re-encode");
    const int inLength = static_cast<int>(text.size());

    // Invalid sequences become U+FFFD on the way in; they go out as '?' like unmappable ones.
    const int wideLength = ::MultiByteToWideChar(fromPage, 0, text.data(), inLength, nullptr, 0);
    if (wideLength <= 0) return std::string(text.size(), '?');
    std::wstring wide(static_cast<size_t>(wideLength), L'\0');
    ::MultiByteToWideChar(fromPage, 0, text.data(), inLength, &wide[0], wideLength);
    for (wchar_t& c : wide)
        if (c == 0xFFFD) c = L'?';

    // UTF-8 takes no default character.
    const char* fallback = toPage == CP_UTF8 ? nullptr : "?";
    const int outLength =
        ::WideCharToMultiByte(toPage, 0, wide.data(), wideLength, nullptr, 0, fallback, nullptr);
    if (outLength <= 0) return std::string(text.size(), '?');
    std::string out(static_cast<size_t>(outLength), '\0');
    ::WideCharToMultiByte(toPage, 0, wide.data(), wideLength, &out[0], outLength, fallback, nullptr);
    return out;
}

#else

std::string Recode(const std::string& text, const std::string& from, const std::string& to) {
    if (from == to || text.empty()) return text;
    iconv_t cd = iconv_open(to.c_str(), from.c_str());
    if (cd == reinterpret_cast<iconv_t>(-1))
        throw UsageError("unknown encoding conversion " + from + " to " + to);

    std::string out;
    std::string input = text;
    char* in = input.data();
    size_t inLeft = input.size();
    char chunk[4096];
    while (inLeft > 0) {
        char* outPtr = chunk;
        size_t outLeft = sizeof chunk;
        size_t result = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
        out.append(chunk, sizeof chunk - outLeft);
        if (result == static_cast<size_t>(-1)) {
            if (errno == E2BIG) continue;
            // An invalid or cut sequence: show one '?' for its first byte and go on.
            out += '?';
            ++in;
            --inLeft;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
        }
    }
    iconv_close(cd);
    return out;
}

#endif

}  // namespace cli
