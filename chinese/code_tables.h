// The layout of the converter's two code tables. Every cell is two bytes, lead byte first.
#pragma once

#include <cstddef>

namespace qml {

// Big5 to GB: 94 rows (lead 0xA1..0xFE) of 191 cells (trail 0x40..0xFE).
constexpr unsigned short kBig5ToGbResourceId = 11007;
constexpr std::size_t kBig5ToGbTableSize = 35908;
// GB to Big5: 88 rows (lead 0xA1..0xA9, then 0xB0..0xFE) of 94 cells (trail 0xA1..0xFE).
constexpr unsigned short kGbToBig5ResourceId = 11008;
constexpr std::size_t kGbToBig5TableSize = 16544;

// Whether a pair has a cell in the Big5-to-GB table: lead 0xA1..0xFE, trail 0x40..0xFE.
constexpr bool HasBig5ToGbCell(unsigned char lead, unsigned char trail) {
    return lead >= 0xA1 && lead <= 0xFE && trail >= 0x40 && trail <= 0xFE;
}
constexpr std::size_t Big5ToGbCellOffset(unsigned char lead, unsigned char trail) {
    return (lead - 0xA1) * 382u + (trail - 0x40) * 2u;
}

// Whether a pair has a cell in the GB-to-Big5 table. The lead bytes 0xAA..0xAF, which GB2312
// leaves empty, have no row.
constexpr bool HasGbToBig5Cell(unsigned char lead, unsigned char trail) {
    bool row = (lead >= 0xA1 && lead <= 0xA9) || (lead >= 0xB0 && lead <= 0xFE);
    return row && trail >= 0xA1 && trail <= 0xFE;
}
constexpr std::size_t GbToBig5CellOffset(unsigned char lead, unsigned char trail) {
    unsigned row = lead <= 0xA9 ? lead - 0xA1u : lead - 0xA7u;
    return row * 188u + (trail - 0xA1) * 2u;
}

}  // namespace qml
