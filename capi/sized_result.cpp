#include "capi/sized_result.h"

#include <cstring>

#include "util/utf8_text.h"

namespace qml::capi {

namespace {

// The longest start of text within limit bytes that ends between two characters.
std::size_t CodePagePrefixLength(std::string_view text, std::size_t limit) {
    std::size_t length = 0;
    while (length < text.size()) {
        const bool pair = static_cast<unsigned char>(text[length]) >= 0x80 && length + 1 < text.size();
        const std::size_t next = length + (pair ? 2 : 1);
        if (next > limit) break;
        length = next;
    }
    return length;
}

std::size_t Write(std::string_view text, std::size_t length, char* buffer) {
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
    return text.size();
}

}  // namespace

std::size_t WriteSizedResult(std::string_view text, char* buffer, std::size_t size) {
    if (!buffer || size == 0) return text.size();
    return Write(text, CodePagePrefixLength(text, size - 1), buffer);
}

std::size_t WriteSizedUtf8Result(std::string_view text, char* buffer, std::size_t size) {
    if (!buffer || size == 0) return text.size();
    return Write(text, Utf8PrefixLength(text, size - 1), buffer);
}

}  // namespace qml::capi
