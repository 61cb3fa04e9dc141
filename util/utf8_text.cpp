#include "util/utf8_text.h"

#include "base/utf8.h"

namespace qml {

namespace {

constexpr char kReplacement[] = "\xEF\xBF\xBD";

// What a lead byte starts: the sequence's length and the range of its second byte, which
// rules out overlong forms, surrogates and code points above U+10FFFF. Length 0: no lead.
struct Lead {
    std::size_t length;
    unsigned char low, high;
};

Lead Classify(unsigned char byte) {
    if (byte >= 0xC2 && byte <= 0xDF) return {2, 0x80, 0xBF};
    if (byte == 0xE0) return {3, 0xA0, 0xBF};
    if (byte == 0xED) return {3, 0x80, 0x9F};
    if (byte >= 0xE1 && byte <= 0xEF) return {3, 0x80, 0xBF};
    if (byte == 0xF0) return {4, 0x90, 0xBF};
    if (byte >= 0xF1 && byte <= 0xF3) return {4, 0x80, 0xBF};
    if (byte == 0xF4) return {4, 0x80, 0x8F};
    return {0, 0, 0};
}

}  // namespace

std::string ValidUtf8(const char* text) {
    std::string valid;
    if (!text) return valid;
    const std::string_view in(text);
    std::size_t i = 0;
    while (i < in.size()) {
        const auto byte = static_cast<unsigned char>(in[i]);
        if (byte < 0x80) {
            valid += in[i++];
            continue;
        }
        const Lead lead = Classify(byte);
        std::size_t matched = 1;  // the lead, then each continuation byte that fits
        if (lead.length > 0 && i + 1 < in.size()) {
            const auto second = static_cast<unsigned char>(in[i + 1]);
            if (second >= lead.low && second <= lead.high) {
                matched = 2;
                while (matched < lead.length && i + matched < in.size() &&
                       IsUtf8Continuation(static_cast<unsigned char>(in[i + matched])))
                    ++matched;
            }
        }
        if (lead.length > 0 && matched == lead.length)
            valid.append(in, i, matched);
        else
            valid += kReplacement;
        i += matched;
    }
    return valid;
}

}  // namespace qml
