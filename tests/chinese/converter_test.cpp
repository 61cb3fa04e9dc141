// Conversion in a fixed direction, through the converter object and its two code tables.
#include <gtest/gtest.h>

#include <string>

#include "conversion_settings_guard.h"
#include "chinese/conversion_state.h"
#include "platform/os.h"
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

TEST(Big5ToGb, ConvertsEachPairInOneStep) {
    ConversionSettings settings(LANGUAGE_TYPE_GB, 1);
    const Case cases[] = {
        {"A4A4 A4E5", "D6D0 CEC4", "中文 is the same in both"},
        {"B0EA ADCC", "87F8 8283", "國們 stay themselves, in code page 936's extension"},
        {"6162636465666768 69 B0EA 6A", "6162636465666768 69 87F8 6A", "a pair after a run of letters"},
        {"A3C0", "A1A1", "unassigned: the ideographic space"},
        {"A17F", "A17F", "a trail byte Big5 does not use"},
        {"68 65 6C 6C 6F", "68 65 6C 6C 6F", "ASCII passes"},
        {"41 A4", "41 A4", "a lone lead byte at the end"},
        {"A4 20 41", "A4 20 41", "a lead byte before a follower below 0x40 is copied alone"},
        {"80 A4A4", "80 D6D0", "a byte below 0xA1 is no lead; the next one is"},
        {"FFA4 20 41", "FFA4 20 41", "a lead of 0xFF lies outside the table"},
        {"A4FF 41", "A4FF 41", "so does a trail of 0xFF"},
        {"A4A4 09 A4A4", "D6D0 2020202020202020 D6D0", "a tab becomes eight spaces"},
        {"A4A4 0D0A A4A4", "D6D0 0D0D0A D6D0", "the CR stays on its line and the line ends with CR LF"},
        {"A4A4 0A 0A A4A4", "D6D0 0D0A 0D0A D6D0", "an empty line between"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Hex(Big2Gb(Bytes(c.in).c_str())), Hex(Bytes(c.out))) << c.in << ": " << c.why;
    }
}

TEST(GbToBig5, ConvertsPunctuationThenTheTable) {
    ConversionSettings settings(LANGUAGE_TYPE_BIG5, 1);
    const Case cases[] = {
        {"B9FA C3C7", "B0EA ADCC", "国们 become 國們"},
        {"6162636465666768 B9FA 6A", "6162636465666768 B0EA 6A", "a pair after a run of letters"},
        {"B0A1", "B0DA", "啊 is in both"},
        {"A1A1 41", "A140 41", "the ideographic space, through the table"},
        {"A1B0 A1B1", "A175 A176", "quotation marks become corner brackets"},
        {"A8A1", "A140", "no Big5 counterpart"},
        {"D7FA", "A140", "not assigned by GB2312"},
        {"68 69", "68 69", "ASCII passes"},
        {"41 B9", "41 B9", "a lone lead byte at the end"},
        {"B9 3F 41", "B9 3F 41", "a byte whose follower is no trail is copied alone"},
        {"A0 A1A1", "A140 A1", "A0A1 is one character of code page 936, which Big5 lacks"},
        {"AAA1 AFFE 41", "A140 A140 41",
         "user-defined codes become the blank, not bytes Big5 reads otherwise"},
        {"FFA1 B0FF 41", "FFA1 B0FF 41", "0xFF lies outside the table"},
        {"B9FA 09 0A C3C7", "B0EA 2020202020202020 0D0A ADCC", "tab and line feed"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Hex(Gb2Big(Bytes(c.in).c_str())), Hex(Bytes(c.out))) << c.in << ": " << c.why;
    }
}

TEST(FixedDirection, ConvertsEveryLineWhateverWasConvertedBefore) {
    ConversionSettings settings(LANGUAGE_TYPE_ENGLISH, 1);
    EXPECT_EQ(Hex(Gb2Big(Bytes("B9FA 0A C3C7 0A 41").c_str())), Hex(Bytes("B0EA 0D0A ADCC 0D0A 41")));
    EXPECT_EQ(Hex(Big2Gb(Bytes("A4A4 0A A4E5").c_str())), Hex(Bytes("D6D0 0D0A CEC4")));
    EXPECT_EQ(Hex(Gb2Big(Bytes("C3C7").c_str())), "ADCC");
}

