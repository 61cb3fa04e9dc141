// The phrase translator: a formatted English sentence cut into words, {braced phrases},
// $literal stretches$ and double-byte runs, each word or phrase looked up in section
// "ProgramOutStr" and the pieces joined again.
#pragma once

namespace qml {

// Working texts hold 1023 bytes and a NUL.
inline constexpr int kTextBufferSize = 1024;

// Translates a finished text as GetMultiLngText_ByAutoPart does with the format "%s": every
// byte of the text (at most 1023) reaches the cutting into keys, a percent sign included.
// Returns buffer; a null buffer or a size below 1 writes nothing, a null text is empty.
char* TranslatePlainText(char* buffer, int size, const char* text);

// The end of the run of double-byte characters that starts at start: the walk passes over
// every byte at an odd distance (a trail byte, whatever its value) and stops at the NUL or at
// the first byte at an even distance that is in the range 1 to 127.
const char* FindDoubleByteRunEnd(const char* start);

}  // namespace qml
