// GB punctuation that the GB-to-Big5 conversion replaces by fixed Big5 codes before it
// consults its code table (quotation marks become corner brackets, for one).
#pragma once

#include <cstddef>

namespace qml {

struct GbPunctuation {
    unsigned short gb;
    unsigned short big5;
};

// All rows, in GB code order.
const GbPunctuation* GbPunctuationTable(std::size_t& count);

// The Big5 code that replaces a GB pair, or 0 when the pair is not in the table.
unsigned short FindGbPunctuation(unsigned char lead, unsigned char trail);

}  // namespace qml
