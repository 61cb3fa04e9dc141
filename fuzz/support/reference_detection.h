// A plain model of the code-type detector, written from its rules: the class of every pair,
// the votes, the majority and the settling by the system's code type.
#pragma once

#include <string>

namespace qml_fuzz {

// 0 Big5, 1 GB, 2 English, 3 undecided; counts into *count as the rules say.
int ReferenceClassifyPair(unsigned char lead, unsigned char trail, int* count);

// CalcStringCodeType on a system of the given code type (the text has no NUL).
int ReferenceCodeType(const std::string& text, int system, int* count);

// The small forms of punctuation (lead 0xA9) replaced by the ordinary full-width forms, as a
// GB system does to the detector's copy.
std::string ReferenceMapSmallForms(const std::string& text);

}  // namespace qml_fuzz
