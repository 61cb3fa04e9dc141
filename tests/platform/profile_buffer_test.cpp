// The profile reader's buffer contract: results, cutting of values and defaults, the
// smallest sizes, null arguments, the default's trailing spaces, name lists and paths.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <string>
#include <tuple>
#include <vector>

#include "profile_fixture.h"

namespace {

using qml_test::ProfileRead;
using qml_test::ReadProfile;

const char kProfile[] = "[S]\nvalue=abcdef\nempty=\nother=x\n[T]\n[U]\nlong key name=1\n";

class ProfileBuffer : public qml_test::ProfileTest {};

struct SizeCase {
    const char* key;  // "value", or a missing key to read the default
    const char* def;
    DWORD size;
    const char* expected;
    DWORD result;
};

class ProfileSizes : public qml_test::ProfileTest, public ::testing::WithParamInterface<SizeCase> {};

TEST_P(ProfileSizes, CutsToSizeMinusOneAndTerminates) {
    const SizeCase& c = GetParam();
    ProfileRead read = ReadProfile("S", c.key, c.def, c.size, Write("sizes.ini", kProfile));
    EXPECT_EQ(read.text, c.expected);
    EXPECT_EQ(read.result, c.result);
    EXPECT_EQ(read.raw[read.result], '\0');
    EXPECT_FALSE(read.wroteBeyondSize);
}

INSTANTIATE_TEST_SUITE_P(
    Values, ProfileSizes,
    ::testing::Values(SizeCase{"value", "dflt", 1, "", 0}, SizeCase{"value", "dflt", 2, "a", 1},
                      SizeCase{"value", "dflt", 3, "ab", 2}, SizeCase{"value", "dflt", 6, "abcde", 5},
                      SizeCase{"value", "dflt", 7, "abcdef", 6}, SizeCase{"value", "dflt", 8, "abcdef", 6},
                      SizeCase{"value", "dflt", 1024, "abcdef", 6},
                      // an empty value fits any size and never gives the default
                      SizeCase{"empty", "dflt", 1, "", 0}, SizeCase{"empty", "dflt", 2, "", 0}));

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
                      SizeCase{"missing", "dflt\t", 64, "dflt\t", 5}, SizeCase{"missing", "   ", 64, "", 0}));

TEST_F(ProfileBuffer, ASizeOfZeroWritesNothing) {
    std::string file = Write("zero.ini", kProfile);
    char buffer[4] = {'z', 'z', 'z', 'z'};
    qml::os::SetLastError(0);
    EXPECT_EQ(qml::os::GetPrivateProfileStringA("S", "value", "d", buffer, 0, file.c_str()), 0u);
    EXPECT_EQ(std::string(buffer, 4), "zzzz");
    EXPECT_EQ(qml::os::GetLastError(), ERROR_INVALID_PARAMETER);
}

TEST_F(ProfileBuffer, ANullBufferReturnsZero) {
    std::string file = Write("null.ini", kProfile);
    EXPECT_EQ(qml::os::GetPrivateProfileStringA("S", "value", "d", nullptr, 16, file.c_str()), 0u);
    EXPECT_EQ(qml::os::GetLastError(), ERROR_INVALID_PARAMETER);
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
// a second NUL after the last; cut lists end in two NULs and give size - 2.
struct ListCase {
    const char* app;
    DWORD size;
    std::string expected;  // the whole buffer up to and including the list's final NUL
    DWORD result;
};

class ProfileLists : public qml_test::ProfileTest, public ::testing::WithParamInterface<ListCase> {};

TEST_P(ProfileLists, ListNamesInFileOrder) {
    const ListCase& c = GetParam();
    ProfileRead read = ReadProfile(c.app, nullptr, "unused", c.size, Write("lists.ini", kProfile));
    EXPECT_EQ(read.result, c.result);
    EXPECT_EQ(read.raw.substr(0, c.expected.size()), c.expected);
    EXPECT_FALSE(read.wroteBeyondSize);
}

using namespace std::string_literals;
INSTANTIATE_TEST_SUITE_P(Lists, ProfileLists,
                         ::testing::Values(ListCase{"S", 64, "value\0empty\0other\0\0"s, 18},
                                           ListCase{" s ", 64, "value\0empty\0other\0\0"s, 18},
                                           ListCase{"S", 19, "value\0empty\0other\0\0"s, 18},
                                           ListCase{"S", 18, "value\0empty\0othe\0\0"s, 16},
                                           ListCase{"S", 10, "value\0em\0\0"s, 8},
                                           ListCase{"S", 7, "value\0\0"s, 5}, ListCase{"S", 2, "\0\0"s, 0},
                                           ListCase{"S", 1, "\0"s, 0}, ListCase{"T", 64, "\0\0"s, 0},
                                           ListCase{"Missing", 64, "\0\0"s, 0},
                                           ListCase{nullptr, 64, "S\0T\0U\0\0"s, 6},
                                           ListCase{nullptr, 5, "S\0T\0\0"s, 3}));

TEST_F(ProfileBuffer, AListOfAMissingFileIsEmpty) {
    ProfileRead read = ReadProfile(nullptr, nullptr, "unused", 8, dir().file("missing.ini"));
    EXPECT_EQ(read.result, 0u);
    EXPECT_EQ(read.raw.substr(0, 2), std::string("\0\0", 2));
    EXPECT_EQ(read.lastError, ERROR_FILE_NOT_FOUND);
}

TEST_F(ProfileBuffer, MissingFileSectionAndKeyGiveTheDefaultAndFileNotFound) {
    std::string file = Write("missing.ini", kProfile);
    for (const auto& [path, app, key] : std::vector<std::tuple<std::string, const char*, const char*>>{
             {dir().file("absent.ini"), "S", "value"}, {file, "Absent", "value"}, {file, "S", "absent"}}) {
        ProfileRead read = ReadProfile(app, key, "fallback", 64, path);
        EXPECT_EQ(read.text, "fallback");
        EXPECT_EQ(read.result, 8u);
        EXPECT_EQ(read.lastError, ERROR_FILE_NOT_FOUND);
    }
    ProfileRead found = ReadProfile("S", "other", "fallback", 64, file);
    EXPECT_EQ(found.lastError, ERROR_SUCCESS);
}

}  // namespace
