// Tells Big5 text from GB text by votes of its double-byte pairs, settling close results by
// the code type of the running system.
#include "chinese/code_type_detection.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "base/code_page_pairs.h"
#include "chinese/chinese_conversion.h"
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

int SettleBySystem(int system, long long big5, long long gb, long long undecided) {
    const int unknown = LANGUAGE_TYPE_ENGLISH + (undecided > 0 ? 1 : 0);
    if (system == LANGUAGE_TYPE_GB)
        return big5 > 0 ? LANGUAGE_TYPE_BIG5 : gb > 0 ? LANGUAGE_TYPE_GB : unknown;
    if (system == LANGUAGE_TYPE_BIG5)
        return gb > 0 ? LANGUAGE_TYPE_GB : big5 > 0 ? LANGUAGE_TYPE_BIG5 : unknown;
    return unknown;
}

constexpr unsigned char kCounted = 0x80;
constexpr unsigned char kNotPairwise = 0x40;

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

  private:
    std::array<unsigned char, 128 * 256> m_classes{};
};

// On a GB system the detector reads a copy of the text with traditional characters simplified
// and small forms replaced. Both work character by character, so where every byte of 0x80 or
// above leads a pair of code page 936, the class of each pair after them can be looked up in
// one walk over the text itself. Any other pair, and any whose simplified form is not one pair
// of the code page, is kNotPairwise: such a text is copied as the rules say.
class SimplifiedPairClasses {
  public:
    explicit SimplifiedPairClasses(const PairClasses& smallFormsMapped) {
        m_classes.fill(kNotPairwise);
        std::string mapped;
        for (unsigned lead = 0x81; lead <= 0xFE; ++lead) {
            for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
                const char pair[2] = {static_cast<char>(lead), static_cast<char>(trail)};
                if (!IsCp936Trail(static_cast<unsigned char>(trail)) || !MapToSimplified(pair, 2, mapped))
                    continue;
                const auto l = static_cast<unsigned char>(mapped[0]),
                           t = static_cast<unsigned char>(mapped[1]);
                if (!IsCp936Pair(l, t)) continue;
                m_classes[(lead - 0x80) << 8 | trail] = smallFormsMapped.Of(l, t);
            }
        }
    }
    unsigned char Of(unsigned char lead, unsigned char trail) const {
        return m_classes[(lead - 0x80u) << 8 | trail];
    }

  private:
    std::array<unsigned char, 128 * 256> m_classes{};
};

// The detection after the text is read: walk the pairs, count the votes, decide. The votes are kept
// in one register, 21 bits each, flushed before a field could overflow. -1 when a pair's class
// says that it cannot be read on its own (kNotPairwise).
template <typename Classes>
int Decide(const char* text, size_t length, const Classes& classes, int system, int* count) {
    constexpr int kBits = 21;
    constexpr std::uint64_t kField = (std::uint64_t{1} << kBits) - 1;
    // By code type: Big5, GB, English (never), undecided.
    constexpr std::uint64_t kVote[4] = {1, std::uint64_t{1} << kBits, 0, std::uint64_t{1} << (2 * kBits)};
    constexpr size_t kBlock = size_t{1} << (kBits - 1);  // bytes, so fewer than 2^20 pairs per block

    long long big5 = 0, gb = 0, undecided = 0, counted = 0;
    const auto* at = reinterpret_cast<const unsigned char*>(text);
    // A pair needs a byte after its lead: a high byte at the very end is no pair.
    const auto* const last = at + (length > 0 ? length - 1 : 0);
    while (at < last) {
        const auto* const blockLast = last - at > static_cast<std::ptrdiff_t>(kBlock) ? at + kBlock : last;
        std::uint64_t votes = 0;
        unsigned blockCounted = 0;
        while (at < blockLast) {
            if (!StartsDoubleByte(*at)) {
                // ASCII, eight bytes at a time where it runs on
                std::uint64_t word;
                if (blockLast - at >= 8 && (std::memcpy(&word, at, 8), (word & 0x8080808080808080u) == 0)) {
                    at += 8;
                } else {
                    ++at;
                }
                continue;
            }
            const unsigned char pairClass = classes.Of(at[0], at[1]);
            if (pairClass & kNotPairwise) return -1;
            votes += kVote[pairClass & 3];
            blockCounted += pairClass >> 7;
            at += 2;
        }
        big5 += static_cast<long long>(votes & kField);
        gb += static_cast<long long>((votes >> kBits) & kField);
        undecided += static_cast<long long>(votes >> (2 * kBits));
        counted += blockCounted;
    }
    if (count != nullptr) *count += static_cast<int>(counted);
    if ((big5 > 0 || gb > 0) && std::llabs(big5 - gb) > std::max(big5, gb) / 2)
        return big5 <= gb ? LANGUAGE_TYPE_GB : LANGUAGE_TYPE_BIG5;
    return SettleBySystem(system, big5, gb, undecided);
}

const PairClasses& PlainClasses() {
    static const PairClasses classes(false);
    return classes;
}

}  // namespace

int ClassifyCodePair(unsigned char lead, unsigned char trail, int* count) {
    if (!StartsDoubleByte(lead)) return LANGUAGE_TYPE_ENGLISH;
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
    if (IsCp936Lead(lead) && trail >= 0x80 && trail <= 0xFE) Count(count);
    return LANGUAGE_TYPE_OTHER;
}

int DetectCodeType(const char* text, size_t length, int system) {
    static const PairClasses smallFormsMapped(true);
    return Decide(text, length, system == LANGUAGE_TYPE_GB ? smallFormsMapped : PlainClasses(), system,
                  nullptr);
}

int DetectCodeTypeOfText(const char* text, size_t length, int system, std::string& copy) {
    if (system != LANGUAGE_TYPE_GB) return DetectCodeType(text, length, system);
    static const PairClasses smallFormsMapped(true);
    static const SimplifiedPairClasses simplified(smallFormsMapped);
    const int type = Decide(text, length, simplified, system, nullptr);
    if (type >= 0) return type;
    if (!MapToSimplified(text, length, copy)) copy.assign(text, length);
    return DetectCodeType(copy.data(), copy.size(), system);
}

int StringCodeType(const char* text, int* count) {
    int system = 0;
    if (!GetSystemCodeType(system)) return LANGUAGE_TYPE_OTHER;
    const char* source = text ? text : "";
    return Decide(source, std::strlen(source), PlainClasses(), system, count);
}

}  // namespace qml

_enum_language_type CalcStringCodeType(const char* text, int* count) {
    return static_cast<_enum_language_type>(qml::StringCodeType(text, count));
}
