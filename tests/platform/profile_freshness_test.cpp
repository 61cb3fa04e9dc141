// The profile reader keeps parsed files, yet every edit is seen at the next call: edits that
// change the size, same-size edits in quick succession, replacement, deletion, a directory in
// the file's place; and inside a ProfileCallScope one snapshot per file. A file is parsed once
// per change whatever its size and its times.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/posix/profile_cache.h"
#include "platform/os.h"
#include "profile_fixture.h"

namespace {

using qml::os::ProfileCallScope;

std::string Entry(const std::string& value) {
    return "[S]\r\nk=" + value + "\r\n";
}

// Rewrites the file in place (same inode), as an editor saving over it does.
void Overwrite(const std::string& path, const std::string& bytes) {
    int fd = ::open(path.c_str(), O_WRONLY | O_TRUNC);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::write(fd, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    ::close(fd);
}

class ProfileFreshness : public qml_test::ProfileTest {};

TEST_F(ProfileFreshness, AnEditIsSeenAtTheNextCall) {
    std::string file = Write("edit.ini", Entry("one"));
    EXPECT_EQ(Value(file, "S", "k"), "one");
    Overwrite(file, Entry("three"));
    EXPECT_EQ(Value(file, "S", "k"), "three");
    Overwrite(file, Entry("3") + "[New]\r\nadded=yes\r\n");
    EXPECT_EQ(Value(file, "S", "k"), "3");
    EXPECT_EQ(Value(file, "New", "added"), "yes");
}

// Write, read, rewrite with the same size at once, read again.
void SameSizeEditsAreSeen(const std::string& file, int rounds) {
    for (int round = 0; round < rounds; ++round) {
        std::string first = round % 2 ? "BBBB" : "CCCC";
        std::string second = round % 2 ? "DDDD" : "EEEE";
        Overwrite(file, Entry(first));
        ASSERT_EQ(qml_test::ReadProfile("S", "k", "", 64, file).text, first) << "round " << round;
        Overwrite(file, Entry(second));
        ASSERT_EQ(qml_test::ReadProfile("S", "k", "", 64, file).text, second) << "round " << round;
    }
}

TEST_F(ProfileFreshness, SameSizeEditsWithinOneSecondAreSeen) {
    SameSizeEditsAreSeen(Write("same.ini", Entry("AAAA")), 50);
}

// Makes every stamp report file times rounded down to a multiple of granularityNs for as long
// as it lives, as file systems with coarse times do.
class CoarseTimes {
  public:
    explicit CoarseTimes(std::int64_t granularityNs) {
        qml::os::posix::SetFileTimeGranularityForTesting(granularityNs);
    }
    ~CoarseTimes() { qml::os::posix::SetFileTimeGranularityForTesting(1); }
    CoarseTimes(const CoarseTimes&) = delete;
    CoarseTimes& operator=(const CoarseTimes&) = delete;
};

// On file systems whose times have a coarse granularity two quick edits that keep the size
// leave the stat stamp unchanged (same inode, size and times): only the content tells them
// apart. Simulated here, since this machine's file times may be finer. How many edits fall
// within one step of the times depends on the machine's speed; every one is seen.
class CoarseFileTimes : public ProfileFreshness {
  protected:
    CoarseTimes m_coarse{std::int64_t{2} * 1000 * 1000 * 1000};
};

TEST_F(CoarseFileTimes, SameSizeEditsWithAnUnchangedStampAreSeen) {
    SameSizeEditsAreSeen(Write("coarse.ini", Entry("AAAA")), 50);
}

TEST_F(CoarseFileTimes, AScopeStillSeesEditsAfterItCloses) {
    std::string file = Write("coarse-scope.ini", Entry("AAAA"));
    {
        qml::os::ProfileCallScope scope;
        EXPECT_EQ(Value(file, "S", "k"), "AAAA");
        Overwrite(file, Entry("BBBB"));
        EXPECT_EQ(Value(file, "S", "k"), "AAAA");
    }
    EXPECT_EQ(Value(file, "S", "k"), "BBBB");
}

// The same edit with the modification time put back to the old one.
TEST_F(ProfileFreshness, AnEditThatRestoresTheModificationTimeIsSeen) {
    std::string file = Write("restored.ini", Entry("AAAA"));
    EXPECT_EQ(Value(file, "S", "k"), "AAAA");
    struct stat st;
    ASSERT_EQ(::stat(file.c_str(), &st), 0);
    Overwrite(file, Entry("ZZZZ"));
    struct timespec times[2] = {st.st_atim, st.st_mtim};
    ASSERT_EQ(::utimensat(AT_FDCWD, file.c_str(), times, 0), 0);
    EXPECT_EQ(Value(file, "S", "k"), "ZZZZ");
}

TEST_F(ProfileFreshness, AFileRenamedOverTheOldOneIsSeen) {
    std::string file = Write("renamed.ini", Entry("old"));
    EXPECT_EQ(Value(file, "S", "k"), "old");
    std::string replacement = Write("renamed.ini.new", Entry("new"));
    ASSERT_EQ(std::rename(replacement.c_str(), file.c_str()), 0);
    EXPECT_EQ(Value(file, "S", "k"), "new");
}

// The file deleted, or a directory or a pipe put in its place (a pipe must not make the
// lookup wait for a writer): the next call finds no file, and a file written there again is
// found.
TEST_F(ProfileFreshness, WhatIsNoFileInTheFilesPlaceIsNotFoundAndTheFileComesBack) {
    struct Replacement {
        const char* name;
        int (*make)(const char* path);  // null: nothing takes the file's place
        int (*remove)(const char* path);
    };
    const Replacement replacements[] = {
        {"deleted", nullptr, nullptr},
        {"directory", [](const char* path) { return ::mkdir(path, 0700); }, ::rmdir},
        {"pipe", [](const char* path) { return ::mkfifo(path, 0600); }, ::unlink},
    };
    for (const Replacement& r : replacements) {
        SCOPED_TRACE(r.name);
        std::string file = Write(std::string(r.name) + ".ini", Entry("here"));
        EXPECT_EQ(Value(file, "S", "k"), "here");
        ASSERT_EQ(::unlink(file.c_str()), 0);
        if (r.make) {
            ASSERT_EQ(r.make(file.c_str()), 0);
        }
        qml_test::ProfileRead read = qml_test::ReadProfile("S", "k", "gone", 64, file);
        EXPECT_EQ(read.text, "gone");
        EXPECT_EQ(read.lastError, ERROR_FILE_NOT_FOUND);
        EXPECT_EQ(Value(file, nullptr, nullptr, "", 16), "");
        if (r.remove) {
            ASSERT_EQ(r.remove(file.c_str()), 0);
        }
        Write(std::string(r.name) + ".ini", Entry("back"));
        EXPECT_EQ(Value(file, "S", "k"), "back");
    }
}

// Runs check as a user whom file permissions bind: right here, or, when the test runs as the
// superuser (whom they do not bind), in a child process that has become the unprivileged
// user 65534 and owns dir. The child's failures are printed by the child and counted here by
// its exit status.
void AsUnprivilegedUser(const std::string& dir, const std::function<void()>& check) {
    if (::geteuid() != 0) {
        check();
        return;
    }
    constexpr uid_t kNobody = 65534;
    for (std::filesystem::path above = std::filesystem::path(dir).parent_path(); above != above.root_path();
         above = above.parent_path()) {
        struct stat st;
        ASSERT_EQ(::stat(above.c_str(), &st), 0) << above;
        ASSERT_TRUE(st.st_mode & S_IXOTH) << above << " cannot be searched by user 65534";
    }
    ASSERT_EQ(::chown(dir.c_str(), kNobody, kNobody), 0);
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        bool dropped = ::setgroups(0, nullptr) == 0 && ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0 &&
                       ::geteuid() == kNobody;
        if (dropped) check();
        ::_exit(!dropped ? 2 : ::testing::Test::HasFailure() ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    int exitCode = WEXITSTATUS(status);
    EXPECT_NE(exitCode, 2) << "the child could not become user 65534";
    EXPECT_EQ(exitCode, 0) << "the check failed as user 65534";
}

TEST_F(ProfileFreshness, AFileThatBecomesUnreadableIsNotFound) {
    AsUnprivilegedUser(dir().path(), [&] {
        std::string file = Write("locked.ini", Entry("open"));
        EXPECT_EQ(Value(file, "S", "k"), "open");
        ASSERT_EQ(::chmod(file.c_str(), 0), 0);
        EXPECT_EQ(Value(file, "S", "k"), "<default>");
        ASSERT_EQ(::chmod(file.c_str(), 0600), 0);
        EXPECT_EQ(Value(file, "S", "k"), "open");
    });
}

TEST_F(ProfileFreshness, AnUnchangedFileIsParsedOnce) {
    std::string file = Write("once.ini", Entry("v"));
    EXPECT_EQ(Value(file, "S", "k"), "v");
    std::uint64_t parses = qml::os::posix::GetProfileCacheStats().parses;
    for (int i = 0; i < 100; ++i) EXPECT_EQ(Value(file, "S", "k"), "v");
    EXPECT_EQ(qml::os::posix::GetProfileCacheStats().parses, parses);
}

// Once the file's last change lies further back than the margin before a check, that check
// settles it and later lookups neither read nor parse it.
TEST_F(ProfileFreshness, ASettledFileIsNotReadAgain) {
    std::string file = Write("settled.ini", Entry("v"));
    EXPECT_EQ(Value(file, "S", "k"), "v");
    std::this_thread::sleep_for(std::chrono::nanoseconds(qml::os::posix::kRacyMarginNs) +
                                std::chrono::milliseconds(200));
    EXPECT_EQ(Value(file, "S", "k"), "v");  // the check that settles it
    std::uint64_t reads = qml::os::posix::GetProfileCacheStats().reads;
    for (int i = 0; i < 100; ++i) EXPECT_EQ(Value(file, "S", "k"), "v");
    EXPECT_EQ(qml::os::posix::GetProfileCacheStats().reads, reads);
    Overwrite(file, Entry("w"));
    EXPECT_EQ(Value(file, "S", "k"), "w");
}

TEST_F(ProfileFreshness, AScopeChecksEachFileOnce) {
    std::string file = Write("scope.ini", Entry("v"));
    std::string other = Write("other.ini", Entry("o"));
    std::uint64_t checks = qml::os::posix::ThisThreadFileChecks();
    {
        ProfileCallScope scope;
        for (int i = 0; i < 10; ++i) {
            EXPECT_EQ(Value(file, "S", "k"), "v");
            EXPECT_EQ(Value(other, "S", "k"), "o");
        }
    }
    EXPECT_EQ(qml::os::posix::ThisThreadFileChecks() - checks, 2u);
    checks = qml::os::posix::ThisThreadFileChecks();
    for (int i = 0; i < 10; ++i) EXPECT_EQ(Value(file, "S", "k"), "v");
    EXPECT_EQ(qml::os::posix::ThisThreadFileChecks() - checks, 10u);
}

TEST_F(ProfileFreshness, AnEditInsideAScopeIsSeenAfterIt) {
    std::string file = Write("inside.ini", Entry("AAAA"));
    {
        ProfileCallScope outer;
        EXPECT_EQ(Value(file, "S", "k"), "AAAA");
        Overwrite(file, Entry("BBBB"));
        {
            ProfileCallScope inner;
            EXPECT_EQ(Value(file, "S", "k"), "AAAA");
        }
        // Closing the inner scope does not end the outer one.
        EXPECT_EQ(Value(file, "S", "k"), "AAAA");
    }
    EXPECT_EQ(Value(file, "S", "k"), "BBBB");
}

TEST_F(ProfileFreshness, AScopeRemembersAMissingFileUntilItCloses) {
    std::string file = dir().file("later.ini");
    {
        ProfileCallScope scope;
        EXPECT_EQ(Value(file, "S", "k"), "<default>");
        Write("later.ini", Entry("now"));
        EXPECT_EQ(Value(file, "S", "k"), "<default>");
    }
    EXPECT_EQ(Value(file, "S", "k"), "now");
}

TEST_F(ProfileFreshness, AScopeOnOneThreadDoesNotHoldBackAnother) {
    std::string file = Write("threads.ini", Entry("AAAA"));
    ProfileCallScope scope;
    EXPECT_EQ(Value(file, "S", "k"), "AAAA");
    Overwrite(file, Entry("BBBB"));
    std::string seenByOther;
    std::thread([&] { seenByOther = Value(file, "S", "k"); }).join();
    EXPECT_EQ(seenByOther, "BBBB");
    EXPECT_EQ(Value(file, "S", "k"), "AAAA");
}

TEST_F(ProfileFreshness, TheCacheKeepsABoundedNumberOfFiles) {
    constexpr int kFiles = static_cast<int>(qml::os::posix::kMaxCachedFiles) * 3;
    for (int round = 0; round < 2; ++round)
        for (int i = 0; i < kFiles; ++i) {
            std::string name = "many" + std::to_string(i) + ".ini";
            std::string path = round == 0 ? Write(name, Entry(std::to_string(i))) : dir().file(name);
            EXPECT_EQ(Value(path, "S", "k"), std::to_string(i));
        }
    EXPECT_LE(qml::os::posix::GetProfileCacheStats().files, qml::os::posix::kMaxCachedFiles);
}

// A file larger than the cache's budget, or with a modification time in the future, is parsed
// once per change and read no more once its times are settled; every edit is still seen,
// also a quick same-size one that puts the future time back, on coarse file times too.
TEST(ProfileCacheIdentity, AFileIsParsedOncePerChangeWhateverItsSizeAndTimes) {
    using qml::os::posix::ProfileCache;
    constexpr std::int64_t kMarginNs = 300 * 1000 * 1000;
    struct Case {
        const char* name;
        int paddingLines;  // 200 lines put the file well over the budget below
        bool futureTime;
        bool coarseTimes;  // times in steps of the margin
        bool otherFileInTurn;
    } const cases[] = {
        {"small, future time", 0, true, false, false},
        {"small, future time, coarse times", 0, true, true, false},
        {"over the budget", 200, false, false, false},
        {"over the budget, a small file in turn", 200, false, false, true},
        {"over the budget, future time, coarse times", 200, true, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        qml_test::TempDir dir;
        ProfileCache cache({16, 4096, kMarginNs});
        CoarseTimes coarse(c.coarseTimes ? kMarginNs : 1);
        std::string padding;
        for (int i = 0; i < c.paddingLines; ++i) padding += "Padding line " + std::to_string(i) + "=text\r\n";
        std::string file = dir.file("lang.lng");
        std::string other = dir.file("other.ini");
        qml_test::WriteFile(other, Entry("o"));
        auto value = [&cache](const std::string& path) {
            qml::os::posix::ProfileSnapshot profile = cache.Validate(path.c_str());
            const qml::os::posix::ProfileSection* section = profile ? profile->FindSection("S") : nullptr;
            const qml::os::posix::ProfileEntry* entry = section ? profile->FindEntry(*section, "k") : nullptr;
            return entry ? std::string(entry->value) : std::string("<none>");
        };
        auto write = [&](const std::string& v) {
            Overwrite(file, Entry(v) + padding);
            if (!c.futureTime) return;
            struct timespec times[2] = {{0, UTIME_OMIT}, {std::time(nullptr) + 86400, 0}};
            ASSERT_EQ(::utimensat(AT_FDCWD, file.c_str(), times, 0), 0);
        };
        qml_test::WriteFile(file, "");
        write("AAAA");
        EXPECT_EQ(value(file), "AAAA");
        write("BBBB");  // at once, same size, same future time
        EXPECT_EQ(value(file), "BBBB");
        std::this_thread::sleep_for(std::chrono::nanoseconds(kMarginNs) + std::chrono::milliseconds(100));
        EXPECT_EQ(value(file), "BBBB");  // the check that settles it
        qml::os::posix::ProfileCacheStats settled = cache.Stats();
        for (int i = 0; i < 20; ++i) {
            EXPECT_EQ(value(file), "BBBB");
            if (c.otherFileInTurn) {
                EXPECT_EQ(value(other), "o");
            }
        }
        qml::os::posix::ProfileCacheStats later = cache.Stats();
        EXPECT_EQ(later.parses - settled.parses, c.otherFileInTurn ? 1u : 0u);
        EXPECT_EQ(later.reads - settled.reads, c.otherFileInTurn ? 1u : 0u);
        write("CCCC");
        EXPECT_EQ(value(file), "CCCC");
        EXPECT_EQ(cache.Stats().parses - later.parses, 1u);
        ASSERT_EQ(::unlink(file.c_str()), 0);
        EXPECT_EQ(value(file), "<none>");
    }
}

// File times so coarse that every edit keeps the stamp (with a racy window as wide, as the
// cache needs: a file's time is never further than the margin behind its change): only the
// content tells same-size edits apart. Each check then reads the file, and parses it only
// when its bytes changed.
TEST(ProfileCacheIdentity, SameSizeEditsThatKeepTheStampAreToldByTheirContent) {
    constexpr std::int64_t kCoarsestNs = std::int64_t{4} * 1000 * 1000 * 1000 * 1000 * 1000 * 1000;
    CoarseTimes coarse(kCoarsestNs);  // every time of this century reads as 0
    qml_test::TempDir dir;
    qml::os::posix::ProfileCache cache({qml::os::posix::kMaxCachedFiles, qml::os::posix::kMaxCachedBytes, kCoarsestNs});
    std::string file = dir.file("same.ini");
    qml_test::WriteFile(file, Entry("AAAA"));
    std::optional<qml::os::posix::FileStamp> stamp = qml::os::posix::StatRegularFile(file.c_str());
    ASSERT_TRUE(stamp);
    auto value = [&] {
        qml::os::posix::ProfileSnapshot profile = cache.Validate(file.c_str());
        const qml::os::posix::ProfileSection* section = profile ? profile->FindSection("S") : nullptr;
        const qml::os::posix::ProfileEntry* entry = section ? profile->FindEntry(*section, "k") : nullptr;
        return entry ? std::string(entry->value) : std::string("<none>");
    };
    EXPECT_EQ(value(), "AAAA");
    for (const char* edit : {"BBBB", "CCCC", "BBBB", "DDDD"}) {
        SCOPED_TRACE(edit);
        Overwrite(file, Entry(edit));
        std::optional<qml::os::posix::FileStamp> now = qml::os::posix::StatRegularFile(file.c_str());
        ASSERT_TRUE(now);
        ASSERT_TRUE(*now == *stamp);
        qml::os::posix::ProfileCacheStats before = cache.Stats();
        EXPECT_EQ(value(), edit);
        EXPECT_EQ(value(), edit);
        qml::os::posix::ProfileCacheStats after = cache.Stats();
        EXPECT_EQ(after.reads - before.reads, 2u);
        EXPECT_EQ(after.parses - before.parses, 1u);
    }
}

// Threads that find the same edit at once read and parse the file once between them, and
// every one of them answers from the edited file.
TEST(ProfileCacheIdentity, ThreadsThatFindTheSameEditParseItOnce) {
    constexpr int kThreads = 4;
    qml_test::TempDir dir;
    qml::os::posix::ProfileCache cache;
    std::string padding;
    for (int i = 0; i < 100000; ++i) padding += "Padding line " + std::to_string(i) + "=text\r\n";
    std::string file = dir.file("shared.lng");
    qml_test::WriteFile(file, Entry("before") + padding);
    ASSERT_TRUE(cache.Validate(file.c_str()));
    Overwrite(file, Entry("after") + padding);
    std::uint64_t parses = cache.Stats().parses;

    std::atomic<int> arrived{0};
    std::atomic<int> seenAfter{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
        threads.emplace_back([&] {
            // Start together, or after a second at the latest.
            ++arrived;
            auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(1);
            while (arrived.load() < kThreads && std::chrono::steady_clock::now() < deadline)
                std::this_thread::yield();
            qml::os::posix::ProfileSnapshot profile = cache.Validate(file.c_str());
            const qml::os::posix::ProfileSection* section = profile ? profile->FindSection("S") : nullptr;
            const qml::os::posix::ProfileEntry* entry = section ? profile->FindEntry(*section, "k") : nullptr;
            if (entry && entry->value == "after") ++seenAfter;
        });
    for (std::thread& thread : threads) thread.join();
    EXPECT_EQ(seenAfter.load(), kThreads);
    EXPECT_EQ(cache.Stats().parses - parses, 1u);
}

}  // namespace
