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

namespace qml {

// Big5 to code page 936 in one step: the character itself where code page 936 holds it, else
// what the Big5-to-GB cell followed by the traditional mapping gives. Same layout as the
// Big5-to-GB table (lead 0xA1..0xFE, trail 0x40..0xFE).
constexpr unsigned short kBig5ToCp936ResourceId = 11009;
constexpr std::size_t kBig5ToCp936TableSize = kBig5ToGbTableSize;

// Code page 936 to Big5 for every double-byte pair: 126 rows (lead 0x81..0xFE) of 191 cells
// (trail 0x40..0xFE). A cell holds the Big5 code of the character (its Taiwan-standard
// traditional form when it is a simplified one, A140 when Big5 has none), or 0x0000 where the
// pair is not a character of code page 936 (trail 0x7F).
constexpr unsigned short kCp936ToBig5ResourceId = 11010;
constexpr std::size_t kCp936ToBig5TableSize = 126u * 191u * 2u;

constexpr bool HasCp936ToBig5Cell(unsigned char lead, unsigned char trail) {
    return lead >= 0x81 && lead <= 0xFE && trail >= 0x40 && trail <= 0xFE;
}
constexpr std::size_t Cp936ToBig5CellOffset(unsigned char lead, unsigned char trail) {
    return (lead - 0x81) * 382u + (trail - 0x40) * 2u;
}

}  // namespace qml
