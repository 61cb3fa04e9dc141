// Small-form punctuation of the code-page-936 extension (lead 0xA9), replaced on a GB system
// by the ordinary full-width forms before the detector reads a text.
#include "base/code_page_pairs.h"
#include "chinese/code_type_detection.h"
#include "chinese/conversion_settings.h"
#include "quorvel/multilanguage.h"

namespace qml {

namespace {

struct SmallForm {
    unsigned char trail;  // of a pair with lead 0xA9
    unsigned short replacement;
};

const SmallForm kSmallForms[] = {
    {0x62, 0xA1E3},  // ゜ -> °
    {0x6F, 0xA3AC},  // ﹐ -> ，
    {0x70, 0xA1A2},  // ﹑ -> 、
    {0x71, 0xA1A4},  // ﹒ -> ·
    {0x72, 0xA3BB},  // ﹔ -> ；
    {0x73, 0xA3BA},  // ﹕ -> ：
    {0x74, 0xA3BF},  // ﹖ -> ？
    {0x75, 0xA3A1},  // ﹗ -> ！
    {0x76, 0xA3A8},  // ﹙ -> （
    {0x77, 0xA3A9},  // ﹚ -> ）
    {0x78, 0xA3FB},  // ﹛ -> ｛
    {0x79, 0xA3FD},  // ﹜ -> ｝
    {0x7A, 0xA3A8},  // ﹝ -> （
    {0x7B, 0xA3A9},  // ﹞ -> ）
    {0x7C, 0xA3A3},  // ﹟ -> ＃
    {0x7D, 0xA3A6},  // ﹠ -> ＆
    {0x7E, 0xA3AA},  // ﹡ -> ＊
    {0x7F, 0xA3BF},  // (no character) -> ？
    {0x80, 0xA3AB},  // ﹢ -> ＋
    {0x81, 0xA3AD},  // ﹣ -> －
    {0x82, 0xA3BC},  // ﹤ -> ＜
    {0x83, 0xA3BE},  // ﹥ -> ＞
    {0x85, 0xA3DC},  // ﹨ -> ＼
    {0x86, 0xA1E7},  // ﹩ -> ＄
    {0x87, 0xA3A5},  // ﹪ -> ％
    {0x88, 0xA3C0},  // ﹫ -> ＠
};

}  // namespace

unsigned short SmallFormReplacement(unsigned char trail) {
    for (const SmallForm& row : kSmallForms) {
        if (row.trail == trail) return row.replacement;
    }
    return 0;
}

void MapSmallFormPunctuation(char* text) {
    int system = 0;
    if (text == nullptr || !GetSystemCodeType(system) || system != LANGUAGE_TYPE_GB) return;
    auto* at = reinterpret_cast<unsigned char*>(text);
    while (*at != 0) {
        if (!StartsDoubleByte(*at)) {
            ++at;
            continue;
        }
        if (at[1] == 0) break;  // a lead byte before the terminator: no pair
        if (at[0] == 0xA9) {
            if (unsigned short replacement = SmallFormReplacement(at[1])) {
                at[0] = static_cast<unsigned char>(replacement >> 8);
                at[1] = static_cast<unsigned char>(replacement & 0xFF);
            }
        }
        at += 2;
    }
}

}  // namespace qml
