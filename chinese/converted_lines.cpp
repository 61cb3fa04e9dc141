#include "chinese/converted_lines.h"

#include <algorithm>
#include <cstring>

namespace qml {

long ConvertLines(const std::string& text, const unsigned char* cells, std::string& out) {
    const auto* at = reinterpret_cast<const unsigned char*>(text.data());
    const auto* const end = at + text.size();
    const auto lineFeeds = static_cast<std::size_t>(std::count(at, end, '\n'));
    const auto tabs = static_cast<std::size_t>(std::count(at, end, '\t'));
    out.resize(text.size() + lineFeeds + 7 * tabs);
    auto* to = reinterpret_cast<unsigned char*>(&out[0]);
    while (at < end) {
        const unsigned char byte = *at;
        if (byte >= 0x80) {
            if (cells != nullptr && at + 1 < end) {
                const unsigned char* cell = cells + PairCellOffset(byte, at[1]);
                if (cell[0] != 0) {
                    to[0] = cell[0];
                    to[1] = cell[1];
                    to += 2;
                    at += 2;
                    continue;
                }
            }
            *to++ = byte;
        } else if (byte == '\n') {
            to[0] = '\r';
            to[1] = '\n';
            to += 2;
        } else if (byte == '\t') {
            std::memset(to, ' ', 8);
            to += 8;
        } else {
            *to++ = byte;
        }
        ++at;
    }
    return static_cast<long>(lineFeeds);
}

}  // namespace qml
