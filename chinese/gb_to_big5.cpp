// GB to Big5, line by line: fixed replacements for GB punctuation, then the code table (a
// simplified character gets the Big5 code of its traditional form).
#include <new>
#include <string>

#include "chinese/code_tables.h"
#include "chinese/conversion_settings.h"
#include "chinese/gb_punctuation.h"
#include "quorvel/multilanguage.h"

void CGBAndBig5::GBtoBig() {
    if (!qml::ConversionIsOn()) return;
    m_lLineNumber = CalLineNumber();
    if (m_strText == "\n") return;

    std::string output;
    for (long i = 0; i < m_lLineNumber; ++i) {
        const std::string& line = m_arrLines[static_cast<int>(i)].str();
        if (line.empty()) continue;
        if (m_pGB2BigTable == nullptr) return;  // this line and the following stay as they are
        try {
            output.assign(line.size(), '\0');
        } catch (const std::bad_alloc&) {
            return;
        }
        const auto* in = reinterpret_cast<const unsigned char*>(line.data());
        const size_t length = line.size();
        for (size_t at = 0; at < length;) {
            const unsigned char lead = in[at];
            const unsigned char trail = at + 1 < length ? in[at + 1] : 0;  // the NUL after the line
            if (lead < 0xA1 || trail < 0xA1) {
                output[at] = static_cast<char>(lead);
                at += 1;
                continue;
            }
            unsigned short big5 = qml::FindGbPunctuation(lead, trail);
            if (big5 != 0) {
                output[at] = static_cast<char>(big5 >> 8);
                output[at + 1] = static_cast<char>(big5 & 0xFF);
            } else if (qml::HasGbToBig5Cell(lead, trail)) {
                const unsigned char* cell = m_pGB2BigTable + qml::GbToBig5CellOffset(lead, trail);
                output[at] = static_cast<char>(cell[0]);
                output[at + 1] = static_cast<char>(cell[1]);
            } else {
                // Lead bytes 0xAA..0xAF have no row and 0xFF lies past the table: kept.
                output[at] = static_cast<char>(lead);
                output[at + 1] = static_cast<char>(trail);
            }
            at += 2;
        }
        m_arrLines[static_cast<int>(i)] = CString(output);
    }
}
