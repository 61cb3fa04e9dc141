// A profile (INI) file's bytes parsed once into sections and keys, with hash indexes for the
// lookups, and the name rules every lookup shares: blank trimming, and ASCII case folding,
// hashing and comparison eight bytes at a time (also used by the registry stand-in).
//
// The rules are those of the system's profile reader: bytes in the ANSI code page, a UTF-8
// byte-order mark at the start skipped, lines ending in LF or CR LF, blanks and tabs around
// lines, names and values ignored, "[name]" opening a section, "key=value" (split at the
// first '='), a value quoted with the same quote character at both ends ('"' or '\'', more
// than one character) losing the quotes, a line without '=' being a key without a value,
// ASCII case ignored in names, the first section of a name and the first key of a name
// within it winning. Besides:
// - a line whose first character is ';' is a comment;
// - a section name runs to the last ']' of its line (to the line's end when there is none);
// - lines before the first section belong to no section and are never found;
// - a NUL byte ends its line (the rest of that line is ignored), so names and values are
//   always C strings.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace qml::os::posix {

// ---- names -----------------------------------------------------------------------------------
// Every lookup trims, hashes and compares names, so these are inline.

constexpr bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// Without the leading and trailing blanks and tabs.
inline std::string_view TrimBlanks(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsBlank(text[begin])) ++begin;
    while (end > begin && IsBlank(text[end - 1])) --end;
    return text.substr(begin, end - begin);
}

// AsciiLower (base/ascii.h, the library's one ASCII case rule) applied to each of the eight
// bytes of a word at once: bytes of 0x80 and above are left alone and no byte carries into its
// neighbour (profile_parse.cpp checks it against AsciiLower for every byte when it compiles).
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

// ---- the index -------------------------------------------------------------------------------
class NameIndex {
  public:
    static constexpr std::uint32_t kNone = std::numeric_limits<std::uint32_t>::max();

    // Indexes items 0..count-1 in order. hashOf(i) is item i's hash; sameName(i, j) tells
    // whether items i and j carry the same name (an item of an already indexed name is left out).
    template <class HashOf, class SameName>
    void Build(std::uint32_t count, HashOf hashOf, SameName sameName) {
        std::size_t capacity = 8;
        while (capacity < static_cast<std::size_t>(count) * 2) capacity *= 2;
        m_slots.assign(capacity, 0);
        m_mask = capacity - 1;
        for (std::uint32_t item = 0; item < count; ++item) {
            std::uint64_t hash = hashOf(item);
            for (std::size_t slot = hash & m_mask;; slot = (slot + 1) & m_mask) {
                std::uint32_t held = m_slots[slot];
                if (held == 0) {
                    m_slots[slot] = item + 1;
                    break;
                }
                if (hashOf(held - 1) == hash && sameName(held - 1, item)) break;
            }
        }
    }

    // The first item with this hash that matches(i) accepts, or kNone.
    template <class Matches>
    std::uint32_t Find(std::uint64_t hash, Matches matches) const {
        if (m_slots.empty()) return kNone;
        for (std::size_t slot = hash & m_mask;; slot = (slot + 1) & m_mask) {
            std::uint32_t held = m_slots[slot];
            if (held == 0) return kNone;
            if (matches(held - 1)) return held - 1;
        }
    }

    std::size_t MemoryUse() const { return m_slots.capacity() * sizeof(std::uint32_t); }

  private:
    std::vector<std::uint32_t> m_slots;  // item + 1; 0 is an empty slot
    std::size_t m_mask = 0;
};

// ---- the parsed file ---------------------------------------------------------------------------

struct ProfileEntry {
    std::string_view name;   // trimmed
    std::string_view value;  // trimmed and unquoted; empty when the line had no '='
    std::uint64_t hash = 0;
    std::uint32_t section = 0;
    bool hasValue = false;  // false for a line without '='
};

struct ProfileSection {
    std::string_view name;  // trimmed
    std::uint64_t hash = 0;
    std::uint32_t firstEntry = 0;
    std::uint32_t entryCount = 0;
};

class ParsedProfile {
  public:
    // Takes the file's bytes and parses them. The names and values are views into them.
    explicit ParsedProfile(std::string bytes);
    ParsedProfile(const ParsedProfile&) = delete;
    ParsedProfile& operator=(const ParsedProfile&) = delete;

    const std::string& Bytes() const { return m_bytes; }

    // The first section of that name (compared as given: callers trim), or null.
    const ProfileSection* FindSection(std::string_view name) const;
    // The first entry of that name within the section, or null. Inline: it is the part of
    // every lookup that no memo can save.
    const ProfileEntry* FindEntry(const ProfileSection& section, std::string_view name) const {
        std::uint32_t number = SectionNumber(section);
        std::uint64_t hash = HashNoCase(name, EntryScope(number));
        std::uint32_t found = m_entryIndex.Find(hash, [&](std::uint32_t i) {
            const ProfileEntry& entry = m_entries[i];
            return entry.hash == hash && entry.section == number && EqualNoCase(entry.name, name);
        });
        return found == NameIndex::kNone ? nullptr : &m_entries[found];
    }

    // Every section header in file order, duplicates included.
    const std::vector<ProfileSection>& Sections() const { return m_sections; }
    // Every entry of one section (of this header only) in file order.
    const ProfileEntry* EntriesBegin(const ProfileSection& section) const {
        return m_entries.data() + section.firstEntry;
    }
    const ProfileEntry* EntriesEnd(const ProfileSection& section) const {
        return m_entries.data() + section.firstEntry + section.entryCount;
    }

    // An estimate of the memory this object holds, for the cache's budget.
    std::size_t MemoryUse() const;

  private:
    // Sections are hashed in scope 0, the keys of section n in scope n + 1.
    static std::uint64_t EntryScope(std::uint32_t section) { return static_cast<std::uint64_t>(section) + 1; }
    void Parse();
    std::uint32_t SectionNumber(const ProfileSection& section) const {
        return static_cast<std::uint32_t>(&section - m_sections.data());
    }

    const std::string m_bytes;
    std::vector<ProfileSection> m_sections;
    std::vector<ProfileEntry> m_entries;
    NameIndex m_sectionIndex;
    NameIndex m_entryIndex;  // keyed by (section number, name)
};

}  // namespace qml::os::posix
