// Null pointers for every pointer argument a host may pass: the documented answer where there is
// one (a null text is the empty text, a null buffer is written nothing), never a crash.
#include <gtest/gtest.h>

#include <cstdarg>
#include <cstdio>
#include <string>
#include <vector>

#include "hostile_fixture.h"
#include "language/language_state.h"
#include "quorvel/window_system.h"
#include "support/test_support.h"

namespace {

using qml_test::RawLanguage;

std::vector<std::string> g_lines;

// A null text for a %s, out of the compiler's sight: what the formatting makes of it is tested.
const char* volatile g_noText = nullptr;

void RecordLine(unsigned int level, char* format, ...) {
    va_list args;
    va_start(args, format);
    const std::string text = qml_test::FormatLine(format, args);
    va_end(args);
    g_lines.push_back(std::to_string(level) + ":" + text);
}

std::string TakeLine() {
    std::string line = g_lines.empty() ? "<none>" : g_lines.back();
    g_lines.clear();
    return line;
}

class NullPointers : public ::testing::Test {
  protected:
    void SetUp() override {
        Set_MultiLanguage_Para(nullptr, 3, RecordLine, nullptr);  // the earlier directory stays
        g_lines.clear();
    }
    void TearDown() override {
        quorvel::SetMessageBoxPresenter(nullptr);
        SetGBAndBig5_Para(nullptr, nullptr);
        CGBAndBig5::DeleteInstance();
    }

