// Language files that a host's installation may hold after a crash, a bad copy or a hostile
// hand: NUL bytes, endless lines, a huge file, a directory in the file's place, a file that
// vanishes or changes between calls, a directory no one can write, paths beyond 259 bytes, a
// link planted in the new file's place, a creation cut short by a full disk or a kill.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <grp.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "hostile_fixture.h"
#include "language/language_state.h"

using namespace std::string_literals;
using qml_test::Lookup;
using qml_test::Phrase;
using qml_test::RawLanguage;

namespace {

TEST(HostileLanguageFile, NulBytesEndTheirLines) {
    RawLanguage language(
        "[Lngpara]\nDeleteSpace=1\0 garbage\nIsAlpha=0\n"
        "[ProgramOutStr]\nOpen=Ouvrir\0 hidden=1\nfile\0=fichier\nSave=Enreg\0istrer\n\0\0\0\nExit=Quitter\n"
        "[Pro\0gramOutStr]\nNew=Nouveau\n"s);
    EXPECT_EQ(qml::State().deleteSpace, 1);
    EXPECT_EQ(qml::State().isAlpha, 0);
    EXPECT_EQ(Lookup("Open"), "Ouvrir");
    EXPECT_EQ(Lookup("file"), "file");  // a key without '=' before the NUL: no translation
    EXPECT_EQ(Lookup("Save"), "Enreg");
    EXPECT_EQ(Lookup("Exit"), "Quitter");
    EXPECT_EQ(Lookup("hidden"), "hidden");
    EXPECT_EQ(Lookup("New"), "New");  // its section is named "[Pro"
    EXPECT_EQ(Phrase("Open file, Exit"), "Ouvrirfile,Quitter");
}

TEST(HostileLanguageFile, LinesOfAHundredThousandCharacters) {
    const std::string longValue(100000, 'v');
    const std::string longKey(100000, 'K');
    const std::string longWord(100000, 'w');
    RawLanguage language("[ProgramOutStr]\nOpen=" + longValue + "\n" + longKey + "=short\n" + longWord +
                         "\nExit=Quitter\n");
    EXPECT_EQ(Lookup("Open", 200000), longValue);
    EXPECT_EQ(Lookup("Open", 1023), longValue.substr(0, 1021));
    EXPECT_EQ(Lookup(longKey), "short");
    EXPECT_EQ(Lookup("Exit"), "Quitter");
    // A translation of 100,000 characters inside a sentence is cut to the working size.
    EXPECT_EQ(Phrase("Exit Open Exit"), "Quitter " + longValue.substr(0, 1023 - 8));
    // A key of 100,000 characters without a translation comes back cut to the buffer.
    EXPECT_EQ(Lookup(longWord, 300), longWord.substr(0, 299));
    EXPECT_EQ(Phrase(longWord).size(), 1022u);  // the key of 1023 bytes, cut by the lookup's 1023-byte buffer
}

TEST(HostileLanguageFile, AFiftyMegabyteFile) {
    std::string bytes = "[Lngpara]\nDeleteSpace=0\nIsAlpha=1\n[ProgramOutStr]\n";
    bytes.reserve(52u << 20);
    const std::string value(1000, 't');
    int count = 0;
    while (bytes.size() < (50u << 20)) bytes += "word" + std::to_string(count++) + "=" + value + "\n";
    bytes += "Open=Ouvrir\n";
    RawLanguage language(bytes);
    EXPECT_EQ(Lookup("Open"), "Ouvrir");
    EXPECT_EQ(Lookup("word0"), value.substr(0, 1022));
    EXPECT_EQ(Lookup("WORD" + std::to_string(count - 1), 2000), value);
    EXPECT_EQ(Lookup("missing"), "missing");
    EXPECT_EQ(Phrase("Open missing"), "Ouvrir missing");
}

TEST(HostileLanguageFile, ADirectoryInTheFilesPlace) {
    qml_test::TempDir dir;
    qml_test::WriteFile(dir.file("Language.ini"), "[LanguageType]\n3=Testish\n");
    ASSERT_EQ(::mkdir(dir.file("Testish.lng").c_str(), 0700), 0);
    qml_test::ScopedEnv locale("LC_ALL", "C");
    Set_MultiLanguage_Para(dir.path().c_str(), 3, nullptr, nullptr);
    EXPECT_EQ(qml::State().deleteSpace, 0);
    EXPECT_EQ(qml::State().isAlpha, 1);
    EXPECT_EQ(Lookup("Open(#2)"), "Open");
    EXPECT_EQ(Phrase("Open file"), "Open file");
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("Testish.lng")));

    // The catalogue as a directory: the language is English.
    qml_test::TempDir other;
    ASSERT_EQ(::mkdir(other.file("Language.ini").c_str(), 0700), 0);
    Set_MultiLanguage_Para(other.path().c_str(), 3, nullptr, nullptr);
    char name[32] = {};
    EXPECT_STREQ(GetLanguageTypeEngName(name, sizeof name), "English");
    char list[64] = {};
    GetAllLanguageTypeDesc(list, sizeof list, nullptr);
    EXPECT_STREQ(list, "English\n");
}

