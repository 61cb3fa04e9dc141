// The UTF-8 entry points over language files of several code pages: what goes in, what comes
// out, bad UTF-8 and buffers too small for the result.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <tuple>
#include <utility>

#include "language/language_encoding.h"
#include "quorvel/multilanguage_c.h"
#include "support/system_mapping.h"
#include "support/test_support.h"
#include "util/utf8_text.h"

namespace {

using qml_test::TempDir;
using qml_test::WriteFile;

// A catalogue of the two Chinese languages, one Latin-1 language and one of each way of
// declaring a code page, with the files given in their own bytes.
class Utf8Languages : public ::testing::Test {
  protected:
    Utf8Languages() {
        WriteFile(
            m_dir.file("Language.ini"),
            "[LanguageType]\n0=Big5\n1=Gb\n2=English\n3=French\n4=Undeclared\n5=Cantonese\n6=Unknown\n");
        WriteFile(m_dir.file("Big5.lng"), "[ProgramOutStr]\nOpen=\xB6}\xB1\xD2\n");
        WriteFile(m_dir.file("Gb.lng"), "[ProgramOutStr]\nOpen=\xB4\xF2\xBF\xAA\nBad=\xB4\x30\n");
        WriteFile(m_dir.file("French.lng"),
                  "[Lngpara]\nCodePage=1252\n[ProgramOutStr]\nEdit=\xC9"
                  "dition\nPr\xE9"
                  "f\xE9rences=R\xE9glages\n");
        WriteFile(m_dir.file("Undeclared.lng"),
                  "[ProgramOutStr]\nOpen=\xD6"
                  "ffnen\n");
        WriteFile(m_dir.file("Cantonese.lng"),
                  "[Lngpara]\nCodePage=936\n[ProgramOutStr]\nOpen=\xB4\xF2\xBF\xAA\n");
        WriteFile(m_dir.file("Unknown.lng"),
                  "[Lngpara]\nCodePage=99999\n[ProgramOutStr]\nOpen=\xD6"
                  "ffnen\n");
    }
    ~Utf8Languages() override { qml_Set_MultiLanguage_Para(nullptr, QML_LANGUAGE_ENGLISH, nullptr, nullptr); }

    void Use(int language) { qml_Set_MultiLanguage_Para(m_dir.path().c_str(), language, nullptr, nullptr); }

