// The C runtime extras with their MSVC meaning.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdarg>
#include <string>

#include "platform/os.h"
#include "support/case_name.h"
#include "support/test_support.h"

namespace {

using qml::os::_access;
using qml::os::_mbscmp;
using qml::os::_stricmp;
using qml::os::_strlwr;
using qml::os::_strupr;

int Format(char* buffer, std::size_t count, const char* format, ...) {
    va_list args;
    va_start(args, format);
    int result = qml::os::_vsnprintf(buffer, count, format, args);
    va_end(args);
    return result;
}

struct FormatCase {
    std::size_t count;
    const char* format;
    const char* argument;
    int result;
    std::string bytes;  // the buffer's first count + 1 bytes afterwards ('#' = untouched)
};

class VsnprintfRule : public ::testing::TestWithParam<FormatCase> {};

TEST_P(VsnprintfRule, WritesAtMostCountBytes) {
    const FormatCase& c = GetParam();
    char buffer[32];
    std::fill(std::begin(buffer), std::end(buffer), '#');
    EXPECT_EQ(Format(buffer, c.count, c.format, c.argument), c.result);
    EXPECT_EQ(std::string(buffer, c.bytes.size()), c.bytes);
}

using namespace std::string_literals;
INSTANTIATE_TEST_SUITE_P(Cases, VsnprintfRule,
                         ::testing::Values(
                             // fits with room for the NUL: terminated, length returned
                             FormatCase{10, "%s", "abc", 3, "abc\0#"s},
                             FormatCase{5, "<%s>", "ab", 4, "<ab>\0#"s}, FormatCase{1, "%s", "", 0, "\0#"s},
                             // exactly count characters: all written, no NUL, length returned
                             FormatCase{4, "%s", "abcd", 4, "abcd#"s},
                             FormatCase{4, "<%s>", "ab", 4, "<ab>#"s},
                             // longer: cut to count bytes, not terminated, -1
                             FormatCase{4, "%s", "abcdef", -1, "abcd#"s},
                             FormatCase{1, "%s", "abcdef", -1, "a#"s},
                             FormatCase{3, "<%s>", "ab", -1, "<ab#"s}, FormatCase{0, "%s", "abc", -1, "#"s}),
                         // The whole text, then the count: abc_in_10.
                         [](const ::testing::TestParamInfo<FormatCase>& info) {
                             std::string text = info.param.format;
                             text.replace(text.find("%s"), 2, info.param.argument);
                             return qml_test::CaseName(text) + "_in_" + std::to_string(info.param.count);
                         });

TEST(Vsnprintf, FormatsNumbersAndManyArguments) {
    char buffer[64] = {};
    EXPECT_EQ(Format(buffer, sizeof buffer, "%d-%s-%c", 42, "x", 'y'), 6);
    EXPECT_STREQ(buffer, "42-x-y");
    EXPECT_EQ(Format(buffer, 3, "%d", 12345), -1);
    EXPECT_EQ(std::string(buffer, 3), "123");
}

struct CaseChange {
    std::string input;
    std::string lower;
    std::string upper;
};

class AsciiCaseChange : public ::testing::TestWithParam<CaseChange> {};

TEST_P(AsciiCaseChange, ChangesOnlyAsciiLettersInPlace) {
    std::string lower = GetParam().input;
    std::string upper = GetParam().input;
    EXPECT_EQ(_strlwr(lower.data()), lower.data());
    EXPECT_EQ(_strupr(upper.data()), upper.data());
    EXPECT_EQ(lower, GetParam().lower);
    EXPECT_EQ(upper, GetParam().upper);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, AsciiCaseChange,
    ::testing::Values(CaseChange{"Open File", "open file", "OPEN FILE"}, CaseChange{"", "", ""},
                      CaseChange{"a1[`@{Z", "a1[`@{z", "A1[`@{Z"},
                      // bytes from 0x80 up (double-byte characters, Latin-1 letters) stay
                      CaseChange{"\xC4\xE3\xBA\xC3"
                                 "Ab",
                                 "\xC4\xE3\xBA\xC3"
                                 "ab",
                                 "\xC4\xE3\xBA\xC3"
                                 "AB"},
                      CaseChange{"\xA4\x61\xA4\x41", "\xA4\x61\xA4\x61", "\xA4\x41\xA4\x41"},
                      CaseChange{"\xC0\xE0\xC9\xE9", "\xC0\xE0\xC9\xE9", "\xC0\xE0\xC9\xE9"}),
    [](const ::testing::TestParamInfo<CaseChange>& info) { return qml_test::CaseName(info.param.input); });

TEST(AsciiCaseChange, NullStaysNull) {
    EXPECT_EQ(_strlwr(nullptr), nullptr);
    EXPECT_EQ(_strupr(nullptr), nullptr);
}

int Sign(int value) {
    return (value > 0) - (value < 0);
}

struct CompareCase {
    const char* a;
    const char* b;
    int sign;
};

std::string ComparisonName(const ::testing::TestParamInfo<CompareCase>& info) {
    return qml_test::CaseName(info.param.a) + "_vs_" + qml_test::CaseName(info.param.b);
}

class Stricmp : public ::testing::TestWithParam<CompareCase> {};

TEST_P(Stricmp, ComparesIgnoringAsciiCase) {
    EXPECT_EQ(Sign(_stricmp(GetParam().a, GetParam().b)), GetParam().sign)
        << GetParam().a << " / " << GetParam().b;
    EXPECT_EQ(Sign(_stricmp(GetParam().b, GetParam().a)), -GetParam().sign);
}

INSTANTIATE_TEST_SUITE_P(Cases, Stricmp,
                         ::testing::Values(CompareCase{"abc", "ABC", 0}, CompareCase{"Open", "oPEN", 0},
                                           CompareCase{"", "", 0}, CompareCase{"abc", "abd", -1},
                                           CompareCase{"ABC", "abd", -1}, CompareCase{"b", "A", 1},
                                           CompareCase{"ab", "abc", -1}, CompareCase{"a", "", 1},
                                           // letters compare as lower case: '_' and '[' lie below 'a'
                                           CompareCase{"_", "A", -1}, CompareCase{"[", "a", -1},
                                           // bytes from 0x80 compare unsigned, without case
                                           CompareCase{"\xC0", "\xE0", -1}, CompareCase{"\x80", "z", 1}),
                         ComparisonName);

class Mbscmp : public ::testing::TestWithParam<CompareCase> {};

TEST_P(Mbscmp, ComparesBytesUnsigned) {
    EXPECT_EQ(Sign(_mbscmp(GetParam().a, GetParam().b)), GetParam().sign);
    EXPECT_EQ(Sign(_mbscmp(GetParam().b, GetParam().a)), -GetParam().sign);
}

INSTANTIATE_TEST_SUITE_P(Cases, Mbscmp,
                         ::testing::Values(CompareCase{"abc", "abc", 0}, CompareCase{"abc", "ABC", 1},
                                           CompareCase{"ab", "abc", -1}, CompareCase{"\xB0\xA1", "a", 1},
                                           CompareCase{"\xA4\xA4", "\xA4\xA5", -1},
                                           CompareCase{"\xC4\xE3\xBA\xC3", "\xC4\xE3\xBA\xC3", 0},
                                           CompareCase{"\xC4\xE3", "\xC4\xE3\xBA\xC3", -1}),
                         ComparisonName);

TEST(Access, TakesBackslashesAsSeparators) {
    qml_test::TempDir dir;
    ASSERT_EQ(::mkdir(dir.file("sub").c_str(), 0700), 0);
    qml_test::WriteFile(dir.file("sub/file.lng"), "x");
    std::string windowsForm = dir.path() + "\\sub\\file.lng";
    EXPECT_EQ(_access(windowsForm.c_str(), 0), 0);
    EXPECT_EQ(_access(dir.file("sub/file.lng").c_str(), 0), 0);
    EXPECT_EQ(_access(windowsForm.c_str(), 2), 0);
    EXPECT_EQ(_access(windowsForm.c_str(), 4), 0);
    EXPECT_EQ(_access(windowsForm.c_str(), 6), 0);
    EXPECT_EQ(_access((dir.path() + "\\sub").c_str(), 0), 0);
    EXPECT_EQ(_access((dir.path() + "\\sub\\missing.lng").c_str(), 0), -1);
    EXPECT_EQ(_access((dir.path() + "\\missing\\file.lng").c_str(), 0), -1);
    EXPECT_EQ(_access("", 0), -1);
    EXPECT_EQ(_access(nullptr, 0), -1);
}

}  // namespace
