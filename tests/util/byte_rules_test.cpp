// The byte rules of base/: ASCII case, bounded copies, cuts that keep characters whole, UTF-8.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "base/ascii.h"
#include "base/bounded_copy.h"
#include "base/code_page_pairs.h"
#include "base/utf8.h"

namespace {

TEST(ByteRules, FoldOnlyAsciiLettersAndCutBetweenCharacters) {
    // Case: bytes of 0x80 and above never fold (Latin-1 0xE4/0xC4 would under a locale).
    for (int b = 0x80; b <= 0xFF; ++b) {
        const char c = static_cast<char>(b);
        EXPECT_EQ(qml::AsciiUpper(c), c) << b;
        EXPECT_EQ(qml::AsciiLower(c), c) << b;
    }
    EXPECT_EQ(qml::AsciiLowered("LngPara\xC4\xE4Z"), "lngpara\xC4\xE4z");
    const struct {
        const char *a, *b;
        int order;
    } compared[] = {
        {"Lngpara", "LNGPARA", 0}, {"abc", "ABD", -1},   {"ab", "AB c", -1},
        {"\x80", "z", 1},          {"\xC4", "\xE4", -1},
    };
    for (const auto& c : compared) {
        EXPECT_EQ(qml::CompareIgnoringAsciiCase(c.a, c.b), c.order) << c.a << " / " << c.b;
        EXPECT_EQ(qml::EqualIgnoringAsciiCase(c.a, c.b), c.order == 0) << c.a << " / " << c.b;
    }

    // Bounded copies: size 0 writes nothing, size 1 only the terminator; Fill clears the rest.
    const struct {
        std::size_t size;
        const char* expected;
        std::size_t length;
    } copies[] = {{0, "xxxxxxx", 0}, {1, "", 0}, {4, "hel", 3}, {6, "hello", 5}, {8, "hello", 5}};
    for (const auto& c : copies) {
        char copied[8] = "xxxxxxx", filled[8] = "xxxxxxx";
        EXPECT_EQ(qml::CopyBounded(copied, c.size, "hello"), c.length) << c.size;
        EXPECT_STREQ(copied, c.expected) << c.size;
        EXPECT_EQ(qml::FillBounded(filled, c.size, "hello"), c.length) << c.size;
        EXPECT_STREQ(filled, c.expected) << c.size;
        for (std::size_t i = c.length; i < c.size; ++i) EXPECT_EQ(filled[i], '\0') << c.size << " at " << i;
    }
    EXPECT_EQ(qml::CopyBounded(nullptr, 4, "hello"), 0u);

    // Cuts: a pair (or a UTF-8 sequence) at the limit stays out whole; a lone lead at the end
    // is one byte.
    const std::string gb = "a\xB0\xA1z";  // a, one GB pair, z
    const std::string utf8 =
        "a\xE4\xB8\xAD"
        "z";  // a, one three-byte character, z
    const struct {
        std::size_t limit, doubleByte, utf8;
    } cuts[] = {{0, 0, 0}, {1, 1, 1}, {2, 1, 1}, {3, 3, 1}, {4, 4, 4}, {9, 4, 5}};
    for (const auto& c : cuts) {
        EXPECT_EQ(qml::DoubleBytePrefixLength(gb, c.limit), c.doubleByte) << c.limit;
        EXPECT_EQ(qml::Utf8PrefixLength(utf8, c.limit), c.utf8) << c.limit;
    }
    EXPECT_EQ(qml::DoubleBytePrefixLength("a\xB0", 2), 2u);
    const struct {
        unsigned long code;
        const char* bytes;
    } encoded[] = {
        {0x7F, "\x7F"}, {0x80, "\xC2\x80"}, {0xFFFF, "\xEF\xBF\xBF"}, {0x10000, "\xF0\x90\x80\x80"}};
    for (const auto& e : encoded) {
        std::string out;
        qml::AppendUtf8(out, e.code);
        EXPECT_EQ(out, e.bytes) << e.code;
    }

    // Code page 936 pairs: lead 0x81..0xFE, trail 0x40..0xFE without 0x7F.
    const struct {
        unsigned char lead, trail;
        bool pair;
    } pairs[] = {{0x81, 0x40, true},  {0xFE, 0xFE, true},  {0xB0, 0x7F, false}, {0x80, 0x40, false},
                 {0xFF, 0xA1, false}, {0x81, 0x3F, false}, {0x81, 0xFF, false}};
    for (const auto& p : pairs)
        EXPECT_EQ(qml::IsCp936Pair(p.lead, p.trail), p.pair) << int(p.lead) << " " << int(p.trail);
}

}  // namespace