    qml_test::ScopedEnv m_locale{"LC_ALL", "C"};
    TempDir m_dir;
};

struct Case {
    int language;
    int codePage;
    const char* key;
    const char* translation;
};

TEST_F(Utf8Languages, KeysAndTranslationsPassThroughTheLanguagesCodePage) {
    const Case cases[] = {
        {0, 950, "Open", "\xE9\x96\x8B\xE5\x95\x9F"},  // Big5
        {1, 936, "Open", "\xE6\x89\x93\xE5\xBC\x80"},  // GBK
        {3, 1252, "Edit",
         "\xC3\x89"
         "dition"},  // Latin-1 value
        {3, 1252,
         "Pr\xC3\xA9"
         "f\xC3\xA9rences",
         "R\xC3\xA9glages"},  // Latin-1 key too
        {4, 1252, "Open",
         "\xC3\x96"
         "ffnen"},                                     // no declaration
        {5, 936, "Open", "\xE6\x89\x93\xE5\xBC\x80"},  // declared 936
        {6, 1252, "Open",
         "\xC3\x96"
         "ffnen"},  // unknown code page
        {1, 936, "Bad",
         "\xEF\xBF\xBD"
         "0"},  // no character of 936
        {1, 936,
         "Op\xFF"
         "en",
         "Op?en"},                            // stray byte, untranslated
        {1, 936, "\xC0\xAF\xE6\x89", "???"},  // overlong form, cut sequence
        {3, 1252, "\xE6\x89\x93", "?"},       // no character of 1252
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        Use(c.language);
        EXPECT_EQ(qml_GetLanguageCodePage(), c.codePage);
        char buffer[64] = {};
        const size_t length = qml_GetMultiLanguageText_utf8(c.key, buffer, sizeof buffer, "ProgramOutStr");
        EXPECT_STREQ(buffer, c.translation);
        EXPECT_EQ(length, std::string(c.translation).size());
    }
}

// A language file saved as UTF-8 with the byte-order mark serves the ANSI functions what the
// same file in the language's code page serves, and the UTF-8 entry points UTF-8; a sequence
// that is not UTF-8 is read as U+FFFD, which the code page shows as '?'.
struct MarkedCase {
    int language;
    const char* file;
    const char* plain;  // the file in the code page; null: only the UTF-8 one
    const char* utf8;   // the same file in UTF-8, written after the mark
    const char* key;    // in the code page
    const char* translation;
    const char* caption;  // the language's caption line
    const char* translationUtf8;
};

TEST_F(Utf8Languages, AFileWithTheUtf8MarkServesTheCodePage) {
    const MarkedCase cases[] = {
        {0, "Big5.lng", "[LanguageTypeCpt]\nBig5=\xA4\xA4\xA4\xE5\n[ProgramOutStr]\nOpen=\xB6}\xB1\xD2\n",
         "[LanguageTypeCpt]\nBig5=\xE4\xB8\xAD\xE6\x96\x87\n[ProgramOutStr]\nOpen=\xE9\x96\x8B\xE5\x95\x9F\n",
         "Open", "\xB6}\xB1\xD2", "\xA4\xA4\xA4\xE5\n", "\xE9\x96\x8B\xE5\x95\x9F"},
        {1, "Gb.lng", "[LanguageTypeCpt]\nGb=\xD6\xD0\xCE\xC4\n[ProgramOutStr]\n\xB4\xF2\xBF\xAA=Open\n",
         "[LanguageTypeCpt]\nGb=\xE4\xB8\xAD\xE6\x96\x87\n[ProgramOutStr]\n\xE6\x89\x93\xE5\xBC\x80=Open\n",
         "\xB4\xF2\xBF\xAA", "Open", "\xD6\xD0\xCE\xC4\n", "Open"},
        {3, "French.lng",
         "[Lngpara]\nCodePage=1252\n[ProgramOutStr]\nPr\xE9"
         "f\xE9rences=R\xE9glages\n",
         "[Lngpara]\nCodePage=1252\n[ProgramOutStr]\nPr\xC3\xA9"
         "f\xC3\xA9rences=R\xC3\xA9glages\n",
         "Pr\xE9"
         "f\xE9rences",
         "R\xE9glages", "French\n", "R\xC3\xA9glages"},
        {1, "Gb.lng", nullptr, "[ProgramOutStr]\nBad=\xC3(\n", "Bad", "?(", "Gb\n", "\xEF\xBF\xBD("},
    };
    for (const MarkedCase& c : cases) {
        for (const bool marked : {false, true}) {
            if (!marked && !c.plain) continue;
            SCOPED_TRACE(std::string(c.file) + (marked ? " with the mark" : " in its code page"));
            WriteFile(m_dir.file(c.file), marked ? std::string("\xEF\xBB\xBF") + c.utf8 : c.plain);
            Use(c.language);
            char buffer[64] = {};
            EXPECT_STREQ(qml_GetMultiLanguageText(c.key, buffer, sizeof buffer, "ProgramOutStr"),
                         c.translation);
            EXPECT_STREQ(qml_GetLanguageTypeDescByType(c.language, buffer, sizeof buffer), c.caption);
            const std::string keyUtf8 = qml::LanguageEncoding().ToUtf8(c.key);
            qml_GetMultiLanguageText_utf8(keyUtf8.c_str(), buffer, sizeof buffer, "ProgramOutStr");
            EXPECT_STREQ(buffer, c.translationUtf8);
        }
    }
}

TEST_F(Utf8Languages, SmallBuffersGetWholeCharactersAndTheFullLength) {
    Use(1);
    const std::string full = "\xE6\x89\x93\xE5\xBC\x80";  // two characters of three bytes
    const std::pair<size_t, std::string> cases[] = {
        {1, ""}, {3, ""}, {4, full.substr(0, 3)}, {6, full.substr(0, 3)}, {7, full}};
    for (const auto& [size, written] : cases) {
        SCOPED_TRACE(size);
        char buffer[8];
        std::memset(buffer, 'x', sizeof buffer);
        EXPECT_EQ(qml_GetMultiLngText_ByAutoPart_utf8(buffer, size, "%s", "Open"), full.size());
        EXPECT_EQ(std::string(buffer), written);
        if (size < sizeof buffer) {
            EXPECT_EQ(buffer[size], 'x');  // nothing written beyond size
        }
    }
    EXPECT_EQ(qml_GetMultiLngText_ByAutoPart_utf8(nullptr, 0, "%s", "Open"), full.size());
    // A code-page result keeps its double-byte pairs whole in the same way.
    char pair[4] = {};
    EXPECT_EQ(qml_Gb2Big("\xB9\xFA\xC3\xC7", pair, 4), 4u);
    EXPECT_EQ(std::strlen(pair), 2u);
}

TEST(Utf8Text, InvalidSequencesBecomeOneReplacementEach) {
    const std::string r = "\xEF\xBF\xBD";
    const std::pair<const char*, std::string> cases[] = {
        {"abc", "abc"},
        {"\xF0\x9F\x98\x80", "\xF0\x9F\x98\x80"},  // four bytes, valid
        {"\xC3", r},                               // cut at the end
        {"\xE6\x89"
         "A",
         r + "A"},                            // cut before another character
        {"\xE0\x80\xAF", r + r + r},          // overlong: no valid second byte
        {"\xED\xA0\x80", r + r + r},          // a surrogate
        {"\xF4\x90\x80\x80", r + r + r + r},  // above U+10FFFF
        {"\x80\xBF", r + r},                  // continuation bytes alone
        {"\xFE\xFF", r + r},
    };
    for (const auto& [in, out] : cases) EXPECT_EQ(qml::ValidUtf8(in), out) << in;
    EXPECT_EQ(qml::ValidUtf8(nullptr), "");
}

// Where the system maps no character between the two scripts (Wine), every text comes back as
// valid UTF-8 in its own script.
TEST(ChineseScript, ConvertsCharacterForCharacterAndKeepsWhatHasNoCode) {
    const bool maps = qml_test::SystemMapsChineseCharacters();
    const std::tuple<const char*, int, const char*, const char*> cases[] = {
        // text, script, converted, kept
        {"\xE5\x9B\xBD\xE4\xBB\xAC", QML_LANGUAGE_BIG5, "\xE5\x9C\x8B\xE5\x80\x91",
         "\xE5\x9B\xBD\xE4\xBB\xAC"},
        {"\xE5\x9C\x8B\xE5\x80\x91", QML_LANGUAGE_GB, "\xE5\x9B\xBD\xE4\xBB\xAC", "\xE5\x9C\x8B\xE5\x80\x91"},
        {"\xE5\x9B\xBD \xF0\x9F\x98\x80 ?\r\n", QML_LANGUAGE_BIG5, "\xE5\x9C\x8B \xF0\x9F\x98\x80 ?\r\n",
         "\xE5\x9B\xBD \xF0\x9F\x98\x80 ?\r\n"},
        {"\xE5\x9B\xBD\xFF", QML_LANGUAGE_BIG5, "\xE5\x9C\x8B\xEF\xBF\xBD", "\xE5\x9B\xBD\xEF\xBF\xBD"},
        {"\xE5\x9B\xBD", QML_LANGUAGE_ENGLISH, "\xE5\x9B\xBD", "\xE5\x9B\xBD"},
    };
    for (const auto& [in, script, converted, kept] : cases) {
        const char* out = maps ? converted : kept;
        char buffer[64];
        EXPECT_EQ(qml_ConvertChineseScript_utf8(in, script, buffer, sizeof buffer), std::string(out).size());
        EXPECT_STREQ(buffer, out) << in;
    }
}

}  // namespace
