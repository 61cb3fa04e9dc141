// The traditional mapping of code page 936 as cells, asked of the system once per character.
#include <array>

#include "platform/codepage.h"

namespace qml::os {

namespace {

constexpr unsigned kFirstLead = 0x81;
constexpr unsigned kLastLead = 0xFE;
constexpr unsigned kFirstTrail = 0x40;
constexpr unsigned kLastTrail = 0xFE;
constexpr unsigned kCellsPerRow = kLastTrail - kFirstTrail + 1;
// A plain array, which has no destructor: the cells stay usable after the library's static
// destructors have run (a host's exit handlers), and go with the library's image.
using Cells = std::array<unsigned char, (kLastLead - kFirstLead + 1) * kCellsPerRow * 2>;

bool IsDoubleBytePair(unsigned char lead, unsigned char trail) {
    return lead >= kFirstLead && lead <= kLastLead && trail >= kFirstTrail && trail <= kLastTrail &&
           trail != 0x7F;
}

// A pair that is a character of code page 936 (the system decodes it to one UTF-16 unit).
bool IsCharacter(const char pair[2]) {
    wchar_t wide[2] = {};
    return ::MultiByteToWideChar(936, MB_ERR_INVALID_CHARS, pair, 2, wide, 2) == 1;
}

Cells BuildCells() {
    Cells cells = {};
    for (unsigned lead = kFirstLead; lead <= kLastLead; ++lead) {
        for (unsigned trail = kFirstTrail; trail <= kLastTrail; ++trail) {
            unsigned char* cell = &cells[((lead - kFirstLead) * kCellsPerRow + (trail - kFirstTrail)) * 2];
            cell[0] = static_cast<unsigned char>(lead);
            cell[1] = static_cast<unsigned char>(trail);
            const char pair[2] = {static_cast<char>(lead), static_cast<char>(trail)};
            if (!IsDoubleBytePair(cell[0], cell[1]) || !IsCharacter(pair)) continue;
            char mapped[8] = {};
            // Only a character that maps to one character of the code page takes its place.
            if (::LCMapStringA(2052, LCMAP_TRADITIONAL_CHINESE, pair, 2, mapped, 2) != 2) continue;
            const auto mappedLead = static_cast<unsigned char>(mapped[0]);
            const auto mappedTrail = static_cast<unsigned char>(mapped[1]);
            if (!IsDoubleBytePair(mappedLead, mappedTrail) || !IsCharacter(mapped)) continue;
            cell[0] = mappedLead;
            cell[1] = mappedTrail;
        }
    }
    return cells;
}

}  // namespace

const unsigned char* TraditionalMappingCells() {
    static const Cells cells = BuildCells();
    return cells.data();
}

}  // namespace qml::os
