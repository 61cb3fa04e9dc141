// Tells Big5 text from GB text by votes of its double-byte pairs, settling close results by
// the code type of the running system.
#include "chinese/code_type_detection.h"

#include <algorithm>
#include <cstdlib>

#include "chinese/conversion_settings.h"
#include "chinese/gb_punctuation.h"
#include "quorvel/multilanguage.h"

namespace qml {

namespace {

// Frequent simplified characters whose GB codes are taken as GB whatever else the pair might
// be. 这 (D5E2) and 为 (CEAA) lie in the lead range 0xC6..0xD7 that votes GB anyway; the other
// ten lie where a pair is otherwise undecided: 个 来 对 会 过 还 么 没 发 开. 国 and 们 are left
// out on purpose, so that a text of them alone stays undecided.
const unsigned short kForcedGbHanzi[] = {
    0xD5E2, 0xCEAA, 0xB8F6, 0xC0B4, 0xB6D4, 0xBBE1, 0xB9FD, 0xBBB9, 0xC3B4, 0xC3BB, 0xB7A2, 0xBFAA,
};

// The forced-GB list: the keys of the GB punctuation table, then the hanzi above.
bool IsForcedGb(unsigned char lead, unsigned char trail) {
    if (FindGbPunctuation(lead, trail) != 0) return true;
    const unsigned short code = static_cast<unsigned short>(lead << 8 | trail);
    return std::find(std::begin(kForcedGbHanzi), std::end(kForcedGbHanzi), code) != std::end(kForcedGbHanzi);
}

void Count(int* count) {
    if (count != nullptr) ++*count;
}

int SettleBySystem(int system, int big5, int gb, int undecided) {
    const int unknown = LANGUAGE_TYPE_ENGLISH + (undecided > 0 ? 1 : 0);
    if (system == LANGUAGE_TYPE_GB)
        return big5 > 0 ? LANGUAGE_TYPE_BIG5 : gb > 0 ? LANGUAGE_TYPE_GB : unknown;
    if (system == LANGUAGE_TYPE_BIG5)
        return gb > 0 ? LANGUAGE_TYPE_GB : big5 > 0 ? LANGUAGE_TYPE_BIG5 : unknown;
    return unknown;
}

}  // namespace

int ClassifyCodePair(unsigned char lead, unsigned char trail, int* count) {
    if (lead <= 0x7F) return LANGUAGE_TYPE_ENGLISH;
    if (IsForcedGb(lead, trail)) {
        Count(count);
        return LANGUAGE_TYPE_GB;
    }
    if (trail <= 0x7E || (lead >= 0xA4 && lead <= 0xAF) || lead == 0xF8 || lead == 0xF9) {
        Count(count);
        return LANGUAGE_TYPE_BIG5;
    }
    if (lead >= 0xC6 && lead <= 0xD7 && trail >= 0xA1 && trail <= 0xFE) {
        Count(count);
        return LANGUAGE_TYPE_GB;
    }
    if (lead >= 0x81 && lead <= 0xFE && trail >= 0x80 && trail <= 0xFE) Count(count);
    return LANGUAGE_TYPE_OTHER;
}

}  // namespace qml

_enum_language_type CalcStringCodeType(const char* text, int* count) {
    int system = 0;
    if (!qml::GetSystemCodeType(system)) return LANGUAGE_TYPE_OTHER;
    int big5 = 0, gb = 0, undecided = 0;
    const auto* at = reinterpret_cast<const unsigned char*>(text ? text : "");
    for (; *at != 0; ++at) {
        if (*at < 0x80) continue;
        if (at[1] == 0) break;  // a high byte at the very end is no pair
        switch (qml::ClassifyCodePair(at[0], at[1], count)) {
            case LANGUAGE_TYPE_BIG5:
                ++big5;
                break;
            case LANGUAGE_TYPE_GB:
                ++gb;
                break;
            case LANGUAGE_TYPE_OTHER:
                ++undecided;
                break;
            default:
                break;
        }
        ++at;  // past the trail byte
    }
    if ((big5 > 0 || gb > 0) && std::abs(big5 - gb) > std::max(big5, gb) / 2)
        return big5 <= gb ? LANGUAGE_TYPE_GB : LANGUAGE_TYPE_BIG5;
    return static_cast<_enum_language_type>(qml::SettleBySystem(system, big5, gb, undecided));
}