TEST(HostileLanguageFile, AFileThatVanishesOrChangesBetweenCalls) {
    RawLanguage language("[ProgramOutStr]\nOpen=Ouvrir\n");
    EXPECT_EQ(Lookup("Open"), "Ouvrir");
    ASSERT_EQ(std::remove(language.file().c_str()), 0);
    EXPECT_EQ(Lookup("Open"), "Open");
    EXPECT_EQ(Phrase("Open it"), "Open it");

    // Back with a new translation of the same length, within the same second.
    qml_test::WriteFile(language.file(), "[ProgramOutStr]\nOpen=Oeffne\n");
    EXPECT_EQ(Lookup("Open"), "Oeffne");
    qml_test::WriteFile(language.file(), "[ProgramOutStr]\nOpen=Abrir!\n");
    EXPECT_EQ(Lookup("Open"), "Abrir!");
    EXPECT_EQ(Phrase("Open it"), "Abrir! it");

    // Replaced by renaming another file over it, then by a directory, then emptied.
    qml_test::WriteFile(language.file() + ".new", "[ProgramOutStr]\nOpen=Apri\n");
    ASSERT_EQ(std::rename((language.file() + ".new").c_str(), language.file().c_str()), 0);
    EXPECT_EQ(Lookup("Open"), "Apri");
    ASSERT_EQ(std::remove(language.file().c_str()), 0);
    ASSERT_EQ(::mkdir(language.file().c_str(), 0700), 0);
    EXPECT_EQ(Lookup("Open"), "Open");
    ASSERT_EQ(::rmdir(language.file().c_str()), 0);
    qml_test::WriteFile(language.file(), "");
    EXPECT_EQ(Lookup("Open"), "Open");

    // Cut short while it is in use: the lookup sees the file as it is now.
    qml_test::WriteFile(language.file(), "[ProgramOutStr]\nOpen=Ouvrir\nExit=Quitter\n");
    EXPECT_EQ(Lookup("Exit"), "Quitter");
    ASSERT_EQ(::truncate(language.file().c_str(), 20), 0);  // "[ProgramOutStr]\nOpen"
    EXPECT_EQ(Lookup("Exit"), "Exit");
    EXPECT_EQ(Lookup("Open"), "Open");
}

bool g_heardFailure = false;
void HearFailure(unsigned int, char* format, ...) {
    va_list args;
    va_start(args, format);
    g_heardFailure = qml_test::FormatLine(format, args).find("failed") != std::string::npos;
    va_end(args);
}

// Starts body in a child process that ends with body's result (or by a signal) within 20 s.
template <class Body>
pid_t Spawn(Body body) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::alarm(20);
        ::_exit(body());
    }
    return pid;
}

int Wait(pid_t pid) {
    int status = -1;
    ::waitpid(pid, &status, 0);
    return status;
}

// The language file is missing and cannot be created: lookups find nothing, the parameters
// stay, and a later set-up on a writable directory creates the file.
void ExpectUnwritableDirectoryIsHarmless(const std::string& directory) {
    qml_test::ScopedEnv locale("LC_ALL", "C");
    qml::State().deleteSpace = 0;
    qml::State().isAlpha = 1;
    Set_MultiLanguage_Para(directory.c_str(), 3, nullptr, nullptr);
    EXPECT_EQ(qml::State().deleteSpace, 0);
    EXPECT_EQ(qml::State().isAlpha, 1);
    EXPECT_EQ(Lookup("Open(#1)"), "Open");
    EXPECT_EQ(Phrase("Open {the file}"), "Open the file");
}

