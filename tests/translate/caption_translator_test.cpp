// UI captions: the accelerator, the ellipsis and the tab shortcut text taken off, the words
// translated, and the decorations put back as IsAlpha asks.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "quorvel/multilanguage.h"
#include "support/test_language.h"

using qml_test::TestLanguage;

namespace {

const qml_test::Entries kFrench = {
    {"Open", "Ouvrir"},
    {"Exit", "Quitter"},
    {"File", "Fichier"},
    {"Save", "Sauvegarder"},
    {"As", "sous"},
    {"Print", "Imprimer"},
    {"Find", "Chercher"},
    {"Closing", "Fin"},
    {"Abcde", "Wxyz"},
    {"Apple",
     "\x81"
     "Axa"},
    {"Empty", "/NoSpecifyThisWord/"},
};

std::string Caption(const char* source, int size = 256) {
    std::vector<char> buffer(static_cast<size_t>(size) + 1, 'z');
    buffer[static_cast<size_t>(size)] = '#';
    std::string result = GetMultiLngTextForUI(source, buffer.data(), size);
    EXPECT_EQ(buffer[static_cast<size_t>(size)], '#') << "wrote past the buffer";
    return result;
}

struct Case {
    const char* source;
    const char* withIsAlpha;
    const char* withoutIsAlpha;
};

const Case kCaptions[] = {
    {"&Open...\tCtrl+O", "&Ouvrir...\tCtrl+O", "Ouvrir(&O)...\tCtrl+O"},
    {"E&xit", "Q&uitter", "Quitter(&X)"},  // no X in QUITTER: the English position
    {"Save &As ...", "S&auvegarder sous ...", "Sauvegarder sous(&A) ..."},
    {"&File", "&Fichier", "Fichier(&F)"},
    {"File(&F)", "File(&F)", "File(&F)"},  // already decorated: untouched
    {"Print\tCtrl+P", "Imprimer\tCtrl+P", "Imprimer\tCtrl+P"},
    {"Find... next", "Chercher...", "Chercher..."},
    {"...", "......", "......"},
    {"", "", ""},
    // Only the first ampersand counts.
    {"A&B (&C)", "A&B (&C)", "AB (&C)(&B)"},
    {"&&Save", "&Sauvegarder", "&Sauvegarder"},
    {"Save&", "Sauvegarder", "Sauvegarder"},
    {"Tom & Jerry", "Tom  Jerry", "Tom  Jerry"},
    {"&\xC4\xE3", "\xC4\xE3", "\xC4\xE3"},
    {"&x", "&x", "x(&X)"},
    {"&1", "&1", "1(&1)"},
    {"Exi&t", "Qui&tter", "Quitter(&T)"},
    // No G in FIN: the English position 6, clamped to the translation's last byte.
    {"Closin&g", "Fi&n", "Fin(&G)"},
    {"Abcd&e", "Wxy&z", "Wxyz(&E)"},  // the last letter: the translation's last byte
    // The trail byte A of a double-byte character is never taken for the letter.
    {"&Apple",
     "\x81"
     "Ax&a",
     "\x81"
     "Axa(&A)"},
    {"&Empty", "", "(&E)"},
    {"  Save  \t Ctrl+S", "Sauvegarder\t Ctrl+S", "Sauvegarder\t Ctrl+S"},
    // With the tab before the dots the core keeps the tab and the shortcut keeps the dots.
    {"Open\tCtrl+O...", "Ouvrir\tCtrl+O...\tCtrl+O...", "Ouvrir\tCtrl+O...\tCtrl+O..."},
    {"50% &File", "50% &Fichier", "50% Fichier(&F)"},
};

class CaptionTranslator : public ::testing::TestWithParam<int> {};

TEST_P(CaptionTranslator, RebuildsTheDecorationsAroundTheTranslation) {
    int isAlpha = GetParam();
    TestLanguage language(kFrench, 0, isAlpha);
    for (const Case& c : kCaptions)
        EXPECT_EQ(Caption(c.source), isAlpha ? c.withIsAlpha : c.withoutIsAlpha) << c.source;
}

INSTANTIATE_TEST_SUITE_P(IsAlpha, CaptionTranslator, ::testing::Values(1, 0),
                         [](const auto& info) { return info.param ? "Set" : "NotSet"; });

TEST(CaptionTranslatorEdges, EmptyAndDecoratedCaptionsAreNotLookedUp) {
    TestLanguage language(kFrench, 0, 0);
    Caption("");
    Caption(nullptr);
    Caption("File(&F)");
    EXPECT_TRUE(language.TakeKeys().empty());
    Caption("Save &As ...");
    EXPECT_EQ(language.TakeKeys(), (std::vector<std::string>{"Save", "As"}));
}

TEST(CaptionTranslatorEdges, LongCaptionsAreCutTo255BytesFirst) {
    TestLanguage language(kFrench, 0, 0);
    EXPECT_EQ(Caption(std::string(300, 'x').c_str(), 1024), std::string(255, 'x'));
    EXPECT_EQ(Caption((std::string(250, '-') + "&Open").c_str(), 1024), std::string(250, '-') + "Ouvrir(&O)");
    EXPECT_EQ(Caption((std::string(251, '-') + "&Open").c_str(), 1024), std::string(251, '-') + "Ope(&O)");
    // An ampersand that is the last byte kept is removed and gives no accelerator.
    EXPECT_EQ(Caption((std::string(254, '-') + "&Open").c_str(), 1024), std::string(254, '-'));
}

TEST(CaptionTranslatorEdges, SmallDestinationsCutTheRebuiltCaption) {
    TestLanguage language(kFrench, 0, 0);
    EXPECT_EQ(Caption("&File", 5), "Fic(");  // the translation takes 3, the result 4
    EXPECT_EQ(Caption("&File", 1), "");
    char untouched[2] = {'q', '\0'};
    EXPECT_EQ(GetMultiLngTextForUI("File", untouched, 0), untouched);
    EXPECT_STREQ(untouched, "q");
}

}  // namespace
