// Real dialogs and combo boxes, localised in place.
#include <string>
#include <vector>

#include "win32_fixture.h"
// The common controls' classes, after the system header that the fixture brings.
#include <commctrl.h>

namespace {

using WindowTranslation = qml_test::FrenchOnWindows;

void LoadControlClasses() {
    INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_WIN95_CLASSES | ICC_DATE_CLASSES |
                                                        ICC_INTERNET_CLASSES | ICC_PROGRESS_CLASS |
                                                        ICC_UPDOWN_CLASS};
    ::InitCommonControlsEx(&classes);
    ::LoadLibraryA("riched20.dll");
}

// Captions change; data controls keep whatever text the system gives them.
TEST_F(WindowTranslation, ADialogsCaptionsChangeItsDataControlsKeepTheirTexts) {
    LoadControlClasses();
    HWND dialog = Create("#32770", "", nullptr);
    const struct {
        const char* className;
        DWORD style;
        const char* text;
        const char* after;  // null: the text as it was before
    } controls[] = {
        {"Edit", 0, "Name", nullptr},
        {"ComboBox", CBS_DROPDOWN, "Name", nullptr},
        {"ListBox", 0, "Name", nullptr},
        {"SysDateTimePick32", 0, "Name", nullptr},
        {"SysListView32", 0, "Name", nullptr},
        {"msctls_progress32", 0, "Name", nullptr},
        {"msctls_updown32", 0, "Name", nullptr},
        {"SysIPAddress32", 0, "Name", nullptr},
        {"SysTreeView32", 0, "Name", nullptr},
        {"Static", 0, "&Name:", "&Nom:"},
        {"Button", BS_PUSHBUTTON, "Browse...", "Parcourir..."},
        {"Button", BS_PUSHBUTTON, "...", "..."},
        {"Button", BS_AUTOCHECKBOX, "&Enabled", "&Actif"},
        {"Button", BS_AUTORADIOBUTTON, "Yes", "Oui"},
        {"Button", BS_GROUPBOX, "Group", "Groupe"},
        {"RichEdit20A", 0, "Notes", "Remarques"},
        {"Static", 0, "", ""},
    };
    std::vector<HWND> windows;
    std::vector<std::string> before;
    for (const auto& c : controls) {
        windows.push_back(Create(c.className, c.text, dialog, c.style));
        before.push_back(Text(windows.back()));
    }
    // A child dialog with controls of its own.
    HWND inner = Create("#32770", "Inner", dialog, WS_CHILD);
    HWND innerLabel = Create("Static", "Name", inner);
    HWND innerEdit = Create("Edit", "Data", inner);
    HWND innerButton = Create("Button", "&Open...", inner, BS_PUSHBUTTON);

    CWnd wnd(dialog);
    UpdateWndLanguage(&wnd);

    EXPECT_EQ(Text(dialog), "");
    for (size_t i = 0; i < windows.size(); ++i) {
        const std::string expected = controls[i].after ? controls[i].after : before[i];
        EXPECT_EQ(Text(windows[i]), expected) << controls[i].className << " " << controls[i].text;
    }
    EXPECT_EQ(Text(inner), "Interieur");
    EXPECT_EQ(Text(innerLabel), "Nom");
    EXPECT_EQ(Text(innerEdit), "Data");
    EXPECT_EQ(Text(innerButton), "&Ouvrir...");
    ::DestroyWindow(dialog);
}

TEST_F(WindowTranslation, TheWindowItselfIsTranslatedWhateverItsClass) {
    HWND edit = Create("Edit", "Data", nullptr);
    HWND dialog = Create(qml_test::PlainWindowClass(), "Options", nullptr);
    CWnd editObject(edit);
    CWnd dialogObject(dialog);
    // A null window is none, not every window of the desktop.
    UpdateWndLanguage(nullptr);
    CWnd none;
    UpdateWndLanguage(&none);
    EXPECT_EQ(Text(edit), "Data");
    EXPECT_EQ(Text(dialog), "Options");
    UpdateWndLanguage(&editObject);
    UpdateWndLanguage(&dialogObject);
    EXPECT_EQ(Text(edit), "Donnees");
    EXPECT_EQ(Text(dialog), "Options FR");
    // A destroyed window is left alone.
    ::DestroyWindow(edit);
    UpdateWndLanguage(&editObject);
    EXPECT_EQ(Text(dialog), "Options FR");
    ::DestroyWindow(dialog);
}

std::vector<std::string> Items(HWND combo) {
    std::vector<std::string> items;
    const LRESULT count = ::SendMessageA(combo, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        char text[256] = {};
        ::SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        items.emplace_back(text);
    }
    return items;
}

TEST_F(WindowTranslation, AComboBoxHoldsTheTranslationsOfItsItemsInPlace) {
    HWND dialog = Create(qml_test::PlainWindowClass(), "Options", nullptr);
    CComboBox combo(Create("ComboBox", "", dialog, CBS_DROPDOWNLIST));
    for (const char* item : {"Yes", "No", "Cancel", "Disk {full}"}) combo.AddString(item);
    ComboBoxTanslate(combo);
    EXPECT_EQ(Items(combo.m_hWnd), (std::vector<std::string>{"Oui", "Non", "Annuler", "Disque plein"}));

    CComboBox empty(Create("ComboBox", "", dialog, CBS_DROPDOWNLIST));
    ComboBoxTanslate(empty);
    EXPECT_EQ(empty.GetCount(), 0);
    ::DestroyWindow(dialog);
}

TEST_F(WindowTranslation, AComboBoxReceivesTheLanguagesAndTheSelection) {
    qml_test::WriteFile(m_dir.file("Language.ini"),
                        "[LanguageType]\n0=Chinese\n1=English\n2=French\n3=French\n");
    qml_test::WriteFile(
        m_dir.file("French.lng"),
        "[LanguageTypeCpt]\nChinese=Chinois\nEnglish=Anglais\nFrench=Francais\n[ProgramOutStr]\n");
    Set_MultiLanguage_Para(m_dir.path().c_str(), 3, nullptr, nullptr);
    HWND dialog = Create(qml_test::PlainWindowClass(), "Options", nullptr);
    CComboBox combo(Create("ComboBox", "", dialog, CBS_DROPDOWNLIST));
    combo.AddString("kept");
    int select = 2;
    AddLanguageTypeToCombo(combo, select);
    EXPECT_EQ(Items(combo.m_hWnd),
              (std::vector<std::string>{"kept", "Chinois", "Anglais", "Francais", "Francais"}));
    EXPECT_EQ(combo.GetCurSel(), 2);
    ::DestroyWindow(dialog);
}

}  // namespace
