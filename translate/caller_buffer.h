// The contract of every exported function that writes into a caller's buffer: the whole
// buffer cleared, then at most size - 1 bytes of the text, so it always ends in a NUL.
#pragma once

#include <cstring>
#include <string_view>

namespace qml {

// The caller checked that buffer is not null and size is at least 1. Returns buffer.
inline char* FillCallerBuffer(char* buffer, int size, std::string_view text) {
    std::memset(buffer, 0, static_cast<std::size_t>(size));
    std::size_t room = static_cast<std::size_t>(size) - 1;
    std::memcpy(buffer, text.data(), text.size() < room ? text.size() : room);
    return buffer;
}

}  // namespace qml
