// GB to Big5, line by line: fixed replacements for GB punctuation, then the code table (a
// simplified character gets the Big5 code of its traditional form).
#include <new>
#include <string>

#include "chinese/code_tables.h"
#include "chinese/conversion_settings.h"
#include "chinese/gb_punctuation.h"
#include "quorvel/multilanguage.h"

namespace {

// The conversion of one line into output (same length).
void ConvertLine(const unsigned char* table, const char* line, size_t length, std::string& output) {
    output.resize(length);
    const auto* in = reinterpret_cast<const unsigned char*>(line);
    auto* out = reinterpret_cast<unsigned char*>(&output[0]);
    for (size_t at = 0; at < length;) {
        const unsigned char lead = in[at];
        const unsigned char trail = at + 1 < length ? in[at + 1] : 0;  // the NUL after the line
        if (lead < 0xA1 || trail < 0xA1) {
            out[at] = lead;
            at += 1;
            continue;
        }
        const unsigned short big5 = qml::FindGbPunctuation(lead, trail);
        if (big5 != 0) {
            out[at] = static_cast<unsigned char>(big5 >> 8);
            out[at + 1] = static_cast<unsigned char>(big5 & 0xFF);
        } else if (qml::HasGbToBig5Cell(lead, trail)) {
            const unsigned char* cell = table + qml::GbToBig5CellOffset(lead, trail);
            out[at] = cell[0];
            out[at + 1] = cell[1];
        } else {
            // Lead bytes 0xAA..0xAF have no row and 0xFF lies past the table: kept.
            out[at] = lead;
            out[at + 1] = trail;
        }
        at += 2;
    }
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
        m_arrConverted.RemoveAll();
        for (long i = 0; i < m_lLineNumber; ++i) {
            const int index = static_cast<int>(i);
            ConvertLine(m_pGB2BigTable, m_arrLines.Data(index), m_arrLines.Length(index), m_strLineOutput);
            m_arrConverted.Add(m_strLineOutput.data(), m_strLineOutput.size());
        }
    } catch (const std::bad_alloc&) {
        return;  // out of memory: the lines stay unconverted
    }
    m_arrLines.Swap(m_arrConverted);
}
