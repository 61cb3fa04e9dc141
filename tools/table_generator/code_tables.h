// The cell rules of the converter's code tables and of the code-page-936 character mappings,
// built from the ICU code pages and the script data.
#pragma once

#include <string>
#include <vector>

#include "icu_codec.h"
#include "script_forms.h"

namespace qml_tools {

struct Sources {
    explicit Sources(const std::string& openccDir) : script(openccDir) {}

    CodePage big5{"windows-950-2000"};
    CodePage gbk{"windows-936-2000"};
    ScriptData script;
};

// Whether a code page 936 code is one of the characters of GB2312 proper (not an extension
// code of the larger code page, and not a user-defined code).
bool IsGb2312Code(const Sources& sources, DbcsCode code);

// 94 rows (lead 0xA1..0xFE) of 191 cells (trail 0x40..0xFE): 35908 bytes.
std::vector<unsigned char> BuildBig5ToGbTable(const Sources& sources);
// 88 rows (lead 0xA1..0xA9, 0xB0..0xFE) of 94 cells (trail 0xA1..0xFE): 16544 bytes.
std::vector<unsigned char> BuildGbToBig5Table(const Sources& sources);
// 126 rows (lead 0x81..0xFE) of 191 cells (trail 0x40..0xFE): 48132 bytes.
std::vector<unsigned char> BuildCp936ToBig5Table(const Sources& sources);

// A one-to-one character mapping within code page 936, in the layout of the table above; each
// cell holds the code that replaces its own (itself when the character has no other form).
std::vector<unsigned char> BuildCp936ToTraditional(const Sources& sources);
std::vector<unsigned char> BuildCp936ToSimplified(const Sources& sources);

// The Big5-to-GB layout: the code page 936 code of each Big5 character that the code page
// holds, else the Big5-to-GB cell after the traditional mapping within code page 936.
std::vector<unsigned char> BuildBig5ToCp936Table(const Sources& sources,
                                                 const std::vector<unsigned char>& big5ToGb,
                                                 const std::vector<unsigned char>& cp936ToTraditional);

}  // namespace qml_tools
