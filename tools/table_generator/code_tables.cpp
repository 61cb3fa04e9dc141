#include "code_tables.h"

#include <map>
#include <utility>

namespace qml_tools {

namespace {

const DbcsCode kGbIdeographicSpace{0xA1, 0xA1};
const DbcsCode kBig5IdeographicSpace{0xA1, 0x40};
const DbcsCode kNoCharacter{0x00, 0x00};

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

// Layout of the tables indexed by a double-byte pair of lead 0x81..0xFE or 0xA1..0xFE and
// trail 0x40..0xFE.
constexpr unsigned kWideRowBytes = 191 * 2;
size_t WideOffset(DbcsCode code, unsigned firstLead) {
    return (code.lead - firstLead) * kWideRowBytes + (code.trail - 0x40) * 2;
}

void Put(std::vector<unsigned char>& table, size_t offset, DbcsCode code) {
    table.at(offset) = code.lead;
    table.at(offset + 1) = code.trail;
}

DbcsCode Get(const std::vector<unsigned char>& table, size_t offset) {
    return {table.at(offset), table.at(offset + 1)};
}

// Calls VISIT for every pair of lead FIRST_LEAD..0xFE and trail 0x40..0xFE.
template <typename Visit>
void ForEachWidePair(unsigned firstLead, Visit visit) {
    for (unsigned lead = firstLead; lead <= 0xFE; ++lead) {
        for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
            visit(DbcsCode{static_cast<unsigned char>(lead), static_cast<unsigned char>(trail)});
        }
    }
}

// A code page's own character: a code that decodes, and not a user-defined one.
std::optional<UChar32> OwnCharacter(const CodePage& page, DbcsCode code) {
    std::optional<UChar32> ch = page.Decode(code);
    if (!ch || IsPrivateUse(*ch)) return std::nullopt;
    return ch;
}

std::optional<DbcsCode> OwnCode(const CodePage& page, UChar32 ch) {
    if (IsPrivateUse(ch)) return std::nullopt;
    return page.Encode(ch);
}

std::optional<DbcsCode> Gb2312CodeOf(const Sources& sources, UChar32 ch) {
    std::optional<DbcsCode> code = OwnCode(sources.gbk, ch);
    if (code && IsGb2312Code(sources, *code)) return code;
    return std::nullopt;
}

Holds HeldBy(const CodePage& page) {
    return [&page](UChar32 ch) { return OwnCode(page, ch).has_value(); };
}

Holds HeldByGb2312(const Sources& sources) {
    return [&sources](UChar32 ch) { return Gb2312CodeOf(sources, ch).has_value(); };
}

// The GB cell for one Big5 character: the character itself when GB2312 has it, else its
// simplified form, in GB2312 when it has one; else the character's code page 936 code.
DbcsCode GbCellFor(const Sources& sources, DbcsCode big5) {
    auto exception = kBig5ToGbExceptions.find({big5.lead, big5.trail});
    if (exception != kBig5ToGbExceptions.end()) return exception->second;
    std::optional<UChar32> ch = OwnCharacter(sources.big5, big5);
    if (!ch) return kGbIdeographicSpace;
    std::optional<UChar32> simplified =
        SimplifiedIn(sources.script, *ch, HeldByGb2312(sources), HeldBy(sources.gbk), Gb2312Shapes::Keep);
    if (!simplified) return kGbIdeographicSpace;
    return *OwnCode(sources.gbk, *simplified);
}

// The Big5 cell for one code page 936 code: the character itself, or its Taiwan-standard
// form when it is a simplified one, or another traditional variant that Big5 holds; else the
// Big5 ideographic space.
DbcsCode Big5CellFor(const Sources& sources, DbcsCode gb) {
    std::optional<UChar32> ch = OwnCharacter(sources.gbk, gb);
    if (!ch) return kBig5IdeographicSpace;
    std::optional<UChar32> traditional =
        TraditionalIn(sources.script, *ch, IsGb2312Code(sources, gb), HeldBy(sources.big5));
    if (!traditional) return kBig5IdeographicSpace;
    return *OwnCode(sources.big5, *traditional);
}

}  // namespace

