// Names in profile files: blank trimming and ASCII case-insensitive hashing and comparison,
// shared by the parser, the lookups and the registry stand-in.
//
// Every lookup trims, hashes and compares names, so these are inline and work on eight bytes
// at a time.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace qml::posix {

constexpr bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

constexpr char AsciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Without the leading and trailing blanks and tabs.
inline std::string_view TrimBlanks(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsBlank(text[begin])) ++begin;
    while (end > begin && IsBlank(text[end - 1])) --end;
    return text.substr(begin, end - begin);
}

// AsciiLower applied to each of the eight bytes of a word at once. Bytes of 0x80 and above
// are left alone; no byte carries into its neighbour.
constexpr std::uint64_t FoldAsciiCase(std::uint64_t word) {
    constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
    std::uint64_t low7 = word & (0x7f * kOnes);
    std::uint64_t atLeastA = low7 + (0x80 - 'A') * kOnes;    // top bit set where byte >= 'A'
    std::uint64_t aboveZ = low7 + (0x80 - 'Z' - 1) * kOnes;  // top bit set where byte > 'Z'
    std::uint64_t upper = atLeastA & ~aboveZ & ~word & (0x80 * kOnes);
    return word | (upper >> 2);  // 0x80 >> 2 is the 0x20 between the cases
}

inline std::uint64_t LoadWord(const char* p) {
    std::uint64_t word;
    std::memcpy(&word, p, sizeof word);
    return word;
}

// The bytes of a name shorter than eight, as one word: the first and last four bytes (which
// overlap below eight) or, below four, the first, middle and last byte. Equal texts give equal
// words, and every byte of the text is in the word.
inline std::uint64_t LoadShort(const char* p, std::size_t n) {
    if (n >= 4) {
        std::uint32_t head;
        std::uint32_t tail;
        std::memcpy(&head, p, sizeof head);
        std::memcpy(&tail, p + n - 4, sizeof tail);
        return (static_cast<std::uint64_t>(tail) << 32) | head;
    }
    if (n == 0) return 0;
    return static_cast<std::uint64_t>(static_cast<unsigned char>(p[0])) |
           static_cast<std::uint64_t>(static_cast<unsigned char>(p[n / 2])) << 8 |
           static_cast<std::uint64_t>(static_cast<unsigned char>(p[n - 1])) << 16;
}

// Equality without regard to the case of ASCII letters; other bytes compare exactly.
inline bool EqualNoCase(std::string_view a, std::string_view b) {
    std::size_t n = a.size();
    if (n != b.size()) return false;
    const char* pa = a.data();
    const char* pb = b.data();
    // Names usually match in their case too: equal words need no folding.
    auto same = [](std::uint64_t x, std::uint64_t y) {
        return x == y || FoldAsciiCase(x) == FoldAsciiCase(y);
    };
    if (n < 8) return same(LoadShort(pa, n), LoadShort(pb, n));
    // Whole words, then the last eight bytes (overlapping the words before them).
    for (std::size_t i = 0; i + 8 < n; i += 8)
        if (!same(LoadWord(pa + i), LoadWord(pb + i))) return false;
    return same(LoadWord(pa + n - 8), LoadWord(pb + n - 8));
}

struct NameHashSeeds {
    std::uint64_t start;
    std::uint64_t data;
    std::uint64_t state;
};
NameHashSeeds DrawNameHashSeeds();

// Drawn once per process, so that a hostile file cannot be built to make every name collide.
inline const NameHashSeeds& ProcessNameHashSeeds() {
    static const NameHashSeeds seeds = DrawNameHashSeeds();
    return seeds;
}

// The 128-bit product folded to 64 bits: every bit of either factor reaches every bit.
inline std::uint64_t MultiplyFold(std::uint64_t a, std::uint64_t b) {
    unsigned __int128 product = static_cast<unsigned __int128>(a) * b;
    return static_cast<std::uint64_t>(product >> 64) ^ static_cast<std::uint64_t>(product);
}

// A hash that agrees with EqualNoCase, keyed by the process's seeds. Names hashed in
// different scopes (a number the caller chooses) are spread independently. Eight case-folded
// bytes at a time, each word multiplied with the state; names of eight bytes and more end with
// their last eight bytes (which may overlap the word before), shorter ones are read as one
// word (LoadShort); the length goes into the last product.
inline std::uint64_t HashNoCase(std::string_view text, std::uint64_t scope = 0) {
    const NameHashSeeds& seeds = ProcessNameHashSeeds();
    std::uint64_t h = seeds.start ^ (scope * 0x9e3779b97f4a7c15ULL);
    const char* p = text.data();
    std::size_t n = text.size();
    if (n < 8) {
        h = MultiplyFold(FoldAsciiCase(LoadShort(p, n)) ^ seeds.data, h ^ seeds.state);
    } else {
        for (std::size_t i = 0; i + 8 < n; i += 8)
            h = MultiplyFold(FoldAsciiCase(LoadWord(p + i)) ^ seeds.data, h ^ seeds.state);
        h = MultiplyFold(FoldAsciiCase(LoadWord(p + n - 8)) ^ seeds.data, h ^ seeds.state);
    }
    return MultiplyFold(h ^ n, seeds.data ^ 0xe7037ed1a0b428dbULL);
}

}  // namespace qml::posix
