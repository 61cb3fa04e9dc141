// Copying a text into a fixed buffer of the caller's: never past its end, always terminated.
#pragma once

#include <cstddef>
#include <cstring>
#include <string_view>

namespace qml {

// Copies at most size - 1 bytes of text and a NUL into buffer; returns the bytes copied.
// Nothing is written for a null buffer or a size of 0 (result 0).
inline std::size_t CopyBounded(char* buffer, std::size_t size, std::string_view text) {
    if (buffer == nullptr || size == 0) return 0;
    std::size_t length = text.size() < size - 1 ? text.size() : size - 1;
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
    return length;
}

// The same, with the rest of the buffer cleared too (the contract of the exported functions
// that fill a caller's buffer).
inline std::size_t FillBounded(char* buffer, std::size_t size, std::string_view text) {
    if (buffer == nullptr || size == 0) return 0;
    std::memset(buffer, 0, size);
    return CopyBounded(buffer, size, text);
}

}  // namespace qml