TEST(HostileLanguageFile, ADirectoryThatCannotBeWritten) {
    // A directory of the process file system refuses new files to every user, root included.
    struct stat st;
    if (::stat("/proc/self", &st) == 0) {
        ExpectUnwritableDirectoryIsHarmless("/proc/self");
        EXPECT_NE(::access("/proc/self/English.lng", F_OK), 0);
    }
    // A path through a regular file cannot hold a file either.
    qml_test::TempDir dir;
    qml_test::WriteFile(dir.file("plain"), "not a directory");
    ExpectUnwritableDirectoryIsHarmless(dir.file("plain") + "/lang");
}

// A directory without write permission stops its owner. The set-up runs in a child process;
// as root the child first becomes an ordinary user (65534), the directory's owner, since
// permissions do not bind root.
TEST(HostileLanguageFile, ADirectoryWithoutWritePermission) {
    qml_test::TempDir locked;
    qml_test::WriteFile(locked.file("Language.ini"), "[LanguageType]\n3=Testish\n");
    const bool root = ::geteuid() == 0;
    constexpr uid_t kUser = 65534;
    constexpr gid_t kGroup = 65534;
    if (root) {
        ASSERT_EQ(::chown(locked.path().c_str(), kUser, kGroup), 0);
        ASSERT_EQ(::chown(locked.file("Language.ini").c_str(), kUser, kGroup), 0);
    }
    ASSERT_EQ(::chmod(locked.path().c_str(), 0500), 0);
    const int status = Wait(Spawn([&] {
        if (root && (::setgroups(0, nullptr) != 0 || ::setgid(kGroup) != 0 || ::setuid(kUser) != 0)) return 2;
        // The catalogue is read, so only the missing right to write stops the creation.
        if (::access(locked.file("Language.ini").c_str(), R_OK) != 0) return 3;
        if (::access(locked.path().c_str(), W_OK) == 0) return 4;
        g_heardFailure = false;
        qml_test::ScopedEnv locale("LC_ALL", "C");
        Set_MultiLanguage_Para(locked.path().c_str(), 3, HearFailure, nullptr);
        if (!g_heardFailure) return 5;
        ExpectUnwritableDirectoryIsHarmless(locked.path());
        return ::testing::Test::HasFailure() ? 1 : 0;
    }));
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
        << "status " << status << " (exit 1: a check failed, 2: could not become user 65534, 3: catalogue "
        << "unreadable, 4: directory writable, 5: failure not reported)";
    EXPECT_FALSE(std::filesystem::exists(locked.file("Testish.lng")));
    ASSERT_EQ(::chmod(locked.path().c_str(), 0700), 0);
    Set_MultiLanguage_Para(locked.path().c_str(), 3, nullptr, nullptr);
    EXPECT_TRUE(std::filesystem::is_regular_file(locked.file("Testish.lng")));
}

// Paths beyond 258 bytes do not fit the language state. Nothing is created at a path cut
// short (which would name a file the host never asked for, possibly in another directory),
// and no file is bound: texts come back in English.
TEST(HostileLanguageFile, PathsLongerThanTheStateHolds) {
    qml_test::TempDir dir;
    qml_test::ScopedEnv locale("LC_ALL", "C");
    std::string deep = dir.path();
    while (deep.size() < 300) {
        deep += "/" + std::string(37, 'd');
        ASSERT_EQ(::mkdir(deep.c_str(), 0700), 0);
    }
    qml_test::WriteFile(deep + "/Language.ini", "[LanguageType]\n3=Testish\n");
    qml_test::WriteFile(deep + "/Testish.lng", "[ProgramOutStr]\nOpen=Ouvrir\n");
    auto count = [&] {
        size_t n = 0;
        for (auto it = std::filesystem::recursive_directory_iterator(dir.path());
             it != std::filesystem::recursive_directory_iterator(); ++it)
            ++n;
        return n;
    };
    const size_t entries = count();

    Set_MultiLanguage_Para(deep.c_str(), 3, nullptr, nullptr);
    EXPECT_EQ(count(), entries) << "a file was created at a path cut short";
    EXPECT_EQ(std::strlen(GetCurLngFileDir()), 258u);  // the bounded print keeps 258 and a NUL
    EXPECT_EQ(Lookup("Open"), "Open");
    EXPECT_EQ(Phrase("Open file"), "Open file");

    // A directory that fits, with a language name that makes the path too long.
    std::string shallow = dir.path() + "/s";
    ASSERT_EQ(::mkdir(shallow.c_str(), 0700), 0);
    const std::string longName(259 - shallow.size() - 1 - 4, 'N');
    qml_test::WriteFile(shallow + "/Language.ini", "[LanguageType]\n3=" + longName + "\n");
    const size_t before = count();
    Set_MultiLanguage_Para(shallow.c_str(), 3, nullptr, nullptr);
    EXPECT_EQ(count(), before) << "a file was created at a path cut short";
    EXPECT_EQ(Lookup("Open"), "Open");

    // A path of 258 bytes fits and its file is created.
    const std::string fitting(258 - shallow.size() - 1 - 4, 'F');
    qml_test::WriteFile(shallow + "/Language.ini", "[LanguageType]\n3=" + fitting + "\n");
    Set_MultiLanguage_Para(shallow.c_str(), 3, nullptr, nullptr);
    EXPECT_EQ(std::strlen(qml::State().languageFile), 258u);
    EXPECT_TRUE(std::filesystem::is_regular_file(shallow + "/" + fitting + ".lng"));
}

