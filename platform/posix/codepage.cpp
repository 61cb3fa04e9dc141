// Code-page services on POSIX: character counts and the simplified/traditional mappings for
// code page 936 and the Chinese (PRC) locale only; texts between UTF-8 and a Windows code page
// over the C library's iconv.
#include <iconv.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "base/code_page_pairs.h"
#include "platform/os.h"
#include "platform/posix/embedded_data.h"

namespace qml::os {

namespace {

constexpr UINT kCodePageGbk = 936;
constexpr LCID kLocaleChinesePrc = 2052;

// The length of the text to work on: up to and including the NUL for -1.
int SourceLength(LPCSTR text, int length) {
    return length == -1 ? static_cast<int>(std::strlen(text)) + 1 : length;
}

int Fail(DWORD error) {
    SetLastError(error);
    return 0;
}

}  // namespace

int MultiByteToWideChar(UINT codePage, DWORD flags, LPCSTR text, int length, LPWSTR wide, int wideSize) {
    if (codePage != kCodePageGbk || flags != 0 || text == nullptr || length == 0 || length < -1 ||
        wide != nullptr || wideSize != 0)
        return Fail(ERROR_INVALID_PARAMETER);
    const auto* bytes = reinterpret_cast<const unsigned char*>(text);
    const int total = SourceLength(text, length);
    // A valid pair is one character; any other byte (a stray lead included) is one too.
    int units = 0;
    int i = 0;
    while (i < total - 1) {
        i += IsCp936Pair(bytes[i], bytes[i + 1]) ? 2 : 1;
        ++units;
    }
    return units + (i < total ? 1 : 0);
}

int LCMapStringA(LCID locale, DWORD flags, LPCSTR source, int sourceLength, LPSTR destination,
                 int destinationSize) {
    const unsigned char* table = nullptr;
    if (flags == LCMAP_TRADITIONAL_CHINESE) table = embedded::cp936_to_traditional;
    if (flags == LCMAP_SIMPLIFIED_CHINESE) table = embedded::cp936_to_simplified;
    if (locale != kLocaleChinesePrc || table == nullptr) return Fail(ERROR_INVALID_PARAMETER);
    if (source == nullptr || sourceLength == 0 || sourceLength < -1 || destinationSize < 0 ||
        (destination == nullptr && destinationSize != 0))
        return Fail(ERROR_INVALID_PARAMETER);
    const int total = SourceLength(source, sourceLength);
    if (destinationSize == 0) return total;
    if (destinationSize < total) return Fail(ERROR_INSUFFICIENT_BUFFER);

    const auto* in = reinterpret_cast<const unsigned char*>(source);
    auto* out = reinterpret_cast<unsigned char*>(destination);
    int i = 0;
    while (i < total - 1) {
        const unsigned char lead = in[i];
        const unsigned char trail = in[i + 1];
        if (IsCp936Pair(lead, trail)) {
            const unsigned char* cell = table + (lead - 0x81) * 382 + (trail - 0x40) * 2;
            out[i] = cell[0];  // both source bytes are read already: in place works too
            out[i + 1] = cell[1];
            i += 2;
        } else {
            out[i] = lead;
            ++i;
        }
    }
    if (i < total) out[i] = in[i];
    return total;
}

namespace {

constexpr char kReplacementCharacter[] = "\xEF\xBF\xBD";

// The iconv name of a Windows code page.
std::string IconvName(UINT codePage) {
    switch (codePage) {
        case kFileSystemCodePage:
        case kUtf8CodePage:
            return "UTF-8";
        case 20127:
            return "ASCII";
        case 20866:
            return "KOI8-R";
        case 21866:
            return "KOI8-U";
        default:
            break;
    }
    if (codePage >= 28591 && codePage <= 28606) return "ISO-8859-" + std::to_string(codePage - 28590);
    return "CP" + std::to_string(codePage);
}

// One conversion descriptor for the length of one call.
class Converter {
  public:
    Converter(const std::string& to, const std::string& from) : m_cd(iconv_open(to.c_str(), from.c_str())) {}
    ~Converter() {
        if (Valid()) iconv_close(m_cd);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    bool Valid() const { return m_cd != reinterpret_cast<iconv_t>(-1); }

    // Converts text into out; at a byte sequence that cannot be converted, skip(rest) says how
    // many bytes to pass over and what to write instead.
    template <typename Skip>
    void Run(std::string_view text, std::string& out, Skip skip) {
        std::string input(text);
        char* in = input.data();
        size_t inLeft = input.size();
        char chunk[1024];
        while (inLeft > 0) {
            char* next = chunk;
            size_t outLeft = sizeof chunk;
            const size_t result = iconv(m_cd, &in, &inLeft, &next, &outLeft);
            out.append(chunk, sizeof chunk - outLeft);
            if (result != static_cast<size_t>(-1) || errno == E2BIG) continue;
            const size_t skipped = skip(std::string_view(in, inLeft), out);
            in += skipped;
            inLeft -= skipped;
            iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        }
    }

  private:
    iconv_t m_cd;
};

// The length of the UTF-8 sequence that lead starts (valid input).
size_t SequenceLength(unsigned char lead) {
    if (lead >= 0xF0) return 4;
    if (lead >= 0xE0) return 3;
    if (lead >= 0xC0) return 2;
    return 1;
}

}  // namespace

bool IsCodePageSupported(UINT codePage) {
    return Converter(IconvName(codePage), "UTF-8").Valid() && Converter("UTF-8", IconvName(codePage)).Valid();
}

bool Utf8ToCodePage(UINT codePage, std::string_view utf8, std::string& text) {
    Converter converter(IconvName(codePage), "UTF-8");
    if (!converter.Valid()) return false;
    converter.Run(utf8, text, [](std::string_view rest, std::string& out) {
        out += '?';
        const size_t length = SequenceLength(static_cast<unsigned char>(rest[0]));
        return length < rest.size() ? length : rest.size();
    });
    return true;
}

bool CodePageToUtf8(UINT codePage, std::string_view text, std::string& utf8) {
    Converter converter("UTF-8", IconvName(codePage));
    if (!converter.Valid()) return false;
    converter.Run(text, utf8, [](std::string_view, std::string& out) {
        out += kReplacementCharacter;
        return size_t{1};
    });
    return true;
}

}  // namespace qml::os
