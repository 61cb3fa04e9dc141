#include "code_tables.h"

#include <map>
#include <utility>

namespace qml_tools {

namespace {

const DbcsCode kGbIdeographicSpace{0xA1, 0xA1};
const DbcsCode kBig5IdeographicSpace{0xA1, 0x40};

bool InRange(unsigned value, unsigned first, unsigned last) {
    return value >= first && value <= last;
}

// Code page 936 codes inside the GB2312 rows that GB2312 itself does not assign: small roman
// numerals, vertical presentation forms and a few phonetic letters.
bool IsExtensionInGb2312Rows(DbcsCode code) {
    unsigned value = code.lead << 8 | code.trail;
    return InRange(value, 0xA2A1, 0xA2AA) || InRange(value, 0xA6E0, 0xA6F5) || InRange(value, 0xA8BB, 0xA8C0);
}

// Cells whose published mapping is not what the rules give: Big5 A1C3 (fullwidth macron) has
// no GB2312 counterpart in the reference tables, where GB A3FE is the overline.
const std::map<std::pair<unsigned, unsigned>, DbcsCode> kBig5ToGbExceptions = {
    {{0xA1, 0xC3}, kGbIdeographicSpace},
};

void Put(std::vector<unsigned char>& table, size_t offset, DbcsCode code) {
    table.at(offset) = code.lead;
    table.at(offset + 1) = code.trail;
}

std::optional<DbcsCode> Gb2312CodeOf(const Sources& sources, UChar32 ch) {
    std::optional<DbcsCode> code = sources.gbk.Encode(ch);
    if (code && IsGb2312Code(sources, *code)) return code;
    return std::nullopt;
}

// The GB cell for one Big5 character: the character itself when GB2312 has it, else its
// simplified form when GB2312 has that, else the character's code page 936 code.
DbcsCode GbCellFor(const Sources& sources, DbcsCode big5) {
    auto exception = kBig5ToGbExceptions.find({big5.lead, big5.trail});
    if (exception != kBig5ToGbExceptions.end()) return exception->second;
    std::optional<UChar32> ch = sources.big5.Decode(big5);
    if (!ch || IsPrivateUse(*ch)) return kGbIdeographicSpace;
    if (auto code = Gb2312CodeOf(sources, *ch)) return *code;
    std::optional<UChar32> simplified = sources.toSimplified.Apply(*ch);
    if (simplified && *simplified != *ch) {
        if (auto code = Gb2312CodeOf(sources, *simplified)) return *code;
    }
    if (auto code = sources.gbk.Encode(*ch)) return *code;
    return kGbIdeographicSpace;
}

// The Big5 cell for one GB code: the character itself when Big5 has it, else its
// traditional form when Big5 has that, else the Big5 ideographic space.
DbcsCode Big5CellFor(const Sources& sources, DbcsCode gb) {
    std::optional<UChar32> ch = sources.gbk.Decode(gb);
    if (!ch || IsPrivateUse(*ch)) return kBig5IdeographicSpace;
    if (auto code = sources.big5.Encode(*ch)) return *code;
    std::optional<UChar32> traditional = sources.toTraditional.Apply(*ch);
    if (traditional && *traditional != *ch) {
        if (auto code = sources.big5.Encode(*traditional)) return *code;
    }
    return kBig5IdeographicSpace;
}

}  // namespace

bool IsGb2312Code(const Sources& sources, DbcsCode code) {
    bool inRows = InRange(code.lead, 0xA1, 0xA9) || InRange(code.lead, 0xB0, 0xF7);
    if (!inRows || !InRange(code.trail, 0xA1, 0xFE) || IsExtensionInGb2312Rows(code)) return false;
    std::optional<UChar32> ch = sources.gbk.Decode(code);
    return ch && !IsPrivateUse(*ch);
}

std::vector<unsigned char> BuildBig5ToGbTable(const Sources& sources) {
    std::vector<unsigned char> table(94 * 382);
    for (unsigned lead = 0xA1; lead <= 0xFE; ++lead) {
        for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
            DbcsCode big5{static_cast<unsigned char>(lead), static_cast<unsigned char>(trail)};
            size_t offset = (lead - 0xA1) * 382 + (trail - 0x40) * 2;
            // Big5 leaves trail bytes 0x7F..0xA0 unused; their cells keep the pair.
            Put(table, offset, InRange(trail, 0x7F, 0xA0) ? big5 : GbCellFor(sources, big5));
        }
    }
    return table;
}

std::vector<unsigned char> BuildGbToBig5Table(const Sources& sources) {
    std::vector<unsigned char> table(88 * 188);
    for (unsigned lead = 0xA1; lead <= 0xFE; ++lead) {
        if (InRange(lead, 0xAA, 0xAF)) continue;  // empty in GB2312: no row
        unsigned row = lead <= 0xA9 ? lead - 0xA1 : lead - 0xA7;
        for (unsigned trail = 0xA1; trail <= 0xFE; ++trail) {
            DbcsCode gb{static_cast<unsigned char>(lead), static_cast<unsigned char>(trail)};
            Put(table, row * 188 + (trail - 0xA1) * 2, Big5CellFor(sources, gb));
        }
    }
    return table;
}

std::vector<unsigned char> BuildCp936Mapping(const Sources& sources, const Transform& transform) {
    std::vector<unsigned char> table(126 * 382);
    for (unsigned lead = 0x81; lead <= 0xFE; ++lead) {
        for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
            DbcsCode code{static_cast<unsigned char>(lead), static_cast<unsigned char>(trail)};
            DbcsCode target = code;
            std::optional<UChar32> ch = sources.gbk.Decode(code);
            if (ch && !IsPrivateUse(*ch)) {
                std::optional<UChar32> mapped = transform.Apply(*ch);
                if (mapped && *mapped != *ch) {
                    if (auto mappedCode = sources.gbk.Encode(*mapped)) target = *mappedCode;
                }
            }
            Put(table, (lead - 0x81) * 382 + (trail - 0x40) * 2, target);
        }
    }
    return table;
}

}  // namespace qml_tools
