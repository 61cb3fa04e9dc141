// The C interface's "sized result" contract, as snprintf has it: the result is written cut to
// size - 1 bytes at a character boundary and terminated (when buffer is not null and size is
// greater than 0), and its whole length is returned, so a caller can tell a cut and ask again.
#pragma once

#include <cstddef>
#include <string_view>

namespace qml::capi {

// A text of the language's code page: a byte of 0x80 or above and the next byte stay together.
std::size_t WriteSizedResult(std::string_view text, char* buffer, std::size_t size);

// A valid UTF-8 text: no sequence is split.
std::size_t WriteSizedUtf8Result(std::string_view text, char* buffer, std::size_t size);

}  // namespace qml::capi
