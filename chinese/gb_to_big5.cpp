// GB to Big5, line by line: fixed replacements for GB punctuation, then the code table (a
// simplified character gets the Big5 code of its traditional form).
#include <new>
#include <vector>

#include "chinese/code_tables.h"
#include "chinese/conversion_settings.h"
#include "chinese/gb_punctuation.h"
#include "quorvel/multilanguage.h"

namespace {

constexpr size_t kFullRowCells = 94;  // trail 0xA1..0xFE

// Every pair of lead and trail 0xA1..0xFE with what replaces it: its punctuation code, else its
// table cell; 0 for the lead bytes 0xAA..0xAF, which have no row (such pairs are kept).
void ComposeFullTable(const unsigned char* table, std::vector<unsigned char>& full) {
    full.assign(kFullRowCells * kFullRowCells * 2, 0);
    for (unsigned lead = 0xA1; lead <= 0xFE; ++lead) {
        for (unsigned trail = 0xA1; trail <= 0xFE; ++trail) {
            const auto l = static_cast<unsigned char>(lead), t = static_cast<unsigned char>(trail);
            unsigned short code = qml::FindGbPunctuation(l, t);
            if (code == 0 && qml::HasGbToBig5Cell(l, t)) {
                const unsigned char* cell = table + qml::GbToBig5CellOffset(l, t);
                code = static_cast<unsigned short>(cell[0] << 8 | cell[1]);
            }
            const size_t at = ((lead - 0xA1) * kFullRowCells + (trail - 0xA1)) * 2;
            full[at] = static_cast<unsigned char>(code >> 8);
            full[at + 1] = static_cast<unsigned char>(code & 0xFF);
        }
    }
}

// The conversion of one line into output (same length). A byte below 0xA1, or one whose
// follower is below 0xA1 (the end of the line included), is copied alone; 0xFF lies outside
// the table, so a pair with it is kept, as is a pair without a row.
void ConvertLine(const unsigned char* full, const char* line, size_t length, char* output) {
    const auto* in = reinterpret_cast<const unsigned char*>(line);
    auto* out = reinterpret_cast<unsigned char*>(output);
    size_t at = 0;
    while (at + 1 < length) {
        const unsigned char lead = in[at];
        const unsigned char trail = in[at + 1];
        if (lead < 0xA1 || trail < 0xA1) {
            out[at] = lead;
            at += 1;
            continue;
        }
        const unsigned char* cell = (lead == 0xFF || trail == 0xFF)
                                        ? nullptr
                                        : full + ((lead - 0xA1) * kFullRowCells + (trail - 0xA1)) * 2;
        if (cell != nullptr && cell[0] != 0) {
            out[at] = cell[0];
            out[at + 1] = cell[1];
        } else {
            out[at] = lead;
            out[at + 1] = trail;
        }
        at += 2;
    }
    if (at < length) out[at] = in[at];  // a last byte has no follower
}

}  // namespace

void CGBAndBig5::GBtoBig() {
    if (!qml::ConversionIsOn()) return;
    m_lLineNumber = CalLineNumber();
    if (m_strText == "\n") return;
    // Without the table the conversion stops at the first line that is not empty, and every
    // line stays as it is.
    if (m_pGB2BigTable == nullptr) return;

    try {
        if (m_arrGB2BigFull.empty()) ComposeFullTable(m_pGB2BigTable, m_arrGB2BigFull);
        m_arrConverted.RemoveAll();
        for (long i = 0; i < m_lLineNumber; ++i) {
            const int index = static_cast<int>(i);
            const size_t length = m_arrLines.Length(index);
            ConvertLine(m_arrGB2BigFull.data(), m_arrLines.Data(index), length,
                        m_arrConverted.AddUnfilled(length));
        }
    } catch (const std::bad_alloc&) {
        return;  // out of memory: the lines stay unconverted
    }
    m_arrLines.Swap(m_arrConverted);
}
