// The C interface of window localisation and message boxes: window handles in place of the
// framework's window objects.
#include "quorvel/framework.h"
#include "quorvel/multilanguage_c.h"
#include "ui/message_box.h"
#include "ui/window_translation.h"

namespace {

HWND Handle(qml_hwnd window) {
    return static_cast<HWND>(window);
}

}  // namespace

void qml_UpdateWndLanguage(qml_hwnd window) {
    qml::TranslateWindowTree(Handle(window));
}

void qml_ComboBoxTanslate(qml_hwnd comboBox) {
    qml::TranslateComboBoxItems(Handle(comboBox));
}

int qml_MsgBoxML(qml_hwnd parent, const char* caption, unsigned int style, const char* format, ...) {
    va_list args;
    va_start(args, format);
    const int result = qml_MsgBoxMLV(parent, caption, style, format, args);
    va_end(args);
    return result;
}

int qml_MsgBoxMLV(qml_hwnd parent, const char* caption, unsigned int style, const char* format,
                  va_list args) {
    // The parent-window callback sees the parent's handle again; a null parent stays null.
    CWnd object(Handle(parent));
    return qml::ShowMessageBox(parent ? &object : nullptr, caption, style, format, args);
}

int qml_CloseMsgBoxML(int buttonId) {
    return qml::CloseMessageBox(buttonId);
}
