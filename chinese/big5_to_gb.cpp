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

constexpr LCID kLocaleChinesePrc = 2052;

// Maps the table output to traditional characters; false when the mapping fails.
bool MapToTraditional(const std::string& tableOutput, std::string& destination) {
    int units = qml::os::MultiByteToWideChar(936, 0, tableOutput.c_str(), -1, nullptr, 0);
    if (units <= 0) return false;
    try {
        destination.assign(2 * static_cast<size_t>(units) + 1, '\0');
    } catch (const std::bad_alloc&) {
        return false;
    }
    int written = qml::os::LCMapStringA(kLocaleChinesePrc, LCMAP_TRADITIONAL_CHINESE, tableOutput.c_str(), -1,
                                        &destination[0], 2 * units);
    if (written == 0) return false;
    destination.resize(written - 1);  // the count includes the terminator
    return true;
}

}  // namespace

void CGBAndBig5::BigtoGB() {
    if (!qml::ConversionIsOn()) return;
    m_lLineNumber = CalLineNumber();
    if (m_strText == "\n") return;

    std::string output;
    std::string traditional;
    for (long i = 0; i < m_lLineNumber; ++i) {
        const std::string& line = m_arrLines[static_cast<int>(i)].str();
        if (line.empty()) continue;
        try {
            output.assign(line.size(), '\0');
        } catch (const std::bad_alloc&) {
            return;  // the lines not yet converted stay as they are
        }
        const auto* in = reinterpret_cast<const unsigned char*>(line.data());
        const size_t length = line.size();
        for (size_t at = 0; at < length;) {
            const unsigned char lead = in[at];
            const unsigned char trail = at + 1 < length ? in[at + 1] : 0;  // the NUL after the line
            if (lead < 0xA1 || trail < 0x40) {
                output[at] = static_cast<char>(lead);
                at += 1;
                continue;
            }
            if (m_pBig2GBTable == nullptr) return;  // this line and the following stay as they are
            if (qml::HasBig5ToGbCell(lead, trail)) {
                const unsigned char* cell = m_pBig2GBTable + qml::Big5ToGbCellOffset(lead, trail);
                output[at] = static_cast<char>(cell[0]);
                output[at + 1] = static_cast<char>(cell[1]);
            } else {
                // A trail of 0xFF lies past the end of its row: the pair is kept.
                output[at] = static_cast<char>(lead);
                output[at + 1] = static_cast<char>(trail);
            }
            at += 2;
        }
        m_arrLines[static_cast<int>(i)] =
            MapToTraditional(output, traditional) ? CString(traditional) : CString(output);
    }
}