TEST(FixedDirection, ConversionOffReturnsTheTrimmedText) {
    ConversionSettings settings(LANGUAGE_TYPE_GB, 0);
    EXPECT_EQ(Hex(Big2Gb(Bytes("20 B0EA 09 41 0D0A").c_str())), Hex(Bytes("B0EA 09 41")));
    EXPECT_EQ(Hex(Gb2Big(Bytes("B9FA").c_str())), "B9FA");
    settings.SetSwitch(1);  // read at every use
    EXPECT_EQ(Hex(Gb2Big(Bytes("B9FA").c_str())), "B0EA");
}

TEST(MissingTables, LeaveTheLinesUnconverted) {
    ConversionSettings settings(LANGUAGE_TYPE_GB, 1);
    const HINSTANCE module = qml::ModuleInstance();
    qml::SetModuleInstance(nullptr);  // the tables can no longer be found
    CGBAndBig5::DeleteInstance();
    // The walk stops at the first pair; lines already split keep their expanded tabs.
    EXPECT_EQ(Hex(Big2Gb(Bytes("41 09 42 0A A4A4 0A B0EA").c_str())),
              Hex(Bytes("41 2020202020202020 42 0D0A A4A4 0D0A B0EA")));
    EXPECT_EQ(Hex(Gb2Big(Bytes("B9FA 0A C3C7").c_str())), Hex(Bytes("B9FA 0D0A C3C7")));
    qml::SetModuleInstance(module);
    EXPECT_EQ(Hex(Gb2Big(Bytes("B9FA").c_str())), "B9FA") << "the object keeps its state for life";
    CGBAndBig5::DeleteInstance();
    EXPECT_EQ(Hex(Gb2Big(Bytes("B9FA").c_str())), "B0EA");
}

// The switch turned off while the first conversion makes the converter: the next conversion
// with the switch on finds the tables, and so do all after it.
TEST(MissingTables, AnObjectMadeWhileTheConversionIsOffLoadsThemWhenItIsOn) {
    ConversionSettings settings(LANGUAGE_TYPE_GB, 0);
    ASSERT_NE(CGBAndBig5::GetInstance(), nullptr);
    settings.SetSwitch(1);
    EXPECT_EQ(Hex(Gb2Big(Bytes("B9FA").c_str())), "B0EA");
    EXPECT_EQ(Hex(Big2Gb(Bytes("A4A4").c_str())), "D6D0");
    EXPECT_EQ(Hex(GBAndBig5Convert(Bytes("A4A4").c_str(), 0)), "D6D0");
}

TEST(ConverterObject, TranslateKeepsTheTextAndItsLines) {
    ConversionSettings settings(LANGUAGE_TYPE_GB, 1);
    CGBAndBig5 converter;
    EXPECT_EQ(converter.GetLineNumber(), 1);  // the single empty line of its initial "\n"
    EXPECT_EQ(converter.GetTextLength(), 1);

    EXPECT_EQ(converter.Translate(nullptr, 1), 1);
    EXPECT_EQ(converter.GetText(), "");
    EXPECT_EQ(converter.Translate("", 0), 1);
    EXPECT_EQ(converter.GetTextLength(), 0);

    EXPECT_EQ(converter.Translate(Bytes("B9FA 0A 41 09 42").c_str(), 2), 1);
    EXPECT_EQ(converter.GetLineNumber(), 2);
    EXPECT_EQ(Hex(converter.GetText()), Hex(Bytes("B0EA 0D0A 41 2020202020202020 42")));
}

TEST(ConverterObject, GetTextTrimsTrailingLineFeedsThenCarriageReturns) {
    _enum_language_type* noSystem = nullptr;
    int on = 1;
    SetGBAndBig5_Para(noSystem, &on);  // no system code type: Translate keeps the text as given
    struct TrimCase {
        const char* in;
        const char* out;
    };
    const TrimCase cases[] = {
        {"ab\r\n", "ab"}, {"ab\r\r\n", "ab"},   {"ab\r\n\r\n", "ab\r\n"},
        {"ab\n\n", "ab"}, {"\ta b ", "\ta b "},
    };
    CGBAndBig5 converter;
    for (const TrimCase& c : cases) {
        converter.Translate(c.in, 0);
        EXPECT_EQ(Hex(converter.GetText()), Hex(std::string(c.out))) << Hex(std::string(c.in));
    }
    on = 0;
    converter.Translate("ab\r\n", 0);
    EXPECT_EQ(converter.GetText(), "ab\r\n") << "untrimmed while the conversion is off";
    SetGBAndBig5_Para(nullptr, nullptr);
}

}  // namespace
