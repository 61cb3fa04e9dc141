// Inside a ProfileCallScope the reader remembers the files it checked and the sections it
// searched. What it remembers must answer exactly as a fresh lookup would: for several files
// and sections in turn, for a path or section name rewritten in the same buffer, for names
// spelt differently, for missing files and sections; and it is all forgotten when the
// outermost scope closes, also on threads that end.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "platform/posix/profile_cache.h"
#include "platform/os.h"
#include "profile_fixture.h"

namespace {

using qml::os::ProfileCallScope;

class ProfileScopeMemo : public qml_test::ProfileTest {
  protected:
    // "[Sn]\nk=<tag>-Sn\n" for n in 0..sections-1.
    std::string WriteSections(const std::string& name, const std::string& tag, int sections) {
        std::string bytes;
        for (int n = 0; n < sections; ++n)
            bytes += "[S" + std::to_string(n) + "]\nk=" + tag + "-S" + std::to_string(n) + "\n";
        return Write(name, bytes);
    }
};

TEST_F(ProfileScopeMemo, FilesAndSectionsInTurnGiveTheirOwnValues) {
    constexpr int kFiles = 3;
    constexpr int kSections = 12;  // more than the sections a scope remembers
    std::vector<std::string> files;
    for (int f = 0; f < kFiles; ++f)
        files.push_back(
            WriteSections("turn" + std::to_string(f) + ".ini", "F" + std::to_string(f), kSections));
    std::uint64_t checks = qml::os::posix::ThisThreadFileChecks();
    {
        ProfileCallScope scope;
        for (int round = 0; round < 3; ++round)
            for (int n = 0; n < kSections; ++n)
                for (int f = 0; f < kFiles; ++f) {
                    std::string section = "S" + std::to_string(n);
                    std::string expected = "F" + std::to_string(f) + "-S" + std::to_string(n);
                    ASSERT_EQ(Value(files[f], section.c_str(), "k"), expected) << "round " << round;
                    ASSERT_EQ(Value(files[f], section.c_str(), "missing"), "<default>");
                }
    }
    EXPECT_EQ(qml::os::posix::ThisThreadFileChecks() - checks, static_cast<std::uint64_t>(kFiles));
}

// Callers reuse their buffers: what counts is the text in them at each call.
TEST_F(ProfileScopeMemo, APathOrSectionRewrittenInTheSameBufferIsReadAgain) {
    std::string first = WriteSections("first.ini", "one", 2);
    std::string second = WriteSections("second.ini", "two", 2);
    char path[1024];
    char section[64];
    char buffer[64];
    ProfileCallScope scope;
    auto read = [&] {
        qml::os::GetPrivateProfileStringA(section, "k", "<default>", buffer, sizeof buffer, path);
        return std::string(buffer);
    };
    std::snprintf(path, sizeof path, "%s", first.c_str());
    std::snprintf(section, sizeof section, "S0");
    EXPECT_EQ(read(), "one-S0");
    std::snprintf(section, sizeof section, "S1");
    EXPECT_EQ(read(), "one-S1");
    std::snprintf(path, sizeof path, "%s", second.c_str());
    EXPECT_EQ(read(), "two-S1");
    std::snprintf(section, sizeof section, "S0");
    EXPECT_EQ(read(), "two-S0");
    std::snprintf(section, sizeof section, "S9");
    EXPECT_EQ(read(), "<default>");
    std::snprintf(path, sizeof path, "%s", first.c_str());
    std::snprintf(section, sizeof section, "S0");
    EXPECT_EQ(read(), "one-S0");
}

TEST_F(ProfileScopeMemo, SpellingsOfOneSectionAllFindIt) {
    std::string file = Write("spell.ini", "[Program Out]\nk=v\n[Other]\nk=o\n");
    struct Spelling {
        const char* section;
        const char* expected;
    };
    const Spelling spellings[] = {
        {"Program Out", "v"}, {"program out", "v"},        {" PROGRAM OUT\t", "v"}, {"Other", "o"},
        {"Program Out", "v"}, {"ProgramOut", "<default>"}, {"OTHER ", "o"},         {"program out", "v"},
    };
    ProfileCallScope scope;
    for (const Spelling& spelling : spellings)
        EXPECT_EQ(Value(file, spelling.section, "k"), spelling.expected) << '"' << spelling.section << '"';
}

// A backslash and a slash name the same file, yet the two spellings are two paths to the
// memo; both give the file's values, and a bare name stays "not found".
TEST_F(ProfileScopeMemo, EverySpellingOfAPathKeepsItsOwnRules) {
    std::string file = Write("slashes.ini", "[S]\nk=v\n");
    std::string backslashed = file;
    backslashed[backslashed.rfind('/')] = '\\';
    ProfileCallScope scope;
    EXPECT_EQ(Value(file, "S", "k"), "v");
    EXPECT_EQ(Value(backslashed, "S", "k"), "v");
    EXPECT_EQ(Value("slashes.ini", "S", "k"), "<default>");
    EXPECT_EQ(Value(file, "S", "k"), "v");
}

TEST_F(ProfileScopeMemo, AMissingSectionStaysMissingUntilTheScopeCloses) {
    std::string file = Write("grow.ini", "[S]\nk=v\n");
    {
        ProfileCallScope scope;
        EXPECT_EQ(Value(file, "New", "k"), "<default>");
        Write("grow.ini", "[S]\nk=v\n[New]\nk=added\n");
        EXPECT_EQ(Value(file, "New", "k"), "<default>");
        EXPECT_EQ(Value(file, "S", "k"), "v");
    }
    EXPECT_EQ(Value(file, "New", "k"), "added");
}

// After the scope, a rewritten file is read again: its sections may have moved, been renamed
// or gone, and nothing remembered of the old one may answer.
TEST_F(ProfileScopeMemo, ClosingTheScopeForgetsTheSectionsItFound) {
    std::string file = Write("moved.ini", "[A]\nk=a1\n[B]\nk=b1\n");
    {
        ProfileCallScope scope;
        EXPECT_EQ(Value(file, "A", "k"), "a1");
        EXPECT_EQ(Value(file, "B", "k"), "b1");
    }
    Write("moved.ini", "[Z]\nz=1\n[B]\nk=b2\nextra=e\n");
    {
        ProfileCallScope scope;
        EXPECT_EQ(Value(file, "B", "k"), "b2");
        EXPECT_EQ(Value(file, "B", "extra"), "e");
        EXPECT_EQ(Value(file, "A", "k"), "<default>");
    }
    EXPECT_EQ(Value(file, "A", "k"), "<default>");
    EXPECT_EQ(Value(file, "Z", "z"), "1");
}

TEST_F(ProfileScopeMemo, MoreFilesThanTheScopeKeepsAreStillRead) {
    constexpr int kFiles = 40;
    std::vector<std::string> files;
    for (int f = 0; f < kFiles; ++f)
        files.push_back(Write("many" + std::to_string(f) + ".ini", "[S]\nk=" + std::to_string(f) + "\n"));
    ProfileCallScope scope;
    for (int round = 0; round < 2; ++round)
        for (int f = 0; f < kFiles; ++f) ASSERT_EQ(Value(files[f], "S", "k"), std::to_string(f)) << round;
}

TEST_F(ProfileScopeMemo, NamesListedInsideAScopeAreThoseOfTheSnapshot) {
    std::string file = Write("list.ini", "[A]\nx=1\ny=2\n[B]\n");
    ProfileCallScope scope;
    EXPECT_EQ(Value(file, "A", "x"), "1");
    Write("list.ini", "[C]\nz=3\n");
    qml_test::ProfileRead keys = qml_test::ReadProfile("A", nullptr, "", 16, file);
    EXPECT_EQ(keys.raw.substr(0, 5), std::string("x\0y\0\0", 5));
    EXPECT_EQ(Value(file, "A", "y"), "2");
}

// Threads in scopes of their own, each going through two files and their sections while the
// files are replaced: every answer belongs to one version of its file and section.
TEST_F(ProfileScopeMemo, ThreadsInScopesWhileFilesAreReplaced) {
    constexpr int kSections = 3;
    std::vector<std::string> files = {WriteSections("racing0.ini", "v0", kSections),
                                      WriteSections("racing1.ini", "v0", kSections)};
    std::atomic<bool> stop{false};
    std::atomic<int> bad{0};
    std::vector<std::thread> readers;
    for (int t = 0; t < 4; ++t)
        readers.emplace_back([&] {
            while (!stop.load()) {
                ProfileCallScope scope;
                for (int n = 0; n < kSections; ++n)
                    for (const std::string& file : files) {
                        std::string section = "S" + std::to_string(n);
                        std::string value = qml_test::ReadProfile(section.c_str(), "k", "", 64, file).text;
                        if (value != "v0-" + section && value != "v1-" + section) ++bad;
                    }
            }
        });
    for (int i = 0; i < 200; ++i)
        for (const std::string& file : files) {
            std::string bytes;
            for (int n = 0; n < kSections; ++n)
                bytes += "[S" + std::to_string(n) + "]\nk=v" + std::to_string(i % 2) + "-S" +
                         std::to_string(n) + "\n";
            qml_test::WriteFile(file + ".tmp", bytes);
            std::rename((file + ".tmp").c_str(), file.c_str());
        }
    stop = true;
    for (std::thread& reader : readers) reader.join();
    EXPECT_EQ(bad.load(), 0);
    EXPECT_EQ(Value(files[1], "S2", "k"), "v1-S2");
}

// A thread-local object whose destructor looks something up runs after the thread's memo is
// gone: its lookup works without one.
struct LookupAtThreadExit {
    std::string file;
    std::string* seen = nullptr;
    ~LookupAtThreadExit() {
        if (!seen) return;
        ProfileCallScope scope;
        *seen = qml_test::ReadProfile("S", "k", "", 64, file).text + "," +
                qml_test::ReadProfile("S", "k", "", 64, file).text;
    }
};

TEST_F(ProfileScopeMemo, ThreadsThatEndLetGoOfTheirMemo) {
    std::string file = Write("threads.ini", "[S]\nk=v\n");
    std::vector<std::string> atExit(6);
    std::vector<std::thread> threads;
    for (std::size_t t = 0; t < atExit.size(); ++t)
        threads.emplace_back([&, t] {
            thread_local LookupAtThreadExit late;
            late.file = file;
            late.seen = &atExit[t];
            for (int i = 0; i < 20; ++i) {
                ProfileCallScope scope;
                EXPECT_EQ(Value(file, "S", "k"), "v");
            }
        });
    for (std::thread& thread : threads) thread.join();
    for (const std::string& seen : atExit) EXPECT_EQ(seen, "v,v");
}

}  // namespace
