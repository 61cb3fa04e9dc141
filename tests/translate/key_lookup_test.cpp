// Key lookup: one English key looked up in a section of the language file.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "quorvel/lookup_observer.h"
#include "quorvel/multilanguage.h"
#include "support/test_support.h"
#include "translate/key_lookup.h"

using qml_test::ScopedEnv;
using qml_test::TempDir;

namespace {

class KeyLookup : public ::testing::Test {
  protected:
    // Sets the library up on a directory whose catalogue names the language of the given type.
    void SetUpLanguage(int type, const std::string& programOutStr, const std::string& more = "") {
        qml_test::WriteFile(m_dir.file("Language.ini"), "[LanguageType]\n0=Chinese_T\n2=English\n3=French\n");
        const char* name = type == 0 ? "Chinese_T" : type == 2 ? "English" : "French";
        qml_test::WriteFile(m_dir.file(std::string(name) + ".lng"),
                            "[Lngpara]\nDeleteSpace=0\n[ProgramOutStr]\n" + programOutStr + more);
        Set_MultiLanguage_Para(m_dir.path().c_str(), type, nullptr, nullptr);
    }
    std::string Lookup(const char* key, int size = 1024, const char* section = "ProgramOutStr") {
        std::vector<char> buffer(static_cast<size_t>(size) + 1, 'x');
        buffer[static_cast<size_t>(size)] = '#';  // guard byte past the caller's size
        std::string result = GetMultiLanguageText(key, buffer.data(), size, section);
        EXPECT_EQ(buffer[static_cast<size_t>(size)], '#') << "wrote past the buffer for " << key;
        return result;
    }

