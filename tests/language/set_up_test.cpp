// Language set-up: the choice of language, the directory, the binding of the language file
// and the host's callbacks.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdarg>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "language/language_state.h"
#include "language_fixture.h"
#include "quorvel/language_binding.h"
#include "quorvel/multilanguage.h"

using qml_test::LanguageDir;
using qml_test::ScopedEnv;

namespace {

// What the state holds before any set-up, recorded when the program starts, before any test
// could have set the library up.
struct LoadDefaults {
    int languageType = GetCurLanguageType();
    std::string dir = GetCurLngFileDir();
    int deleteSpace = qml::State().deleteSpace;
    int isAlpha = qml::State().isAlpha;
};
const LoadDefaults g_loadDefaults;

void LogA(unsigned int, char*, ...) {}
void LogB(unsigned int, char*, ...) {}
HWND ParentA(CWnd*) {
    return nullptr;
}

std::string EnglishName() {
    char name[64] = {};
    return GetLanguageTypeEngName(name, sizeof name);
}

TEST(LanguageSetUp, StateBeforeAnySetUpIsEnglishWithoutDirectory) {
    EXPECT_EQ(g_loadDefaults.languageType, 2);
    EXPECT_EQ(g_loadDefaults.dir, "");
    EXPECT_EQ(g_loadDefaults.deleteSpace, 0);
    EXPECT_EQ(g_loadDefaults.isAlpha, 1);
}

TEST(LanguageSetUp, LocaleMapping) {
    const struct {
        unsigned long lcid;
        int type;
    } cases[] = {{1028, 0}, {2052, 1}, {1033, 2}, {3076, 3}, {4100, 3}, {2057, 3}, {0, 3}, {0x10804, 3}};
    for (const auto& c : cases) EXPECT_EQ(ConvertLangLanguage2LanguageType(c.lcid), c.type) << c.lcid;
}

// The locale comes from LC_ALL only on POSIX; the win32 suite checks the system's own.
#if !defined(_WIN32)
TEST(LanguageSetUp, ChosenTypeFollowsTheUsersChineseLocale) {
    const struct {
        const char* locale;
        int requested;
        int chosen;
    } cases[] = {
        {"zh_CN.GBK", 0, 1},   {"zh_CN.UTF-8", 1, 1}, {"zh_TW.BIG5", 1, 0}, {"zh_TW", 2, 2},
        {"en_US.UTF-8", 0, 0}, {"en_US", 1, 1},       {"zh_CN", 5, 5},      {"zh_HK", 1, 1},
        {"C", 0, 0},           {"zh_CN", 2, 2},       {"zh_TW", 3, 3},
    };
    LanguageDir dir;
    for (const auto& c : cases) {
        ScopedEnv all("LC_ALL", c.locale);
        EXPECT_EQ(Set_MultiLanguage_Para(dir.path().c_str(), c.requested, nullptr, nullptr), c.chosen)
            << c.locale << " requesting " << c.requested;
        EXPECT_EQ(GetCurLanguageType(), c.chosen);
    }
}
#endif

TEST(LanguageSetUp, LanguageBeyondTheEnumerationIsACatalogueKey) {
    ScopedEnv all("LC_ALL", "zh_CN.UTF-8");
    LanguageDir dir;
    dir.WriteCatalogue("2=English\n5=Klingon\n");
    EXPECT_EQ(Set_MultiLanguage_Para(dir.path().c_str(), 5, nullptr, nullptr), 5);
    EXPECT_EQ(EnglishName(), "Klingon");
    EXPECT_EQ(std::string(qml::State().languageFile), dir.path() + "\\Klingon.lng");
}

TEST(LanguageSetUp, DirectoryGetsOneBackslashAndIsKeptWhenNoneIsGiven) {
    ScopedEnv all("LC_ALL", "en_US");
    const struct {
        const char* given;
        const char* stored;
    } cases[] = {
        {"C:\\Lang", "C:\\Lang\\"}, {"C:\\Lang\\", "C:\\Lang\\"}, {"/tmp/lang/", "/tmp/lang/\\"},
        {nullptr, "/tmp/lang/\\"},  {"", "/tmp/lang/\\"},
    };
    for (const auto& c : cases) {
        Set_MultiLanguage_Para(c.given, 2, nullptr, nullptr);
        EXPECT_STREQ(GetCurLngFileDir(), c.stored) << (c.given ? c.given : "(null)");
    }
}

// GetCurLngFileDir hands out the state's own buffer: a host gives it back to switch language in
// the same directory, or edits it in place to name a sub-directory first.
TEST(LanguageSetUp, TheDirectoryBufferGivenBackActsAsACopy) {
    ScopedEnv all("LC_ALL", "C");
    LanguageDir dir;
    dir.WriteCatalogue("3=French\n");
    const std::filesystem::path sub = std::filesystem::path(dir.path()) / "sub";
    std::filesystem::create_directory(sub);
    qml_test::WriteFile((sub / "Language.ini").string(), "[LanguageType]\n3=German\n");
    const struct {
        const char* edit;  // appended to the returned buffer before it is handed back
        std::string stored;
        std::filesystem::path created;
    } cases[] = {{"", dir.path() + "\\", dir.LanguageFile("French")},
                 {"sub", dir.path() + "\\sub\\", sub / "German.lng"}};
    for (const auto& c : cases) {
        Set_MultiLanguage_Para(dir.path().c_str(), 2, nullptr, nullptr);
        std::strcat(GetCurLngFileDir(), c.edit);
        Set_MultiLanguage_Para(GetCurLngFileDir(), 3, nullptr, nullptr);
        EXPECT_EQ(std::string(GetCurLngFileDir()), c.stored) << c.edit;
        EXPECT_TRUE(std::filesystem::is_regular_file(c.created)) << c.created;
        // Nothing lands in the working directory.
        EXPECT_FALSE(std::filesystem::exists("English.lng"));
        std::filesystem::remove("English.lng");
    }
}

TEST(LanguageSetUp, OverlongDirectoryIsCutToTheBuffer) {
    ScopedEnv all("LC_ALL", "en_US");
    std::string longDir(400, 'd');
    Set_MultiLanguage_Para(longDir.c_str(), 2, nullptr, nullptr);
    EXPECT_EQ(std::strlen(GetCurLngFileDir()), 258u);
    // The language file's path would be cut as well: no file is bound (or created) then.
    EXPECT_STREQ(qml::State().languageFile, "");
}

TEST(LanguageSetUp, MissingLanguageFileIsCreatedWithItsHeader) {
    ScopedEnv all("LC_ALL", "en_US");
    LanguageDir dir;
    dir.WriteCatalogue("3=French\n");
    qml::State().deleteSpace = 5;
    qml::State().isAlpha = 6;
    Set_MultiLanguage_Para(dir.path().c_str(), 3, nullptr, nullptr);

    const std::string header = qml_test::ReadFile(dir.LanguageFile("French"));
    const std::string before = ";Quorvel MultiLanguage File\r\n;Create By Velmarkund On ";
    const std::string after =
        "\r\n\r\n;; MultiLanguage Translate Description\r\n[LanguageTypeCpt]\r\nEnglish=English\r\n\r\n"
        ";; MultiLanguage Parameter\r\n[Lngpara]\r\n; Auto Delete Space Character\r\nDeleteSpace=1\r\n"
        "IsAlpha=0\r\n\r\n[ProgramOutStr]";
    ASSERT_GT(header.size(), before.size() + after.size());
    EXPECT_EQ(header.substr(0, before.size()), before);
    EXPECT_EQ(header.substr(header.size() - after.size()), after);
    const std::string time = header.substr(before.size(), header.size() - before.size() - after.size());
    EXPECT_EQ(header.size(), 249 + time.size());
    EXPECT_EQ(time.size(), 19u) << time;  // YYYY-MM-DD hh:mm:ss
    EXPECT_EQ(time.find_first_of("\r\n"), std::string::npos);

    // The new file's values take effect at the next set-up only.
    EXPECT_EQ(qml::State().deleteSpace, 5);
    EXPECT_EQ(qml::State().isAlpha, 6);
    Set_MultiLanguage_Para(nullptr, 3, nullptr, nullptr);
    EXPECT_EQ(qml::State().deleteSpace, 1);
    EXPECT_EQ(qml::State().isAlpha, 0);
    // An existing file is never written again.
    EXPECT_EQ(qml_test::ReadFile(dir.LanguageFile("French")), header);
}

TEST(LanguageSetUp, ParametersOfAnExistingLanguageFile) {
    ScopedEnv all("LC_ALL", "en_US");
    const struct {
        const char* lngpara;
        int deleteSpace;
        int isAlpha;
    } cases[] = {
        {"", 0, 1},
        {"DeleteSpace=1\nIsAlpha=0\n", 1, 0},
        {"DeleteSpace=\nIsAlpha=\n", 0, 1},
        {"IsAlpha=yes\n", 0, 0},
        {"DeleteSpace=7\nIsAlpha=3\n", 7, 3},
        {"deletespace = 1 \n isalpha = 2\n", 1, 2},
    };
    LanguageDir dir;
    dir.WriteCatalogue("2=English\n");
    for (const auto& c : cases) {
        qml::State().deleteSpace = 99;
        qml::State().isAlpha = 99;
        dir.WriteLanguageFile("English", std::string("[Lngpara]\n") + c.lngpara + "[ProgramOutStr]\n");
        Set_MultiLanguage_Para(dir.path().c_str(), 2, nullptr, nullptr);
        EXPECT_EQ(qml::State().deleteSpace, c.deleteSpace) << c.lngpara;
        EXPECT_EQ(qml::State().isAlpha, c.isAlpha) << c.lngpara;
    }
}

TEST(LanguageSetUp, UncreatableLanguageFileLeavesLookupsUntranslated) {
    ScopedEnv all("LC_ALL", "en_US");
    Set_MultiLanguage_Para("/nonexistent-dir/for/sure", 2, nullptr, nullptr);
    EXPECT_STREQ(qml::State().languageFile, "/nonexistent-dir/for/sure\\English.lng");
    char text[32];
    EXPECT_STREQ(GetMultiLanguageText("Open(#2)", text, sizeof text, "ProgramOutStr"), "Open");
}

std::vector<std::string> g_heard;

void Hear(unsigned int level, char* format, ...) {
    va_list args;
    va_start(args, format);
    g_heard.push_back(std::to_string(level) + " " + qml_test::FormatLine(format, args));
    va_end(args);
}

size_t EntriesBelow(const std::filesystem::path& root) {
    size_t n = 0;
    for (auto it = std::filesystem::recursive_directory_iterator(root);
         it != std::filesystem::recursive_directory_iterator(); ++it)
        ++n;
    return n;
}

// The catalogue is a file anyone with access to the directory may edit. An English name that
// would lead out of the language directory or into another file binds no file: nothing is
// created, texts stay English, and the host's log hears of it, as of every file that cannot be
// created.
TEST(LanguageSetUp, EnglishNamesThatAreNoPlainFileNameBindNoFile) {
    ScopedEnv all("LC_ALL", "C");
    qml_test::TempDir root;
    const std::filesystem::path lang = std::filesystem::path(root.path()) / "a" / "lang";
    std::filesystem::create_directories(lang / "sub");
    const std::string translations = "[ProgramOutStr]\nOpen=Ouvrir\n";
    for (const char* planted : {"x.lng", "a/x.lng", "a/lang/sub/x.lng"})
        qml_test::WriteFile((std::filesystem::path(root.path()) / planted).string(), translations);

    const char* names[] = {"../../x", "..\\..\\x", "..",     "sub/x", "sub\\x", "C:x",
                           "C:\\x",   "x:stream",  "x\x01y", "x\ty",  "x\x7Fy"};
    for (const char* name : names) {
        qml_test::WriteFile((lang / "Language.ini").string(),
                            std::string("[LanguageType]\n3=") + name + "\n");
        const size_t before = EntriesBelow(root.path());
        g_heard.clear();
        EXPECT_EQ(Set_MultiLanguage_Para(lang.string().c_str(), 3, Hear, nullptr), 3);
        EXPECT_STREQ(qml::State().languageFile, "") << name;
        EXPECT_EQ(EntriesBelow(root.path()), before) << name;
        char text[32];
        EXPECT_STREQ(GetMultiLanguageText("Open", text, sizeof text, "ProgramOutStr"), "Open") << name;
        const std::string heard = g_heard.size() == 1 ? g_heard[0] : "";
        EXPECT_EQ(heard.rfind("2 Language name [ ", 0), 0u) << name;
        EXPECT_EQ(heard.find_first_of("\r\n\t\x01\x7F"), std::string::npos) << heard;
    }

    // A file that cannot be created is reported too; a name that is fine creates its file and
    // nothing beside it.
    g_heard.clear();
    Set_MultiLanguage_Para((lang / "missing").string().c_str(), 2, nullptr, nullptr);
    EXPECT_EQ((g_heard.size() == 1 ? g_heard[0] : "").rfind("2 Create language file [ ", 0), 0u);
    qml_test::WriteFile((lang / "Language.ini").string(), "[LanguageType]\n3=Plain Name-1.2\n");
    const size_t before = EntriesBelow(root.path());
    g_heard.clear();
    Set_MultiLanguage_Para(lang.string().c_str(), 3, nullptr, nullptr);
    EXPECT_TRUE(std::filesystem::is_regular_file(lang / "Plain Name-1.2.lng"));
    EXPECT_EQ(EntriesBelow(root.path()), before + 1);
    EXPECT_TRUE(g_heard.empty());
    qml::State().logCallback = nullptr;  // a callback once given cannot be taken back through the interface
}

TEST(LanguageSetUp, NullCallbacksKeepTheEarlierOnes) {
    LanguageDir dir;
    Set_MultiLanguage_Para(dir.path().c_str(), 2, LogA, ParentA);
    Set_MultiLanguage_Para(nullptr, 2, nullptr, nullptr);
    EXPECT_EQ(qml::State().logCallback, &LogA);
    EXPECT_EQ(qml::State().parentWndCallback, &ParentA);
    Set_MultiLanguage_Para(nullptr, 2, LogB, nullptr);
    EXPECT_EQ(qml::State().logCallback, &LogB);
    EXPECT_EQ(qml::State().parentWndCallback, &ParentA);
}

TEST(LanguageSetUp, EnglishNameFallsBackToEnglish) {
    ScopedEnv all("LC_ALL", "en_US");
    LanguageDir dir;
    Set_MultiLanguage_Para(dir.path().c_str(), 0, nullptr, nullptr);
    EXPECT_EQ(EnglishName(), "English");  // no catalogue

    dir.WriteCatalogue("0=\n1=Chinese_S\n");
    EXPECT_EQ(EnglishName(), "English");  // empty value
    Set_MultiLanguage_Para(nullptr, 1, nullptr, nullptr);
    EXPECT_EQ(EnglishName(), "Chinese_S");

    const struct {
        int size;
        const char* name;
    } cut[] = {{1, ""}, {2, "C"}, {4, "Chi"}, {10, "Chinese_S"}};
    for (const auto& c : cut) {
        char name[16];
        std::memset(name, 'x', sizeof name);
        EXPECT_STREQ(GetLanguageTypeEngName(name, c.size), c.name) << c.size;
    }

    Set_MultiLanguage_Para(nullptr, 7, nullptr, nullptr);
    char name[16];
    std::memset(name, 'x', sizeof name);
    EXPECT_STREQ(GetLanguageTypeEngName(name, 4), "Eng");
}

TEST(LanguageSetUp, EnglishNameWritesNothingWithoutRoom) {
    char name[4] = {'a', 'b', 'c', '\0'};
    EXPECT_EQ(GetLanguageTypeEngName(name, 0), name);
    EXPECT_EQ(GetLanguageTypeEngName(name, -1), name);
    EXPECT_STREQ(name, "abc");
    EXPECT_EQ(GetLanguageTypeEngName(nullptr, 10), nullptr);
}

}  // namespace

