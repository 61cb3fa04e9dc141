// The detector's internal parts: the classification of one double-byte pair and the
// normalisation of small-form punctuation in the text that the detector reads.
#pragma once

namespace qml {

// The code type of one pair: 0 Big5, 1 GB, 2 English (lead below 0x80), 3 undecided. Counts
// the pair in *count (when not null) as the classification rules say.
int ClassifyCodePair(unsigned char lead, unsigned char trail, int* count);

// On a GB system, rewrites small-form punctuation of the code-page-936 extension (lead 0xA9)
// to the ordinary full-width forms, in place; the text keeps its length.
void MapSmallFormPunctuation(char* text);

}  // namespace qml
