// Every character of both code pages through the conversion, each checked against what the
// platform's code pages say it is (and, where the tests were built with OpenCC, against its
// Taiwan-standard form), never against the library's own tables.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "byte_pairs.h"
#include "code_pages.h"
#include "conversion_settings_guard.h"
#include "quorvel/multilanguage.h"

namespace {

using qml_test::CodePage;
using qml_test::ConversionSettings;
using qml_test::Decode;
using qml_test::Encode;
using qml_test::Hex;

const std::string kBig5Blank = "\xA1\x40";

// The GB punctuation that becomes fixed Big5 codes, as the converter's documentation gives it.
struct Punctuation {
    unsigned short gb, big5;
};
const Punctuation kPunctuation[] = {
    {0xA1A2, 0xA142}, {0xA1A3, 0xA143}, {0xA1A4, 0xA14F}, {0xA1AA, 0xA158}, {0xA1AB, 0xA1E3},
    {0xA1AD, 0xA14B}, {0xA1AE, 0xA179}, {0xA1AF, 0xA17A}, {0xA1B0, 0xA175}, {0xA1B1, 0xA176},
    {0xA1B6, 0xA16D}, {0xA1B7, 0xA16E}, {0xA3A1, 0xA149}, {0xA3A3, 0xA1AD}, {0xA3A4, 0xA244},
    {0xA3A5, 0xA248}, {0xA3A8, 0xA15D}, {0xA3A9, 0xA15E}, {0xA3AA, 0xA1AF}, {0xA3AB, 0xA1CF},
    {0xA3AC, 0xA141}, {0xA3AD, 0xA1D0}, {0xA3AF, 0xA1FE}, {0xA3B0, 0xA2AF}, {0xA3B1, 0xA2B0},
    {0xA3B2, 0xA2B1}, {0xA3B3, 0xA2B2}, {0xA3B4, 0xA2B3}, {0xA3B5, 0xA2B4}, {0xA3B6, 0xA2B5},
    {0xA3B7, 0xA2B6}, {0xA3B8, 0xA2B7}, {0xA3B9, 0xA2B8}, {0xA3BA, 0xA147}, {0xA3BB, 0xA146},
    {0xA3BD, 0xA1D7}, {0xA3BF, 0xA148}, {0xA3DB, 0xA165}, {0xA3DD, 0xA166}, {0xA3E0, 0xA1BC},
    {0xA3FB, 0xA161}, {0xA3FC, 0xA155}, {0xA3FD, 0xA162},
};

std::string Code(unsigned short code) {
    return {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
}

// The Big5 code that the punctuation rows give a GB pair; empty for any other pair.
std::string PunctuationFor(const std::string& gb) {
    for (const Punctuation& row : kPunctuation) {
        if (Code(row.gb) == gb) return Code(row.big5);
    }
    return {};
}

// Whether a UTF-8 character is of the private use area (U+E000..U+F8FF): code pages give their
// user-defined codes such characters, which are no character of the other code page's.
bool IsPrivateUse(const std::string& utf8) {
    if (utf8.size() != 3) return false;
    const auto first = static_cast<unsigned char>(utf8[0]), second = static_cast<unsigned char>(utf8[1]);
    return first == 0xEE || (first == 0xEF && second <= 0xA3);
}

std::string Pair(unsigned lead, unsigned trail) {
    return {static_cast<char>(lead), static_cast<char>(trail)};
}

// Failures are counted, and the first few shown, so that one bad row does not flood the log.
class Faults {
  public:
    explicit Faults(const char* what) : m_what(what) {}
    void Add(const std::string& text) {
        if (m_count++ < 12) m_shown += "\n  " + text;
    }
    ~Faults() { EXPECT_EQ(m_count, 0) << m_what << m_shown; }

  private:
    const char* m_what;
    int m_count = 0;
    std::string m_shown;
};

// Every row, each converted and each taken as GB by the detector, whose forced-GB list begins
// with these keys.
TEST(GbToBig5, PunctuationRowsAsTyped) {
    ConversionSettings settings(LANGUAGE_TYPE_BIG5, 1);
    for (const Punctuation& row : kPunctuation) {
        const std::string gb = Code(row.gb);
        EXPECT_EQ(Hex(Gb2Big(gb.c_str())), Hex(Code(row.big5))) << Hex(gb);
        EXPECT_EQ(CalcStringCodeType(gb.c_str(), nullptr), LANGUAGE_TYPE_GB) << Hex(gb);
    }
}

// A Big5 character that code page 936 holds comes out as itself, and comes back to its own
// Big5 code unless it is also the simplified form of another character (里 of 裡, 台 of 臺),
// whose Taiwan-standard form it then becomes. One that code page 936 lacks comes out as a
// character of code page 936.
TEST(Big5ToGb, EveryBig5CharacterAsItselfWhereCodePage936HoldsIt) {
    ConversionSettings settings(LANGUAGE_TYPE_GB, 1);
    Faults notItself("Big5 -> GB does not keep the character"), invalid("Big5 -> GB gives no character");
    Faults notBack("Big5 -> GB -> Big5 does not give the bytes back");
    int held = 0, ambiguous = 0;
    std::string line, expectedLine;
    qml_test::ForEachPair(0xA1, 0xFE, 0x40, 0xFE, [&](unsigned lead, unsigned trail) {
        const std::string big5 = Pair(lead, trail);
        const std::optional<std::string> ch = Decode(CodePage::kBig5, big5);
        if (!ch || IsPrivateUse(*ch)) return;
        const std::string gb = Big2Gb(big5.c_str()).str();
        line += big5 + "z";
        expectedLine += gb + "z";
        const std::optional<std::string> gbCode = Encode(CodePage::kGbk, *ch);
        if (!gbCode || gbCode->size() != 2) {
            if (gb.size() != 2 || !Decode(CodePage::kGbk, gb)) invalid.Add(Hex(big5) + " -> " + Hex(gb));
            return;
        }
        ++held;
        if (gb != *gbCode) notItself.Add(Hex(big5) + " " + *ch + " -> " + Hex(gb));
        // Back to the character (a code page may give one character two codes), or to
        // the fixed code of a punctuation row.
        const std::string back = Gb2Big(gb.c_str()).str();
        const std::string punctuation = PunctuationFor(gb);
        if (punctuation.empty() ? Decode(CodePage::kBig5, back) == ch : back == punctuation) return;
#if defined(QML_TEST_OPENCC_DATA_DIR)
        if (qml_test::TaiwanForms()(*ch) == *ch) {
            notBack.Add(Hex(big5) + " " + *ch + " -> " + Hex(gb) + " -> " + Hex(back));
            return;
        }
#endif
        ++ambiguous;  // without OpenCC, only counted
    });
    EXPECT_TRUE(Big2Gb(line.c_str()).str() == expectedLine) << "in one line as one by one";
    // Code page 950 has some 13,900 double-byte characters; all but a few hundred of them
    // (user-defined ones above all) are in code page 936. Checks that the walk saw them.
    EXPECT_GT(held, 13000);
    // Characters that are traditional and also the simplified form of another (里 of 裡, 机 of
    // 機) come back as that other: a little over a hundred.
    EXPECT_LT(ambiguous, 200);
}

// Every double-byte character of code page 936 becomes one Big5 character, its Taiwan-standard
// form wherever Big5 holds it, or the Big5 blank: never bytes that Big5 reads as another
// character, and never the blank for a character that Big5 holds.
TEST(GbToBig5, EveryCodePage936CharacterAsOneBig5Character) {
#if defined(QML_TEST_OPENCC_DATA_DIR)
    ASSERT_TRUE(qml_test::TaiwanForms().Ready() && qml_test::SimplifiedForms().Ready());
#endif
    ConversionSettings settings(LANGUAGE_TYPE_BIG5, 1);
    Faults asAnother("GB -> Big5 copies bytes that Big5 reads as no or another character");
    Faults lost("GB -> Big5 gives the blank or no character though Big5 holds the character");
    Faults notTaiwan("GB -> Big5 does not give the Taiwan-standard form that Big5 holds");
    int characters = 0;
    std::string line, expectedLine;
    qml_test::ForEachPair(0x81, 0xFE, 0x40, 0xFE, [&](unsigned lead, unsigned trail) {
        const std::string gb = Pair(lead, trail);
        const std::optional<std::string> ch = Decode(CodePage::kGbk, gb);
        if (trail == 0x7F || !ch || IsPrivateUse(*ch)) return;
        ++characters;
        const std::string converted = Gb2Big((gb + "z").c_str()).str();
        line += gb + "z";
        expectedLine += converted;
        const std::string big5 = converted.substr(0, 2);
        if (converted.size() != 3 || converted[2] != 'z') {
            asAnother.Add(Hex(gb) + " " + *ch + " -> " + Hex(converted) + " (not one pair)");
            return;
        }
        const std::optional<std::string> result = Decode(CodePage::kBig5, big5);
        if (big5 == gb && result != ch) asAnother.Add(Hex(gb) + " " + *ch + " -> " + Hex(big5));
        const bool inBig5 = Encode(CodePage::kBig5, *ch).has_value();
        // (The blank is itself the ideographic space.)
        if ((big5 == kBig5Blank || !result) && inBig5 && *ch != "\u3000")
            lost.Add(Hex(gb) + " " + *ch + " -> " + Hex(big5));
#if defined(QML_TEST_OPENCC_DATA_DIR)
        // A character becomes its Taiwan-standard form where Big5 holds that; a traditional
        // one (of another, simplified character) that Big5 holds may stay itself.
        const std::string taiwan = qml_test::TaiwanForms()(*ch);
        const bool mayStay = inBig5 && qml_test::SimplifiedForms()(*ch) != *ch;
        if (PunctuationFor(gb).empty() && (mayStay || Encode(CodePage::kBig5, taiwan)) && result != taiwan &&
            !(mayStay && result == ch))
            notTaiwan.Add(Hex(gb) + " " + *ch + " -> " + Hex(big5) + " " + result.value_or("?") + ", not " +
                          taiwan);
#endif
    });
    EXPECT_TRUE(Gb2Big(line.c_str()).str() == expectedLine) << "in one line as one by one";
    // Code page 936 has 21,791 double-byte characters besides its user-defined area. Checks
    // that the walk saw them.
    EXPECT_GT(characters, 21000);
}

// The sentences of the bug reports, checked by hand: GB to Big5 gives Taiwan-standard forms,
// GBK's own traditional characters included; Big5 to GB keeps every traditional character and
// GB to Big5 gives its bytes back.
TEST(Conversion, HandCheckedSentences) {
    ConversionSettings settings(LANGUAGE_TYPE_GB, 1);
    struct Sample {
        const char* gb;
        const char* big5;
    };
    const Sample toBig5[] = {
        {"机器 后来 于是 据说 准备 范围 复杂 启动 钩子 竖线 并且 体系",
         "機器 後來 於是 據說 準備 範圍 復雜 啟動 鉤子 豎線 並且 體系"},
        {"們啓准机体這個祇里", "們啟準機體這個祇裡"},
        {"钵酝鳄镎 国们“中文”", "缽醞鱷錼 國們「中文」"},
    };
    for (const Sample& sample : toBig5) {
        const std::optional<std::string> gb = Encode(CodePage::kGbk, sample.gb);
        ASSERT_TRUE(gb) << sample.gb;
        EXPECT_EQ(Decode(CodePage::kBig5, Gb2Big(gb->c_str()).str()).value_or("?"), sample.big5);
    }
    const char* const traditional = "們啟準機體這個祇裏 複製 併發 註冊";
    const std::optional<std::string> big5 = Encode(CodePage::kBig5, traditional);
    ASSERT_TRUE(big5);
    const std::string gb = Big2Gb(big5->c_str()).str();
    EXPECT_EQ(Decode(CodePage::kGbk, gb).value_or("?"), traditional);
    EXPECT_EQ(Hex(Gb2Big(gb.c_str())), Hex(*big5));
}

}  // namespace
