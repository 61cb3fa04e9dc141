// Window localisation: a dialog's caption and its controls' texts, and combo-box items.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui_fixture.h"

using quorvel::CreateWindow;

namespace {

using WindowTranslation = qml_test::FrenchWindows;

TEST_F(WindowTranslation, CaptionsChangeDataControlsKeepTheirTexts) {
    HWND dialog = CreateWindow("#32770", "", nullptr);
    const struct {
        const char* className;
        const char* text;
        const char* after;
    } controls[] = {
        {"Edit", "Name", "Name"},
        {"ComboBox", "Name", "Name"},
        {"ListBox", "Name", "Name"},
        {"SysDateTimePick32", "Name", "Name"},
        {"SysListView32", "Name", "Name"},
        {"msctls_progress32", "Name", "Name"},
        {"msctls_updown32", "Name", "Name"},
        {"SysIPAddress32", "Name", "Name"},
        {"SysTreeView32", "Name", "Name"},
        {"edit", "Name", "Nom"},  // class names compare with their case
        {"Static", "&Name:", "&Nom:"},
        {"Button", "Browse...", "Parcourir..."},
        {"Button", "...", "..."},
        {"Button", "&Enabled", "&Actif"},  // a check box
        {"Button", "Group", "Groupe"},     // a group box
        {"RichEdit20A", "Notes", "Remarques"},
        {"Static", "", ""},
    };
    std::vector<HWND> windows;
    for (const auto& c : controls) windows.push_back(CreateWindow(c.className, c.text, dialog));
    HWND inner = CreateWindow("#32770", "Inner", dialog);
    HWND innerLabel = CreateWindow("Static", "Name", inner);
    HWND innerEdit = CreateWindow("Edit", "Data", inner);

    CWnd wnd(dialog);
    UpdateWndLanguage(&wnd);

    EXPECT_EQ(Text(dialog), "");
    for (size_t i = 0; i < windows.size(); ++i)
        EXPECT_EQ(Text(windows[i]), controls[i].after) << controls[i].className << " " << controls[i].text;
    EXPECT_EQ(Text(inner), "Interieur");
    EXPECT_EQ(Text(innerLabel), "Nom");
    EXPECT_EQ(Text(innerEdit), "Data");
    quorvel::DestroyWindow(dialog);
}

TEST_F(WindowTranslation, TheWindowItselfIsTranslatedWhateverItsClass) {
    HWND edit = CreateWindow("Edit", "Data", nullptr);
    HWND dialog = CreateWindow("#32770", "Options", nullptr);
    CWnd editWnd(edit), dialogWnd(dialog);
    UpdateWndLanguage(&editWnd);
    UpdateWndLanguage(&dialogWnd);
    EXPECT_EQ(Text(edit), "Donnees");
    EXPECT_EQ(Text(dialog), "Options FR");
    // A second pass looks the translations up as English keys again.
    UpdateWndLanguage(&dialogWnd);
    EXPECT_EQ(Text(dialog), "Options FR FR");
    quorvel::DestroyWindow(edit);
    quorvel::DestroyWindow(dialog);
}

// A null handle names no window: in particular not all of them, as a walk from the desktop would.
TEST_F(WindowTranslation, NullAndDestroyedWindowsAreIgnored) {
    HWND dialog = CreateWindow("#32770", "Options", nullptr);
    HWND label = CreateWindow("Static", "Name", dialog);
    UpdateWndLanguage(nullptr);
    HWND gone = CreateWindow("Static", "Name", nullptr);
    quorvel::DestroyWindow(gone);
    CWnd wnd(gone);
    UpdateWndLanguage(&wnd);
    EXPECT_FALSE(quorvel::IsWindow(gone));
    CWnd none;
    UpdateWndLanguage(&none);
    EXPECT_EQ(Text(dialog), "Options");
    EXPECT_EQ(Text(label), "Name");
    quorvel::DestroyWindow(dialog);
}

TEST_F(WindowTranslation, LongWindowTextsAreCutNotOverrun) {
    HWND label = CreateWindow("Static", std::string(5000, 'a').c_str(), nullptr);
    CWnd wnd(label);
    UpdateWndLanguage(&wnd);
    EXPECT_EQ(Text(label), std::string(255, 'a'));
    quorvel::DestroyWindow(label);
}

TEST_F(WindowTranslation, ComboBoxItemsAreReplacedInPlace) {
    CComboBox combo(CreateWindow("ComboBox", "", nullptr));
    for (const char* item : {"Yes", "No", "Cancel", "Maybe", "Disk full"}) combo.AddString(item);
    combo.SetCurSel(1);
    ComboBoxTanslate(combo);
    const char* expected[] = {"Oui", "Non", "Annuler", "Maybe", "Disque plein"};
    ASSERT_EQ(combo.GetCount(), 5);
    for (int i = 0; i < 5; ++i) {
        CString item;
        combo.GetLBText(i, item);
        EXPECT_STREQ(item, expected[i]) << i;
    }
    quorvel::DestroyWindow(combo.m_hWnd);
}

TEST_F(WindowTranslation, EmptyComboBoxAndComboBoxWithoutWindow) {
    CComboBox empty(CreateWindow("ComboBox", "", nullptr));
    ComboBoxTanslate(empty);
    EXPECT_EQ(empty.GetCount(), 0);
    quorvel::DestroyWindow(empty.m_hWnd);
    CComboBox none;
    ComboBoxTanslate(none);
}

}  // namespace