    ScopedEnv m_locale{"LC_ALL", "en_US.UTF-8"};
    TempDir m_dir;
};

TEST_F(KeyLookup, TranslationsMarkerAndEmptyValues) {
    SetUpLanguage(3,
                  "Open=Ouvrir\nNothing=/NoSpecifyThisWord/\nLower=/nospecifythisword/\nEmpty=\n"
                  "Open(#2)=Ouvrir-2\nquoted=\"  spaced  \"\n");
    const struct {
        const char* key;
        const char* result;
    } cases[] = {
        {"Open", "Ouvrir"},       {"OPEN", "Ouvrir"},  // names match without regard to case
        {"Nothing", ""},          {"Lower", "/nospecifythisword/"},
        {"Empty", "Empty"},       {"Open(#2)", "Ouvrir-2"},
        {"quoted", "  spaced  "},
    };
    for (const auto& c : cases) EXPECT_EQ(Lookup(c.key), c.result) << c.key;
    // A missing disambiguated key falls back to the English text, not to the plain key's entry.
    EXPECT_EQ(Lookup("Open(#3)"), "Open");
}

TEST_F(KeyLookup, FallbackDropsADisambiguator) {
    SetUpLanguage(3, "");
    const struct {
        const char* key;
        const char* result;
    } cases[] = {
        {"Open(#2)", "Open"},
        {"Open (#12)", "Open "},
        {"(#3)", ""},
        {"Save(#1)(#2)", "Save(#1)"},
        {"Item(#1a)", "Item(#1a)"},
        {"A(#)", "A(#)"},
        {"Total #5", "Total #5"},
        {"Cancel", "Cancel"},
        {"#12)", "#12)"},
        {"x(#12", "x"},
        {"", ""},
        {"(#3))", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(Lookup(c.key), c.result) << c.key;
}

TEST_F(KeyLookup, EnglishFirstLetterFollowsTheKey) {
    SetUpLanguage(2, "Open=Open\nclose=close\n2 files=two files\nExit=exit now\n");
    const struct {
        const char* key;
        const char* result;
    } cases[] = {
        {"open", "open"},         {"Open", "Open"},     {"CLOSE", "Close"},   {"close", "close"},
        {"2 files", "Two files"}, {"exit", "exit now"}, {"Exit", "Exit now"},
    };
    for (const auto& c : cases) EXPECT_EQ(Lookup(c.key), c.result) << c.key;
}

TEST_F(KeyLookup, OtherLanguagesKeepTheTranslationsCase) {
    SetUpLanguage(0, "open=\xB6}\xB1\xD2\nClose=close\n");
    EXPECT_EQ(Lookup("Open"), "\xB6}\xB1\xD2");
    EXPECT_EQ(Lookup("Close"), "close");
}

TEST_F(KeyLookup, SizesCutTranslationsAndFallbacks) {
    SetUpLanguage(3, "Long=" + std::string(1100, 'L') + "\nNothing=/NoSpecifyThisWord/\nOpen=Ouvrir\n");
    EXPECT_EQ(Lookup("Long", 1023), std::string(1021, 'L'));
    const struct {
        const char* key;
        int size;
        const char* result;
    } cases[] = {
        {"Open", 1, ""},
        {"Open", 2, "O"},  // no room for a translation: the key
        {"Open", 3, "O"},
        {"Open", 7, "Ouvri"},
        {"Open", 8, "Ouvrir"},
        {"Missing", 4, "Mis"},
        {"Nothing", 21, ""},
        {"Nothing", 20, "/NoSpecifyThisWord"},
        {"Nothing", 10, "/NoSpeci"},
    };
    for (const auto& c : cases) EXPECT_EQ(Lookup(c.key, c.size), c.result) << c.key << " size " << c.size;
}

// A host may translate a text in place: the key is read before the buffer is cleared.
TEST_F(KeyLookup, TranslatesInPlace) {
    SetUpLanguage(3, "Open=Ouvrir\nfile=fichier\n");
    char key[64] = "Open";
    EXPECT_STREQ(GetMultiLanguageText(key, key, sizeof key, "ProgramOutStr"), "Ouvrir");
    char caption[64] = "&Open...";
    EXPECT_STREQ(GetMultiLngTextForUI(caption, caption, sizeof caption), "&Ouvrir...");
    char sentence[64] = "Open %%s";
    EXPECT_STREQ(GetMLFormatString(sentence, sizeof sentence, sentence, "%s", "file"), "Ouvrir fichier");
}

TEST_F(KeyLookup, OtherSectionsAndBadArguments) {
    SetUpLanguage(3, "Open=Ouvrir\n", "[Menu]\nOpen=Ouvrir le menu\n");
    EXPECT_EQ(Lookup("Open", 64, "Menu"), "Ouvrir le menu");
    EXPECT_EQ(Lookup("Open", 64, "NoSuchSection"), "Open");
    EXPECT_EQ(Lookup("Open", 64, nullptr), "Open");

    char buffer[8] = "keep";
    EXPECT_EQ(GetMultiLanguageText("Open", buffer, 0, "ProgramOutStr"), buffer);
    EXPECT_EQ(GetMultiLanguageText("Open", buffer, -1, "ProgramOutStr"), buffer);
    EXPECT_STREQ(buffer, "keep");
    EXPECT_EQ(GetMultiLanguageText("Open", nullptr, 8, "ProgramOutStr"), nullptr);
    EXPECT_STREQ(GetMultiLanguageText(nullptr, buffer, sizeof buffer, "ProgramOutStr"), "");
}

TEST_F(KeyLookup, EditsOfTheLanguageFileShowAtTheNextCall) {
    SetUpLanguage(3, "Open=Ouvrir\n");
    EXPECT_EQ(Lookup("Open"), "Ouvrir");
    // Same size, same second.
    qml_test::WriteFile(m_dir.file("French.lng"), "[Lngpara]\nDeleteSpace=0\n[ProgramOutStr]\nOpen=Ouvrez\n");
    EXPECT_EQ(Lookup("Open"), "Ouvrez");
    std::remove(m_dir.file("French.lng").c_str());
    EXPECT_EQ(Lookup("Open"), "Open");
}

TEST_F(KeyLookup, ObserverSeesEveryKey) {
    SetUpLanguage(3, "Open=Ouvrir\n");
    std::vector<std::string> seen;
    quorvel::SetLookupObserver(
        [](const char* key, const char* section, bool, void* context) {
            static_cast<std::vector<std::string>*>(context)->push_back(std::string(section) + ":" + key);
        },
        &seen);
    Lookup("Open");
    Lookup("Close", 16, "Menu");
    quorvel::SetLookupObserver(nullptr, nullptr);
    Lookup("Ignored");
    EXPECT_EQ(seen, (std::vector<std::string>{"ProgramOutStr:Open", "Menu:Close"}));
}

}  // namespace

namespace {

TEST_F(KeyLookup, PublicObserverTellsFoundFromMissing) {
    SetUpLanguage(3, "Open=Ouvrir\nNothing=/NoSpecifyThisWord/\nEmpty=\n");
    std::vector<std::string> seen;
    quorvel::SetLookupObserver(
        [](const char* key, const char*, bool found, void* context) {
            static_cast<std::vector<std::string>*>(context)->push_back(std::string(found ? "+" : "-") + key);
        },
        &seen);
    for (const char* key : {"Open", "open", "Nothing", "Empty", "Close(#2)"}) Lookup(key);
    quorvel::SetLookupObserver(nullptr, nullptr);
    Lookup("Open");
    EXPECT_EQ(seen, (std::vector<std::string>{"+Open", "+open", "+Nothing", "-Empty", "-Close(#2)"}));
}

}  // namespace
