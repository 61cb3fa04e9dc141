// GB punctuation that the GB-to-Big5 conversion replaces by fixed Big5 codes before it
// consults its code table (quotation marks become corner brackets, for one).
#pragma once

#include <array>
#include <cstddef>

namespace qml {

struct GbPunctuation {
    unsigned short gb;
    unsigned short big5;
};

// Every key has lead 0xA1 or 0xA3 and a trail of 0xA1..0xFE: one slot per such pair, holding
// the Big5 code or 0.
using PunctuationIndex = std::array<unsigned short, 2 * 94>;
extern const PunctuationIndex kGbPunctuationIndex;

constexpr int PunctuationSlot(unsigned char lead, unsigned char trail) {
    if ((lead != 0xA1 && lead != 0xA3) || trail < 0xA1 || trail > 0xFE) return -1;
    return (lead == 0xA3 ? 94 : 0) + (trail - 0xA1);
}

// The Big5 code that replaces a GB pair, or 0 when the pair is not in the table.
inline unsigned short FindGbPunctuation(unsigned char lead, unsigned char trail) {
    const int slot = PunctuationSlot(lead, trail);
    return slot < 0 ? 0 : kGbPunctuationIndex[static_cast<std::size_t>(slot)];
}

}  // namespace qml
