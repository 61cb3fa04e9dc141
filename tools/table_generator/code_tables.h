// The cell rules of the converter's two code tables and of the code-page-936 character
// mappings, built from the ICU code pages and transforms.
#pragma once

#include <vector>

#include "icu_codec.h"

namespace qml_tools {

struct Sources {
    CodePage big5{"windows-950-2000"};
    CodePage gbk{"windows-936-2000"};
    Transform toSimplified{"Hant-Hans"};
    Transform toTraditional{"Hans-Hant"};
};

// Whether a code page 936 code is one of the characters of GB2312 proper (not an extension
// code of the larger code page, and not a user-defined code).
bool IsGb2312Code(const Sources& sources, DbcsCode code);

// 94 rows (lead 0xA1..0xFE) of 191 cells (trail 0x40..0xFE): 35908 bytes.
std::vector<unsigned char> BuildBig5ToGbTable(const Sources& sources);
// 88 rows (lead 0xA1..0xA9, 0xB0..0xFE) of 94 cells (trail 0xA1..0xFE): 16544 bytes.
std::vector<unsigned char> BuildGbToBig5Table(const Sources& sources);
// A one-to-one character mapping within code page 936: 126 rows (lead 0x81..0xFE) of 191
// cells (trail 0x40..0xFE), each holding the code that replaces its own (itself when the
// character has no other form in the code page).
std::vector<unsigned char> BuildCp936Mapping(const Sources& sources, const Transform& transform);

}  // namespace qml_tools
