// Tells Big5 text from GB text by votes of its double-byte pairs, settling close results by
// the code type of the running system.
#include "chinese/code_type_detection.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>

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

// The class of every pair, worked out once from the rules: the code type in the low bits and
// whether the pair is counted in bit 7. The detector reads a text through it. With small forms
// mapped, a pair is classified as the pair that replaces it.
class PairClasses {
  public:
    explicit PairClasses(bool smallFormsMapped) {
        for (unsigned lead = 0x80; lead <= 0xFF; ++lead) {
            for (unsigned trail = 0; trail <= 0xFF; ++trail) {
                unsigned pair = lead << 8 | trail;
                if (smallFormsMapped && lead == 0xA9) {
                    if (unsigned short replacement = SmallFormReplacement(static_cast<unsigned char>(trail)))
                        pair = replacement;
                }
                int counted = 0;
                const int type = ClassifyCodePair(static_cast<unsigned char>(pair >> 8),
                                                  static_cast<unsigned char>(pair & 0xFF), &counted);
                m_classes[(lead - 0x80) << 8 | trail] =
                    static_cast<unsigned char>(type | (counted ? kCounted : 0));
            }
        }
    }
    // For a lead of 0x80 or above.
    unsigned char Of(unsigned char lead, unsigned char trail) const {
        return m_classes[(lead - 0x80u) << 8 | trail];
    }

    static constexpr unsigned char kCounted = 0x80;
    static constexpr unsigned char kTypeMask = 0x7F;

  private:
    std::array<unsigned char, 128 * 256> m_classes{};
};

// Steps 3 to 5 of the detection: walk the pairs, count the votes, decide.
int Decide(const char* text, size_t length, const PairClasses& classes, int system, int* count) {
    int votes[4] = {0, 0, 0, 0};  // by code type: Big5, GB, English (never), undecided
    int counted = 0;
    const auto* at = reinterpret_cast<const unsigned char*>(text);
    const auto* const end = at + length;
    for (; at < end; ++at) {
        if (*at < 0x80) continue;
        if (at + 1 == end) break;  // a high byte at the very end is no pair
        const unsigned char pairClass = classes.Of(at[0], at[1]);
        ++votes[pairClass & PairClasses::kTypeMask];
        counted += (pairClass & PairClasses::kCounted) ? 1 : 0;
        ++at;  // past the trail byte
    }
    if (count != nullptr) *count += counted;
    const int big5 = votes[LANGUAGE_TYPE_BIG5], gb = votes[LANGUAGE_TYPE_GB];
    if ((big5 > 0 || gb > 0) && std::abs(big5 - gb) > std::max(big5, gb) / 2)
        return big5 <= gb ? LANGUAGE_TYPE_GB : LANGUAGE_TYPE_BIG5;
    return SettleBySystem(system, big5, gb, votes[LANGUAGE_TYPE_OTHER]);
}

const PairClasses& PlainClasses() {
    static const PairClasses classes(false);
    return classes;
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

int DetectCodeType(const char* text, size_t length, int system) {
    static const PairClasses smallFormsMapped(true);
    return Decide(text, length, system == LANGUAGE_TYPE_GB ? smallFormsMapped : PlainClasses(), system,
                  nullptr);
}

}  // namespace qml

_enum_language_type CalcStringCodeType(const char* text, int* count) {
    int system = 0;
    if (!qml::GetSystemCodeType(system)) return LANGUAGE_TYPE_OTHER;
    const char* source = text ? text : "";
    return static_cast<_enum_language_type>(
        qml::Decide(source, std::strlen(source), qml::PlainClasses(), system, count));
}