// A tool asks what a set-up would bind before it sets up: the answer is the set-up's own, and
// asking creates nothing.
TEST(LanguageSetUp, ResolvedBindingIsWhatTheSetUpBinds) {
    const struct {
        const char* locale;
        int requested;
        const char* catalogue;  // null: none
    } cases[] = {
        {"en_US", 3, "\xEF\xBB\xBF[LanguageType] ; names\n3=Klingon\n"},
        {"en_US", 3, nullptr},
        {"zh_TW", 1, "[LanguageType]\n0=Big5ish\n1=Gbish\n"},
        {"en_US", 3, "[LanguageType]\n3=../Elsewhere\n"},
        {"en_US", 3, "[LanguageType]\n3=\"Quoted\"\n"},
    };
    for (const auto& c : cases) {
        ScopedEnv all("LC_ALL", c.locale);
        qml_test::TempDir dir;
        if (c.catalogue) qml_test::WriteFile(dir.file("Language.ini"), c.catalogue);
        quorvel::LanguageBinding binding;
        quorvel::ResolveLanguageBinding((dir.path() + "\\").c_str(), c.requested, &binding);
        // Resolving created nothing.
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), c.catalogue ? 1 : 0);

        const int chosen = Set_MultiLanguage_Para((dir.path() + "\\").c_str(), c.requested, nullptr, nullptr);
        EXPECT_EQ(binding.languageType, chosen);
        EXPECT_EQ(binding.directory, std::string(GetCurLngFileDir()));
        // The binding gives paths in the form the system opens.
        std::string bound = qml::State().languageFile;
#if !defined(_WIN32)
        std::replace(bound.begin(), bound.end(), '\\', '/');
#endif
        EXPECT_EQ(binding.languageFile, bound) << (c.catalogue ? c.catalogue : "(none)");
        EXPECT_EQ(binding.problem[0] != '\0', bound.empty());
        EXPECT_EQ(binding.catalogue, dir.file("Language.ini"));
    }
}
