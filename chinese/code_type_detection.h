// The detector's internal parts: the classification of one double-byte pair, the
// normalisations of the text that the detector reads, and the detection itself.
#pragma once

#include <cstddef>
#include <string>

namespace qml {

// The code type of one pair: 0 Big5, 1 GB, 2 English (lead below 0x80), 3 undecided. Counts
// the pair in *count (when not null) as the classification rules say.
int ClassifyCodePair(unsigned char lead, unsigned char trail, int* count);

// On a GB system, rewrites small-form punctuation of the code-page-936 extension (lead 0xA9)
// to the ordinary full-width forms, in place; the text keeps its length.
void MapSmallFormPunctuation(char* text);
// The GB code that replaces the small form A9xx with this trail byte; 0 for none.
unsigned short SmallFormReplacement(unsigned char trail);

// What LCMapString_Auto does on a GB system, for the length bytes of text (no NUL among them),
// into out: the text with traditional characters mapped to simplified ones. False when the
// mapping fails or changes the length (the text itself is then the result).
bool MapToSimplified(const char* text, std::size_t length, std::string& out);

// The code type of the length bytes of a detection copy (no NUL among them) on the given
// system: what MapSmallFormPunctuation followed by CalcStringCodeType decide, in one walk.
int DetectCodeType(const char* text, std::size_t length, int system);
// What the automatic direction decides of the length bytes of a text (no NUL among them): on a
// GB system the detection of its copy made by LCMapString_Auto and MapSmallFormPunctuation, on
// any other the detection of the text. copy is scratch space for a copy where one is needed.
int DetectCodeTypeOfText(const char* text, std::size_t length, int system, std::string& copy);

}  // namespace qml
