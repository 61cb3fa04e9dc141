// GB to Big5, line by line: fixed replacements for GB punctuation, then the code table (a
// simplified character gets the Big5 code of its traditional form). A character of the
// code-page-936 extension, such as the traditional forms that Big5 to GB produces, goes by way
// of its simplified form when that is a GB2312 character.
#include <new>
#include <string>
#include <vector>

#include "chinese/code_tables.h"
#include "chinese/code_type_detection.h"
#include "chinese/conversion_settings.h"
#include "chinese/gb_punctuation.h"
#include "quorvel/multilanguage.h"

namespace {

// Every code-page-936 pair has a cell: lead 0x81..0xFE, trail 0x40..0xFE (0x7F, which is no
// trail, included so the index needs no gap).
constexpr unsigned kFirstLead = 0x81;
constexpr unsigned kLastLead = 0xFE;
constexpr unsigned kFirstTrail = 0x40;
constexpr unsigned kLastTrail = 0xFE;
constexpr size_t kTrailCells = kLastTrail - kFirstTrail + 1;
constexpr size_t kLeadRows = kLastLead - kFirstLead + 1;

constexpr size_t CellAt(unsigned lead, unsigned trail) {
    return ((lead - kFirstLead) * kTrailCells + (trail - kFirstTrail)) * 2;
}

constexpr bool IsCp936Pair(unsigned lead, unsigned trail) {
    return lead >= kFirstLead && lead <= kLastLead && trail >= kFirstTrail && trail <= kLastTrail &&
           trail != 0x7F;
}

constexpr bool IsGb2312(unsigned lead, unsigned trail) {
    return ((lead >= 0xA1 && lead <= 0xA9) || (lead >= 0xB0 && lead <= 0xF7)) && trail >= 0xA1 &&
           trail <= 0xFE;
}

// What replaces a pair of a table row: its punctuation code, else its table cell; 0 for none.
unsigned short TableCode(const unsigned char* table, unsigned char lead, unsigned char trail) {
    unsigned short code = qml::FindGbPunctuation(lead, trail);
    if (code == 0 && qml::HasGbToBig5Cell(lead, trail)) {
        const unsigned char* cell = table + qml::GbToBig5CellOffset(lead, trail);
        code = static_cast<unsigned short>(cell[0] << 8 | cell[1]);
    }
    return code;
}

// The replacement of one code-page-936 pair. A pair with a table row goes through it; a pair of
// the empty lead bytes 0xAA..0xAF with such a trail stays. Any other pair is an extension
// character: its simplified form, when that is GB2312, goes through the table, else it stays.
unsigned short PairCode(const unsigned char* table, unsigned char lead, unsigned char trail,
                        std::string& simplified) {
    if (qml::HasGbToBig5Cell(lead, trail)) return TableCode(table, lead, trail);
    if (lead >= 0xAA && lead <= 0xAF && trail >= 0xA1) return 0;
    const char pair[2] = {static_cast<char>(lead), static_cast<char>(trail)};
    if (!qml::MapToSimplified(pair, 2, simplified)) return 0;
    const auto l = static_cast<unsigned char>(simplified[0]), t = static_cast<unsigned char>(simplified[1]);
    return IsGb2312(l, t) ? TableCode(table, l, t) : 0;
}

// Every code-page-936 pair with what replaces it (the pair itself where it stays), so the walk
// reads one cell per pair.
void ComposeFullTable(const unsigned char* table, std::vector<unsigned char>& full) {
    full.assign(kLeadRows * kTrailCells * 2, 0);
    std::string simplified;
    for (unsigned lead = kFirstLead; lead <= kLastLead; ++lead) {
        for (unsigned trail = kFirstTrail; trail <= kLastTrail; ++trail) {
            if (!IsCp936Pair(lead, trail)) continue;
            const auto l = static_cast<unsigned char>(lead), t = static_cast<unsigned char>(trail);
            unsigned short code = PairCode(table, l, t, simplified);
            if ((code >> 8) == 0) code = static_cast<unsigned short>(lead << 8 | trail);
            full[CellAt(lead, trail)] = static_cast<unsigned char>(code >> 8);
            full[CellAt(lead, trail) + 1] = static_cast<unsigned char>(code & 0xFF);
        }
    }
}

// The conversion of one line into output (same length). A code-page-936 pair is one unit and
// never split. Any other byte is copied alone, except that a byte of 0xA1 or above followed by
// another (0xFF on either side) is copied as a pair; the end of the line follows no byte.
void ConvertLine(const unsigned char* full, const char* line, size_t length, char* output) {
    const auto* in = reinterpret_cast<const unsigned char*>(line);
    auto* out = reinterpret_cast<unsigned char*>(output);
    size_t at = 0;
    while (at + 1 < length) {
        const unsigned char lead = in[at];
        if (lead < kFirstLead) {
            out[at] = lead;
            at += 1;
            continue;
        }
        const unsigned char trail = in[at + 1];
        if (IsCp936Pair(lead, trail)) {
            const unsigned char* cell = full + CellAt(lead, trail);
            out[at] = cell[0];
            out[at + 1] = cell[1];
            at += 2;
        } else if (lead >= 0xA1 && trail >= 0xA1) {
            out[at] = lead;
            out[at + 1] = trail;
            at += 2;
        } else {
            out[at] = lead;
            at += 1;
        }
    }
    if (at < length) out[at] = in[at];  // a last byte has no follower
}

}  // namespace

void CGBAndBig5::GBtoBig() {
    if (!m_bConversionOn) return;
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
