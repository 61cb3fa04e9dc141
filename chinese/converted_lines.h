// The one walk of both conversion directions: the text split into lines, each line's pairs
// replaced and the lines put together again, in a single pass over the text.
#pragma once

#include <cstddef>
#include <string>

namespace qml {

// Pair cells say what replaces a pair of a lead byte of 0x80 or above and the byte after it:
// two bytes per pair, in text order, indexed by the two bytes as one number (the first half,
// for leads below 0x80, is never read). A first byte of 0 says that the lead is no lead before
// that byte: it is copied alone and the walk goes on at the byte after it.
constexpr std::size_t kPairCellsSize = 256u * 256u * 2u;

constexpr std::size_t PairCellOffset(unsigned lead, unsigned next) {
    return (lead << 8 | next) * 2u;
}

inline void SetPairCell(unsigned char* cells, unsigned lead, unsigned next, unsigned short code) {
    cells[PairCellOffset(lead, next)] = static_cast<unsigned char>(code >> 8);
    cells[PairCellOffset(lead, next) + 1] = static_cast<unsigned char>(code & 0xFF);
}

// Writes into out the text as the converter returns its lines: every line feed becomes CR LF
// (a CR before it stays with its line), every tab eight spaces, and every pair replaced as its
// cell says; with no cells, nothing else changes. A text that does not end with a line feed
// is taken as followed by CR LF, so its last line ends with CR CR LF. No byte below 0x40, tab
// and line feed among them, is the second byte of a pair, so a pair never spans two lines and
// one walk over the whole text gives what a walk line by line gives. Returns the number of
// lines.
long ConvertLines(const char* text, std::size_t length, const unsigned char* cells, std::string& out);

}  // namespace qml
