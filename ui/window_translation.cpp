#include "ui/window_translation.h"

#include <cstring>
#include <string>

#include "platform/os.h"
#include "platform/os.h"
#include "quorvel/multilanguage.h"
#include "translate/caption_translator.h"
#include "translate/formatting.h"

namespace qml {

namespace {

// Window texts are read into 1024 bytes: at most 1022 of them, and the caption's translation
// is written back as a 1024-byte buffer holds it.
constexpr int kTextSize = 1024;
constexpr std::size_t kTranslationLimit = kTextSize - 2;
constexpr std::size_t kCaptionLimit = kTextSize - 1;

// Controls whose text is data, not a caption. Compared exactly, case included.
constexpr const char* kExcludedClasses[] = {
    "Edit",          "ComboBox",          "ListBox",         "SysDateTimePick32",
    "SysListView32", "msctls_progress32", "msctls_updown32", "SysIPAddress32",
    "SysTreeView32",
};

bool IsExcludedClass(const char* className) {
    for (const char* excluded : kExcludedClasses)
        if (os::_mbscmp(className, excluded) == 0) return true;
    return false;
}

void SetTranslatedCaption(HWND window, const char* text) {
    std::string translation = TranslateCaption(text, kTranslationLimit);
    if (translation.size() > kCaptionLimit) translation.resize(kCaptionLimit);
    if (!translation.empty()) os::SetWindowTextA(window, translation.c_str());
}

// Called for every descendant; never stops the walk.
BOOL CALLBACK TranslateChildWindow(HWND child, LPARAM /*unused*/) {
    char text[kTextSize] = {};
    if (os::GetWindowTextA(child, text, kTextSize - 1) < 1) return TRUE;
    // The caption translator would double a caption that is only dots.
    if (std::strcmp(text, "...") == 0) return TRUE;

    char className[kTextSize] = {};
    os::GetClassNameA(child, className, kTextSize - 1);
    if (IsExcludedClass(className)) return TRUE;

    SetTranslatedCaption(child, text);
    return TRUE;
}

}  // namespace

void TranslateWindowTree(HWND window) {
    if (!os::IsLiveWindow(window)) return;
    os::ProfileCallScope scope;  // one check of the language file for the whole tree

    char text[kTextSize] = {};
    os::GetWindowTextA(window, text, kTextSize - 1);
    if (text[0] != '\0') SetTranslatedCaption(window, text);
    os::EnumChildWindows(window, TranslateChildWindow, 0);
}

void TranslateComboBoxItems(HWND comboBox) {
    os::ProfileCallScope scope;
    // The count is asked again before every item: the box belongs to the host and may change.
    for (int i = 0; i < static_cast<int>(os::SendMessageA(comboBox, CB_GETCOUNT, 0, 0)); ++i) {
        std::string item;
        os::GetComboBoxItemText(comboBox, i, item);
        std::string translation = TranslateWorkingText(item.c_str());
        os::SendMessageA(comboBox, CB_DELETESTRING, static_cast<WPARAM>(i), 0);
        os::SendMessageA(comboBox, CB_INSERTSTRING, static_cast<WPARAM>(i),
                         reinterpret_cast<LPARAM>(translation.c_str()));
    }
}

}  // namespace qml

void UpdateWndLanguage(CWnd* window) {
    if (window) qml::TranslateWindowTree(window->GetSafeHwnd());
}

void ComboBoxTanslate(CComboBox& comboBox) {
    qml::TranslateComboBoxItems(comboBox.GetSafeHwnd());
}