    RawLanguage m_language{"[ProgramOutStr]\nOpen=Ouvrir\nError=Erreur\nBusy=Occupe\n"};
    char m_buffer[64] = {};
};

TEST_F(NullPointers, LanguageSetUpAndCatalogue) {
    EXPECT_EQ(Set_MultiLanguage_Para(nullptr, 3, nullptr, nullptr), 3);
    EXPECT_EQ(std::string(GetCurLngFileDir()), m_language.dir().path() + "\\");
    // A null key name is the program's name.
    qml_test::TempDir registry;
    qml_test::WriteFile(registry.file("registry.ini"),
                        "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Console]\nInstallerLanguate=2052\n");
    qml_test::ScopedEnv registryFile("QUORVEL_REGISTRY", registry.file("registry.ini").c_str());
    quorvel::SetApplicationName("Console");
    int found = 5;
    EXPECT_EQ(GetNISILanguageType(nullptr, &found), LANGUAGE_TYPE_GB);
    EXPECT_EQ(found, 1);
    EXPECT_EQ(GetNISILanguageType(nullptr, nullptr), LANGUAGE_TYPE_GB);
    quorvel::SetApplicationName(nullptr);
    EXPECT_EQ(GetLanguageTypeEngName(nullptr, 10), nullptr);
    EXPECT_EQ(GetAllLanguageTypeDesc(nullptr, 10, nullptr), nullptr);
    EXPECT_EQ(GetLanguageTypeDescByType(3, nullptr, 10), nullptr);
    EXPECT_EQ(GetHelpHtmlPath(nullptr, nullptr).str(), "Help_Testish/");
    CComboBox noWindow;
    int select = 0;
    AddLanguageTypeToCombo(noWindow, select);
    EXPECT_EQ(noWindow.GetCount(), 0);  // what SendMessageA answers for no window
}

TEST_F(NullPointers, Translation) {
    EXPECT_STREQ(GetMultiLanguageText(nullptr, m_buffer, sizeof m_buffer, "ProgramOutStr"), "");
    EXPECT_STREQ(GetMultiLanguageText("Open", m_buffer, sizeof m_buffer, nullptr), "Open");
    EXPECT_EQ(GetMultiLanguageText("Open", nullptr, 10, "ProgramOutStr"), nullptr);
    EXPECT_EQ(GetMultiLngText_ByAutoPart(nullptr, 10, "Open"), nullptr);
    EXPECT_STREQ(GetMultiLngText_ByAutoPart(m_buffer, sizeof m_buffer, nullptr), "");
    EXPECT_STREQ(GetMultiLngText_ByAutoPart(m_buffer, sizeof m_buffer, "%s", g_noText), "(null)");
    EXPECT_STREQ(GetMultiLngTextForUI(nullptr, m_buffer, sizeof m_buffer), "");
    EXPECT_EQ(GetMultiLngTextForUI("Open", nullptr, 10), nullptr);
    EXPECT_EQ(GetMLFormatString(nullptr, 10, "%%s", "%s", "x"), nullptr);
    EXPECT_STREQ(GetMLFormatString(m_buffer, sizeof m_buffer, nullptr, nullptr), "");
    EXPECT_STREQ(GetMLFormatString(m_buffer, sizeof m_buffer, "Open %%s", nullptr), "Ouvrir ");
    EXPECT_EQ(GetMLFormatString(nullptr, 10, "%%lu", 1UL), nullptr);
    EXPECT_STREQ(GetMLFormatString(m_buffer, sizeof m_buffer, nullptr, 1UL), "");
}

TEST_F(NullPointers, ComparisonAndDescriptionTables) {
    EXPECT_EQ(StrcmpML(nullptr, nullptr, 0), 0);
    EXPECT_EQ(StrcmpML(nullptr, "", 1), 0);
    EXPECT_LT(StrcmpML(nullptr, "a", 0), 0);
    EXPECT_GT(StrcmpML("a", nullptr, 1), 0);

    int notFound = 7;
    EXPECT_EQ(GetConstIndexByDescCpt(nullptr, 3, "Busy", &notFound, 0), 0);
    EXPECT_EQ(notFound, 1);
    const char* table[] = {nullptr, "Busy", "Idle"};
    EXPECT_EQ(GetConstIndexByDescCpt(table, 3, "Occupe", &notFound, 0), 1);
    EXPECT_EQ(notFound, 0);
    EXPECT_EQ(GetConstIndexByDescCpt(table, 3, nullptr, nullptr, 1), 0);  // the null entry is empty
    EXPECT_EQ(GetConstSignificativeDesc(nullptr, table, 3).str(), "");    // atoi of nothing: entry 0
    EXPECT_EQ(GetConstSignificativeDesc("1", table, 3).str(), "Occupe");
    EXPECT_EQ(GetConstSignificativeDesc("1", nullptr, 3).str(), "Erreur");
}

TEST_F(NullPointers, WindowsAndMessageBoxes) {
    // No window is translated, not even the one window there is.
    HWND window = quorvel::CreateWindow("Static", "Open", nullptr);
    CComboBox box(quorvel::CreateWindow("ComboBox", "", nullptr));
    box.AddString("Open");
    UpdateWndLanguage(nullptr);
    CWnd noWindow;
    UpdateWndLanguage(&noWindow);
    CComboBox noBox;
    ComboBoxTanslate(noBox);
    char text[16] = {};
    EXPECT_EQ(quorvel::GetWindowTextA(window, text, sizeof text), 4);
    EXPECT_STREQ(text, "Open");
    CString item;
    box.GetLBText(0, item);
    EXPECT_EQ(item.str(), "Open");
    quorvel::DestroyWindow(box.GetSafeHwnd());
    quorvel::DestroyWindow(window);

    std::vector<quorvel::MessageBoxRequest> shown;
    quorvel::SetMessageBoxPresenter([&](const quorvel::MessageBoxRequest& request) {
        shown.push_back(request);
        return IDOK;
    });
    quorvel::SetApplicationName(nullptr);
    EXPECT_EQ(MsgBoxML(nullptr, nullptr, 0, nullptr), IDOK);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, "");
    EXPECT_NE(shown[0].caption.find("Message Prompt"), std::string::npos);
    EXPECT_EQ(CloseMsgBoxML(IDOK), 0);  // closed already
}

// The other diagnostics and the log relay take their null arguments in the log relay's table.
TEST_F(NullPointers, LastErrorDiagnostic) {
    EXPECT_EQ(OutLastError(nullptr), 0);
    const std::string lastError = TakeLine();
    EXPECT_EQ(lastError.rfind("3:Erreur occurred  :  ,  reason : ", 0), 0u) << lastError;
}

