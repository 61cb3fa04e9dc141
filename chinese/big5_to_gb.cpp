// Big5 to GB: every Big5 character comes out as itself wherever code page 936 holds it, and
// as the GB code of its simplified form otherwise, in one lookup per pair.
#include <new>
#include <string>
#include <vector>

#include "chinese/code_tables.h"
#include "chinese/converted_lines.h"
#include "chinese/gb_big5_converter.h"

namespace {

// A byte of 0xA1 or above followed by one of 0x40 or above is a Big5 pair. One without a cell
// in the table (0xFF on either side) is kept; any other lead is copied alone.
void MakeBig5Cells(const unsigned char* table, std::vector<unsigned char>& cells) {
    cells.assign(qml::kPairCellsSize, 0);
    for (unsigned lead = 0xA1; lead <= 0xFF; ++lead) {
        for (unsigned trail = 0x40; trail <= 0xFF; ++trail) {
            auto code = static_cast<unsigned short>(lead << 8 | trail);
            const auto l = static_cast<unsigned char>(lead), t = static_cast<unsigned char>(trail);
            if (qml::HasBig5ToGbCell(l, t)) {
                const unsigned char* cell = table + qml::Big5ToGbCellOffset(l, t);
                if (cell[0] != 0) code = static_cast<unsigned short>(cell[0] << 8 | cell[1]);
            }
            qml::SetPairCell(cells.data(), lead, trail, code);
        }
    }
}

}  // namespace

// Converts and reassembles the lines in one walk. Without its table no pair is converted and
// the lines only come back split and put together again.
void CGBAndBig5::Impl::BigtoGB() {
    if (!m_bConversionOn) return;
    const unsigned char* cells = nullptr;
    if (m_pBig2Cp936Table != nullptr) {
        try {
            if (m_arrBig5Cells.empty()) MakeBig5Cells(m_pBig2Cp936Table, m_arrBig5Cells);
            cells = m_arrBig5Cells.data();
        } catch (const std::bad_alloc&) {
            m_arrBig5Cells.clear();  // out of memory: nothing is converted
        }
    }
    ConvertSource(cells);
}
