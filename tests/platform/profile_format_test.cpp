// The profile reader's reading of the file format: sections, keys, values, quotes, blanks,
// case, duplicates, comments, byte-order mark and line ends.
#include <gtest/gtest.h>

#include <string>

#include "profile_fixture.h"

namespace {

using qml_test::ProfileRead;
using qml_test::ReadProfile;

// Every line ends in CR LF except where LF alone is written; a UTF-8 byte-order mark leads.
const char kProfile[] =
    "\xEF\xBB\xBF[First]\r\n"
    "opening=after the byte-order mark\r\n"
    "[Quotes]\r\n"
    "double=\"quoted value\"\r\n"
    "single='single quoted'\r\n"
    "one=\"\r\n"
    "apostrophe='\r\n"
    "empty quotes=\"\"\r\n"
    "mismatched=\"abc'\r\n"
    "inner=a \"b\" c\r\n"
    "open only=\"abc\r\n"
    "close only=abc\"\r\n"
    "spaced inside=\" a b \"\r\n"
    "blanks outside quotes=  \"kept\"  \r\n"
    "one char=x\r\n"
    "  [  Blanks\t]  \n"
    "\t key one \t=\t value one \t\n"
    "only blanks=   \t \n"
    "tab key\t=\tv\n"
    "inner blanks=a  b\tc\n"
    "[Case]\r\n"
    "MixedKey=first\r\n"
    "mixedkey=second\r\n"
    "[case]\r\n"
    "other=in the second section of the same name\r\n"
    "[Dup]\r\n"
    "a=1\r\n"
    "[Dup]\r\n"
    "a=2\r\n"
    "b=3\r\n"
    "[NoEquals]\r\n"
    "lonely\r\n"
    "lonely=a later value\r\n"
    "after=x\r\n"
    "[Empty]\r\n"
    "blank=\r\n"
    "[Comments]\r\n"
    ";hidden=1\r\n"
    "  ; hidden too=2\r\n"
    "shown=v ; not a comment\r\n"
    "#hash=kept\r\n"
    "[Equals]\r\n"
    "k=a=b\r\n"
    "spaced = = x\r\n"
    "[Trailing] text after the bracket\r\n"
    "t=1\r\n"
    "[Chinese]\r\n"
    "\xC4\xE3\xBA\xC3=\xA7\x41\xA6\x6E\r\n"
    "[Last]\r\n"
    "no newline=end";

namespace differs = qml_test::windows_differs;
using qml_test::Answer;

struct Case {
    const char* app;
    const char* key;
    const char* expected;              // null: the default comes back
    const char* windowsWhy = nullptr;  // set when Windows answers otherwise:
    const char* windowsExpected = nullptr;
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << qml_test::Printable(c.app) << " / " << qml_test::Printable(c.key);
}

class ProfileFormat : public qml_test::ProfileTest, public ::testing::WithParamInterface<Case> {};

// A value found, or the default with the last error of a key not found.
void ExpectAnswer(const ProfileRead& read, const char* expected) {
    if (expected) {
        EXPECT_EQ(read.text, expected);
        EXPECT_EQ(read.result, std::string(expected).size());
        EXPECT_EQ(read.lastError, ERROR_SUCCESS);
    } else {
        EXPECT_EQ(read.text, "<default>");
        EXPECT_EQ(read.result, 9u);
        EXPECT_EQ(read.lastError, qml_test::DefaultUsedError());
    }
    EXPECT_FALSE(read.wroteBeyondSize);
}

TEST_P(ProfileFormat, ReadsTheValueTheRulesGive) {
    const Case& c = GetParam();
    std::string file = Write("format.ini", kProfile);
    ExpectAnswer(ReadProfile(c.app, c.key, "<default>", 1024, file),
                 Answer(c.expected, c.windowsWhy, c.windowsExpected));
}

std::string FormatCaseName(const ::testing::TestParamInfo<Case>& info) {
    return qml_test::CaseName({info.param.app, info.param.key}, info.index);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ProfileFormat,
    ::testing::Values(
        // byte-order mark and line ends
        Case{"First", "opening", "after the byte-order mark"}, Case{"Last", "no newline", "end"},
        // quotes
        Case{"Quotes", "double", "quoted value"}, Case{"Quotes", "single", "single quoted"},
        Case{"Quotes", "one", "\""}, Case{"Quotes", "apostrophe", "'"}, Case{"Quotes", "empty quotes", ""},
        Case{"Quotes", "mismatched", "\"abc'"}, Case{"Quotes", "inner", "a \"b\" c"},
        Case{"Quotes", "open only", "\"abc"}, Case{"Quotes", "close only", "abc\""},
        Case{"Quotes", "spaced inside", " a b "}, Case{"Quotes", "blanks outside quotes", "kept"},
        Case{"Quotes", "one char", "x"},
        // blanks and tabs around lines, names and values, and around the arguments
        Case{"Blanks", "key one", "value one"}, Case{" \tBlanks ", "\t key one  ", "value one"},
        Case{"Blanks", "only blanks", ""}, Case{"Blanks", "tab key", "v"},
        Case{"Blanks", "inner blanks", "a  b\tc"}, Case{"Blanks", "keyone", nullptr},
        // case of names; only the first section of a name; the first key of a name
        Case{"CASE", "MIXEDKEY", "first"}, Case{"case", "mixedkey", "first"}, Case{"Case", "other", nullptr},
        Case{"Dup", "a", "1"}, Case{"Dup", "b", nullptr},
        // a key without '=' hides a later key of its name
        Case{"NoEquals", "lonely", nullptr}, Case{"NoEquals", "after", "x"},
        // an empty value is found with no character: the default is not used
        Case{"Empty", "blank", ""},
        // comments
        Case{"Comments", ";hidden", nullptr, differs::kSemicolonKey, "1"},
        Case{"Comments", "hidden", nullptr}, Case{"Comments", "hidden too", nullptr},
        Case{"Comments", "shown", "v ; not a comment"}, Case{"Comments", "#hash", "kept"},
        // the first '=' splits
        Case{"Equals", "k", "a=b"}, Case{"Equals", "spaced", "= x"},
        // a section name ends at its last ']'
        Case{"Trailing", "t", "1"},
        // bytes of the ANSI code page are names and values like any other
        Case{"Chinese", "\xC4\xE3\xBA\xC3", "\xA7\x41\xA6\x6E", differs::kCodePage,
             "\xEF\xBF\xBD"
             "A\xEF\xBF\xBDn"},
        // missing section and key
        Case{"Nowhere", "a", nullptr}, Case{"Dup", "zzz", nullptr}, Case{"", "a", nullptr},
        Case{"Empty", "", nullptr}),
    FormatCaseName);

// Files of their own: each case writes its file and reads one key of it.
struct FileCase {
    const char* file;  // names the case
    std::string bytes;
    const char* app;
    const char* key;
    const char* expected;  // null: the default comes back
    const char* windowsWhy = nullptr;
    const char* windowsExpected = nullptr;
};

void PrintTo(const FileCase& c, std::ostream* os) {
    *os << c.file << ": " << qml_test::Printable(c.app) << " / " << qml_test::Printable(c.key);
}

// A language file as the library writes its header.
const char kLanguageFile[] =
    ";Quorvel MultiLanguage File\r\n;Create By Velmarkund On 2024-01-01 10:00:00\r\n\r\n"
    ";; MultiLanguage Translate Description\r\n[LanguageTypeCpt]\r\nEnglish=English\r\n\r\n"
    ";; MultiLanguage Parameter\r\n[Lngpara]\r\n; Auto Delete Space Character\r\n"
    "DeleteSpace=1\r\nIsAlpha=0\r\n\r\n[ProgramOutStr]";

class ProfileFiles : public qml_test::ProfileTest, public ::testing::WithParamInterface<FileCase> {};

TEST_P(ProfileFiles, ReadTheValueTheRulesGive) {
    const FileCase& c = GetParam();
    std::string file = Write(std::string(c.file) + ".ini", c.bytes);
    ExpectAnswer(ReadProfile(c.app, c.key, "<default>", 1024, file),
                 Answer(c.expected, c.windowsWhy, c.windowsExpected));
}

std::string FileCaseName(const ::testing::TestParamInfo<FileCase>& info) {
    return qml_test::CaseName({info.param.file, info.param.app, info.param.key}, info.index);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ProfileFiles,
    ::testing::Values(
        // A byte-order mark is skipped only at the start: in the middle of the file it is part
        // of the line, which is then no section.
        FileCase{"bom", "[A]\nk=1\n\xEF\xBB\xBF[B]\nk=2\n", "A", "k", "1"},
        FileCase{"bom", "[A]\nk=1\n\xEF\xBB\xBF[B]\nk=2\n", "B", "k", nullptr},
        FileCase{"bom", "[A]\nk=1\n\xEF\xBB\xBF[B]\nk=2\n", "\xEF\xBB\xBF[B]", "k", nullptr},
        // entries before the first section belong to none
        FileCase{"nosection", "k=before\n[S]\nk=inside\n", "S", "k", "inside"},
        FileCase{"nosection", "k=before\n[S]\nk=inside\n", "", "k", nullptr, differs::kNoSectionEntries,
                 "before"},
        // a language file with the library's header reads as its sections say
        FileCase{"language", kLanguageFile, "LanguageTypeCpt", "English", "English"},
        FileCase{"language", kLanguageFile, "Lngpara", "DeleteSpace", "1"},
        FileCase{"language", kLanguageFile, "Lngpara", "IsAlpha", "0"},
        FileCase{"language", kLanguageFile, "Lngpara", "; Auto Delete Space Character", nullptr},
        FileCase{"language", kLanguageFile, "ProgramOutStr", "Open", nullptr}),
    FileCaseName);

}  // namespace
