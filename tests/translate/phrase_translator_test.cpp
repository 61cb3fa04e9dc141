// The phrase translator: which keys a sentence is cut into, and how the translations and the
// untranslated bytes are joined, with DeleteSpace off and on.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "quorvel/multilanguage.h"
#include "support/test_language.h"
#include "translate/phrase_translator.h"

using qml_test::TestLanguage;
using Keys = std::vector<std::string>;

namespace {

// Every key that the cases look up translates to itself in angle brackets, so each
// translation is visible in the result. Names match without regard to case in the file, so
// no two keys differ in case only.
const qml_test::Entries& Dictionary() {
    static const qml_test::Entries entries = [] {
        qml_test::Entries e;
        for (const char* key :
             {"Open", "file", "failed", "Open file", "Total",    "items",          "Call",
              "now",  "Use",  "x",      "and",       "Hello",    "World",          "a",
              "b c",  "d",    "the",    "door",      "Open(#2)", "Price$",         "unclosed",
              "text", "OK",   "done",   "K",         "Word_G",   "unclosed group", "x{y",
              "z",    "y",    "$b",     "Word(#2)",  "ext",      "(#2)b",          "end",
              "(#3)", "b",    "Next"})
            e.emplace_back(key, std::string("<") + key + ">");
        return e;
    }();
    return entries;
}

// Runs the translator into a buffer of the given size with a guard byte behind it.
std::string Translate(const std::string& text, int size = 1024) {
    std::vector<char> buffer(static_cast<size_t>(size) + 1, 'z');
    buffer[static_cast<size_t>(size)] = '#';
    std::string result = GetMultiLngText_ByAutoPart(buffer.data(), size, "%s", text.c_str());
    EXPECT_EQ(buffer[static_cast<size_t>(size)], '#') << "wrote past the buffer";
    return result;
}

struct Case {
    const char* input;
    Keys keys;
    const char* withoutDeleteSpace;
    const char* withDeleteSpace;
};

const Case kSentences[] = {
    {"Open file failed", {"Open", "file", "failed"}, "<Open> <file> <failed>", "<Open><file><failed>"},
    {"{Open file} failed.", {"Open file", "failed"}, "<Open file> <failed>.", "<Open file><failed>."},
    {"Total: 5 items", {"Total", "items"}, "<Total>: 5 <items>", "<Total>: 5<items>"},
    {"Call $John$ now", {"Call", "", "now"}, "<Call> John <now>", "<Call>John<now>"},
    {"Use {{x}} and }}", {"Use", "x", "and"}, "<Use> {<x>} <and> }", "<Use>{<x>}<and>}"},
    {"Hello{World}", {"Hello", "World"}, "<Hello><World>", "<Hello><World>"},
    {"a{b c}d", {"a", "b c", "d"}, "<a><b c><d>", "<a><b c><d>"},
    {"Open(#2) the door", {"Open(#2)", "the", "door"}, "<Open(#2)> <the> <door>", "<Open(#2)><the><door>"},
    {"$$100", {}, "$100", "$100"},
    {"Price$", {"Price$"}, "<Price$>", "<Price$>"},
    {"$unclosed text", {"unclosed", "text"}, "$<unclosed> <text>", "$<unclosed><text>"},
    {"{unclosed group", {"unclosed group"}, "<unclosed group>", "<unclosed group>"},
    // Double-byte runs are copied; their trail bytes are never markup or letters.
    {"OK\xC4\xE3\xBA\xC3"
     "done",
     {"OK", "done"},
     "<OK>\xC4\xE3\xBA\xC3<done>",
     "<OK>\xC4\xE3\xBA\xC3<done>"},
    {"OK \xC4\xE3\xBA\xC3 done",
     {"OK", "", "done"},
     "<OK> \xC4\xE3\xBA\xC3 <done>",
     "<OK>\xC4\xE3\xBA\xC3<done>"},
    {"K\x81{x", {"K", "x"}, "<K>\x81{<x>", "<K>\x81{<x>"},
    {"K\x81}x", {"K", "x"}, "<K>\x81}<x>", "<K>\x81}<x>"},
    // A word ending in "_" leads the group's key.
    {"Word_{G}", {"Word_G"}, "<Word_G>", "<Word_G>"},
    // Braces do not nest, and inside a group "}}" is no escape.
    {"{x{y}z}", {"x{y", "z"}, "<x{y><z>}", "<x{y><z>}"},
    {"{x}}y}", {"x", "y"}, "<x>}<y>}", "<x>}<y>}"},
    {"{a}$b", {"a", "$b"}, "<a><$b>", "<a><$b>"},
    // The byte after a disambiguator is not classified again.
    {"Word(#2)Next", {"Word(#2)", "ext"}, "<Word(#2)>N<ext>", "<Word(#2)>N<ext>"},
    {"a (#2) b", {"a", "(#2)b"}, "<a>  <(#2)b>", "<a> <(#2)b>"},
    {"end (#3)", {"end", "(#3)"}, "<end><(#3)> ", "<end><(#3)>"},
    // In a row of spaces at most one goes.
    {"x  y", {"x", "y"}, "<x>  <y>", "<x> <y>"},
    {"a   b", {"a", "b"}, "<a>   <b>", "<a>  <b>"},
    {": \xC4\xE3", {""}, ": \xC4\xE3", ": \xC4\xE3"},
    {":  b", {"b"}, ":  <b>", ": <b>"},
    {"Open. 5 , file", {"Open", "file"}, "<Open>. 5 , <file>", "<Open>. 5 ,<file>"},
    {"", {}, "", ""},
};

class PhraseTranslator : public ::testing::TestWithParam<int> {};

TEST_P(PhraseTranslator, CutsSentencesIntoKeysAndJoinsTheTranslations) {
    int deleteSpace = GetParam();
    TestLanguage language(Dictionary(), deleteSpace);
    for (const Case& c : kSentences) {
        EXPECT_EQ(Translate(c.input), deleteSpace ? c.withDeleteSpace : c.withoutDeleteSpace) << c.input;
        EXPECT_EQ(language.TakeKeys(), c.keys) << c.input;
    }
}

INSTANTIATE_TEST_SUITE_P(DeleteSpace, PhraseTranslator, ::testing::Values(0, 1),
                         [](const auto& info) { return info.param ? "On" : "Off"; });

TEST(PhraseTranslatorBuffers, TheFormatIsFilledFirst) {
    TestLanguage language(Dictionary(), 0);
    char buffer[64];
    EXPECT_STREQ(GetMultiLngText_ByAutoPart(buffer, sizeof buffer, "%s: %d %s", "Total", 5, "items"),
                 "<Total>: 5 <items>");
    // A percent sign that an argument brings is a plain byte.
    EXPECT_STREQ(GetMultiLngText_ByAutoPart(buffer, sizeof buffer, "%s", "50% done"), "50% <done>");
    EXPECT_STREQ(GetMultiLngText_ByAutoPart(buffer, sizeof buffer, "100%% done"), "100% <done>");
    language.TakeKeys();
    EXPECT_STREQ(GetMultiLngText_ByAutoPart(buffer, sizeof buffer, nullptr), "");
    EXPECT_TRUE(language.TakeKeys().empty());
}

TEST(PhraseTranslatorBuffers, SmallDestinationsAreCutAndStayTerminated) {
    TestLanguage language(Dictionary(), 0);
    EXPECT_EQ(Translate("Open file failed", 8), "<Open> ");
    EXPECT_EQ(Translate("Open file failed", 2), "<");
    // Size 1 gives the empty text; the lookups are still made.
    language.TakeKeys();
    EXPECT_EQ(Translate("Open file", 1), "");
    EXPECT_EQ(language.TakeKeys(), (Keys{"Open", "file"}));

    char untouched[4] = {'q', 'q', 'q', '\0'};
    EXPECT_EQ(GetMultiLngText_ByAutoPart(untouched, 0, "Open"), untouched);
    EXPECT_STREQ(untouched, "qqq");
    EXPECT_EQ(GetMultiLngText_ByAutoPart(nullptr, 16, "Open"), nullptr);
}

// Words, groups, rows of plain bytes, stretches and runs longer than 255 bytes lose nothing.
TEST(PhraseTranslatorBuffers, LongPiecesAreKeptWhole) {
    TestLanguage language(Dictionary(), 0);
    const std::string word(300, 'w');
    EXPECT_EQ(Translate(word + " done"), word + " <done>");
    EXPECT_EQ(language.TakeKeys(), (Keys{word, "done"}));

    const std::string group = "{" + std::string(400, 'g') + " h}";
    EXPECT_EQ(Translate(group), std::string(400, 'g') + " h");
    EXPECT_EQ(language.TakeKeys(), (Keys{std::string(400, 'g') + " h"}));

    const std::string digits(600, '7');
    EXPECT_EQ(Translate(digits + " done"), digits + " <done>");
    EXPECT_EQ(language.TakeKeys(), (Keys{"done"}));

    // The whole stretch is copied and handling goes on after its closing dollar sign.
    const std::string stretch(300, 's');
    EXPECT_EQ(Translate("$" + stretch + "$ done"), stretch + " <done>");
    EXPECT_EQ(language.TakeKeys(), (Keys{"", "done"}));

    // 150 double-byte characters: the run ends right before OK, which is looked up as a word.
    std::string run;
    for (int i = 0; i < 150; ++i) run += "\xC4\xE3";
    EXPECT_EQ(Translate(run + "OK"), run + "<OK>");
    EXPECT_EQ(language.TakeKeys(), (Keys{"", "OK"}));
}

TEST(PhraseTranslatorBuffers, SentencesAreCutTo1023Bytes) {
    TestLanguage language(Dictionary(), 0);
    const std::string longWord(2000, 'w');
    EXPECT_EQ(Translate(longWord, 4096), std::string(1022, 'w'));  // the lookup gives back 1022
    EXPECT_EQ(language.TakeKeys(), (Keys{std::string(1023, 'w')}));
    // A cut through a double-byte character leaves its lead byte, copied as a run of one.
    std::string text(1022, '.');
    text += "\xC4\xE3";
    EXPECT_EQ(Translate(text, 4096), std::string(1022, '.') + "\xC4");
}

TEST(DoubleByteRun, EndsAtTheFirstAsciiByteOfAPairOrAtTheEnd) {
    const struct {
        const char* text;
        long end;
    } cases[] = {
        {"", 0},
        {"\x81", 1},  // a lead byte at the end of the text
        {"\x81"
         "A",
         2},  // a trail byte in the ASCII range belongs to its pair
        {"\x81"
         "Ax",
         2},
        {"\x81\x40\x82\x7D{", 4},
        {"\x81\x40\x82", 3},  // the NUL ends it at any distance
        {"\x81\x81\x81\x81\x81 ", 6},
    };
    for (const auto& c : cases)
        EXPECT_EQ(qml::FindDoubleByteRunEnd(c.text, c.text + std::strlen(c.text) + 1) - c.text, c.end)
            << testing::PrintToString(c.text);
}

}  // namespace