// A language file appears whole or not at all, and nothing that stands in its place is written:
// not a link's target, not a header cut short by a full disk or a kill, and processes creating
// it at once leave one header.
TEST(HostileLanguageFile, ANewLanguageFileAppearsWholeOrNotAtAll) {
    qml_test::ScopedEnv locale("LC_ALL", "C");
    const size_t wholeHeader = 249 + 19;
    const auto newDir = [] {
        auto dir = std::make_unique<qml_test::TempDir>();
        qml_test::WriteFile(dir->file("Language.ini"), "[LanguageType]\n3=Testish\n");
        return dir;
    };
    const auto entries = [](const qml_test::TempDir& dir) {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    };

    // A dangling link in the file's place: its target is not created.
    auto linked = newDir();
    ASSERT_EQ(::symlink(linked->file("victim").c_str(), linked->file("Testish.lng").c_str()), 0);
    g_heardFailure = false;
    EXPECT_EQ(Set_MultiLanguage_Para(linked->path().c_str(), 3, HearFailure, nullptr), 3);
    EXPECT_EQ(entries(*linked), (std::vector<std::string>{"Language.ini", "Testish.lng"}));
    EXPECT_TRUE(g_heardFailure);

    // Files may not grow beyond 100 bytes: the header stops there as on a full disk, or the
    // process is killed there (SIGXFSZ). No file appears, a leftover is not taken for it, and
    // the next set-up creates it whole.
    for (bool killed : {false, true}) {
        auto dir = newDir();
        const int status = Wait(Spawn([&] {
            ::signal(SIGXFSZ, killed ? SIG_DFL : SIG_IGN);
            const rlimit noCore{0, 0}, small{100, 100};
            ::setrlimit(RLIMIT_CORE, &noCore);
            ::setrlimit(RLIMIT_FSIZE, &small);
            g_heardFailure = false;
            Set_MultiLanguage_Para(dir->path().c_str(), 3, HearFailure, nullptr);
            return g_heardFailure ? 0 : 1;
        }));
        EXPECT_TRUE(killed ? WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ
                           : WIFEXITED(status) && WEXITSTATUS(status) == 0)
            << "killed " << killed << ", status " << status << " (exit 1: failure not reported)";
        EXPECT_FALSE(std::filesystem::exists(dir->file("Testish.lng"))) << "killed " << killed;
        Set_MultiLanguage_Para(dir->path().c_str(), 3, nullptr, nullptr);
        EXPECT_EQ(qml_test::ReadFile(dir->file("Testish.lng")).size(), wholeHeader) << "killed " << killed;
    }

    // Four processes released at once onto a missing file, ten rounds.
    for (int round = 0; round < 10; ++round) {
        auto dir = newDir();
        int gate[2];
        ASSERT_EQ(::pipe(gate), 0);
        std::vector<pid_t> children;
        for (int i = 0; i < 4; ++i)
            children.push_back(Spawn([&] {
                char byte;
                ::close(gate[1]);
                (void)!::read(gate[0], &byte, 1);  // returns once the parent closes its end
                Set_MultiLanguage_Para(dir->path().c_str(), 3, nullptr, nullptr);
                return 0;
            }));
        ::close(gate[0]);
        ::close(gate[1]);
        for (pid_t pid : children) Wait(pid);
        EXPECT_EQ(qml_test::ReadFile(dir->file("Testish.lng")).size(), wholeHeader) << "round " << round;
        EXPECT_EQ(entries(*dir), (std::vector<std::string>{"Language.ini", "Testish.lng"}));
    }
}

}  // namespace
