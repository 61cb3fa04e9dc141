// The profile reader's buffer contract: results, cutting of values and defaults, the
// smallest sizes, null arguments, the default's trailing spaces, name lists and paths.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "profile_fixture.h"

namespace {

using qml_test::ProfileRead;
using qml_test::ReadProfile;

const char kProfile[] = "[S]\nvalue=abcdef\nempty=\nother=x\n[T]\n[U]\nlong key name=1\n";

namespace differs = qml_test::windows_differs;
using qml_test::Answer;

class ProfileBuffer : public qml_test::ProfileTest {};

struct SizeCase {
    const char* key;  // "value", or a missing key to read the default
    const char* def;
    DWORD size;
    const char* expected;
    DWORD result;
    const char* windowsWhy = nullptr;  // set when Windows answers otherwise:
    const char* windowsExpected = nullptr;
    DWORD windowsResult = 0;
};

void PrintTo(const SizeCase& c, std::ostream* os) {
    *os << c.key << ", default " << qml_test::Printable(c.def) << ", size " << c.size;
}

class ProfileSizes : public qml_test::ProfileTest, public ::testing::WithParamInterface<SizeCase> {};

TEST_P(ProfileSizes, CutsToSizeMinusOneAndTerminates) {
    const SizeCase& c = GetParam();
    ProfileRead read = ReadProfile("S", c.key, c.def, c.size, Write("sizes.ini", kProfile));
    EXPECT_EQ(read.text, Answer(c.expected, c.windowsWhy, c.windowsExpected));
    EXPECT_EQ(read.result, Answer(c.result, c.windowsWhy, c.windowsResult));
    EXPECT_EQ(read.raw[read.result], '\0');
    EXPECT_FALSE(read.wroteBeyondSize);
}

std::string SizeCaseName(const ::testing::TestParamInfo<SizeCase>& info) {
    std::string size = std::to_string(info.param.size);
    return qml_test::CaseName({info.param.key, info.param.def, size.c_str()}, info.index);
}

INSTANTIATE_TEST_SUITE_P(
    Values, ProfileSizes,
    ::testing::Values(SizeCase{"value", "dflt", 1, "", 0}, SizeCase{"value", "dflt", 2, "a", 1},
                      SizeCase{"value", "dflt", 3, "ab", 2}, SizeCase{"value", "dflt", 6, "abcde", 5},
                      SizeCase{"value", "dflt", 7, "abcdef", 6}, SizeCase{"value", "dflt", 8, "abcdef", 6},
                      SizeCase{"value", "dflt", 1024, "abcdef", 6},
                      // an empty value fits any size and never gives the default
                      SizeCase{"empty", "dflt", 1, "", 0}, SizeCase{"empty", "dflt", 2, "", 0}),
    SizeCaseName);

INSTANTIATE_TEST_SUITE_P(
    Defaults, ProfileSizes,
    ::testing::Values(SizeCase{"missing", "default", 1, "", 0}, SizeCase{"missing", "default", 2, "d", 1},
                      SizeCase{"missing", "default", 4, "def", 3},
                      SizeCase{"missing", "default", 7, "defaul", 6},
                      SizeCase{"missing", "default", 8, "default", 7}, SizeCase{"missing", "", 8, "", 0},
                      SizeCase{"missing", nullptr, 8, "", 0},
                      // trailing spaces of a default are not copied; leading ones and tabs are
                      SizeCase{"missing", "dflt   ", 64, "dflt", 4},
                      SizeCase{"missing", "  dflt", 64, "  dflt", 6},
                      SizeCase{"missing", "dflt\t", 64, "dflt\t", 5},
                      SizeCase{"missing", "   ", 64, "", 0, differs::kSpaceDefault, " ", 1}),
    SizeCaseName);

// A null buffer or a size of 0: nothing is written and the result is 0.
TEST_F(ProfileBuffer, NoRoomWritesNothing) {
    std::string file = Write("zero.ini", kProfile);
    char buffer[4] = {'z', 'z', 'z', 'z'};
    for (const auto& [out, size] : std::vector<std::pair<char*, DWORD>>{{buffer, 0}, {nullptr, 16}}) {
        SCOPED_TRACE(size);
        qml::os::SetLastError(12345);
        EXPECT_EQ(qml::os::GetPrivateProfileStringA("S", "value", "d", out, size, file.c_str()), 0u);
        EXPECT_EQ(qml::os::GetLastError(),
                  Answer<DWORD>(ERROR_INVALID_PARAMETER, differs::kNoRoomError, 12345));
    }
    EXPECT_EQ(std::string(buffer, 4), "zzzz");
}

TEST_F(ProfileBuffer, ANullOrEmptyFileNameFindsNothing) {
    char buffer[16];
    EXPECT_EQ(qml::os::GetPrivateProfileStringA("S", "value", "d", buffer, sizeof buffer, nullptr), 1u);
    EXPECT_STREQ(buffer, "d");
    EXPECT_EQ(qml::os::GetPrivateProfileStringA("S", "value", "d", buffer, sizeof buffer, ""), 1u);
    EXPECT_STREQ(buffer, "d");
}

TEST_F(ProfileBuffer, BackslashesOfAPathAreSeparators) {
    std::string file = Write("slashes.ini", kProfile);
    std::string windowsForm = dir().path() + "\\slashes.ini";
    EXPECT_EQ(Value(windowsForm, "S", "value"), "abcdef");
}

// A bare file name is looked for in the system's own directory, never in the working one.
TEST_F(ProfileBuffer, ABareFileNameIsNotLookedForInTheWorkingDirectory) {
    Write("bare.ini", kProfile);
    char* previous = ::getcwd(nullptr, 0);
    ASSERT_NE(previous, nullptr);
    ASSERT_EQ(::chdir(dir().path().c_str()), 0);
    std::string bare = Value("bare.ini", "S", "value");
    std::string relative = Value(".\\bare.ini", "S", "value");
    EXPECT_EQ(::chdir(previous), 0);
    std::free(previous);
    EXPECT_EQ(bare, "<default>");
    EXPECT_EQ(relative, "abcdef");
}

// A null section lists the sections, a null key the keys of a section: each name and a NUL,
// a second NUL after the last; cut lists end in two NULs and give size - 2. A missing file
// or section gives an empty list.
struct ListCase {
    const char* file;  // "lists" (kProfile), or "missing" for a file that is not there
    const char* app;
    DWORD size;
    std::string expected;  // the buffer up to and including the list's final NUL
    DWORD result;
    DWORD lastError;
    const char* windowsWhy = nullptr;  // set when Windows answers otherwise:
    std::string windowsExpected = {};
    DWORD windowsResult = 0;
    std::optional<DWORD> windowsLastError = {};  // where the last error differs too
};

void PrintTo(const ListCase& c, std::ostream* os) {
    *os << c.file << ", section " << qml_test::Printable(c.app) << ", size " << c.size;
}

class ProfileLists : public qml_test::ProfileTest, public ::testing::WithParamInterface<ListCase> {};

TEST_P(ProfileLists, ListNamesInFileOrder) {
    const ListCase& c = GetParam();
    std::string file =
        std::string(c.file) == "missing" ? dir().file("missing.ini") : Write("lists.ini", kProfile);
    ProfileRead read = ReadProfile(c.app, nullptr, "unused", c.size, file);
    std::string expected = Answer(c.expected, c.windowsWhy, c.windowsExpected);
    EXPECT_EQ(read.result, Answer(c.result, c.windowsWhy, c.windowsResult));
    EXPECT_EQ(read.raw.substr(0, expected.size()), expected);
    EXPECT_EQ(read.lastError, Answer(c.lastError, c.windowsWhy, c.windowsLastError.value_or(c.lastError)));
    EXPECT_FALSE(read.wroteBeyondSize);
}

std::string ListCaseName(const ::testing::TestParamInfo<ListCase>& info) {
    std::string size = std::to_string(info.param.size);
    return qml_test::CaseName({info.param.file, info.param.app, size.c_str()}, info.index);
}

using namespace std::string_literals;
// What the reader leaves unwritten is the fixture's fill byte, 0x7f.
INSTANTIATE_TEST_SUITE_P(
    Lists, ProfileLists,
    ::testing::Values(
        ListCase{"lists", "S", 64, "value\0empty\0other\0\0"s, 18, ERROR_SUCCESS},
        ListCase{"lists", " s ", 64, "value\0empty\0other\0\0"s, 18, ERROR_SUCCESS, differs::kUntrimmedList,
                 "unused\0"s, 6},
        ListCase{"lists", "S", 19, "value\0empty\0other\0\0"s, 18, ERROR_SUCCESS, differs::kListCut,
                 "value\0empty\0other\0\x7f"s, 17},
        ListCase{"lists", "S", 18, "value\0empty\0othe\0\0"s, 16, ERROR_SUCCESS, differs::kListCut,
                 "value\0empty\0othe\0\x7f"s, 16},
        ListCase{"lists", "S", 10, "value\0em\0\0"s, 8, ERROR_SUCCESS, differs::kListCut, "value\0em\0\x7f"s,
                 8},
        ListCase{"lists", "S", 7, "value\0\0"s, 5, ERROR_SUCCESS, differs::kListCut, "value\0\x7f"s, 5},
        ListCase{"lists", "S", 2, "\0\0"s, 0, ERROR_SUCCESS, differs::kTinyList, "u\0"s, 1},
        ListCase{"lists", "S", 1, "\0"s, 0, ERROR_SUCCESS, differs::kOneByteList, "\0"s, 0,
                 ERROR_INVALID_PARAMETER},
        ListCase{"lists", "T", 64, "\0\0"s, 0, ERROR_SUCCESS, differs::kListOfNothing, "unused\0"s, 6},
        ListCase{"lists", "Missing", 64, "\0\0"s, 0, ERROR_FILE_NOT_FOUND, differs::kListOfNothing,
                 "unused\0"s, 6, ERROR_SUCCESS},
        ListCase{"lists", nullptr, 64, "S\0T\0U\0\0"s, 6, ERROR_SUCCESS},
        ListCase{"lists", nullptr, 5, "S\0T\0\0"s, 3, ERROR_SUCCESS, differs::kListCut, "S\0T\0\x7f"s, 3},
        ListCase{"missing", nullptr, 8, "\0\0"s, 0, ERROR_FILE_NOT_FOUND, differs::kMissingFileList,
                 "\0\x7f"s, 0}),
    ListCaseName);

TEST_F(ProfileBuffer, MissingFileSectionAndKeyGiveTheDefaultAndFileNotFound) {
    std::string file = Write("missing.ini", kProfile);
    struct Missing {
        std::string path;
        const char* app;
        const char* key;
        DWORD lastError;
    };
    for (const Missing& m : {Missing{dir().file("absent.ini"), "S", "value", ERROR_FILE_NOT_FOUND},
                             Missing{file, "Absent", "value", qml_test::DefaultUsedError()},
                             Missing{file, "S", "absent", qml_test::DefaultUsedError()}}) {
        SCOPED_TRACE(m.path + " " + m.app + " " + m.key);
        ProfileRead read = ReadProfile(m.app, m.key, "fallback", 64, m.path);
        EXPECT_EQ(read.text, "fallback");
        EXPECT_EQ(read.result, 8u);
        EXPECT_EQ(read.lastError, m.lastError);
    }
    ProfileRead found = ReadProfile("S", "other", "fallback", 64, file);
    EXPECT_EQ(found.lastError, ERROR_SUCCESS);
}

}  // namespace
