// Names in profile files: blank trimming and ASCII case-insensitive hashing and comparison,
// shared by the parser, the lookups and the registry stand-in.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace qml::posix {

constexpr bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

constexpr char AsciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Without the leading and trailing blanks and tabs.
std::string_view TrimBlanks(std::string_view text);

// Equality without regard to the case of ASCII letters; other bytes compare exactly.
bool EqualNoCase(std::string_view a, std::string_view b);

// A hash that agrees with EqualNoCase. It is seeded per process, so that a hostile file
// cannot be built to make every name collide.
std::uint64_t HashNoCase(std::string_view text, std::uint64_t scope = 0);

}  // namespace qml::posix
