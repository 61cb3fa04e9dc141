// GB to Big5 of what is not a pair of code page 936: a lead byte before a byte that cannot
// trail it is copied alone, and the walk goes on at that byte.
#include <gtest/gtest.h>

#include <string>

#include "conversion_settings_guard.h"
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
        {"FFFF B9FA", "FFFF B0EA", "0xFF leads no pair of code page 936, yet two such bytes stay a pair"},
        {"FFFF AA62 42", "FFFF B275 42", "and leave the next character whole: 猙, lead 0xAA, an ASCII trail"},
        {"B95C B9FA", "DF50 B0EA", "a trail of 0x5C belongs to its lead: 筡 is DF50 in Big5"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Hex(Gb2Big(Bytes(c.in).c_str())), Hex(Bytes(c.out))) << c.in << ": " << c.why;
    }
}

}  // namespace
