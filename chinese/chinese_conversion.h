// The Chinese conversion as the library itself uses it: plain texts in and out, under the
// host's settings. The exported functions are adapters over these.
#pragma once

#include <string>

namespace qml {

// A line converted in direction (0 automatic, 1 Big5 to GB, 2 GB to Big5): trailing line
// breaks kept, white space trimmed, unconverted while the host's switch is off. Null is empty.
std::string ConvertChineseText(const char* text, char direction);

// A GB text mapped to simplified characters when the system code type is GB (unchanged otherwise).
std::string MapToSimplifiedAuto(const char* text);

// The code type of a text (LANGUAGE_TYPE_*), counting the characters of each kind into count.
int StringCodeType(const char* text, int* count);

}  // namespace qml