TEST_F(NullPointers, ChineseConversion) {
    SetGBAndBig5_Para(nullptr, nullptr);
    EXPECT_EQ(GBAndBig5Convert(nullptr, 0).str(), "");
    _enum_language_type system = LANGUAGE_TYPE_GB;
    int on = 1;
    SetGBAndBig5_Para(&system, nullptr);
    EXPECT_EQ(GBAndBig5Convert(" a\n", 0).str(), "a");
    SetGBAndBig5_Para(nullptr, &on);
    EXPECT_EQ(GBAndBig5Convert(" a\r\n\r\n", 1).str(), "a\r\n\r\n");
    EXPECT_EQ(CalcStringCodeType(nullptr, nullptr), LANGUAGE_TYPE_OTHER);
    SetGBAndBig5_Para(&system, &on);
    EXPECT_EQ(GBAndBig5Convert(nullptr, 2).str(), "");
    EXPECT_EQ(CalcStringCodeType(nullptr, nullptr), LANGUAGE_TYPE_ENGLISH);
    EXPECT_EQ(LCMapString_Auto(nullptr).str(), "");
    EXPECT_EQ(Big2Gb(CString(static_cast<const char*>(nullptr))).str(), "");
    CGBAndBig5* converter = CGBAndBig5::GetInstance();
    ASSERT_NE(converter, nullptr);
    EXPECT_EQ(converter->Translate(nullptr, 0), 1);
    EXPECT_EQ(converter->GetText().str(), "");

    HWND window = quorvel::CreateWindow("Static", "before", nullptr);
    CGBAndBig5WndText texts;
    texts.SetWindowTextA(nullptr, "x");
    texts.SetWindowTextA(window, nullptr);
    char text[16] = "unchanged";
    EXPECT_EQ(quorvel::GetWindowTextA(window, text, sizeof text), 0);
    EXPECT_STREQ(text, "");
    EXPECT_EQ(texts.GetWindowTextA(window, nullptr, 10), -1);
    CString back("unchanged");
    texts.GetWindowTextA(nullptr, back);
    EXPECT_EQ(back.str(), "unchanged");
    quorvel::DestroyWindow(window);
}

TEST_F(NullPointers, TheWindowSystem) {
    EXPECT_EQ(quorvel::CreateWindow(nullptr, "x", nullptr), nullptr);
    HWND window = quorvel::CreateWindow("Static", nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(quorvel::GetWindowTextLengthA(window), 0);
    EXPECT_TRUE(quorvel::SetWindowTextA(window, "text"));
    EXPECT_EQ(quorvel::SendMessageA(window, WM_SETTEXT, 0, 0), TRUE);
    EXPECT_EQ(quorvel::GetWindowTextLengthA(window), 0);
    EXPECT_EQ(quorvel::SendMessageA(window, WM_GETTEXT, 10, 0), 0);
    EXPECT_EQ(quorvel::GetWindowTextA(window, nullptr, 10), 0);
    EXPECT_EQ(quorvel::GetClassNameA(window, nullptr, 10), 0);
    EXPECT_TRUE(quorvel::SetWindowTextA(window, nullptr));
    EXPECT_FALSE(quorvel::EnumChildWindows(window, nullptr, 0));

    HWND box = quorvel::CreateWindow("ComboBox", nullptr, nullptr);
    EXPECT_EQ(quorvel::FindWindowA(nullptr, nullptr), box);  // any class and title: the newest window
    EXPECT_EQ(quorvel::SendMessageA(box, CB_ADDSTRING, 0, 0), 0);
    EXPECT_EQ(quorvel::SendMessageA(box, CB_GETLBTEXTLEN, 0, 0), 0);
    EXPECT_EQ(quorvel::SendMessageA(box, CB_GETLBTEXT, 0, 0), CB_ERR);
    quorvel::SetMessageBoxPresenter(nullptr);
    quorvel::SetApplicationName(nullptr);
    EXPECT_FALSE(quorvel::DestroyWindow(nullptr));
    quorvel::DestroyWindow(box);
    quorvel::DestroyWindow(window);
}

}  // namespace
