// The shared utility services: bounded print, error texts, the time stamp, the file writer.
#include <gtest/gtest.h>

#include <cstring>
#include <regex>
#include <string>

#include "support/test_support.h"
#include "util/shared_utility.h"

namespace {

TEST(KvSnprintf, CountsWhatItWroteAlsoWhenCut) {
    const struct {
        int n;
        const char* expected;
        int count;
    } cases[] = {
        {100, "hello 42", 8}, {9, "hello 42", 8}, {8, "hello 4", 7}, {2, "h", 1}, {1, "", 0},
    };
    for (const auto& c : cases) {
        char buffer[128];
        std::memset(buffer, 'x', sizeof buffer);
        EXPECT_EQ(qml::kvSnprintf(buffer, c.n, "%s %d", "hello", 42), c.count) << c.n;
        EXPECT_STREQ(buffer, c.expected) << c.n;
        EXPECT_EQ(buffer[c.n], 'x') << "wrote past n = " << c.n;
    }
}

TEST(KvSnprintf, WritesNothingWithoutRoom) {
    char buffer[4] = {'a', 'b', 'c', '\0'};
    EXPECT_EQ(qml::kvSnprintf(buffer, 0, "%s", "xyz"), 0);
    EXPECT_EQ(qml::kvSnprintf(buffer, -5, "%s", "xyz"), 0);
    EXPECT_STREQ(buffer, "abc");
    EXPECT_EQ(qml::kvSnprintf(nullptr, 10, "%s", "xyz"), 0);
    EXPECT_EQ(qml::kvSnprintf(buffer, sizeof buffer, nullptr), 0);
    EXPECT_STREQ(buffer, "");
}

TEST(KvFormatMessage, NamesTheError) {
    EXPECT_FALSE(qml::kvFormatMessage(2).IsEmpty());
    EXPECT_NE(qml::kvFormatMessage(2), qml::kvFormatMessage(5));
    CString unknown = qml::kvFormatMessage(987654);
    EXPECT_NE(unknown.Find("987654"), -1) << unknown.GetString();
    EXPECT_EQ(unknown.Find('\n'), -1);
}

TEST(GetCurTimeString, StampFitsTheTwentyOneByteBuffer) {
    char buffer[21];
    std::memset(buffer, 'x', sizeof buffer);
    qml::GetCurTimeString(buffer, 0);
    EXPECT_TRUE(std::regex_match(buffer, std::regex(R"(\d{4}-\d{2}-\d{2} \d{2}:\d{2}:\d{2})"))) << buffer;
}

TEST(WriteDataToFile, CreatesAppendsAndReportsFailure) {
    qml_test::TempDir dir;
    const std::string path = dir.file("out.txt");
    EXPECT_EQ(qml::WriteDataToFile(path.c_str(), "ab\0c", 4, "ab+", -1), 4);
    EXPECT_EQ(qml::WriteDataToFile(path.c_str(), "\r\nz", 3, "ab+", -1), 3);
    EXPECT_EQ(qml_test::ReadFile(path), std::string("ab\0c\r\nz", 7));
    EXPECT_EQ(qml::WriteDataToFile((dir.path() + "/missing/x.txt").c_str(), "a", 1, "ab+", -1), -1);
    EXPECT_EQ(qml::WriteDataToFile(nullptr, "a", 1, "ab+", -1), -1);
    EXPECT_EQ(qml::WriteDataToFile(path.c_str(), nullptr, 1, "ab+", -1), -1);
    // A Windows-form path reaches the same file.
    EXPECT_EQ(qml::WriteDataToFile((dir.path() + "\\out.txt").c_str(), "!", 1, "ab+", -1), 1);
    EXPECT_EQ(qml_test::ReadFile(path), std::string("ab\0c\r\nz!", 8));
}

}  // namespace
