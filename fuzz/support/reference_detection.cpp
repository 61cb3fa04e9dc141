#include "support/reference_detection.h"

#include <algorithm>
#include <cstdlib>

namespace qml_fuzz {

namespace {

// The keys of the GB punctuation table, then twelve frequent simplified characters.
const unsigned kForcedGb[] = {
    0xA1A2, 0xA1A3, 0xA1A4, 0xA1AA, 0xA1AB, 0xA1AD, 0xA1AE, 0xA1AF, 0xA1B0, 0xA1B1, 0xA1B6,
    0xA1B7, 0xA3A1, 0xA3A3, 0xA3A4, 0xA3A5, 0xA3A8, 0xA3A9, 0xA3AA, 0xA3AB, 0xA3AC, 0xA3AD,
    0xA3AF, 0xA3B0, 0xA3B1, 0xA3B2, 0xA3B3, 0xA3B4, 0xA3B5, 0xA3B6, 0xA3B7, 0xA3B8, 0xA3B9,
    0xA3BA, 0xA3BB, 0xA3BD, 0xA3BF, 0xA3DB, 0xA3DD, 0xA3E0, 0xA3FB, 0xA3FC, 0xA3FD, 0xD5E2,
    0xCEAA, 0xB8F6, 0xC0B4, 0xB6D4, 0xBBE1, 0xB9FD, 0xBBB9, 0xC3B4, 0xC3BB, 0xB7A2, 0xBFAA,
};

struct SmallForm {
    unsigned char trail;
    unsigned short replacement;
};
const SmallForm kSmallForms[] = {
    {0x62, 0xA1E3}, {0x6F, 0xA3AC}, {0x70, 0xA1A2}, {0x71, 0xA1A4}, {0x72, 0xA3BB}, {0x73, 0xA3BA},
    {0x74, 0xA3BF}, {0x75, 0xA3A1}, {0x76, 0xA3A8}, {0x77, 0xA3A9}, {0x78, 0xA3FB}, {0x79, 0xA3FD},
    {0x7A, 0xA3A8}, {0x7B, 0xA3A9}, {0x7C, 0xA3A3}, {0x7D, 0xA3A6}, {0x7E, 0xA3AA}, {0x7F, 0xA3BF},
    {0x80, 0xA3AB}, {0x81, 0xA3AD}, {0x82, 0xA3BC}, {0x83, 0xA3BE}, {0x85, 0xA3DC}, {0x86, 0xA1E7},
    {0x87, 0xA3A5}, {0x88, 0xA3C0},
};

void Count(int* count) {
    if (count) ++*count;
}

}  // namespace

int ReferenceClassifyPair(unsigned char lead, unsigned char trail, int* count) {
    if (lead <= 0x7F) return 2;
    const unsigned code = static_cast<unsigned>(lead) << 8 | trail;
    if (std::find(std::begin(kForcedGb), std::end(kForcedGb), code) != std::end(kForcedGb)) {
        Count(count);
        return 1;
    }
    if (trail <= 0x7E || (lead >= 0xA4 && lead <= 0xAF) || lead == 0xF8 || lead == 0xF9) {
        Count(count);
        return 0;
    }
    if (lead >= 0xC6 && lead <= 0xD7 && trail >= 0xA1 && trail <= 0xFE) {
        Count(count);
        return 1;
    }
    if (lead >= 0x81 && lead <= 0xFE && trail >= 0x80 && trail <= 0xFE) Count(count);
    return 3;
}

int ReferenceCodeType(const std::string& text, int system, int* count) {
    long long big5 = 0, gb = 0, undecided = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (static_cast<unsigned char>(text[i]) < 0x80) continue;
        if (i + 1 == text.size()) break;
        int type = ReferenceClassifyPair(static_cast<unsigned char>(text[i]),
                                         static_cast<unsigned char>(text[i + 1]), count);
        if (type == 0) ++big5;
        if (type == 1) ++gb;
        if (type == 3) ++undecided;
        ++i;
    }
    if ((big5 > 0 || gb > 0) && std::llabs(big5 - gb) > std::max(big5, gb) / 2) return big5 <= gb ? 1 : 0;
    const int unknown = undecided > 0 ? 3 : 2;
    if (system == 1) return big5 > 0 ? 0 : gb > 0 ? 1 : unknown;
    if (system == 0) return gb > 0 ? 1 : big5 > 0 ? 0 : unknown;
    return unknown;
}

std::string ReferenceMapSmallForms(const std::string& text) {
    std::string out = text;
    for (size_t i = 0; i < out.size(); ++i) {
        if (static_cast<unsigned char>(out[i]) < 0x80) continue;
        if (i + 1 == out.size()) break;
        if (static_cast<unsigned char>(out[i]) == 0xA9) {
            for (const SmallForm& form : kSmallForms) {
                if (static_cast<unsigned char>(out[i + 1]) != form.trail) continue;
                out[i] = static_cast<char>(form.replacement >> 8);
                out[i + 1] = static_cast<char>(form.replacement & 0xFF);
                break;
            }
        }
        ++i;
    }
    return out;
}

}  // namespace qml_fuzz
