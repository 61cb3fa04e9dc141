// GB to Big5 of the code-page-936 extension: the traditional forms that Big5 to GB produces go
// back to their Big5 codes by way of their simplified forms, and a double-byte character of code
// page 936 is never split, so one without a way back leaves the next character alone.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "chinese/code_tables.h"
#include "chinese/gb_punctuation.h"
#include "conversion_settings_guard.h"
#include "module/module_instance.h"
#include "platform/codepage.h"
#include "platform/resource.h"
#include "quorvel/multilanguage.h"

namespace {

using qml_test::Bytes;
using qml_test::ConversionSettings;
using qml_test::Hex;

struct Case {
    const char* in;   // hexadecimal bytes
    const char* out;  // hexadecimal bytes
    const char* why;
};

// Whether the system's simplified mapping knows 國 (87F8) as 国 (B9FA); without it no
// extension character has a way back.
bool SystemSimplifies() {
    char out[4] = {};
    return qml::os::LCMapStringA(2052, LCMAP_SIMPLIFIED_CHINESE, "\x87\xF8", -1, out, sizeof out) == 3 &&
           std::memcmp(out, "\xB9\xFA", 2) == 0;
}

const unsigned char* ResourceTable(unsigned short id) {
    HMODULE module = qml::ModuleInstance();
    HRSRC found = qml::os::FindResourceA(module, qml::os::IntResource(id), qml::os::RcDataType());
    return found ? static_cast<const unsigned char*>(
                       qml::os::LockResource(qml::os::LoadResource(module, found)))
                 : nullptr;
}

TEST(GbToBig5Extension, TraditionalFormsGoBackToTheirBig5Codes) {
    if (!SystemSimplifies()) GTEST_SKIP() << "the system does not map traditional characters to simplified";
    ConversionSettings settings(LANGUAGE_TYPE_BIG5, 1);
    const Case cases[] = {
        {"87F8", "B0EA", "國, lead below 0xA1"},
        {"8283 41", "ADCC 41", "們, trail 0x80..0xA0"},
        {"81ED EB8A A3BA BE80 C2B7 20 35 20 C3A6 C2B5", "A8D3 B971 A147 BD75 B8F4 20 35 20 A6A3 B84C",
         "來電：線路 5 忙碌: each character stays itself, the GB2312 ones after it too"},
        {"D45C 41", "B645 41", "診, a trail of 0x5C"},
        {"AA4D 42", "AF55 42", "狹, lead 0xAA..0xAF with a trail below 0xA1"},
        {"8357 D28A", "A4B2 A8A3", "仆見: a trail below 0x7F, a trail of 0x80..0xA0"},
        {"87F8 87F8 0A 8283", "B0EA B0EA 0D0A ADCC", "line by line"},
        {"FFFF AA62 42", "FFFF B275 42", "after two bytes of 0xFF, a character with an ASCII trail"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Hex(Gb2Big(Bytes(c.in).c_str())), Hex(Bytes(c.out))) << c.in << ": " << c.why;
    }
}

TEST(GbToBig5Extension, PairsWithoutAGb2312SimplifiedFormStayPairs) {
    ConversionSettings settings(LANGUAGE_TYPE_BIG5, 1);
    const Case cases[] = {
        {"8140 B9FA", "8140 B0EA", "丂 is its own simplified form"},
        {"825D B9FA", "825D B0EA", "俔 simplifies to 伣 (81BD), outside GB2312 too: the pair itself stays"},
        {"B95C B9FA", "B95C B0EA", "a trail of 0x5C belongs to its lead"},
        {"B941 B9FA", "B941 B0EA", "so does an ASCII letter"},
        {"A95C 41", "A95C 41", "lead 0xA9 with a trail below 0xA1 has no table row"},
        {"AA40 AFA0 41", "AA40 AFA0 41", "nor have the lead bytes 0xAA..0xAF"},
        {"8180 81A0 81FE", "8180 81A0 81FE", "trail bytes 0x80, 0xA0 and 0xFE"},
        {"A0A1 A1A1", "A0A1 A140", "0xA0 is a lead: its pair does not take the next character's lead"},
        {"FE4F FEA0 41", "FE4F FEA0 41", "the last lead byte"},
        {"FFFF B9FA", "FFFF B0EA", "0xFF leads no pair of code page 936, yet two such bytes stay a pair"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Hex(Gb2Big(Bytes(c.in).c_str())), Hex(Bytes(c.out))) << c.in << ": " << c.why;
    }
}

TEST(GbToBig5Extension, ALeadBeforeANonTrailIsCopiedAlone) {
    ConversionSettings settings(LANGUAGE_TYPE_BIG5, 1);
    const Case cases[] = {
        {"B9 7F B9FA", "B9 7F B0EA", "0x7F is no trail"},
        {"81 3F C3C7", "81 3F ADCC", "nor is a byte below 0x40"},
        {"FE 20 41", "FE 20 41", "a space"},
        {"B9 30 31", "B9 30 31", "digits"},
        {"87 09 B9FA", "87 2020202020202020 B0EA", "a tab, which becomes spaces"},
        {"80 A1A1", "80 A140", "0x80 is no lead"},
        {"C3 0A C3C7", "C3 0D0A ADCC", "the end of a line"},
        {"FF 41 B9FA", "FF 41 B0EA", "0xFF is no lead"},
        {"81 FF 41", "81 FF 41", "0xFF is no trail"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Hex(Gb2Big(Bytes(c.in).c_str())), Hex(Bytes(c.out))) << c.in << ": " << c.why;
    }
}

// What one code-page-936 pair becomes: a pair with a table row its punctuation code or cell; a
// pair of the lead bytes 0xAA..0xAF with a trail of 0xA1 or above itself; any other its
// simplified form's, when that is GB2312, else itself.
std::string ExpectedPair(const unsigned char* table, unsigned char lead, unsigned char trail) {
    auto code = [table](unsigned char l, unsigned char t) -> std::string {
        unsigned short big5 = qml::FindGbPunctuation(l, t);
        if (big5 == 0) {
            const unsigned char* cell = table + qml::GbToBig5CellOffset(l, t);
            big5 = static_cast<unsigned short>(cell[0] << 8 | cell[1]);
        }
        return {static_cast<char>(big5 >> 8), static_cast<char>(big5 & 0xFF)};
    };
    const std::string pair{static_cast<char>(lead), static_cast<char>(trail)};
    if (qml::HasGbToBig5Cell(lead, trail)) return code(lead, trail);
    if (lead >= 0xAA && lead <= 0xAF && trail >= 0xA1) return pair;
    char simplified[4] = {};
    if (qml::os::LCMapStringA(2052, LCMAP_SIMPLIFIED_CHINESE, pair.c_str(), -1, simplified,
                              sizeof simplified) != 3)
        return pair;
    const auto l = static_cast<unsigned char>(simplified[0]), t = static_cast<unsigned char>(simplified[1]);
    const bool gb2312 = ((l >= 0xA1 && l <= 0xA9) || (l >= 0xB0 && l <= 0xF7)) && t >= 0xA1 && t <= 0xFE;
    return gb2312 ? code(l, t) : pair;
}

// Every pair of a byte of 0x80 or above and a follower other than NUL, followed by a letter,
// each alone and all of them in one line: a code-page-936 pair converts as one unit, any other
// lead byte is copied alone and the walk goes on at its follower.
TEST(GbToBig5Extension, EveryPairConvertsAsOneUnitOrItsLeadAlone) {
    ConversionSettings settings(LANGUAGE_TYPE_BIG5, 1);
    const unsigned char* table = ResourceTable(qml::kGbToBig5ResourceId);
    ASSERT_NE(table, nullptr);
    std::string line, expectedLine;
    for (unsigned lead = 0x80; lead <= 0xFF; ++lead) {
        for (unsigned trail = 0x01; trail <= 0xFF; ++trail) {
            if (trail == '\t' || trail == '\n' || trail == '\r') continue;  // these change the lines
            const auto l = static_cast<unsigned char>(lead), t = static_cast<unsigned char>(trail);
            const std::string pair{static_cast<char>(lead), static_cast<char>(trail)};
            std::string expected;
            if (lead >= 0x81 && lead <= 0xFE && trail >= 0x40 && trail <= 0xFE && trail != 0x7F) {
                expected = ExpectedPair(table, l, t) + "a";
            } else if (lead >= 0xA1 && trail >= 0xA1) {
                expected = pair + "a";  // 0xFF lies outside the table: such a pair stays
            } else if (trail < 0x80) {
                expected = pair + "a";
            } else {
                expected = pair.substr(0, 1) + Gb2Big((pair.substr(1) + "a").c_str()).str();
            }
            ASSERT_EQ(Hex(Gb2Big((pair + "a").c_str())), Hex(expected)) << Hex(pair);
            if (trail != ' ' && trail != '\v' && trail != '\f') {
                line += pair + "a";
                expectedLine += expected;
            }
        }
    }
    EXPECT_TRUE(Gb2Big(line.c_str()).str() == expectedLine);
}

// Big5 -> GB -> Big5 gives every Big5 hanzi back whose way through GB is one to one. A hanzi
// whose GB form has no GB2312 simplified form comes back as that GB form, and one whose
// simplified form stands for several comes back as another; either leaves the next character
// alone.
TEST(RoundTrip, EveryBig5HanziThroughGbAndBack) {
    if (!SystemSimplifies()) GTEST_SKIP() << "the system does not map traditional characters to simplified";
    ConversionSettings settings(LANGUAGE_TYPE_GB, 1);
    int roundTrips = 0, keptAsGb = 0, another = 0, corrupted = 0;
    std::string firstCorrupted;
    std::string line, lineBack;
    for (unsigned lead = 0xA4; lead <= 0xF9; ++lead) {
        if (lead == 0xC7 || lead == 0xC8) continue;  // no hanzi between the two levels
        for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
            if (trail > 0x7E && trail < 0xA1) continue;
            if (lead == 0xC6 && trail > 0x7E) continue;  // the end of the first level
            const std::string big5{static_cast<char>(lead), static_cast<char>(trail)};
            const std::string gb = Big2Gb(big5.c_str()).str();
            ASSERT_EQ(gb.size(), 2u) << Hex(big5);
            // Followed by 中 (GB D6D0, Big5 A4A4), which must come through whatever comes before.
            const std::string back = Gb2Big((gb + "\xD6\xD0z").c_str()).str();
            if (back.size() != 5 || back.compare(2, 3, "\xA4\xA4z") != 0) {
                if (corrupted++ == 0) firstCorrupted = Hex(big5) + " via GB " + Hex(gb) + " -> " + Hex(back);
                continue;
            }
            if (back.compare(0, 2, big5) == 0) {
                ++roundTrips;
            } else if (back.compare(0, 2, gb) == 0) {
                ++keptAsGb;
            } else {
                ++another;
            }
            line += gb + "\xD6\xD0z";
            lineBack += back;
        }
    }
    EXPECT_EQ(corrupted, 0) << "the next character changed, first: " << firstCorrupted;
    EXPECT_TRUE(Gb2Big(line.c_str()).str() == lineBack) << "in one line as one by one";
#if defined(_WIN32)
    // The system's own mappings: their totals differ a little from the library's tables.
    EXPECT_GT(roundTrips, 6000);
#else
    // 4279 whose GB form is GB2312 and 2203 whose GB form is a traditional form of the extension.
    EXPECT_EQ(roundTrips, 6482);
    EXPECT_EQ(keptAsGb, 6282);
    EXPECT_EQ(another, 330);
#endif
}

}  // namespace
