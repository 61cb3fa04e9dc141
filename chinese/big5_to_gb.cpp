// Big5 to GB, line by line: the code table gives each Big5 pair a GB code (a traditional
// character its simplified form), then the system's traditional mapping turns the simplified
// characters back into their traditional forms within code page 936.
#include <new>
#include <string>

#include "chinese/code_tables.h"
#include "chinese/conversion_settings.h"
#include "platform/codepage.h"
#include "quorvel/multilanguage.h"

namespace {

// The table step for one line into output (same length). False when the table is missing and
// the line holds a Big5 pair: the conversion stops there.
bool ConvertLine(const unsigned char* table, const char* line, size_t length, std::string& output) {
    output.resize(length);
    const auto* in = reinterpret_cast<const unsigned char*>(line);
    auto* out = reinterpret_cast<unsigned char*>(&output[0]);
    for (size_t at = 0; at < length;) {
        const unsigned char lead = in[at];
        const unsigned char trail = at + 1 < length ? in[at + 1] : 0;  // the NUL after the line
        if (lead < 0xA1 || trail < 0x40) {
            out[at] = lead;
            at += 1;
            continue;
        }
        if (table == nullptr) return false;
        if (qml::HasBig5ToGbCell(lead, trail)) {
            const unsigned char* cell = table + qml::Big5ToGbCellOffset(lead, trail);
            out[at] = cell[0];
            out[at + 1] = cell[1];
        } else {
            // A trail of 0xFF lies past the end of its row: the pair is kept.
            out[at] = lead;
            out[at + 1] = trail;
        }
        at += 2;
    }
    return true;
}

bool IsCp936Pair(unsigned char lead, unsigned char trail) {
    return lead >= 0x81 && lead <= 0xFE && trail >= 0x40 && trail <= 0xFE && trail != 0x7F;
}

// Every pair with a lead of 0x80 or above, indexed by (lead - 0x80) * 256 + trail, with the
// table cell the traditional mapping already applied: for a Big5 pair whose cell is a
// code-page-936 pair, the pair the mapping turns that into; 0 for any other pair.
constexpr size_t kMappedCells = 128 * 256;

void ComposeMappedTable(const unsigned char* table, const unsigned char* mapping,
                        std::vector<unsigned char>& mapped) {
    mapped.assign(kMappedCells * 2, 0);
    for (unsigned lead = 0xA1; lead <= 0xFE; ++lead) {
        for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
            const unsigned char* cell = table + qml::Big5ToGbCellOffset(static_cast<unsigned char>(lead),
                                                                        static_cast<unsigned char>(trail));
            if (!IsCp936Pair(cell[0], cell[1])) continue;
            const unsigned char* target = mapping + (cell[0] - 0x81) * 382u + (cell[1] - 0x40) * 2u;
            const size_t at = ((lead - 0x80) * 256 + trail) * 2;
            mapped[at] = target[0];
            mapped[at + 1] = target[1];
        }
    }
}

// The table step and the traditional mapping in one walk, for the common line: when every unit
// the table step emits is an ASCII byte or a code-page-936 pair, the mapping reads the output
// in the same units and its count of characters leaves it room enough, so mapping each pair as
// it is emitted gives what the two steps give. False for any other line (output unspecified).
bool ConvertAndMapLine(const unsigned char* mapped, const char* line, size_t length, char* output) {
    const auto* in = reinterpret_cast<const unsigned char*>(line);
    auto* out = reinterpret_cast<unsigned char*>(output);
    size_t at = 0;
    while (at + 1 < length) {
        const unsigned char lead = in[at];
        if (lead < 0x80) {
            out[at] = lead;
            at += 1;
            continue;
        }
        const unsigned char* cell = mapped + ((lead - 0x80u) * 256u + in[at + 1]) * 2u;
        if (cell[0] == 0) return false;  // no Big5 pair, or its cell is no code-page-936 pair
        out[at] = cell[0];
        out[at + 1] = cell[1];
        at += 2;
    }
    if (at < length) {
        if (in[at] >= 0x80) return false;  // a lead byte at the end of the line
        out[at] = in[at];
    }
    return true;
}

// The traditional mapping of the table output into mapped, character by character through the
// mapping's cells: a code-page-936 pair takes the code of its cell, every other byte stays. The
// system's mapping of a whole line would go through UTF-16 and turn bytes that are no character
// into question marks; this way they survive. False when there is no mapping.
bool MapToTraditional(const std::string& output, std::string& mapped) {
    const unsigned char* cells = qml::os::TraditionalMappingCells();
    if (cells == nullptr) return false;
    mapped = output;
    auto* text = reinterpret_cast<unsigned char*>(&mapped[0]);
    const size_t length = mapped.size();
    for (size_t at = 0; at < length;) {
        const unsigned char lead = text[at];
        const unsigned char trail = at + 1 < length ? text[at + 1] : 0;
        if (!IsCp936Pair(lead, trail)) {
            at += 1;
            continue;
        }
        const unsigned char* cell = cells + (lead - 0x81) * 382u + (trail - 0x40) * 2u;
        text[at] = cell[0];
        text[at + 1] = cell[1];
        at += 2;
    }
    return true;
}

}  // namespace

void CGBAndBig5::BigtoGB() {
    if (!m_bConversionOn) return;
    m_lLineNumber = CalLineNumber();
    if (m_strText == "\n") return;

    try {
        const unsigned char* mapping = qml::os::TraditionalMappingCells();
        if (mapping != nullptr && m_pBig2GBTable != nullptr && m_arrBig2GBMapped.empty())
            ComposeMappedTable(m_pBig2GBTable, mapping, m_arrBig2GBMapped);
        const unsigned char* mapped = m_arrBig2GBMapped.empty() ? nullptr : m_arrBig2GBMapped.data();
        m_arrConverted.RemoveAll();
        long i = 0;
        for (; i < m_lLineNumber; ++i) {
            const int index = static_cast<int>(i);
            const char* line = m_arrLines.Data(index);
            const size_t length = m_arrLines.Length(index);
            if (length == 0) {
                m_arrConverted.EndLine();
                continue;
            }
            if (mapped != nullptr) {
                if (ConvertAndMapLine(mapped, line, length, m_arrConverted.AddUnfilled(length))) continue;
                m_arrConverted.RemoveLast();
            }
            if (!ConvertLine(m_pBig2GBTable, line, length, m_strLineOutput)) break;
            if (MapToTraditional(m_strLineOutput, m_strLineMapped)) {
                m_arrConverted.Add(m_strLineMapped.data(), m_strLineMapped.size());
            } else {
                m_arrConverted.Add(m_strLineOutput.data(), m_strLineOutput.size());
            }
        }
        // Where the conversion stopped, this line and the following stay as they are.
        for (; i < m_lLineNumber; ++i) {
            m_arrConverted.Add(m_arrLines.Data(static_cast<int>(i)), m_arrLines.Length(static_cast<int>(i)));
        }
    } catch (const std::bad_alloc&) {
        return;  // out of memory: the lines stay unconverted
    }
    m_arrLines.Swap(m_arrConverted);
}
