#include "chinese/converted_lines.h"

#include <cstdint>
#include <cstring>

#include "base/code_page_pairs.h"

namespace qml {

namespace {

// The output buffer of one walk. Only line feeds and tabs write more than they read, so the
// room is checked at them alone: after one, the rest of the text must fit as it is.
class Output {
  public:
    Output(std::string& out, std::size_t length) : m_out(out) {
        m_out.resize(length + length / 16 + 16);
        m_to = Base();
    }
    unsigned char*& To() { return m_to; }
    // Room for a line feed or a tab (size bytes) and then remaining bytes.
    void MakeRoom(std::size_t size, std::size_t remaining) {
        const auto used = static_cast<std::size_t>(m_to - Base());
        if (m_out.size() - used >= size + remaining) return;
        m_out.resize(used + size + remaining + remaining / 8 + 64);
        m_to = Base() + used;
    }
    void Finish() { m_out.resize(static_cast<std::size_t>(m_to - Base())); }

  private:
    unsigned char* Base() { return reinterpret_cast<unsigned char*>(&m_out[0]); }
    std::string& m_out;
    unsigned char* m_to;
};

// Whether eight bytes are all of 0x20..0x7F: none has its top bit set and none is a control
// character (a tab or a line feed among them).
inline bool EightPlainBytes(const unsigned char* at) {
    constexpr std::uint64_t kOnes = 0x0101010101010101u, kTops = 0x8080808080808080u;
    std::uint64_t word;
    std::memcpy(&word, at, 8);
    return ((word | ((word - 0x20 * kOnes) & ~word)) & kTops) == 0;
}

}  // namespace

// Runs of pairs, the bulk of Chinese text, take the inner loop: one two-byte read of the cells
// and one two-byte write each. Runs of plain ASCII go eight bytes at a time.
long ConvertLines(const char* text, std::size_t length, const unsigned char* cells, std::string& out) {
    const auto* at = reinterpret_cast<const unsigned char*>(text);
    const auto* const end = at + length;
    Output output(out, length);
    unsigned char*& to = output.To();
    long lines = 0;
    while (at < end) {
        if (StartsDoubleByte(at[0])) {
            if (cells != nullptr) {
                while (at + 1 < end && StartsDoubleByte(at[0])) {
                    std::uint16_t cell;
                    std::memcpy(&cell, cells + PairCellOffset(at[0], at[1]), 2);
                    if (cell == 0) break;
                    std::memcpy(to, &cell, 2);
                    to += 2;
                    at += 2;
                }
                if (at == end || !StartsDoubleByte(at[0])) continue;
            }
            *to++ = *at++;  // a lead that is none here
            continue;
        }
        if (end - at >= 8 && EightPlainBytes(at)) {
            std::memcpy(to, at, 8);
            to += 8;
            at += 8;
            continue;  // the next byte may lead a pair
        }
        const unsigned char byte = *at++;
        if (byte == '\n') {
            output.MakeRoom(2, static_cast<std::size_t>(end - at));
            to[0] = '\r';
            to[1] = '\n';
            to += 2;
            ++lines;
        } else if (byte == '\t') {
            output.MakeRoom(8, static_cast<std::size_t>(end - at));
            std::memset(to, ' ', 8);
            to += 8;
        } else {
            *to++ = byte;
        }
    }
    if (length == 0 || text[length - 1] != '\n') {
        output.MakeRoom(3, 0);
        std::memcpy(to, "\r\r\n", 3);
        to += 3;
        ++lines;
    }
    output.Finish();
    return lines;
}

}  // namespace qml
