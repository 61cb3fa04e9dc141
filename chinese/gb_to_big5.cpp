// GB to Big5: a GB2312 pair through the punctuation table, then the GB-to-Big5 table (a
// simplified character gets the Big5 code of its Taiwan-standard form); every other double-byte
// character of code page 936 as one pair through the code-page-936-to-Big5 table, which gives
// the Big5 blank where Big5 has no form of it. So no pair is copied as bytes that Big5 would
// read as another character.
#include <new>
#include <string>
#include <vector>

#include "base/code_page_pairs.h"
#include "chinese/code_tables.h"
#include "chinese/converted_lines.h"
#include "chinese/gb_punctuation.h"
#include "chinese/gb_big5_converter.h"

namespace {

constexpr unsigned short kBig5Blank = 0xA140;

unsigned short CellCode(const unsigned char* cell) {
    return static_cast<unsigned short>(cell[0] << 8 | cell[1]);
}

// What replaces one code-page-936 pair.
unsigned short Big5Code(const unsigned char* gbToBig5, const unsigned char* cp936ToBig5, unsigned char lead,
                        unsigned char trail) {
    if (qml::HasGbToBig5Cell(lead, trail)) {
        const unsigned short punctuation = qml::FindGbPunctuation(lead, trail);
        return punctuation != 0 ? punctuation : CellCode(gbToBig5 + qml::GbToBig5CellOffset(lead, trail));
    }
    const unsigned short code = CellCode(cp936ToBig5 + qml::Cp936ToBig5CellOffset(lead, trail));
    return (code >> 8) != 0 ? code : kBig5Blank;
}

// A lead byte followed by a byte that cannot trail it in code page 936 (below 0x40, 0x7F or
// 0xFF) is copied alone: the byte after it cannot trail a Big5 lead either, so nothing reads
// as another character. Bytes of 0xA1 or above on both sides with 0xFF among them stay a pair.
void MakeGbCells(const unsigned char* gbToBig5, const unsigned char* cp936ToBig5,
                 std::vector<unsigned char>& cells) {
    cells.assign(qml::kPairCellsSize, 0);
    for (unsigned lead = 0x81; lead <= 0xFF; ++lead) {
        for (unsigned trail = 0x40; trail <= 0xFF; ++trail) {
            const auto l = static_cast<unsigned char>(lead), t = static_cast<unsigned char>(trail);
            if (qml::IsCp936Pair(l, t)) {
                qml::SetPairCell(cells.data(), lead, trail, Big5Code(gbToBig5, cp936ToBig5, l, t));
            } else if (lead >= 0xA1 && trail >= 0xA1) {
                qml::SetPairCell(cells.data(), lead, trail, static_cast<unsigned short>(lead << 8 | trail));
            }
        }
    }
}

}  // namespace

// Converts and reassembles the lines in one walk. Without its tables no pair is converted
// and the lines only come back split and put together again.
void CGBAndBig5::Impl::GBtoBig() {
    if (!m_bConversionOn) return;
    const unsigned char* cells = nullptr;
    if (m_pGB2BigTable != nullptr && m_pCp9362BigTable != nullptr) {
        try {
            if (m_arrGbCells.empty()) MakeGbCells(m_pGB2BigTable, m_pCp9362BigTable, m_arrGbCells);
            cells = m_arrGbCells.data();
        } catch (const std::bad_alloc&) {
            m_arrGbCells.clear();  // out of memory: nothing is converted
        }
    }
    ConvertSource(cells);
}
