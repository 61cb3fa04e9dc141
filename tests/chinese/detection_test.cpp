// Telling Big5 text from GB text, and the normalisations the detector reads through.
#include <gtest/gtest.h>

#include <string>

#include "chinese/code_type_detection.h"
#include "conversion_settings_guard.h"
#include "quorvel/multilanguage.h"
#include "support/system_mapping.h"

namespace {

using qml_test::Bytes;
using qml_test::ConversionSettings;
using qml_test::Hex;

const _enum_language_type kSystems[] = {LANGUAGE_TYPE_BIG5, LANGUAGE_TYPE_GB, LANGUAGE_TYPE_ENGLISH,
                                        LANGUAGE_TYPE_OTHER};

TEST(ClassifyCodePair, RulesInOrder) {
    struct Case {
        unsigned char lead, trail;
        int type;
        int counted;
        const char* why;
    };
    const Case cases[] = {
        {0x41, 0xA1, 2, 0, "a lead of 0x7F or below is English"},
        {0x7F, 0x40, 2, 0, "the same at 0x7F"},
        {0xA1, 0xB0, 1, 1, "“ is forced GB"},
        {0xA3, 0xFD, 1, 1, "the last punctuation key"},
        {0xB8, 0xF6, 1, 1, "个 is forced GB"},
        {0xD5, 0xE2, 1, 1, "这 is forced GB"},
        {0xB0, 0x31, 0, 1, "a trail of 0x7E or below is Big5"},
        {0xB0, 0x7E, 0, 1, "the same at 0x7E"},
        {0xA1, 0xA1, 3, 1, "the GB ideographic space is undecided"},
        {0xA4, 0xA4, 0, 1, "lead 0xA4..0xAF is Big5"},
        {0xAF, 0xFE, 0, 1, "the same at 0xAF"},
        {0xF8, 0xA1, 0, 1, "lead 0xF8 is Big5"},
        {0xF9, 0xFE, 0, 1, "lead 0xF9 is Big5"},
        {0xC6, 0xA1, 1, 1, "lead 0xC6..0xD7 with a trail of 0xA1..0xFE is GB"},
        {0xD7, 0xFE, 1, 1, "the same at the far corner"},
        {0xC6, 0x80, 3, 1, "a trail of 0x80..0xA0 is undecided, and counted"},
        {0xB9, 0xFA, 3, 1, "国 is undecided, and counted"},
        {0xC3, 0xC7, 3, 1, "们 too"},
        {0x80, 0xA1, 3, 0, "lead 0x80 is undecided and not counted"},
        {0xB0, 0xFF, 3, 0, "trail 0xFF is undecided and not counted"},
        {0xFF, 0xA1, 3, 0, "lead 0xFF too"},
    };
    for (const Case& c : cases) {
        int count = 10;
        EXPECT_EQ(qml::ClassifyCodePair(c.lead, c.trail, &count), c.type) << c.why;
        EXPECT_EQ(count, 10 + c.counted) << c.why;
        EXPECT_EQ(qml::ClassifyCodePair(c.lead, c.trail, nullptr), c.type) << c.why;
    }
}

TEST(CalcStringCodeType, WithoutASystemCodeTypeNothingIsDecided) {
    SetGBAndBig5_Para(nullptr, nullptr);
    int count = 0;
    EXPECT_EQ(CalcStringCodeType(Bytes("A4A4 A4E5").c_str(), &count), LANGUAGE_TYPE_OTHER);
    EXPECT_EQ(CalcStringCodeType("abc", nullptr), LANGUAGE_TYPE_OTHER);
    EXPECT_EQ(count, 0) << "the text is not looked at";
}

TEST(CalcStringCodeType, VotesAndSettlement) {
    struct Case {
        const char* text;  // hexadecimal bytes
        int onBig5, onGb, onEnglish, onOther;
        const char* why;
    };
    const Case cases[] = {
        {"", 2, 2, 2, 2, "empty"},
        {"61 62 63", 2, 2, 2, 2, "ASCII"},
        {"A4A4 A4E5", 0, 0, 0, 0, "Big5 中文: two Big5 votes"},
        {"B9FA C3C7", 3, 3, 3, 3, "GB 国们: two undecided pairs"},
        {"D6D0", 1, 1, 1, 1, "one pair of the GB area"},
        {"A4A4 D6D0", 1, 0, 2, 2, "one against one: the code type foreign to the system"},
        {"A4A4 A4A4 A4A4 D6D0", 0, 0, 0, 0, "three to one is a majority"},
        {"A4A4 A4A4 D6D0", 1, 0, 2, 2, "two to one is not"},
        {"D6D0 D6D0 A4A4", 1, 0, 2, 2, "nor the other way round"},
        {"D6D0 D6D0 D6D0 A4A4", 1, 1, 1, 1, "three GB to one Big5"},
        {"41 B0", 2, 2, 2, 2, "a high byte at the very end is no pair"},
        {"B031", 0, 0, 0, 0, "a pair whose trail is a digit votes Big5"},
        {"B0A9 6F", 3, 3, 3, 3, "the pair B0A9 is undecided; 6F is ASCII"},
        {"A3AC", 1, 1, 1, 1, "forced GB punctuation"},
        {"B9FA A4A4", 0, 0, 0, 0, "undecided pairs do not weigh against a vote"},
    };
    for (const Case& c : cases) {
        const int expected[] = {c.onBig5, c.onGb, c.onEnglish, c.onOther};
        for (int s = 0; s < 4; ++s) {
            ConversionSettings settings(kSystems[s], 0);  // the detector does not need the switch
            EXPECT_EQ(CalcStringCodeType(Bytes(c.text).c_str(), nullptr), expected[s])
                << c.text << " on system " << s << ": " << c.why;
        }
    }
}

TEST(CalcStringCodeType, CountsPairsWithoutResettingAndTakesNullAsEmpty) {
    ConversionSettings settings(LANGUAGE_TYPE_GB, 1);
    int count = 5;
    // A4A4 (Big5), B9FA (undecided, counted), 80A1 (not counted), D6D0 (GB).
    CalcStringCodeType(Bytes("A4A4 41 B9FA 80A1 D6D0").c_str(), &count);
    EXPECT_EQ(count, 8);
    EXPECT_EQ(CalcStringCodeType(nullptr, &count), LANGUAGE_TYPE_ENGLISH);
    EXPECT_EQ(count, 8);
}

TEST(LCMapString_Auto, MapsTraditionalToSimplifiedOnAGbSystemOnly) {
    const std::string traditional = Bytes("41 87F8 8283 42");  // A國們B in code page 936
    for (_enum_language_type system : {LANGUAGE_TYPE_BIG5, LANGUAGE_TYPE_ENGLISH, LANGUAGE_TYPE_OTHER}) {
        ConversionSettings settings(system, 1);
        EXPECT_EQ(Hex(LCMapString_Auto(traditional.c_str())), Hex(traditional)) << system;
    }
    SetGBAndBig5_Para(nullptr, nullptr);
    EXPECT_EQ(Hex(LCMapString_Auto(traditional.c_str())), Hex(traditional));

    // Where the system maps nothing (Wine), the text comes back as it is.
    {
        ConversionSettings settings(LANGUAGE_TYPE_GB, 0);
        const std::string simplified =
            qml_test::SystemMapsChineseCharacters() ? Bytes("41 B9FA C3C7 42") : traditional;
        EXPECT_EQ(Hex(LCMapString_Auto(traditional.c_str())), Hex(simplified));
        EXPECT_EQ(LCMapString_Auto(""), "");
        EXPECT_EQ(LCMapString_Auto(nullptr), "");
    }
}

TEST(MapSmallFormPunctuation, ReplacesSmallFormsOnAGbSystem) {
    struct Case {
        const char* in;
        const char* out;
        const char* why;
    };
    const Case cases[] = {
        {"A96F", "A3AC", "﹐ becomes ，"},
        {"A962 A97F A988", "A1E3 A3BF A3C0", "the first, the character-less and the last row"},
        {"A97A A97B", "A3A8 A3A9", "tortoise-shell brackets become parentheses"},
        {"A963 A96E A984 A9A1", "A963 A96E A984 A9A1", "other A9 pairs stay"},
        {"B0A9 6F", "B0A9 6F", "an A9 that is the trail of a pair is no lead"},
        {"41 A9", "41 A9", "a lead byte before the terminator"},
        {"A96F 41 A970", "A3AC 41 A1A2", "ASCII between"},
    };
    for (const Case& c : cases) {
        ConversionSettings settings(LANGUAGE_TYPE_GB, 1);
        std::string text = Bytes(c.in);
        qml::MapSmallFormPunctuation(&text[0]);
        EXPECT_EQ(Hex(text), Hex(Bytes(c.out))) << c.why;
    }
    for (_enum_language_type system : {LANGUAGE_TYPE_BIG5, LANGUAGE_TYPE_ENGLISH}) {
        ConversionSettings settings(system, 1);
        std::string text = Bytes("A96F");
        qml::MapSmallFormPunctuation(&text[0]);
        EXPECT_EQ(Hex(text), "A96F");
    }
    SetGBAndBig5_Para(nullptr, nullptr);
    std::string text = Bytes("A96F");
    qml::MapSmallFormPunctuation(&text[0]);
    EXPECT_EQ(Hex(text), "A96F");
}

}  // namespace
