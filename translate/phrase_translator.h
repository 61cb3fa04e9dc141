// The phrase translator: a finished English sentence cut into words, {braced phrases},
// $literal stretches$ and double-byte runs, each word or phrase looked up in section
// "ProgramOutStr" and the pieces joined again.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace qml {

// Working texts hold 1023 bytes and a NUL.
inline constexpr int kTextBufferSize = 1024;
inline constexpr std::size_t kWorkingTextLimit = kTextBufferSize - 1;

// The translation of the first 1023 bytes of text, every byte of them reaching the cutting
// into keys (a percent sign is no conversion here), into out (replaced). Inside one call the
// language file is checked once, whatever the number of words.
void TranslateText(std::string_view text, std::string& out);
std::string TranslateText(std::string_view text);

// The end of the run of double-byte characters that starts at start: the walk passes over
// every byte at an odd distance (a trail byte, whatever its value) and stops at end, at a NUL
// or at the first byte at an even distance that is in the range 1 to 127.
const char* FindDoubleByteRunEnd(const char* start, const char* end);

}  // namespace qml
