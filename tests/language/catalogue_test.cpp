// The language catalogue: languages listed under their captions, a language chooser and
// help paths.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "language_fixture.h"
#include "quorvel/multilanguage.h"
#if !defined(_WIN32)
#include "quorvel/window_system.h"
#endif

using qml_test::LanguageDir;
using qml_test::ScopedEnv;

namespace {

class Catalogue : public ::testing::Test {
  protected:
    // French is bound; its file gives captions to the languages listed in captions.
    void SetUpFrench(const std::string& catalogue, const std::string& captions) {
        if (!catalogue.empty()) m_dir.WriteCatalogue(catalogue);
        m_dir.WriteLanguageFile("French", "[LanguageTypeCpt]\n" + captions + "[ProgramOutStr]\n");
        Set_MultiLanguage_Para(m_dir.path().c_str(), 3, nullptr, nullptr);
    }
    static std::vector<std::string> Strings(const CStringArray& list) {
        std::vector<std::string> out;
        for (int i = 0; i < list.GetSize(); ++i) out.emplace_back(list[i].GetString());
        return out;
    }

    ScopedEnv m_locale{"LC_ALL", "en_US"};
    LanguageDir m_dir;
};

TEST_F(Catalogue, ListsTheRunOfLanguagesUnderTheirCaptions) {
    const struct {
        const char* catalogue;
        const char* captions;
        const char* text;
        std::vector<std::string> list;
    } cases[] = {
        {"0=Chinese\n1=English\n3=French\n",
         "Chinese=Chinois\nEnglish=Anglais\n",
         "Chinois\nAnglais\n",
         {"Chinois", "Anglais"}},
        {"0=Chinese\n1=English\n3=French\n",
         "English=Anglais\n",
         "Chinese\nAnglais\n",
         {"Chinese", "Anglais"}},
        {"0=Chinese\n1=\n3=French\n", "Chinese=Chinois\n", "Chinois\n", {"Chinois"}},
        {"1=English\n", "", "English\n", {"English"}},
    };
    for (const auto& c : cases) {
        SetUpFrench(c.catalogue, c.captions);
        CStringArray list;
        list.Add("earlier");
        char text[256];
        EXPECT_EQ(GetAllLanguageTypeDesc(text, sizeof text, &list), text);
        EXPECT_STREQ(text, c.text) << c.catalogue;
        std::vector<std::string> expected{"earlier"};
        expected.insert(expected.end(), c.list.begin(), c.list.end());
        EXPECT_EQ(Strings(list), expected) << c.catalogue;
    }
}

TEST_F(Catalogue, WithoutACatalogueEnglishIsTheOnlyLanguage) {
    Set_MultiLanguage_Para(m_dir.path().c_str(), 3, nullptr, nullptr);
    CStringArray list;
    char text[32];
    EXPECT_EQ(GetAllLanguageTypeDesc(text, sizeof text, &list), text);
    EXPECT_STREQ(text, "English\n");
    EXPECT_EQ(Strings(list), std::vector<std::string>{"English"});
}

TEST_F(Catalogue, ResultIsTheBufferWhenFilledElseTheList) {
    SetUpFrench("0=Chinese\n", "");
    CStringArray list;
    char text[4] = "abc";
    EXPECT_EQ(GetAllLanguageTypeDesc(nullptr, 10, &list), &list);
    EXPECT_EQ(GetAllLanguageTypeDesc(text, 0, &list), &list);
    EXPECT_STREQ(text, "abc");
    EXPECT_EQ(GetAllLanguageTypeDesc(nullptr, 0, nullptr), nullptr);
    EXPECT_EQ(GetAllLanguageTypeDesc(text, sizeof text, nullptr), text);
    EXPECT_STREQ(text, "Chi");
    EXPECT_EQ(list.GetSize(), 2);
}

TEST_F(Catalogue, CaptionOfOneLanguage) {
    SetUpFrench("0=Chinese\n1=English\n3=French\n", "Chinese=Chinois\n");
    const struct {
        int type;
        int size;
        const char* text;
    } cases[] = {
        {0, 64, "Chinois\n"},  {1, 64, "English\n"}, {9, 64, "English\n"},
        {-1, 64, "English\n"}, {0, 8, "Chinois"},    {0, 1, ""},
    };
    for (const auto& c : cases) {
        char text[64];
        EXPECT_STREQ(GetLanguageTypeDescByType(c.type, text, c.size), c.text) << c.type << "/" << c.size;
    }
    char keep[4] = "abc";
    EXPECT_EQ(GetLanguageTypeDescByType(0, keep, 0), keep);
    EXPECT_STREQ(keep, "abc");
}

TEST_F(Catalogue, EditsShowAtTheNextCall) {
    SetUpFrench("0=Chinese\n3=French\n", "");
    char text[64];
    EXPECT_STREQ(GetLanguageTypeDescByType(0, text, sizeof text), "Chinese\n");
    m_dir.WriteLanguageFile("French", "[LanguageTypeCpt]\nChinese=Chinois\n");
    EXPECT_STREQ(GetLanguageTypeDescByType(0, text, sizeof text), "Chinois\n");
}

// Over the in-process window system of POSIX hosts; on Windows the win32 suite fills a real
// combo box.
#if !defined(_WIN32)
TEST_F(Catalogue, ComboBoxReceivesTheLanguagesAndTheSelection) {
    SetUpFrench("0=Chinese\n1=English\n2=French\n3=French\n",
                "Chinese=Chinois\nEnglish=Anglais\nFrench=Francais\n");
    HWND dialog = quorvel::CreateWindow("#32770", "Options", nullptr);
    CComboBox combo(quorvel::CreateWindow("ComboBox", "", dialog));
    combo.AddString("kept");
    int select = 2;
    AddLanguageTypeToCombo(combo, select);
    const char* items[] = {"kept", "Chinois", "Anglais", "Francais", "Francais"};
    ASSERT_EQ(combo.GetCount(), 5);
    for (int i = 0; i < 5; ++i) {
        CString item;
        combo.GetLBText(i, item);
        EXPECT_STREQ(item, items[i]);
    }
    EXPECT_EQ(combo.GetCurSel(), 2);
    quorvel::DestroyWindow(dialog);
}

TEST_F(Catalogue, ComboBoxWithoutCatalogueGetsEnglish) {
    Set_MultiLanguage_Para(m_dir.path().c_str(), 3, nullptr, nullptr);
    CComboBox combo(quorvel::CreateWindow("ComboBox", "", nullptr));
    int select = 0;
    AddLanguageTypeToCombo(combo, select);
    ASSERT_EQ(combo.GetCount(), 1);
    CString item;
    combo.GetLBText(0, item);
    EXPECT_STREQ(item, "English");
    EXPECT_EQ(combo.GetCurSel(), 0);
    quorvel::DestroyWindow(combo.m_hWnd);
}
#endif

TEST_F(Catalogue, HelpPaths) {
    SetUpFrench("2=English\n3=French\n", "");
    EXPECT_STREQ(GetHelpHtmlPath("D:\\App\\", "index.htm"), "D:\\App\\WWWROOT\\Help_French\\index.htm");
    EXPECT_STREQ(GetHelpHtmlPath("", "index.htm"), "Help_French/index.htm");
    EXPECT_STREQ(GetHelpHtmlPath(nullptr, "a/b.htm"), "Help_French/a/b.htm");
    Set_MultiLanguage_Para(nullptr, 2, nullptr, nullptr);
    EXPECT_STREQ(GetHelpHtmlPath("D:\\App\\", "index.htm"), "D:\\App\\WWWROOT\\Help_English\\index.htm");
    Set_MultiLanguage_Para(nullptr, 8, nullptr, nullptr);  // not in the catalogue
    EXPECT_STREQ(GetHelpHtmlPath("", "index.htm"), "Help_English/index.htm");
}

}  // namespace