bool IsGb2312Code(const Sources& sources, DbcsCode code) {
    bool inRows = InRange(code.lead, 0xA1, 0xA9) || InRange(code.lead, 0xB0, 0xF7);
    if (!inRows || !InRange(code.trail, 0xA1, 0xFE) || IsExtensionInGb2312Rows(code)) return false;
    return OwnCharacter(sources.gbk, code).has_value();
}

std::vector<unsigned char> BuildBig5ToGbTable(const Sources& sources) {
    std::vector<unsigned char> table(94 * kWideRowBytes);
    ForEachWidePair(0xA1, [&](DbcsCode big5) {
        // Big5 leaves trail bytes 0x7F..0xA0 unused; their cells keep the pair.
        Put(table, WideOffset(big5, 0xA1), InRange(big5.trail, 0x7F, 0xA0) ? big5 : GbCellFor(sources, big5));
    });
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

std::vector<unsigned char> BuildCp936ToBig5Table(const Sources& sources) {
    std::vector<unsigned char> table(126 * kWideRowBytes);
    ForEachWidePair(0x81, [&](DbcsCode gb) {
        bool character = gb.trail != 0x7F && sources.gbk.Decode(gb).has_value();
        Put(table, WideOffset(gb, 0x81), character ? Big5CellFor(sources, gb) : kNoCharacter);
    });
    return table;
}

std::vector<unsigned char> BuildCp936ToTraditional(const Sources& sources) {
    std::vector<unsigned char> table(126 * kWideRowBytes);
    ForEachWidePair(0x81, [&](DbcsCode code) {
        DbcsCode target = code;
        if (std::optional<UChar32> ch = OwnCharacter(sources.gbk, code)) {
            std::optional<UChar32> traditional =
                TraditionalIn(sources.script, *ch, IsGb2312Code(sources, code), HeldBy(sources.gbk));
            if (traditional) target = *OwnCode(sources.gbk, *traditional);
        }
        Put(table, WideOffset(code, 0x81), target);
    });
    return table;
}

std::vector<unsigned char> BuildCp936ToSimplified(const Sources& sources) {
    std::vector<unsigned char> table(126 * kWideRowBytes);
    ForEachWidePair(0x81, [&](DbcsCode code) {
        DbcsCode target = code;
        if (std::optional<UChar32> ch = OwnCharacter(sources.gbk, code)) {
            std::optional<UChar32> simplified = SimplifiedIn(sources.script, *ch, HeldByGb2312(sources),
                                                             HeldBy(sources.gbk), Gb2312Shapes::Simplify);
            if (simplified) target = *OwnCode(sources.gbk, *simplified);
        }
        Put(table, WideOffset(code, 0x81), target);
    });
    return table;
}

std::vector<unsigned char> BuildBig5ToCp936Table(const Sources& sources,
                                                 const std::vector<unsigned char>& big5ToGb,
                                                 const std::vector<unsigned char>& cp936ToTraditional) {
    std::vector<unsigned char> table(94 * kWideRowBytes);
    ForEachWidePair(0xA1, [&](DbcsCode big5) {
        std::optional<UChar32> ch =
            InRange(big5.trail, 0x7F, 0xA0) ? std::nullopt : OwnCharacter(sources.big5, big5);
        std::optional<DbcsCode> same = ch ? OwnCode(sources.gbk, *ch) : std::nullopt;
        DbcsCode target = same ? *same : Get(big5ToGb, WideOffset(big5, 0xA1));
        if (!same && target.lead >= 0x81 && target.lead <= 0xFE && target.trail >= 0x40 &&
            target.trail <= 0xFE) {
            target = Get(cp936ToTraditional, WideOffset(target, 0x81));
        }
        Put(table, WideOffset(big5, 0xA1), target);
    });
    return table;
}

}  // namespace qml_tools
