// Localises live windows in place: a window's own text and the texts of all its descendants
// through the caption translator, and the items of a combo box through the phrase translator.
#include <cstring>

#include "platform/crt.h"
#include "platform/os.h"
#include "platform/profile_scope.h"
#include "quorvel/multilanguage.h"

namespace qml {

namespace {

constexpr int kTextSize = 1024;

// Controls whose text is data, not a caption. Compared exactly, case included.
constexpr const char* kExcludedClasses[] = {
    "Edit",          "ComboBox",          "ListBox",         "SysDateTimePick32",
    "SysListView32", "msctls_progress32", "msctls_updown32", "SysIPAddress32",
    "SysTreeView32",
};

bool IsExcludedClass(const char* className) {
    for (const char* excluded : kExcludedClasses)
        if (crt::_mbscmp(className, excluded) == 0) return true;
    return false;
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

    char translation[kTextSize] = {};
    GetMultiLngTextForUI(text, translation, kTextSize);
    if (translation[0] != '\0') os::SetWindowTextA(child, translation);
    return TRUE;
}

}  // namespace
}  // namespace qml

void UpdateWndLanguage(CWnd* window) {
    using namespace qml;
    if (!window || !os::IsWindow(window->GetSafeHwnd())) return;
    os::ProfileCallScope scope;

    // The window's own text is translated whatever its class.
    char text[kTextSize] = {};
    window->GetWindowText(text, kTextSize - 1);
    if (text[0] != '\0') {
        char translation[kTextSize] = {};
        GetMultiLngTextForUI(text, translation, kTextSize);
        if (translation[0] != '\0') window->SetWindowText(translation);
    }
    os::EnumChildWindows(window->GetSafeHwnd(), TranslateChildWindow, 0);
}

void ComboBoxTanslate(CComboBox& comboBox) {
    using namespace qml;
    os::ProfileCallScope scope;
    char translation[kTextSize] = {};
    // The count is asked again before every item: the box belongs to the host and may change.
    for (int i = 0; i < comboBox.GetCount(); ++i) {
        CString item;
        comboBox.GetLBText(i, item);
        GetMultiLngText_ByAutoPart(translation, kTextSize, "%s", item.GetString());
        comboBox.DeleteString(static_cast<unsigned int>(i));
        comboBox.InsertString(i, translation);
    }
}
