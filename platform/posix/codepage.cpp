// Code-page services on POSIX, for code page 936 and the Chinese (PRC) locale only.
#include <cstring>

#include "platform/codepage.h"
#include "platform/os.h"
#include "platform/posix/embedded_data.h"

namespace qml::os {

namespace {

constexpr UINT kCodePageGbk = 936;
constexpr LCID kLocaleChinesePrc = 2052;

bool IsLead(unsigned char byte) {
    return byte >= 0x81 && byte <= 0xFE;
}
bool IsTrail(unsigned char byte) {
    return byte >= 0x40 && byte <= 0xFE && byte != 0x7F;
}

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
        i += (IsLead(bytes[i]) && IsTrail(bytes[i + 1])) ? 2 : 1;
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
        if (IsLead(lead) && IsTrail(trail)) {
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

}  // namespace qml::os
